// The WinUSB transport against the WinUSB and SetupAPI stand-ins, with real
// files, events and overlapped completion underneath (Wine under test).
#include "usb/winusb/winusb_device.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "link/protocol.h"
#include "sim/sim_instrument.h"
#include "winusb_standins.h"

namespace {

constexpr uint32_t kLongWait = 10000;  // a bound only a fault reaches
constexpr uint32_t kStaleCount = 1234;

class WinUsbTest : public ::testing::Test {
protected:
    void SetUp() override { standin::Reset(); }
    void TearDown() override {
        // Whatever a test did, nothing may be left open behind it.
        const standin::Counters counters = standin::GetCounters();
        EXPECT_EQ(counters.liveLists, 0);
        EXPECT_EQ(counters.liveInterfaces, 0);
        EXPECT_EQ(counters.transfersInFlight, 0);
        EXPECT_EQ(counters.misuses, 0);
    }

    // Opens member 0, asserting success.
    UsbDevice* Open() {
        UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, 0);
        EXPECT_NE(device, nullptr) << "last error " << platform::GetLastErrorCode();
        return device;
    }

    // Opens and expects failure; returns the last error it left.
    uint32_t OpenFailure(uint32_t memberIndex = 0) {
        platform::SetLastErrorCode(0);
        UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, memberIndex);
        const uint32_t code = platform::GetLastErrorCode();
        EXPECT_EQ(device, nullptr);
        if (device != nullptr) CloseUsbDevice(device);
        return code;
    }
};

standin::Interface WithPipes(std::vector<WINUSB_PIPE_INFORMATION> pipes) {
    standin::Interface wanted;
    wanted.pipes = std::move(pipes);
    return wanted;
}

// ---------------------------------------------------------------------------
// Finding and opening the interface

TEST_F(WinUsbTest, OpensThePresentInterfaceWithItsBulkPipesSpeedAndSerialNumber) {
    UsbDevice* device = Open();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->inPipeId, 0x81);
    EXPECT_EQ(device->outPipeId, 0x02);
    EXPECT_EQ(device->speed, HighSpeed);
    EXPECT_EQ(standin::GetCounters().classQueryFlags, std::vector<DWORD>{0x12});
    EXPECT_FALSE(standin::DeviceFileIsClosed(0));

    uint8_t descriptor[34] = {};
    uint32_t length = 0;
    ASSERT_TRUE(UsbGetDescriptor(device, 3, 3, 0x0409, descriptor, sizeof descriptor, &length));
    EXPECT_EQ(length, 2u + 2u * std::strlen("VN2024-0001"));
    EXPECT_EQ(descriptor[2], 'V');

    EXPECT_TRUE(CloseUsbDevice(device));
    EXPECT_TRUE(standin::DeviceFileIsClosed(0));
    EXPECT_FALSE(CloseUsbDevice(nullptr));
}

TEST_F(WinUsbTest, PathOf255CharactersOpensAndOneOf256FailsWith122OpeningNothing) {
    standin::Interface fits;
    fits.pathLength = 255;
    standin::SetInterfaces({fits});
    char path[kDevicePathSize];
    ASSERT_EQ(FindDevicePath(0, &kVarneloInterfaceGuid, path), 0u);
    EXPECT_EQ(std::string(path), standin::DevicePath(0));
    UsbDevice* device = Open();
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(CloseUsbDevice(device));

    standin::Interface tooLong;
    tooLong.pathLength = 256;
    standin::SetInterfaces({tooLong});
    ASSERT_EQ(FindDevicePath(0, &kVarneloInterfaceGuid, path), 122u);
    EXPECT_EQ(std::strlen(path), 255u);
    const int initializeBefore = standin::GetCounters().initializeCalls;
    EXPECT_EQ(OpenFailure(), 122u);
    // A file waits at the path cut to 255 characters; it must not be opened.
    EXPECT_EQ(standin::GetCounters().initializeCalls, initializeBefore);
}

