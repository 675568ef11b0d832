// The simulated bus against the USB contract: discovery codes, descriptors,
// and the read and write rules the receive thread depends on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "link/protocol.h"
#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "sim/sim_test_util.h"
#include "usb/usb_device.h"

using namespace simtest;

namespace {

class SimBusTest : public ::testing::Test {
protected:
    void SetUp() override { sim::SimBusReset(); }
    void TearDown() override {
        for (UsbDevice* device : opened) CloseUsbDevice(device);
        sim::SimBusReset();
    }
    UsbDevice* Open(uint32_t index) {
        UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, index);
        if (device != nullptr) opened.push_back(device);
        return device;
    }
    void Close(UsbDevice* device) {
        opened.erase(std::remove(opened.begin(), opened.end(), device), opened.end());
        EXPECT_TRUE(CloseUsbDevice(device));
    }
    bool Write(UsbDevice* device, const std::vector<uint8_t>& bytes) {
        uint32_t written = 0;
        return UsbBulkWrite(device, bytes.data(), static_cast<uint32_t>(bytes.size()), &written) &&
               written == bytes.size();
    }
    // Expects OpenUsbDevice at index to fail with code.
    void ExpectOpenFails(uint32_t index, uint32_t code, const UsbGuid& guid = kVarneloInterfaceGuid) {
        platform::SetLastErrorCode(0);
        EXPECT_EQ(OpenUsbDevice(&guid, index), nullptr);
        EXPECT_EQ(platform::GetLastErrorCode(), code) << "index " << index;
    }
    std::vector<UsbDevice*> opened;
};

sim::SimSettings WithSerial(const std::string& serial) {
    sim::SimSettings settings;
    settings.serialNumber = serial;
    return settings;
}

// A cancel event as the receive thread has it: auto-reset, not signalled.
struct Event {
    Event() : handle(platform::CreateEventObject(false, false)) {}
    ~Event() { platform::CloseObject(handle); }
    platform::Handle handle;
};

uint32_t SignalLater(void* event) {
    platform::SleepMs(30);
    platform::SetEventObject(event);
    return 0;
}

uint32_t UnplugLater(void* instrument) {
    platform::SleepMs(30);
    sim::SimUnplug(static_cast<sim::SimInstrument*>(instrument));
    return 0;
}

void Join(platform::Handle thread) {
    platform::WaitForObject(thread, platform::kInfinite);
    platform::CloseObject(thread);
}

}  // namespace

TEST_F(SimBusTest, DiscoveryCodes) {
    UsbGuid other = kVarneloInterfaceGuid;
    other.data4[7] ^= 1;
    ExpectOpenFails(0, kUsbDevNotExist, other);
    sim::SimBusSetClassUnknown(true);
    ExpectOpenFails(0, kUsbDevNotExist);

    sim::SimBusSetInstruments({});
    ExpectOpenFails(0, kUsbDeviceNotConnected);

    sim::SimSettings held = WithSerial("HELD");
    held.heldByOtherProgram = true;
    sim::SimBusSetInstruments({held, WithSerial("FREE")});
    ExpectOpenFails(0, kUsbAccessDenied);
    ExpectOpenFails(2, kUsbDeviceNotConnected);
    UsbDevice* device = Open(1);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(sim::SimBusOpenCount(), 1u);
    EXPECT_NE(sim::SimBusOpenedInstrument(1), nullptr);
    EXPECT_EQ(sim::SimBusOpenedInstrument(0), nullptr);
    ExpectOpenFails(1, kUsbAccessDenied);  // already held by this process
    EXPECT_EQ(OpenUsbDevice(nullptr, 0), nullptr);
    EXPECT_FALSE(CloseUsbDevice(nullptr));
}

TEST_F(SimBusTest, SerialNumberIsStringDescriptorThree) {
    sim::SimSettings noSerial;
    noSerial.hasSerialNumber = false;
    sim::SimBusSetInstruments({WithSerial("AB12"), noSerial, WithSerial(std::string(20, 'S'))});
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    uint8_t buffer[34] = {};
    uint32_t length = 0;
    ASSERT_TRUE(UsbGetDescriptor(device, 3, 3, 0x0409, buffer, sizeof buffer, &length));
    const uint8_t expected[] = {10, 3, 'A', 0, 'B', 0, '1', 0, '2', 0};
    ASSERT_EQ(length, sizeof expected);
    EXPECT_EQ(std::memcmp(buffer, expected, sizeof expected), 0);

    UsbDevice* without = Open(1);
    ASSERT_NE(without, nullptr);
    EXPECT_FALSE(UsbGetDescriptor(without, 3, 3, 0x0409, buffer, sizeof buffer, &length));

    // A long serial fills the buffer; bLength still tells the whole size.
    UsbDevice* longSerial = Open(2);
    ASSERT_NE(longSerial, nullptr);
    ASSERT_TRUE(UsbGetDescriptor(longSerial, 3, 3, 0x0409, buffer, sizeof buffer, &length));
    EXPECT_EQ(length, 34u);
    EXPECT_EQ(buffer[0], 42);
    EXPECT_EQ(buffer[33], 0);
    EXPECT_EQ(buffer[32], 'S');
}

