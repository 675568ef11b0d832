// The libusb transport against simulated devices behind umockdev: discovery,
// opening, descriptors and transfers through the real libusb code.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <future>
#include <thread>

#include "libusb/libusb_test_support.h"
#include "link/protocol.h"
#include "sim/sim_instrument.h"
#include "usb/usb_device.h"

namespace {

using libusbtest::LibusbTest;
using mockusb::DeviceConfig;
using mockusb::Endpoints;
using mockusb::Identity;
using mockusb::MockDevice;
using Clock = std::chrono::steady_clock;

constexpr UsbGuid kOtherGuid = {0x12345678, 0x9ABC, 0xDEF0, {1, 2, 3, 4, 5, 6, 7, 8}};

struct OpenResult {
    UsbDevice* device;
    uint32_t error;
};

OpenResult Open(uint32_t index) {
    platform::SetLastErrorCode(0);
    UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, index);
    return {device, device == nullptr ? platform::GetLastErrorCode() : 0};
}

std::string Serial(UsbDevice* device) {
    uint8_t buffer[34] = {};
    uint32_t length = 0;
    if (!UsbGetDescriptor(device, 3, 3, 0x0409, buffer, sizeof buffer, &length)) return "<failed>";
    std::string text;
    for (uint32_t i = 2; i + 1 < length; i += 2) text.push_back(static_cast<char>(buffer[i]));
    return text;
}