TEST_F(WinUsbTest, DiscoveryFailuresGiveTheirCodesAndReleaseTheLists) {
    standin::SetClassState(standin::ClassState::Unknown);
    EXPECT_EQ(OpenFailure(), 55u);
    EXPECT_EQ(standin::GetCounters().classQueryFlags, (std::vector<DWORD>{0x12, 0x10}));

    standin::SetClassState(standin::ClassState::NothingPresent);
    EXPECT_EQ(OpenFailure(), 1167u);

    standin::SetClassState(standin::ClassState::Present);
    standin::SetInterfaces({standin::Interface{}, standin::Interface{}});
    EXPECT_EQ(OpenFailure(2), 1167u);
    UsbDevice* second = OpenUsbDevice(&kVarneloInterfaceGuid, 1);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(CloseUsbDevice(second));

    const UsbGuid otherClass = {0x12345678, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    platform::SetLastErrorCode(0);
    EXPECT_EQ(OpenUsbDevice(&otherClass, 0), nullptr);
    EXPECT_EQ(platform::GetLastErrorCode(), 55u);
}

TEST_F(WinUsbTest, InterfaceHeldByAnotherProgramGivesAccessDenied) {
    standin::Interface held;
    held.settings.heldByOtherProgram = true;
    standin::SetInterfaces({held, standin::Interface{}});
    EXPECT_EQ(OpenFailure(0), 5u);
    UsbDevice* device = OpenUsbDevice(&kVarneloInterfaceGuid, 1);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(CloseUsbDevice(device));
}

TEST_F(WinUsbTest, EndpointThatIsNotBulkFailsWith17AndReleasesEverything) {
    standin::SetInterfaces({WithPipes({{UsbdPipeTypeBulk, 0x81, 512, 0},
                                       {UsbdPipeTypeInterrupt, 0x83, 64, 1},
                                       {UsbdPipeTypeBulk, 0x02, 512, 0}})});
    EXPECT_EQ(OpenFailure(), 17u);
    EXPECT_TRUE(standin::DeviceFileIsClosed(0));
}

TEST_F(WinUsbTest, InterfaceWithoutEndpointsOpensWithPipeIdsZero) {
    standin::SetInterfaces({WithPipes({})});
    UsbDevice* device = Open();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->inPipeId, 0);
    EXPECT_EQ(device->outPipeId, 0);
    EXPECT_TRUE(CloseUsbDevice(device));
}

TEST_F(WinUsbTest, SeveralPipesOfOneDirectionLeaveTheLastFound) {
    standin::SetInterfaces({WithPipes({{UsbdPipeTypeBulk, 0x81, 512, 0},
                                       {UsbdPipeTypeBulk, 0x01, 512, 0},
                                       {UsbdPipeTypeBulk, 0x86, 512, 0},
                                       {UsbdPipeTypeBulk, 0x04, 512, 0}})});
    UsbDevice* device = Open();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->inPipeId, 0x86);
    EXPECT_EQ(device->outPipeId, 0x04);
    EXPECT_TRUE(CloseUsbDevice(device));
}

// Each step of the open that fails leaves its own code as the last error,
// although the releases that follow succeed and set another one.
TEST_F(WinUsbTest, FailedStepKeepsItsCodeThroughTheReleases) {
    struct Case {
        const char* step;
        standin::Faults faults;
        DWORD expected;
    };
    std::vector<Case> cases(6);
    cases[0] = {"initialize", {}, 31};
    cases[0].faults.initialize = 31;
    cases[1] = {"device information", {}, 1784};
    cases[1].faults.deviceInformation = 1784;
    cases[2] = {"interface settings", {}, 31};
    cases[2].faults.interfaceSettings = 31;
    cases[3] = {"pipe query", {}, 259};
    cases[3].faults.queryPipe = 259;
    cases[4] = {"detail query", {}, 8};
    cases[4].faults.detailQuery = 8;
    cases[5] = {"OUT pipe time-out", {}, 1450};
    cases[5].faults.setPipePolicy = 1450;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        standin::SetFaults(c.faults);
        EXPECT_EQ(OpenFailure(), c.expected);
        EXPECT_TRUE(standin::DeviceFileIsClosed(0));
        EXPECT_EQ(standin::GetCounters().liveInterfaces, 0);
        EXPECT_EQ(standin::GetCounters().liveLists, 0);
    }
}

TEST_F(WinUsbTest, SizeQueryReportingLessThanTheFixedPartDoesNotOverrun) {
    standin::Faults faults;
    faults.reportedDetailSize = 2;
    standin::SetFaults(faults);
    char path[kDevicePathSize];
    // The block holds the fixed part, too small for the path: the query's own code.
    EXPECT_EQ(FindDevicePath(0, &kVarneloInterfaceGuid, path), 122u);
}