TEST_F(SimBusTest, EachOpenStartsAFreshInstrument) {
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(Write(device, Frame({CMD_SET_GPIO, 0x2B})));
    EXPECT_EQ(sim::SimGetStats(sim::SimBusOpenedInstrument(0)).gpioState, 0x2B);
    Close(device);
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    device = Open(0);
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(sim::SimGetStats(sim::SimBusOpenedInstrument(0)).gpioState, 0);
    EXPECT_EQ(sim::SimGetStats(sim::SimBusOpenedInstrument(0)).framesReceived, 0u);
}

TEST_F(SimBusTest, ReadCompletesWithTheNextTransferOrItsFirstBytes) {
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(Write(device, Frame({CMD_GET_DEV_INFO})));
    uint8_t buffer[768];
    uint32_t count = 0;
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, 3000, nullptr), kUsbSuccess);
    EXPECT_EQ(count, 58u);
    EXPECT_EQ(ReadU16(buffer + 2), FRAME_DEVICE_INFO);

    ASSERT_TRUE(Write(device, Frame({CMD_GET_DEV_INFO})));
    EXPECT_EQ(UsbBulkRead(device, buffer, 50, &count, 3000, nullptr), kUsbSuccess);
    EXPECT_EQ(count, 50u);
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, 3000, nullptr), kUsbSuccess);
    EXPECT_EQ(count, 8u);
}

TEST_F(SimBusTest, ReadAndWriteArgumentChecks) {
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    uint8_t buffer[16];
    uint32_t count = 77;
    EXPECT_EQ(UsbBulkRead(device, buffer, 0, &count, 0, nullptr), kUsbInvalidParameter);
    EXPECT_EQ(UsbBulkRead(nullptr, buffer, 16, &count, 0, nullptr), kUsbInvalidParameter);
    EXPECT_EQ(UsbBulkRead(device, nullptr, 16, &count, 0, nullptr), kUsbInvalidParameter);
    EXPECT_EQ(UsbBulkRead(device, buffer, 16, nullptr, 0, nullptr), kUsbInvalidParameter);
    EXPECT_EQ(count, 77u);

    uint32_t written = 0;
    platform::SetLastErrorCode(12345);
    EXPECT_FALSE(UsbBulkWrite(device, buffer, 0, &written));
    EXPECT_FALSE(UsbBulkWrite(nullptr, buffer, 4, &written));
    EXPECT_FALSE(UsbBulkWrite(device, nullptr, 4, &written));
    EXPECT_FALSE(UsbBulkWrite(device, buffer, 4, nullptr));
    EXPECT_EQ(platform::GetLastErrorCode(), 12345u);
}

TEST_F(SimBusTest, PendingReadReportsZeroBytesOnTimeOut) {
    sim::SimSettings silent;
    silent.silentOpcodes = {CMD_GET_DEV_INFO};
    sim::SimBusSetInstruments({silent});
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    uint8_t buffer[64];
    uint32_t count = 1234;  // a stale count must not survive
    EXPECT_EQ(UsbBulkRead(device, buffer, 58, &count, 20, nullptr), kUsbWaitTimeout);
    EXPECT_EQ(count, 0u);
}

TEST_F(SimBusTest, CancelEndsThePendingReadAndIsConsumed) {
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    Event cancel;
    uint8_t buffer[768];
    uint32_t count = 999;
    platform::Handle thread = platform::StartThread(SignalLater, cancel.handle);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, kUsbNoTimeout, cancel.handle), kUsbSuccess);
    EXPECT_EQ(count, 0u);
    Join(thread);
    EXPECT_EQ(platform::WaitForObject(cancel.handle, 0), platform::kWaitTimeout);

    // A signal given while no read waits ends the next read that goes
    // pending, at once; the bound only keeps a broken build from hanging.
    platform::SetEventObject(cancel.handle);
    count = 999;
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, 10000, cancel.handle), kUsbSuccess);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(platform::WaitForObject(cancel.handle, 0), platform::kWaitTimeout);

    // With data ready the read completes without going pending, and the
    // signal stays for the next one.
    ASSERT_TRUE(Write(device, Frame({CMD_GET_DEV_INFO})));
    ASSERT_TRUE(sim::SimWaitInTransfer(sim::SimBusOpenedInstrument(0), 3000));
    platform::SetEventObject(cancel.handle);
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, 10000, cancel.handle), kUsbSuccess);
    EXPECT_EQ(count, 58u);
    EXPECT_EQ(UsbBulkRead(device, buffer, 768, &count, 10000, cancel.handle), kUsbSuccess);
    EXPECT_EQ(count, 0u);
}

