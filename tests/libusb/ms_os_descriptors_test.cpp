// Parsing of the descriptors that identify the instrument; the requests
// themselves run against umockdev in transport_test.cpp.
#include <gtest/gtest.h>

#include "usb/libusb/ms_os_descriptors.h"

namespace {

using namespace usb_libusb;

std::vector<uint8_t> Utf16(const std::string& text) {
    std::vector<uint8_t> v;
    for (char c : text) {
        v.push_back(static_cast<uint8_t>(c));
        v.push_back(0);
    }
    return v;
}

void Append(std::vector<uint8_t>& v, const std::vector<uint8_t>& w) { v.insert(v.end(), w.begin(), w.end()); }
void Put16(std::vector<uint8_t>& v, size_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}

std::vector<uint8_t> Property(const std::string& name, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> n = Utf16(name);
    n.insert(n.end(), {0, 0});
    std::vector<uint8_t> p;
    Put16(p, 10 + n.size() + value.size());
    Put16(p, 4);
    Put16(p, 7);
    Put16(p, n.size());
    Append(p, n);
    Put16(p, value.size());
    Append(p, value);
    return p;
}

std::vector<uint8_t> Set(const std::vector<uint8_t>& body) {
    std::vector<uint8_t> s = {10, 0, 0, 0, 0, 0, 3, 6};
    Put16(s, 10 + body.size());
    Append(s, body);
    return s;
}

const std::string kGuidText = "{D7024F71-28DE-4E81-8A6B-113CA2BFB60D}";

TEST(MsOsDescriptors, RegistryValueMatchesAnyStringOfAMultiStringInEitherCase) {
    std::vector<uint8_t> value = Utf16("{00000000-0000-0000-0000-000000000000}");
    value.insert(value.end(), {0, 0});
    Append(value, Utf16("{d7024f71-28de-4e81-8a6b-113ca2bfb60d}"));
    value.insert(value.end(), {0, 0, 0, 0});
    EXPECT_TRUE(RegistryValueNamesGuid(value.data(), value.size(), kVarneloInterfaceGuid));
    // Without its terminator, and one digit off.
    std::vector<uint8_t> bare = Utf16(kGuidText);
    EXPECT_TRUE(RegistryValueNamesGuid(bare.data(), bare.size(), kVarneloInterfaceGuid));
    std::vector<uint8_t> off = Utf16("{D7024F71-28DE-4E81-8A6B-113CA2BFB60E}");
    EXPECT_FALSE(RegistryValueNamesGuid(off.data(), off.size(), kVarneloInterfaceGuid));
}

TEST(MsOsDescriptors, SetPropertiesBelongToTheDeviceOrToTheirFunctionSubset) {
    std::vector<uint8_t> guidValue = Utf16(kGuidText);
    guidValue.insert(guidValue.end(), {0, 0, 0, 0});
    // Device level: the first interface.
    std::vector<uint8_t> plain = Set(Property("DeviceInterfaceGUIDs", guidValue));
    EXPECT_EQ(MatchMsOs20DescriptorSet(plain.data(), plain.size(), kVarneloInterfaceGuid, 0),
              std::vector<uint8_t>{0});

    // A composite device: function 1 (interface 2) names the GUID, function 0 another property.
    std::vector<uint8_t> f0 = {8, 0, 2, 0, 0, 0};
    std::vector<uint8_t> f0Property = Property("Label", Utf16("x"));
    Put16(f0, 8 + f0Property.size());
    Append(f0, f0Property);
    std::vector<uint8_t> f1 = {8, 0, 2, 0, 2, 0};
    std::vector<uint8_t> f1Property = Property("DeviceInterfaceGUID", guidValue);
    Put16(f1, 8 + f1Property.size());
    Append(f1, f1Property);
    std::vector<uint8_t> body = f0;
    Append(body, f1);
    std::vector<uint8_t> composite = Set(body);
    EXPECT_EQ(MatchMsOs20DescriptorSet(composite.data(), composite.size(), kVarneloInterfaceGuid, 0),
              std::vector<uint8_t>{2});
    // Cut short: the property is not read past the end.
    EXPECT_TRUE(MatchMsOs20DescriptorSet(composite.data(), composite.size() - 10, kVarneloInterfaceGuid, 0)
                    .empty());
}

TEST(MsOsDescriptors, VendorProductListSkipsMalformedEntries) {
    std::vector<VendorProduct> list = ParseVendorProductList(" 1234:5678 ,abcd:EF01,,12345:1,zz:01,1:2");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].vendorId, 0x1234);
    EXPECT_EQ(list[0].productId, 0x5678);
    EXPECT_EQ(list[1].vendorId, 0xABCD);
    EXPECT_EQ(list[1].productId, 0xEF01);
    EXPECT_EQ(list[2].vendorId, 1);
    EXPECT_EQ(list[2].productId, 2);
    EXPECT_TRUE(ParseVendorProductList(nullptr).empty());
}

}  // namespace
