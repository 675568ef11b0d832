// The whole module through the WinUSB code path: mexFunction on the
// standalone host, the WinUSB backend, the native platform layer, and the
// simulated instrument behind the WinUSB and SetupAPI stand-ins.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "sim/sim_instrument.h"
#include "support/measured_lines.h"
#include "winusb_standins.h"

namespace {

using standalone::Double;
using standalone::String;

std::string ErrorOf(int nlhs, std::vector<mxArray*> inputs) {
    try {
        standalone::Call(nlhs, std::move(inputs));
    } catch (const standalone::HostError& error) {
        return error.message;
    }
    return "";
}

// Calls a command that must succeed; a raised error fails the test with the
// message and what the module printed.
standalone::CallResult CallOk(int nlhs, std::vector<mxArray*> inputs) {
    const std::string command = standalone::GetString(inputs.at(0));
    try {
        return standalone::Call(nlhs, std::move(inputs));
    } catch (const standalone::HostError& error) {
        ADD_FAILURE() << command << " raised: " << error.message
                      << "printed: " << standalone::TakePrinted();
        throw;
    }
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Calls the module until what it printed holds part (the threads' messages
// come out at the host's next call), within a generous bound.
bool PrintedEventually(std::string* printed, const std::string& part) {
    for (int i = 0; i < 300 && !Contains(*printed, part); ++i) {
        platform::SleepMs(50);
        ErrorOf(1, {String("GetRecordingStatus")});
        *printed += standalone::TakePrinted();
    }
    return Contains(*printed, part);
}

class WinUsbModule : public ::testing::Test {
protected:
    void SetUp() override {
        standin::Reset();
        standalone::TakePrinted();
    }
    void TearDown() override {
        if (currentConnection != nullptr) {
            EXPECT_EQ(ErrorOf(0, {String("Disconnect")}), "");
        }
        standalone::RunAtExit();
        EXPECT_EQ(standalone::LockCount(), 0);
        const standin::Counters counters = standin::GetCounters();
        EXPECT_EQ(counters.liveLists, 0);
        EXPECT_EQ(counters.liveInterfaces, 0);
        EXPECT_EQ(counters.transfersInFlight, 0);
        EXPECT_EQ(counters.misuses, 0);
    }
};

// Aborts that end late (ignoreCancelMs) make every retuning of the read
// wait for the aborted transfer.
//
// The measurement runs at divider 10 (100 lines a second, one line a read):
// while GetDevInfo waits, the thread reads 58 bytes at a time, and at the
// default 1000 lines a second it would have to complete some 3,300 reads a
// second through Wine to reach the reply behind the lines in time, which a
// loaded machine does not do. That rate is a matter for the benchmarks.
TEST_F(WinUsbModule, ConnectMeasureAndDisconnect) {
    standin::Interface slowAbort;
    slowAbort.settings.ignoreCancelMs = 5;
    standin::SetInterfaces({slowAbort});

    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    const sim::SimSettings defaults;
    const std::string opened = standalone::TakePrinted();
    EXPECT_TRUE(Contains(opened, "\tDevice[0] S/N:" + defaults.serialNumber + "\n")) << opened;
    EXPECT_TRUE(Contains(opened, "\t" + defaults.infoText + "\n\n")) << opened;
    EXPECT_EQ(standalone::LockCount(), 1);

    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    // GetData's time-outs under load are no lost lines (support/measured_lines.h).
    std::string printed;
    std::vector<uint32_t> counts = measured::TakeCycleCounts(40, {20}, &printed);
    ASSERT_EQ(counts.size(), 40u);
    // Retunes the read for the reply and back for the lines.
    auto info = CallOk(1, {String("GetDevInfo")});
    EXPECT_EQ(standalone::GetString(info[0]).rfind("Device[0] S/N:", 0), 0u);
    const std::vector<uint32_t> after = measured::TakeCycleCounts(40, {20}, &printed);
    ASSERT_EQ(after.size(), 40u);
    counts.insert(counts.end(), after.begin(), after.end());
    for (size_t i = 1; i < counts.size(); ++i) ASSERT_GT(counts[i], counts[i - 1]) << i;
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    printed += standalone::TakePrinted();
    EXPECT_EQ(printed, "") << "no read error";
    EXPECT_GT(standin::GetCounters().abortCalls, 0);

    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    EXPECT_TRUE(Contains(standalone::TakePrinted(), "\tVarnelo device USB connection closed...\n"));
    EXPECT_EQ(currentConnection, nullptr);
    EXPECT_TRUE(standin::DeviceFileIsClosed(0));
}

// A recording made by the Windows module under a name outside ASCII. The
// file stays in the test's folder, where scripts/test_windows.sh reads it
// back on Linux.
TEST_F(WinUsbModule, RecordsToAFileNamedOutsideAscii) {
    const std::string name = "wine-recording-\xCE\xBC\xCE\xA9.vnrec";  // "µΩ"
    std::filesystem::remove(std::filesystem::u8path(name));
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");
    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(name.c_str())}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    platform::SleepMs(500);
    ASSERT_EQ(ErrorOf(0, {String("AddMarker"), String("\xCE\xA9 marker")}), "");
    platform::SleepMs(500);
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    auto status = CallOk(1, {String("StopRecording")});
    // The full path of the file created, in UTF-8.
    EXPECT_EQ(standalone::GetString(standalone::GetField(status[0], "FileName")),
              std::filesystem::absolute(std::filesystem::u8path(name)).u8string());
    EXPECT_EQ(standalone::GetString(standalone::GetField(status[0], "Error")), "");
    EXPECT_GT(mxGetScalar(standalone::GetField(status[0], "Lines")), 50);
    EXPECT_EQ(static_cast<double>(std::filesystem::file_size(std::filesystem::u8path(name))),
              mxGetScalar(standalone::GetField(status[0], "Bytes")));
}

// An instrument that stops taking data on its OUT pipe costs each write the
// pipe's time-out, reported as 258; Disconnect (which sends Stop) completes.
TEST_F(WinUsbModule, InstrumentThatNaksItsOutPipeDoesNotHangDisconnect) {
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    standalone::TakePrinted();
    standin::Faults faults;
    faults.writesNeverComplete = true;
    standin::SetFaults(faults);
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    const std::string printed = standalone::TakePrinted();
    EXPECT_TRUE(Contains(printed, "\tUSB Write Error [258] - ")) << printed;
    EXPECT_TRUE(Contains(printed, "\tVarnelo device USB connection closed...\n")) << printed;
    EXPECT_EQ(currentConnection, nullptr);
}

TEST_F(WinUsbModule, HeldInterfaceIsPassedOverForTheNextIndex) {
    standin::Interface held, free;
    held.settings.heldByOtherProgram = true;
    free.settings.serialNumber = "SECOND";
    standin::SetInterfaces({held, free});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    EXPECT_TRUE(Contains(standalone::TakePrinted(), "\tDevice[1] S/N:SECOND\n"));
    ASSERT_NE(currentConnection, nullptr);
    EXPECT_EQ(currentConnection->deviceIndex, 1);
}

TEST_F(WinUsbModule, MissingInstrumentOrClassIsReportedWithTheSystemCode) {
    standin::SetClassState(standin::ClassState::NothingPresent);
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice USB Connection Error.\n");
    EXPECT_EQ(standalone::TakePrinted().rfind("\tConnection Error DEC[1167] - ", 0), 0u);
    standin::SetClassState(standin::ClassState::Unknown);
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice USB Connection Error.\n");
    EXPECT_EQ(standalone::TakePrinted().rfind("\tConnection Error DEC[55] - ", 0), 0u);
    EXPECT_EQ(currentConnection, nullptr);
    EXPECT_EQ(standalone::LockCount(), 0);
}

// 31: the instrument stopped functioning. 1167: a surprise removal as WinUSB
// reports it, which the thread used to retry every second for ever, silently.
TEST_F(WinUsbModule, UnpluggedInstrumentEndsTheReceiveThreadAndDisconnectCompletes) {
    for (const int code : {31, 1167}) {
        SCOPED_TRACE(code);
        ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
        standalone::TakePrinted();
        if (code == 31) {
            sim::SimUnplug(standin::Instrument(0));
        } else {
            standin::Pull(0, standin::kStatusDeviceNotConnected, ERROR_DEVICE_NOT_CONNECTED);
        }
        // The thread's message is printed on the host's thread at its next call.
        std::string printed;
        for (int i = 0; i < 200 && !Contains(printed, "Send 'Disconnect' Command."); ++i) {
            platform::SleepMs(10);
            ErrorOf(1, {String("GetDevInfo")});  // may fail: nobody reads replies any more
            printed += standalone::TakePrinted();
        }
        EXPECT_TRUE(Contains(printed, "\tUSB Read Error [" + std::to_string(code) + "] - ")) << printed;
        EXPECT_EQ(ErrorOf(0, {String("Disconnect")}), "");
        standin::Replug(0);
    }
}

// Pulled while measuring and plugged back behind another instrument: the
// recovery takes the same serial number back at its new member index, with
// its divider and its measurement; the other one is opened only for a look.
TEST_F(WinUsbModule, PulledInstrumentIsTakenBackAtItsNewIndexWithItsSettings) {
    standin::Interface ours, other;
    other.settings.serialNumber = "OTHER";
    standin::SetInterfaces({ours, other});
    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("Reconnect"), String("On")}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::string printed;
    ASSERT_EQ(measured::TakeCycleCounts(10, {10}, &printed).size(), 10u);

    standin::Pull(0);
    ASSERT_TRUE(PrintedEventually(&printed, "\tDevice[0] S/N:OTHER is another instrument")) << printed;
    standin::Replug(0);
    ASSERT_TRUE(PrintedEventually(&printed, "\tInstrument back, Device[1] S/N:VN2024-0001. "
                                            "Restored: SetSamplingDivider(10); Start.\n"))
        << printed;
    EXPECT_EQ(measured::TakeCycleCounts(20, {20}, &printed).size(), 20u);
    const sim::SimStats stats = sim::SimGetStats(standin::Instrument(0));
    EXPECT_EQ(stats.dividerValue, 10);
    EXPECT_EQ(stats.mode, 1u);
    EXPECT_TRUE(standin::DeviceFileIsClosed(1));
    EXPECT_TRUE(Contains(printed, "\tInstrument lost [")) << printed;
}

// The module streams to an inlet in another process, on Linux: run only by
// tests/windows/linux_inlet.sh, which starts that inlet, waiting for the
// stream of the serial number it gives here, and checks every line it gets.
// The inlet is connected before the measurement starts and leaves once it
// has what it asked for; the lines go on until then.
TEST_F(WinUsbModule, StreamsToAnInletInALinuxProcess) {
    const char* serial = std::getenv("VARNELO_INLET_SERIAL");
    ASSERT_NE(serial, nullptr) << "run by tests/windows/linux_inlet.sh";
    standin::Interface ours;
    ours.settings.serialNumber = serial;
    standin::SetInterfaces({ours});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    // 100 lines a second, as above, declared by the outlet from the start.
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");
    ASSERT_EQ(ErrorOf(0, {String("StartStreaming")}), "");
    auto status = [](const char* field) {
        return mxGetScalar(standalone::GetField(CallOk(1, {String("GetStreamingStatus")})[0], field));
    };
    auto waitForConsumers = [&status](double present) {
        for (int i = 0; i < 1200 && status("HasConsumers") != present; ++i) platform::SleepMs(100);
        return status("HasConsumers") == present;
    };
    ASSERT_TRUE(waitForConsumers(1)) << "no inlet came within 120 s";
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    EXPECT_TRUE(waitForConsumers(0)) << "the inlet did not leave within 120 s";
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    auto stopped = CallOk(1, {String("StopStreaming")});
    EXPECT_GT(mxGetScalar(standalone::GetField(stopped[0], "LinesPushed")), 0);
    EXPECT_EQ(mxGetScalar(standalone::GetField(stopped[0], "LinesNotPushed")), 0);
}

}  // namespace