TEST_F(WinUsbTest, CloseReportsAFailedReleaseAndStillReleasesTheRest) {
    UsbDevice* device = Open();
    ASSERT_NE(device, nullptr);
    standin::Faults faults;
    faults.freeHandle = 31;
    standin::SetFaults(faults);
    EXPECT_FALSE(CloseUsbDevice(device));
    EXPECT_TRUE(standin::DeviceFileIsClosed(0));
}

// ---------------------------------------------------------------------------
// Transfers

class WinUsbTransferTest : public WinUsbTest {
protected:
    void SetUp() override {
        WinUsbTest::SetUp();
        device = Open();
        ASSERT_NE(device, nullptr);
        cancel = platform::CreateEventObject(false, false);
    }
    void TearDown() override {
        if (device != nullptr) {
            EXPECT_TRUE(CloseUsbDevice(device));
        }
        platform::CloseObject(cancel);
        WinUsbTest::TearDown();
    }
    void UseInterface(const standin::Interface& wanted) {
        EXPECT_TRUE(CloseUsbDevice(device));
        standin::SetInterfaces({wanted});
        device = Open();
        ASSERT_NE(device, nullptr);
    }
    bool WriteCommand(uint16_t opcode) {
        const uint8_t frame[4] = {0x03, 0xFF, static_cast<uint8_t>(opcode),
                                  static_cast<uint8_t>(opcode >> 8)};
        uint32_t written = 0;
        return UsbBulkWrite(device, frame, sizeof frame, &written) && written == sizeof frame;
    }

    UsbDevice* device = nullptr;
    platform::Handle cancel = nullptr;
    uint8_t buffer[RX_BUFFER_SIZE] = {};
};

TEST_F(WinUsbTransferTest, WrittenRequestIsAnsweredByTheReadThatFollows) {
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    uint32_t count = kStaleCount;
    ASSERT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
    EXPECT_EQ(buffer[2] | buffer[3] << 8, FRAME_DEVICE_INFO);
    EXPECT_EQ(standin::GetCounters().abortCalls, 0);
}

TEST_F(WinUsbTransferTest, ReadThatCompletesAtOnceReportsItsCount) {
    standin::Faults faults;
    faults.completeAtOnce = true;
    standin::SetFaults(faults);
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    ASSERT_TRUE(sim::SimWaitInTransfer(standin::Instrument(0), kLongWait));
    uint32_t count = kStaleCount;
    ASSERT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
}

TEST_F(WinUsbTransferTest, ReadWithoutLengthBufferOrCountGives87WithoutAPlatformCall) {
    uint32_t count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, 0, &count, kLongWait, cancel), 87u);
    EXPECT_EQ(UsbBulkRead(device, nullptr, 64, &count, kLongWait, cancel), 87u);
    EXPECT_EQ(UsbBulkRead(device, buffer, 64, nullptr, kLongWait, cancel), 87u);
    EXPECT_EQ(UsbBulkRead(nullptr, buffer, 64, &count, kLongWait, cancel), 87u);
    EXPECT_EQ(count, kStaleCount);
    EXPECT_EQ(standin::GetCounters().readCalls, 0);
}

TEST_F(WinUsbTransferTest, WriteWithoutLengthDataOrCountFailsLeavingTheLastError) {
    const uint8_t data[4] = {0x03, 0xFF, 0x02, 0x00};
    uint32_t written = kStaleCount;
    platform::SetLastErrorCode(4242);
    EXPECT_FALSE(UsbBulkWrite(device, data, 0, &written));
    EXPECT_FALSE(UsbBulkWrite(device, nullptr, 4, &written));
    EXPECT_FALSE(UsbBulkWrite(device, data, 4, nullptr));
    EXPECT_FALSE(UsbBulkWrite(nullptr, data, 4, &written));
    EXPECT_EQ(platform::GetLastErrorCode(), 4242u);
    EXPECT_EQ(standin::GetCounters().writeCalls, 0);
}

TEST_F(WinUsbTransferTest, RefusedWriteGivesTheDevicesCode) {
    standin::Interface refusing;
    refusing.settings.failWrites = true;
    refusing.settings.writeErrorCode = 31;
    UseInterface(refusing);
    EXPECT_FALSE(WriteCommand(CMD_GET_DEV_INFO));
    EXPECT_EQ(platform::GetLastErrorCode(), 31u);
}

