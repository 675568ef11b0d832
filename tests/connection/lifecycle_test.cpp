// Connect, Disconnect, the unload hook, identity and run control, driven
// through mexFunction against the simulated instrument.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "host/standalone/standalone_host.h"
#include "link/protocol.h"
#include "sim/sim_bus.h"
#include "support/measured_lines.h"
#include "support/module_fixture.h"
#include "usb/usb_device.h"

namespace {

using fixture::ErrorOf;
using fixture::ModuleTest;
using standalone::Call;
using standalone::Double;
using standalone::String;

const std::string kNoAnswer = "\tError: Device did not respond to command.\n";

std::string Banner() {
    std::string rule(77, '#');
    auto line = [](std::string text) {
        text.resize(76, ' ');
        return text + "#\n";
    };
    return "\n" + rule + "\n" + line("#") + line("#   VarneloControl MATLAB interface") +
           line("#   Varnelo series devices") + line("#") + rule + "\n";
}

uint16_t OpcodeOf(const std::vector<uint8_t>& frame) { return ReadU16(frame.data() + 2); }

int ThreadCount() {
#if defined(__linux__)
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Threads:") {
            int n = 0;
            status >> n;
            return n;
        }
    }
#endif
    return -1;
}

class Lifecycle : public ModuleTest {};

TEST_F(Lifecycle, ConnectPrintsBannerDeviceLineAndInformation) {
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    const sim::SimSettings defaults;
    std::string expected = Banner() + "\n\tVarnelo device USB connection initialized...\n" +
                           "\tDevice[0] S/N:" + defaults.serialNumber + "\n\t" +
                           defaults.infoText + "\n\n";
    EXPECT_EQ(standalone::TakePrinted(), expected);
    EXPECT_EQ(standalone::LockCount(), 1);
    ControlData* c = Connection();
    EXPECT_EQ(c->samplingDivider, 1);
    EXPECT_EQ(c->linesPerRead, 4);
    EXPECT_EQ(c->mode, MODE_IDLE);
    EXPECT_EQ(c->ring.writeIndex, c->ring.readIndex);
    // The handshake ends with the divider frame for divider 1 (code 0).
    auto frames = TakeFrames();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames.front(), (std::vector<uint8_t>{0x03, 0xFF, 0x02, 0x00}));
    EXPECT_EQ(frames.back(), (std::vector<uint8_t>{0x03, 0xFF, 0x0C, 0x00, 0x00, 0x00}));
}

TEST_F(Lifecycle, GetDevInfoJoinsIndexSerialAndText) {
    Connect();
    auto r = Call(1, {String("GetDevInfo")});
    const sim::SimSettings defaults;
    EXPECT_EQ(standalone::GetString(r[0]),
              "Device[0] S/N:" + defaults.serialNumber + defaults.infoText);
    EXPECT_EQ(Connection()->rxLength, 58);
}

TEST_F(Lifecycle, HeldInstrumentIsSkippedForTheNextIndex) {
    sim::SimSettings held, free;
    held.heldByOtherProgram = true;
    free.serialNumber = "SECOND";
    sim::SimBusSetInstruments({held, free});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    EXPECT_NE(standalone::TakePrinted().find("\tDevice[1] S/N:SECOND\n"), std::string::npos);
    EXPECT_EQ(Connection()->deviceIndex, 1);
}

TEST_F(Lifecycle, NoInstrumentPrintsTheCodeAndLeavesNothingBehind) {
    sim::SimBusSetInstruments({});
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice USB Connection Error.\n");
    EXPECT_EQ(standalone::TakePrinted(), std::string("\tConnection Error DEC[1167] - ") +
                                             SystemErrorText(1167) + "\n");
    EXPECT_EQ(Connection(), nullptr);
    EXPECT_EQ(standalone::LockCount(), 0);
    // Every index held: access denied at index 16 ends the walk.
    sim::SimSettings held;
    held.heldByOtherProgram = true;
    sim::SimBusSetInstruments(std::vector<sim::SimSettings>(17, held));
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice USB Connection Error.\n");
    EXPECT_EQ(standalone::TakePrinted(),
              std::string("\tConnection Error DEC[5] - ") + SystemErrorText(5) + "\n");
    // A later Connect starts afresh from index 0.
    sim::SimBusReset();
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    EXPECT_EQ(Connection()->deviceIndex, 0);
}