DeviceConfig WithSerial(const char* serial) {
    DeviceConfig c;
    c.serialNumber = serial;
    return c;
}

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Waits (bounded) until the device has an IN URB pending.
bool WaitForPendingIn(mockusb::MockUsb& usb, MockDevice* d) {
    for (int i = 0; i < 500; ++i) {
        if (usb.PendingInCount(d) > 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// ---- Discovery ----

TEST_F(LibusbTest, DiscoveryByGuidInMsOsDescriptorsInBusAddressOrder) {
    DeviceConfig later = WithSerial("BUS2");
    later.busNumber = 2;
    later.address = 3;
    later.identity = Identity::MsOs10;
    usb->AddDevice(later);
    DeviceConfig other = WithSerial("OTHER");
    other.guid = kOtherGuid;
    other.address = 7;
    usb->AddDevice(other);
    DeviceConfig first = WithSerial("BUS1");
    first.address = 9;
    usb->AddDevice(first);

    // (umockdev serves one open file per device node: one device at a time.)
    OpenResult a = Open(0);
    ASSERT_NE(a.device, nullptr) << a.error;
    EXPECT_EQ(Serial(a.device), "BUS1");
    EXPECT_TRUE(CloseUsbDevice(a.device));
    OpenResult b = Open(1);
    ASSERT_NE(b.device, nullptr) << b.error;
    EXPECT_EQ(Serial(b.device), "BUS2");  // found through Microsoft OS 1.0
    EXPECT_TRUE(CloseUsbDevice(b.device));
    OpenResult c = Open(2);
    EXPECT_EQ(c.device, nullptr);
    EXPECT_EQ(c.error, kUsbDeviceNotConnected);
}

TEST_F(LibusbTest, DiscoveryByVendorProductList) {
    DeviceConfig plain = WithSerial("PLAIN");
    plain.identity = Identity::None;
    plain.vendorId = 0xABCD;
    plain.productId = 0xEF01;
    usb->AddDevice(plain);

    OpenResult none = Open(0);
    EXPECT_EQ(none.device, nullptr);
    EXPECT_EQ(none.error, kUsbDeviceNotConnected);

    setenv("VARNELO_USB_IDS", "1234:5678, abcd:EF01,junk", 1);
    OpenResult found = Open(0);
    ASSERT_NE(found.device, nullptr) << found.error;
    EXPECT_EQ(Serial(found.device), "PLAIN");
    EXPECT_TRUE(CloseUsbDevice(found.device));
}

TEST_F(LibusbTest, NoInstrumentGives1167) {
    DeviceConfig other;
    other.guid = kOtherGuid;
    usb->AddDevice(other);
    OpenResult r = Open(0);
    EXPECT_EQ(r.device, nullptr);
    EXPECT_EQ(r.error, kUsbDeviceNotConnected);
}

// ---- Opening ----

TEST_F(LibusbTest, InterfaceHeldElsewhereGives5AndTheNextIndexOpens) {
    DeviceConfig held = WithSerial("HELD");
    held.claimBusy = true;
    usb->AddDevice(held);
    usb->AddDevice(WithSerial("FREE"));

    OpenResult first = Open(0);
    EXPECT_EQ(first.device, nullptr);
    EXPECT_EQ(first.error, kUsbAccessDenied);
    OpenResult second = Open(1);
    ASSERT_NE(second.device, nullptr) << second.error;
    EXPECT_EQ(Serial(second.device), "FREE");
    EXPECT_TRUE(CloseUsbDevice(second.device));
}

TEST_F(LibusbTest, EndpointsOtherThanBulkGive17AndNoEndpointsOpen) {
    DeviceConfig interrupt;
    interrupt.endpoints = Endpoints::BulkAndInterrupt;
    usb->AddDevice(interrupt);
    DeviceConfig bare;
    bare.endpoints = Endpoints::NoEndpoints;
    MockDevice* bareDevice = usb->AddDevice(bare);

    OpenResult r = Open(0);
    EXPECT_EQ(r.device, nullptr);
    EXPECT_EQ(r.error, kUsbNotSameDevice);

    OpenResult b = Open(1);
    ASSERT_NE(b.device, nullptr) << b.error;
    uint8_t buffer[8];
    uint32_t count = 0;
    // No pipes: reads and writes are refused without reaching the device.
    EXPECT_EQ(UsbBulkRead(b.device, buffer, 8, &count, 100, nullptr), kUsbInvalidParameter);
    platform::SetLastErrorCode(0);
    EXPECT_FALSE(UsbBulkWrite(b.device, buffer, 8, &count));
    EXPECT_EQ(platform::GetLastErrorCode(), kUsbInvalidParameter);
    EXPECT_TRUE(usb->Written(bareDevice).empty());
    EXPECT_TRUE(CloseUsbDevice(b.device));
}

TEST_F(LibusbTest, SerialNumberDescriptorAndItsAbsence) {
    usb->AddDevice(WithSerial("VN2024-0042"));
    usb->AddDevice(WithSerial(""));
    OpenResult a = Open(0);
    ASSERT_NE(a.device, nullptr);
    uint8_t buffer[34] = {};
    uint32_t length = 0;
    ASSERT_TRUE(UsbGetDescriptor(a.device, 3, 3, 0x0409, buffer, sizeof buffer, &length));
    EXPECT_EQ(length, 2u + 2u * 11u);
    EXPECT_EQ(buffer[0], length);
    EXPECT_EQ(buffer[1], 3);
    EXPECT_EQ(Serial(a.device), "VN2024-0042");
    EXPECT_TRUE(CloseUsbDevice(a.device));

    OpenResult b = Open(1);
    ASSERT_NE(b.device, nullptr);
    platform::SetLastErrorCode(0);
    EXPECT_FALSE(UsbGetDescriptor(b.device, 3, 3, 0x0409, buffer, sizeof buffer, &length));
    EXPECT_NE(platform::GetLastErrorCode(), 0u);
    EXPECT_TRUE(CloseUsbDevice(b.device));
}

// ---- Transfers ----

class TransferTest : public LibusbTest {
protected:
    void SetUp() override {
        LibusbTest::SetUp();
        device = usb->AddDevice(DeviceConfig{});
        OpenResult r = Open(0);
        ASSERT_NE(r.device, nullptr) << r.error;
        opened = r.device;
        cancel = platform::CreateEventObject(false, false);
    }
    void TearDown() override {
        if (opened != nullptr) CloseUsbDevice(opened);
        platform::CloseObject(cancel);
        LibusbTest::TearDown();
    }
    MockDevice* device = nullptr;
    UsbDevice* opened = nullptr;
    platform::Handle cancel = nullptr;
};

TEST_F(TransferTest, WriteAndReadCarryTheBytes) {
    const uint8_t frame[4] = {0x03, 0xFF, 0x02, 0x00};
    uint32_t written = 0;
    ASSERT_TRUE(UsbBulkWrite(opened, frame, 4, &written));
    EXPECT_EQ(written, 4u);
    ASSERT_EQ(usb->Written(device).size(), 1u);
    EXPECT_EQ(usb->Written(device)[0], std::vector<uint8_t>(frame, frame + 4));

    std::vector<uint8_t> reply(58);
    for (size_t i = 0; i < reply.size(); ++i) reply[i] = static_cast<uint8_t>(i + 1);
    usb->QueueIn(device, reply);
    uint8_t buffer[768] = {};
    uint32_t count = 999;
    EXPECT_EQ(UsbBulkRead(opened, buffer, 58, &count, platform::kInfinite, cancel), kUsbSuccess);
    EXPECT_EQ(count, 58u);
    EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 58), reply);

    // A shorter transfer ends the read early with its own length.
    usb->QueueIn(device, std::vector<uint8_t>(6, 0xAB));
    EXPECT_EQ(UsbBulkRead(opened, buffer, 768, &count, platform::kInfinite, cancel), kUsbSuccess);
    EXPECT_EQ(count, 6u);
    EXPECT_EQ(buffer[5], 0xAB);
    EXPECT_EQ(buffer[6], 7);  // untouched beyond the transfer

    // Missing arguments.
    EXPECT_EQ(UsbBulkRead(opened, buffer, 0, &count, 10, nullptr), kUsbInvalidParameter);
    EXPECT_EQ(UsbBulkRead(nullptr, buffer, 8, &count, 10, nullptr), kUsbInvalidParameter);
    platform::SetLastErrorCode(1234);
    EXPECT_FALSE(UsbBulkWrite(opened, frame, 0, &written));
    EXPECT_EQ(platform::GetLastErrorCode(), 1234u);
}

TEST_F(TransferTest, CancelEndsThePendingReadAndTheNextReadGetsFreshData) {
    uint8_t buffer[768];
    std::memset(buffer, 0x5A, sizeof buffer);
    uint32_t count = 12345;
    auto read = std::async(std::launch::async, [&] {
        return UsbBulkRead(opened, buffer, 768, &count, platform::kInfinite, cancel);
    });
    ASSERT_TRUE(WaitForPendingIn(*usb, device));
    const Clock::time_point t0 = Clock::now();
    platform::SetEventObject(cancel);
    ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(read.get(), kUsbSuccess);
    EXPECT_LT(Seconds(t0), 5.0);
    EXPECT_EQ(count, 0u);  // a cancelled read reports no bytes, never a stale count
    EXPECT_EQ(usb->DiscardCount(device), 1u);
    EXPECT_EQ(usb->PendingInCount(device), 0u);
    EXPECT_EQ(buffer[0], 0x5A);
    // The signal was consumed: the next read waits for its data.
    usb->QueueIn(device, std::vector<uint8_t>(192, 0x11));
    EXPECT_EQ(UsbBulkRead(opened, buffer, 192, &count, 2000, cancel), kUsbSuccess);
    EXPECT_EQ(count, 192u);
    EXPECT_EQ(buffer[0], 0x11);
}

TEST_F(TransferTest, CancelGivenBeforeTheReadEndsItAtOnce) {
    platform::SetEventObject(cancel);
    uint8_t buffer[58];
    uint32_t count = 77;
    EXPECT_EQ(UsbBulkRead(opened, buffer, 58, &count, platform::kInfinite, cancel), kUsbSuccess);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(usb->PendingInCount(device), 0u);  // the transfer went and was taken back
}

TEST_F(TransferTest, TimeOutAbortsTheTransfer) {
    uint8_t buffer[58];
    uint32_t count = 77;
    const Clock::time_point t0 = Clock::now();
    EXPECT_EQ(UsbBulkRead(opened, buffer, 58, &count, 100, cancel), kUsbWaitTimeout);
    EXPECT_LT(Seconds(t0), 5.0);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(usb->PendingInCount(device), 0u);
    EXPECT_EQ(usb->DiscardCount(device), 1u);
}

TEST_F(TransferTest, TransferErrorsMapOntoWindowsCodes) {
    uint8_t buffer[192];
    uint32_t count = 0;
    struct Case {
        int negativeErrno;
        uint32_t code;
    };
    const Case cases[] = {{-EPIPE, kUsbGenFailure}, {-EOVERFLOW, kUsbMoreData}, {-EPROTO, kUsbGenFailure}};
    for (const Case& c : cases) {
        auto read = std::async(std::launch::async, [&] {
            return UsbBulkRead(opened, buffer, 192, &count, platform::kInfinite, cancel);
        });
        ASSERT_TRUE(WaitForPendingIn(*usb, device));
        usb->FailPendingIn(device, c.negativeErrno, c.negativeErrno == -EOVERFLOW ? 192 : 0);
        ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        EXPECT_EQ(read.get(), c.code) << "errno " << -c.negativeErrno;
        // An overflow reports the bytes it delivered.
        EXPECT_EQ(count, c.negativeErrno == -EOVERFLOW ? 192u : 0u);
    }
}

TEST_F(TransferTest, UnplugDuringAReadGives31AndNothingHangs) {
    uint8_t buffer[768];
    uint32_t count = 0;
    auto read = std::async(std::launch::async, [&] {
        return UsbBulkRead(opened, buffer, 768, &count, platform::kInfinite, cancel);
    });
    ASSERT_TRUE(WaitForPendingIn(*usb, device));
    usb->Unplug(device);
    ASSERT_EQ(read.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(read.get(), kUsbGenFailure);

    EXPECT_EQ(UsbBulkRead(opened, buffer, 768, &count, 1000, cancel), kUsbGenFailure);
    const uint8_t frame[4] = {0x03, 0xFF, 0xFF, 0x00};
    uint32_t written = 0;
    EXPECT_FALSE(UsbBulkWrite(opened, frame, 4, &written));
    EXPECT_EQ(platform::GetLastErrorCode(), kUsbGenFailure);
    CloseUsbDevice(opened);  // must return; its result does not matter
    opened = nullptr;
    EXPECT_EQ(Open(0).error, kUsbDeviceNotConnected);
}

TEST_F(TransferTest, IdleConnectionWithAPendingReadCostsNoCpu) {
    uint8_t buffer[768];
    uint32_t count = 0;
    auto read = std::async(std::launch::async, [&] {
        return UsbBulkRead(opened, buffer, 768, &count, platform::kInfinite, cancel);
    });
    ASSERT_TRUE(WaitForPendingIn(*usb, device));
    const uint64_t reapsBefore = usb->ReapCount(device);
    const double cpuBefore = libusbtest::ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const double cpu = libusbtest::ProcessCpuSeconds() - cpuBefore;
    const uint64_t reaps = usb->ReapCount(device) - reapsBefore;
    platform::SetEventObject(cancel);
    EXPECT_EQ(read.get(), kUsbSuccess);
    // A polling transport burns a whole core here and reaps thousands of times.
    EXPECT_LT(cpu, 0.2);
    EXPECT_LT(reaps, 20u);
}

// ---- The simulated instrument behind the handler ----

TEST_F(LibusbTest, SimulatedInstrumentAnswersThroughLibusb) {
    DeviceConfig c;
    sim::SimSettings settings;
    settings.infoText = "VN-15 via usbfs";
    c.instrument = sim::SimCreateInstrument(settings);
    usb->AddDevice(c);
    OpenResult r = Open(0);
    ASSERT_NE(r.device, nullptr) << r.error;
    uint8_t frame[4];
    WriteU16(frame, SYNC_WORD);
    WriteU16(frame + 2, CMD_GET_DEV_INFO);
    uint32_t written = 0;
    ASSERT_TRUE(UsbBulkWrite(r.device, frame, 4, &written));
    uint8_t buffer[768] = {};
    uint32_t count = 0;
    ASSERT_EQ(UsbBulkRead(r.device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, 2000, nullptr), kUsbSuccess);
    ASSERT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
    EXPECT_EQ(ReadU16(buffer + 2), FRAME_DEVICE_INFO);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer) + 4), "VN-15 via usbfs");
    EXPECT_TRUE(CloseUsbDevice(r.device));
}

}  // namespace