// The abort returns before the transfer has ended (the instrument takes
// ignoreCancelMs over it); the read must still return only after the end.
TEST_F(WinUsbTransferTest, CancelAbortsThePendingReadWhichReturnsZeroBytesAfterItEnded) {
    standin::Interface slow;
    slow.settings.ignoreCancelMs = 50;
    UseInterface(slow);
    uint32_t count = kStaleCount;
    uint32_t result = 0xDEAD;
    int inFlightAtReturn = -1;
    std::thread reader([&] {
        result = UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kUsbNoTimeout,
                             cancel);
        inFlightAtReturn = standin::GetCounters().transfersInFlight;
    });
    // Only cancel once the read is pending, so that this is the path taken.
    while (standin::GetCounters().transfersInFlight == 0) platform::SleepMs(1);
    platform::SetEventObject(cancel);
    reader.join();
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(inFlightAtReturn, 0);
    EXPECT_EQ(standin::GetCounters().abortCalls, 1);
    // The signal was consumed.
    EXPECT_EQ(platform::WaitForObject(cancel, 0), platform::kWaitTimeout);
}

TEST_F(WinUsbTransferTest, CancelSignalledBeforeTheReadEndsItOnceItIsPending) {
    platform::SetEventObject(cancel);
    uint32_t count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, 64, &count, kUsbNoTimeout, cancel), 0u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(standin::GetCounters().abortCalls, 1);
    // The device reads normally afterwards.
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    ASSERT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
}

TEST_F(WinUsbTransferTest, TimeOutAbortsTheTransferAndReturns258) {
    standin::Interface slow;
    slow.settings.ignoreCancelMs = 30;
    UseInterface(slow);
    uint32_t count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, 64, &count, 20, nullptr), 258u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(standin::GetCounters().transfersInFlight, 0);
    EXPECT_EQ(standin::GetCounters().abortCalls, 1);
}

TEST_F(WinUsbTransferTest, FailedWaitAbortsTheTransferAndReturnsWaitFailed) {
    // A handle value far beyond any the process has made: the wait fails.
    // (A closed handle's value may be given to a new object meanwhile.)
    platform::Handle invalid = reinterpret_cast<platform::Handle>(static_cast<uintptr_t>(0x00FFFFF0));
    uint32_t count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, 64, &count, kLongWait, invalid), 0xFFFFFFFFu);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(standin::GetCounters().abortCalls, 1);
    EXPECT_EQ(standin::GetCounters().transfersInFlight, 0);
}

// The wait ends on the cancel (a signal left set by a retune while no read
// was pending) or on the time-out, but the transfer completed before the
// abort reached it. Its bytes have left the device: they are the result.
TEST_F(WinUsbTransferTest, TransferCompletedBeforeItsAbortIsKept) {
    standin::Faults faults;
    faults.completeOnAbort = true;
    standin::SetFaults(faults);
    sim::SimInstrument* instrument = standin::Instrument(0);

    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    ASSERT_TRUE(sim::SimWaitInTransfer(instrument, kLongWait));
    platform::SetEventObject(cancel);
    uint32_t count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kUsbNoTimeout, cancel),
              0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
    EXPECT_EQ(ReadU16(buffer + 2), FRAME_DEVICE_INFO);
    EXPECT_EQ(platform::WaitForObject(cancel, 0), platform::kWaitTimeout) << "signal consumed";

    std::memset(buffer, 0, sizeof buffer);
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    ASSERT_TRUE(sim::SimWaitInTransfer(instrument, kLongWait));
    count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, 1, nullptr), 0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
    EXPECT_EQ(ReadU16(buffer + 2), FRAME_DEVICE_INFO);

    // With nothing arrived the abort really ends the transfer: the cancel's 0, no bytes.
    platform::SetEventObject(cancel);
    count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kUsbNoTimeout, cancel),
              0u);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(standin::GetCounters().abortCalls, 3);
}

// The device failed while the read was pending, before the cancel's abort
// reached the transfer: the read reports the failure, so the receive thread
// ends on it rather than on the next read.
TEST_F(WinUsbTransferTest, TransferFailedBeforeItsAbortReportsTheFailure) {
    standin::Faults faults;
    faults.completeOnAbort = true;
    standin::SetFaults(faults);
    uint32_t count = kStaleCount;
    uint32_t result = 0xDEAD;
    std::thread reader([&] {
        result = UsbBulkRead(device, buffer, 64, &count, kUsbNoTimeout, cancel);
    });
    while (standin::GetCounters().transfersInFlight == 0) platform::SleepMs(1);
    sim::SimUnplug(standin::Instrument(0));
    platform::SetEventObject(cancel);
    reader.join();
    EXPECT_EQ(result, 31u);
    EXPECT_EQ(count, 0u);
}