TEST_F(Lifecycle, SilentInstrumentLeavesAHalfOpenConnectionThatDisconnects) {
    sim::SimSettings silent;
    silent.silentOpcodes = {CMD_GET_DEV_INFO};
    sim::SimBusSetInstruments({silent});
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), kNoAnswer);
    ASSERT_NE(Connection(), nullptr);
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice already connected.\n");
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), "\tDevice info data missing\n");
    standalone::TakePrinted();
    EXPECT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    EXPECT_EQ(standalone::TakePrinted(), "\tVarnelo device USB connection closed...\n");
    EXPECT_EQ(standalone::LockCount(), 0);
}

TEST_F(Lifecycle, HalfOpenConnectionIsReleasedByTheExitHook) {
    sim::SimSettings silent;
    silent.silentOpcodes = {CMD_GET_DEV_INFO};
    sim::SimBusSetInstruments({silent});
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), kNoAnswer);
    standalone::TakePrinted();
    standalone::RunAtExit();
    EXPECT_EQ(Connection(), nullptr);
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(Lifecycle, InstrumentWithoutSerialNumberHasNoIdentity) {
    sim::SimSettings noSerial;
    noSerial.hasSerialNumber = false;
    sim::SimBusSetInstruments({noSerial});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    EXPECT_EQ(Connection()->serialNumber[0], '\0');
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), "\tDevice info data missing\n");
}

TEST_F(Lifecycle, LongSerialNumberIsCutAndTerminated) {
    sim::SimSettings longSerial;
    longSerial.serialNumber = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";  // more than 16 units
    sim::SimBusSetInstruments({longSerial});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    std::string serial = Connection()->serialNumber;
    EXPECT_LE(serial.size(), 16u);
    EXPECT_EQ(serial, std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, serial.size()));
}

TEST_F(Lifecycle, StartAndStopFramesAndModes) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    EXPECT_EQ(Connection()->mode, MODE_MEASURING);
    EXPECT_EQ(Connection()->rxLength, 768);
    EXPECT_EQ(ErrorOf(0, {String("Start")}),
              "\tDevice already in measuring mode, send 'Stop' command.\n");
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    EXPECT_EQ(Connection()->mode, MODE_IDLE);
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (std::vector<uint8_t>{0x03, 0xFF, 0x01, 0x00}));
    EXPECT_EQ(frames[1], (std::vector<uint8_t>{0x03, 0xFF, 0xFF, 0x00}));
}

TEST_F(Lifecycle, GetDevInfoWhileMeasuringKeepsTheLinesFlowing) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::string printed;
    ASSERT_EQ(measured::TakeCycleCounts(8, {8}, &printed).size(), 8u);
    auto info = Call(1, {String("GetDevInfo")});
    EXPECT_EQ(standalone::GetString(info[0]).rfind("Device[0] S/N:", 0), 0u);
    EXPECT_EQ(Connection()->rxLength, 768) << "measurement reads restored";
    const std::vector<uint32_t> c = measured::TakeCycleCounts(50, {50}, &printed);
    ASSERT_EQ(c.size(), 50u) << "lines kept arriving";
    for (size_t i = 1; i < c.size(); ++i) EXPECT_GT(c[i], c[i - 1]);
    EXPECT_EQ(printed, "");
}

TEST_F(Lifecycle, DisconnectStopsTheMeasurementFirst) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    TakeFrames();
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    EXPECT_NE(standalone::TakePrinted().find("\tVarnelo device USB connection closed...\n"),
              std::string::npos);
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    auto frames = sim::SimBusLastClosedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), (std::vector<uint8_t>{0x03, 0xFF, 0xFF, 0x00}));
}

