#include "usb/libusb/ms_os_descriptors.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace usb_libusb {
namespace {

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Microsoft OS 2.0 descriptor types inside a descriptor set.
constexpr uint16_t kMsOs20SetHeader = 0;
constexpr uint16_t kMsOs20FunctionSubsetHeader = 2;
constexpr uint16_t kMsOs20RegistryProperty = 4;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "{D7024F71-28DE-4E81-8A6B-113CA2BFB60D}" (braces optional) to a GUID.
bool ParseGuidText(std::string text, UsbGuid* guid) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
    if (text.size() != 36) return false;
    uint8_t bytes[16];
    size_t n = 0;
    for (size_t i = 0; i < text.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-') return false;
            ++i;
            continue;
        }
        int hi = HexDigit(text[i]);
        int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0 || n >= 16) return false;
        bytes[n++] = static_cast<uint8_t>(hi << 4 | lo);
        i += 2;
    }
    if (n != 16) return false;
    guid->data1 = static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
                  static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
    guid->data2 = static_cast<uint16_t>(bytes[4] << 8 | bytes[5]);
    guid->data3 = static_cast<uint16_t>(bytes[6] << 8 | bytes[7]);
    std::memcpy(guid->data4, bytes + 8, 8);
    return true;
}

bool SameGuid(const UsbGuid& a, const UsbGuid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, 8) == 0;
}

// A UTF-16LE name compared with an ASCII one, ignoring case; a trailing
// zero unit in the name is allowed.
bool NameIs(const uint8_t* name, size_t byteLength, const char* expected) {
    size_t units = byteLength / 2;
    while (units > 0 && Le16(name + 2 * (units - 1)) == 0) --units;
    if (units != std::strlen(expected)) return false;
    for (size_t i = 0; i < units; ++i) {
        uint16_t u = Le16(name + 2 * i);
        if (u > 0x7F) return false;
        if (std::tolower(static_cast<unsigned char>(u)) !=
            std::tolower(static_cast<unsigned char>(expected[i])))
            return false;
    }
    return true;
}

bool IsInterfaceGuidProperty(const uint8_t* name, size_t byteLength) {
    return NameIs(name, byteLength, "DeviceInterfaceGUIDs") ||
           NameIs(name, byteLength, "DeviceInterfaceGUID");
}

}  // namespace

bool ParseMsOs20PlatformCapability(const uint8_t* data, size_t length, MsOs20SetInfo* info) {
    // bReserved, PlatformCapabilityUUID[16], then 8-byte set information records.
    if (length < 1 + 16 || std::memcmp(data + 1, kMsOs20PlatformUuid, 16) != 0) return false;
    for (size_t p = 17; p + 8 <= length; p += 8) {
        uint32_t windowsVersion = Le32(data + p);
        uint16_t totalLength = Le16(data + p + 4);
        if (windowsVersion >= kMsOs20MinWindowsVersion && totalLength >= 10) {
            info->vendorCode = data[p + 6];
            info->totalLength = totalLength;
            return true;
        }
    }
    return false;
}

std::vector<uint8_t> MatchMsOs20DescriptorSet(const uint8_t* set, size_t length,
                                              const UsbGuid& guid, uint8_t firstInterface) {
    std::vector<uint8_t> interfaces;
    if (length < 10 || Le16(set) != 10 || Le16(set + 2) != kMsOs20SetHeader) return interfaces;
    size_t total = std::min<size_t>(length, Le16(set + 8));
    size_t p = 10;
    bool inFunction = false;
    size_t functionEnd = 0;
    uint8_t functionInterface = 0;
    while (p + 4 <= total) {
        uint16_t descriptorLength = Le16(set + p);
        uint16_t type = Le16(set + p + 2);
        if (descriptorLength < 4 || p + descriptorLength > total) break;
        if (inFunction && p >= functionEnd) inFunction = false;
        if (type == kMsOs20FunctionSubsetHeader && descriptorLength >= 8) {
            inFunction = true;
            functionInterface = set[p + 4];
            functionEnd = p + Le16(set + p + 6);
        } else if (type == kMsOs20RegistryProperty && descriptorLength >= 10) {
            // wPropertyDataType, wPropertyNameLength, name, wPropertyDataLength, data.
            const uint8_t* d = set + p;
            size_t nameLength = Le16(d + 6);
            if (8 + nameLength + 2 <= descriptorLength) {
                size_t dataLength = Le16(d + 8 + nameLength);
                const uint8_t* data = d + 10 + nameLength;
                if (10 + nameLength + dataLength <= descriptorLength &&
                    IsInterfaceGuidProperty(d + 8, nameLength) &&
                    RegistryValueNamesGuid(data, dataLength, guid)) {
                    uint8_t iface = inFunction ? functionInterface : firstInterface;
                    if (std::find(interfaces.begin(), interfaces.end(), iface) == interfaces.end())
                        interfaces.push_back(iface);
                }
            }
        }
        p += descriptorLength;
    }
    std::sort(interfaces.begin(), interfaces.end());
    return interfaces;
}