// A transfer longer than the read reaches the host in parts, and the
// instrument announces it once. The rest must reach the next read although
// nothing new becomes ready, even when the worker looks again only after
// that read has started.
TEST_F(WinUsbTransferTest, DataAlreadyQueuedReachesTheNextReadWithoutNewData) {
    standin::Faults faults;
    faults.workerWaitsForNextRead = true;
    standin::SetFaults(faults);
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    // The announcement has reached the worker before the first read begins,
    // so nothing later can wake it for the second.
    for (int i = 0; i < 10000 && standin::GetCounters().readyNotices == 0; ++i) {
        platform::SleepMs(1);
    }
    ASSERT_GE(standin::GetCounters().readyNotices, 1);

    const uint32_t half = FRAME_DEVICE_INFO_LENGTH / 2;
    uint32_t count = kStaleCount;
    ASSERT_EQ(UsbBulkRead(device, buffer, half, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, half);
    count = kStaleCount;
    ASSERT_EQ(UsbBulkRead(device, buffer + half, half, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, half);
    EXPECT_EQ(ReadU16(buffer + 2), FRAME_DEVICE_INFO);
    EXPECT_EQ(standin::GetCounters().abortCalls, 0);
}

// WinUSB waits for ever on a pipe the device NAKs unless the pipe has a
// transfer time-out; the open sets one on the OUT pipe.
TEST_F(WinUsbTransferTest, WriteTheDeviceNeverTakesEndsWith258AtThePipeTimeOut) {
    EXPECT_EQ(standin::GetCounters().outPipeTimeoutMs, 5000u);
    standin::Faults faults;
    faults.writesNeverComplete = true;
    standin::SetFaults(faults);
    platform::SetLastErrorCode(0);
    EXPECT_FALSE(WriteCommand(CMD_GET_DEV_INFO));
    EXPECT_EQ(platform::GetLastErrorCode(), 258u);

    // The device reads and writes normally once it takes data again.
    standin::SetFaults(standin::Faults{});
    ASSERT_TRUE(WriteCommand(CMD_GET_DEV_INFO));
    uint32_t count = kStaleCount;
    ASSERT_EQ(UsbBulkRead(device, buffer, FRAME_DEVICE_INFO_LENGTH, &count, kLongWait, cancel), 0u);
    EXPECT_EQ(count, FRAME_DEVICE_INFO_LENGTH);
}

TEST_F(WinUsbTransferTest, FailedDeviceEndsThePendingReadAndRefusesTheNextWith31) {
    uint32_t count = kStaleCount;
    uint32_t result = 0xDEAD;
    std::thread reader([&] {
        result = UsbBulkRead(device, buffer, 64, &count, kUsbNoTimeout, cancel);
    });
    while (standin::GetCounters().transfersInFlight == 0) platform::SleepMs(1);
    sim::SimUnplug(standin::Instrument(0));
    reader.join();
    EXPECT_EQ(result, 31u);
    EXPECT_EQ(count, 0u);
    // Refused at once: the count stays as the caller left it.
    count = kStaleCount;
    EXPECT_EQ(UsbBulkRead(device, buffer, 64, &count, kUsbNoTimeout, cancel), 31u);
    EXPECT_EQ(count, kStaleCount);
}

// ---------------------------------------------------------------------------
// System error texts (the system's wording differs between Windows and Wine)

TEST(SystemErrorText, KnownCodeGivesTheSystemTextWithoutItsLineBreak) {
    const std::string text = SystemErrorText(5);
    EXPECT_NE(text, "Unknown");
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
}

TEST(SystemErrorText, CodeWithoutTextGivesUnknown) {
    EXPECT_STREQ(SystemErrorText(0x2000ABCD), "Unknown");
    EXPECT_STREQ(SystemErrorText(0xE0001234), "Unknown");
}

TEST(SystemErrorText, InsertsInTheTextAreLeftAsTheyStand) {
    // ERROR_BAD_EXE_FORMAT's text names its file as "%1".
    EXPECT_NE(std::string(SystemErrorText(193)).find("%1"), std::string::npos);
}

TEST(SystemErrorText, EachThreadKeepsItsOwnText) {
    const char* mine = SystemErrorText(5);
    const std::string expected = mine;
    std::string theirs;
    std::thread other([&] { theirs = SystemErrorText(87); });
    other.join();
    EXPECT_NE(theirs, expected);
    EXPECT_EQ(std::string(mine), expected);
}

}  // namespace