TEST_F(Lifecycle, DisconnectTurnsTheExternalTriggerOff) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    auto frames = sim::SimBusLastClosedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), (std::vector<uint8_t>{0x03, 0xFF, 0x09, 0x00, 0x00, 0x00}));
}

TEST_F(Lifecycle, DisconnectWhileIdleSendsNothing) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    // The fixture took the handshake's frames; nothing was written after them.
    EXPECT_TRUE(sim::SimBusLastClosedFrames().empty());
}


TEST_F(Lifecycle, ReadErrorEndsTheThreadAndDisconnectStillCompletes) {
    sim::SimSettings failing;
    failing.failAfterReads = 6;
    sim::SimBusSetInstruments({failing});
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::string printed;
    for (int i = 0; i < 100 && printed.find("Send 'Disconnect' Command.") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        Call(0, {String("Stop")});  // any call shows what the thread queued
        Call(0, {String("Start")});
        printed += standalone::TakePrinted();
    }
    EXPECT_NE(printed.find(std::string("\tUSB Read Error [31] - ") + SystemErrorText(31)),
              std::string::npos)
        << printed;
    EXPECT_EQ(ErrorOf(0, {String("Disconnect")}), "");
}

TEST_F(Lifecycle, StartWhenTheThreadCannotBeRetunedKeepsMeasuringModeUntilStop) {
    Connect();
    // From now on a cancelled read outlasts any one retune's wait (1 s).
    // Start once the thread sits in its next read, never between two.
    sim::SimSetCancelDelay(Instrument(), 2500);
    for (int i = 0; i < 1000 && sim::SimBusPendingReads(0) == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(sim::SimBusPendingReads(0), 1u);
    EXPECT_EQ(ErrorOf(0, {String("Start")}), "\tSetUpRxRequest() failed.\n");
    EXPECT_EQ(Connection()->mode, MODE_MEASURING);
    EXPECT_TRUE(TakeFrames().empty()) << "CMD_START unsent";
    EXPECT_EQ(ErrorOf(0, {String("Stop")}), "");
    EXPECT_EQ(Connection()->mode, MODE_IDLE);
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(OpcodeOf(frames[0]), CMD_STOP);
}

TEST_F(Lifecycle, ExitHookReleasesAMeasuringConnectionSilently) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    standalone::TakePrinted();
    standalone::RunAtExit();
    EXPECT_EQ(Connection(), nullptr);
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(Lifecycle, ManyConnectionsLeaveNoThreadOrObjectBehind) {
    int threadsBefore = ThreadCount();
    long arraysBefore = standalone::LiveArrays();
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(ErrorOf(0, {String("Connect")}), "") << i;
        ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "") << i;
    }
    sim::SimSettings held;
    held.heldByOtherProgram = true;
    sim::SimSettings silent;
    silent.silentOpcodes = {CMD_GET_DEV_INFO};
    for (int i = 0; i < 200; ++i) {
        switch (i % 3) {
            case 0: sim::SimBusSetInstruments({}); break;
            case 1: sim::SimBusSetInstruments({held}); break;
            default: sim::SimBusSetInstruments({silent}); break;
        }
        EXPECT_NE(ErrorOf(0, {String("Connect")}), "");
        if (Connection()) {
            ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
        }
        ASSERT_EQ(Connection(), nullptr);
        ASSERT_EQ(standalone::LockCount(), 0);
    }
    standalone::TakePrinted();
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    EXPECT_EQ(standalone::LiveArrays(), arraysBefore);
    if (threadsBefore > 0) {
        // Joined threads are gone at once; allow a moment for the kernel's count.
        int after = ThreadCount();
        for (int i = 0; i < 50 && after > threadsBefore; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            after = ThreadCount();
        }
        EXPECT_LE(after, threadsBefore);
    }
}

}  // namespace