TEST_F(SimBusTest, DeviceFailureAndUnplugGive31) {
    sim::SimSettings failing;
    failing.failAfterReads = 1;
    sim::SimBusSetInstruments({failing, sim::SimSettings()});
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    uint8_t buffer[768];
    uint32_t count = 0;
    ASSERT_TRUE(Write(device, Frame({CMD_GET_DEV_INFO})));
    EXPECT_EQ(UsbBulkRead(device, buffer, 58, &count, 3000, nullptr), kUsbSuccess);
    EXPECT_EQ(count, 58u);
    // Fails at once, before going pending: the count is left as it was.
    EXPECT_EQ(UsbBulkRead(device, buffer, 58, &count, 3000, nullptr), kUsbGenFailure);
    EXPECT_EQ(count, 58u);
    uint32_t written = 0;
    const std::vector<uint8_t> frame = Frame({CMD_GET_DEV_INFO});
    EXPECT_FALSE(UsbBulkWrite(device, frame.data(), 4, &written));
    EXPECT_EQ(platform::GetLastErrorCode(), kUsbGenFailure);

    // Unplugged while a read waits: the pending read ends with 31 and 0 bytes.
    UsbDevice* second = Open(1);
    ASSERT_NE(second, nullptr);
    platform::Handle thread = platform::StartThread(UnplugLater, sim::SimBusOpenedInstrument(1));
    count = 5;
    EXPECT_EQ(UsbBulkRead(second, buffer, 768, &count, kUsbNoTimeout, nullptr), kUsbGenFailure);
    EXPECT_EQ(count, 0u);
    Join(thread);
}

TEST_F(SimBusTest, RefusedWritesReportTheirCode) {
    sim::SimSettings refusing;
    refusing.failWrites = true;
    refusing.writeErrorCode = 22;
    sim::SimBusSetInstruments({refusing});
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    platform::SetLastErrorCode(0);
    EXPECT_FALSE(Write(device, Frame({CMD_STOP})));
    EXPECT_EQ(platform::GetLastErrorCode(), 22u);
    EXPECT_TRUE(sim::SimWrittenFrames(sim::SimBusOpenedInstrument(0)).empty());
}

TEST_F(SimBusTest, StreamedLinesArriveThroughBlockingReads) {
    UsbDevice* device = Open(0);
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(Write(device, Frame({CMD_START})));
    uint8_t buffer[768];
    uint32_t count = 0, expected = 0;
    for (int t = 0; t < 10; ++t) {
        ASSERT_EQ(UsbBulkRead(device, buffer, 768, &count, 3000, nullptr), kUsbSuccess);
        ASSERT_EQ(count, 768u);
        for (uint32_t l = 0; l < 4; ++l) {
            const uint32_t cycle = ReadU32(buffer + l * 192 + LINE_CYCLE_COUNT);
            if (t > 0 || l > 0) {
                EXPECT_EQ(cycle, expected);
            }
            expected = cycle + 1;
        }
    }
    ASSERT_TRUE(Write(device, Frame({CMD_STOP})));
}

#ifdef _WIN32
static void SetEnv(const char* name, const char* value) { _putenv_s(name, value); }
#else
static void SetEnv(const char* name, const char* value) { setenv(name, value, 1); }
#endif

TEST_F(SimBusTest, EnvironmentSetsUpTheBus) {
    SetEnv("VARNELO_SIM_DEVICES", "3");
    SetEnv("VARNELO_SIM_HELD", "0,2");
    SetEnv("VARNELO_SIM_SILENT", "2, 0x0B");
    SetEnv("VARNELO_SIM_NO_SERIAL", "");
    SetEnv("VARNELO_SIM_NONE", "");
    sim::SimBusConfigureFromEnvironment();
    ExpectOpenFails(0, kUsbAccessDenied);
    ExpectOpenFails(2, kUsbAccessDenied);
    ExpectOpenFails(3, kUsbDeviceNotConnected);
    UsbDevice* device = Open(1);
    ASSERT_NE(device, nullptr);
    const sim::SimSettings& settings = sim::SimGetSettings(sim::SimBusOpenedInstrument(1));
    EXPECT_EQ(settings.serialNumber, "VN2024-0002");
    EXPECT_EQ(settings.silentOpcodes, (std::vector<uint16_t>{2, 11}));
    EXPECT_TRUE(settings.hasSerialNumber);

    SetEnv("VARNELO_SIM_NONE", "1");
    sim::SimBusConfigureFromEnvironment();
    ExpectOpenFails(0, kUsbDeviceNotConnected);
    for (const char* name : {"VARNELO_SIM_DEVICES", "VARNELO_SIM_HELD", "VARNELO_SIM_SILENT",
                             "VARNELO_SIM_NONE"}) {
        SetEnv(name, "");
    }
}

#ifndef _WIN32
// The texts of builds without FormatMessage (Windows builds show the system's own).
TEST(SystemErrorText, GivesWindowsTextsAndUnknown) {
    EXPECT_STREQ(SystemErrorText(31), "A device attached to the system is not functioning.");
    EXPECT_STREQ(SystemErrorText(1167), "The device is not connected.");
    EXPECT_STREQ(SystemErrorText(258), "The wait operation timed out.");
    EXPECT_STREQ(SystemErrorText(5), "Access is denied.");
    EXPECT_STREQ(SystemErrorText(12345), "Unknown");
    EXPECT_STREQ(SystemErrorText(0xFFFFFFFFu), "Unknown");
}
#endif