bool ParseMsOs10String(const uint8_t* descriptor, size_t length, uint8_t* vendorCode) {
    static const char kSignature[] = "MSFT100";
    if (length < 18 || descriptor[0] < 18 || descriptor[1] != 3) return false;
    for (size_t i = 0; i < 7; ++i) {
        if (Le16(descriptor + 2 + 2 * i) != static_cast<uint8_t>(kSignature[i])) return false;
    }
    *vendorCode = descriptor[16];
    return true;
}

bool MatchMsOs10ExtendedProperties(const uint8_t* descriptor, size_t length, const UsbGuid& guid) {
    // dwLength, bcdVersion, wIndex (5), wCount, then the property sections.
    if (length < 10 || Le16(descriptor + 6) != kMsOs10ExtendedPropertiesIndex) return false;
    size_t total = std::min<size_t>(length, Le32(descriptor));
    uint16_t count = Le16(descriptor + 8);
    size_t p = 10;
    for (uint16_t i = 0; i < count && p + 14 <= total; ++i) {
        const uint8_t* s = descriptor + p;
        size_t sectionSize = Le32(s);
        if (sectionSize < 14 || sectionSize > total - p) break;
        // dwSize, dwPropertyDataType, wPropertyNameLength, name, dwPropertyDataLength, data.
        size_t nameLength = Le16(s + 8);
        if (10 + nameLength + 4 <= sectionSize) {
            size_t dataLength = Le32(s + 10 + nameLength);
            if (dataLength <= sectionSize - (14 + nameLength) &&
                IsInterfaceGuidProperty(s + 10, nameLength) &&
                RegistryValueNamesGuid(s + 14 + nameLength, dataLength, guid))
                return true;
        }
        p += sectionSize;
    }
    return false;
}

bool RegistryValueNamesGuid(const uint8_t* value, size_t byteLength, const UsbGuid& guid) {
    std::string current;
    bool ascii = true;
    // The end of the value ends its last string even without a terminator.
    for (size_t i = 0; i <= byteLength; i += 2) {
        uint16_t unit = i + 1 < byteLength ? Le16(value + i) : 0;
        if (unit != 0) {
            if (unit > 0x7F) ascii = false;
            current.push_back(static_cast<char>(unit & 0x7F));
            continue;
        }
        UsbGuid parsed;
        if (ascii && !current.empty() && ParseGuidText(current, &parsed) && SameGuid(parsed, guid))
            return true;
        current.clear();
        ascii = true;
    }
    return false;
}

std::vector<VendorProduct> ParseVendorProductList(const char* text) {
    std::vector<VendorProduct> list;
    if (text == nullptr) return list;
    std::string entry;
    for (const char* p = text;; ++p) {
        if (*p != ',' && *p != '\0') {
            if (*p != ' ' && *p != '\t') entry.push_back(*p);
            continue;
        }
        size_t colon = entry.find(':');
        if (colon != std::string::npos && colon >= 1 && colon <= 4 && entry.size() - colon - 1 >= 1 &&
            entry.size() - colon - 1 <= 4) {
            uint32_t ids[2] = {0, 0};
            bool valid = true;
            for (size_t i = 0; i < entry.size(); ++i) {
                if (i == colon) continue;
                int digit = HexDigit(entry[i]);
                if (digit < 0) valid = false;
                uint32_t& id = ids[i < colon ? 0 : 1];
                id = id << 4 | static_cast<uint32_t>(digit < 0 ? 0 : digit);
            }
            if (valid)
                list.push_back({static_cast<uint16_t>(ids[0]), static_cast<uint16_t>(ids[1])});
        }
        entry.clear();
        if (*p == '\0') break;
    }
    return list;
}

}  // namespace usb_libusb
