// How the libusb transport recognises the instrument without Windows'
// device-interface registry: Windows learns an interface's class GUID from
// the device's Microsoft OS descriptors (or from a driver file); here the
// same descriptors are read and parsed, and vendor:product pairs stand in
// for the driver file.
//
// Pure functions over byte buffers; the USB requests live in libusb_device.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "usb/usb_device.h"

namespace usb_libusb {

// Microsoft OS 2.0: the BOS platform capability that announces the
// descriptor set, and the index of the vendor request that returns it.
constexpr uint8_t kMsOs20PlatformUuid[16] = {0xDF, 0x60, 0xDD, 0xD8, 0x89, 0x45, 0xC7, 0x4C,
                                             0x9C, 0xD2, 0x65, 0x9D, 0x9E, 0x64, 0x8A, 0x9F};
constexpr uint16_t kMsOs20DescriptorIndex = 7;
constexpr uint32_t kMsOs20MinWindowsVersion = 0x06030000;  // Windows 8.1, the first to read them

// Microsoft OS 1.0: string descriptor 0xEE ("MSFT100" + vendor code) and
// the extended properties feature requested with it.
constexpr uint8_t kMsOs10StringIndex = 0xEE;
constexpr uint16_t kMsOs10ExtendedPropertiesIndex = 5;

struct MsOs20SetInfo {
    uint8_t vendorCode;
    uint16_t totalLength;
};

// Finds, in the data of one BOS device capability (the bytes after
// bLength, bDescriptorType and bDevCapabilityType), the Microsoft OS 2.0
// descriptor set meant for Windows 8.1 or later. False when the capability
// is not the Microsoft OS 2.0 platform capability or names no usable set.
bool ParseMsOs20PlatformCapability(const uint8_t* data, size_t length, MsOs20SetInfo* info);

// Interface numbers whose DeviceInterfaceGUID(s) registry property in a
// Microsoft OS 2.0 descriptor set names guid. Properties outside a function
// subset belong to the device and so to firstInterface.
std::vector<uint8_t> MatchMsOs20DescriptorSet(const uint8_t* set, size_t length,
                                              const UsbGuid& guid, uint8_t firstInterface);

// The vendor code in the "MSFT100" string descriptor 0xEE; false when the
// descriptor is not one.
bool ParseMsOs10String(const uint8_t* descriptor, size_t length, uint8_t* vendorCode);

// True when a Microsoft OS 1.0 extended properties descriptor holds a
// DeviceInterfaceGUID(s) property naming guid.
bool MatchMsOs10ExtendedProperties(const uint8_t* descriptor, size_t length, const UsbGuid& guid);

// True when the UTF-16LE registry value (REG_SZ or REG_MULTI_SZ, byteLength
// bytes) holds guid as one of its strings, "{...}" in either case.
bool RegistryValueNamesGuid(const uint8_t* value, size_t byteLength, const UsbGuid& guid);

struct VendorProduct {
    uint16_t vendorId;
    uint16_t productId;
};

// Parses "1234:5678,abcd:ef01" (hexadecimal, blanks allowed around the
// entries). Malformed entries are skipped.
std::vector<VendorProduct> ParseVendorProductList(const char* text);

}  // namespace usb_libusb
