// An instrument that leaves the bus and comes back: taken back into the same
// connection with its settings and measurement, the outage marked in the
// recording; without recovery, every device-gone result ends the reads.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "support/module_fixture.h"
#include "support/recording_file.h"

namespace {

using fixture::ErrorOf;
using fixture::ModuleTest;
using standalone::Call;
using standalone::Double;
using standalone::String;
namespace fs = std::filesystem;

const std::string kAway = "\tInstrument lost, waiting for it to come back: command not sent.\n";

bool Away() {
    auto r = Call(2, {String("GetData"), Double(1)});
    return static_cast<const uint8_t*>(mxGetData(standalone::GetField(r[1], "InstrumentAway")))[0];
}

// Polls until done() or a generous bound passes.
template <typename F>
bool Eventually(F done) {
    for (int i = 0; i < 400; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

class Recovery : public ModuleTest {};

TEST_F(Recovery, ConnectTakesTheOptionInEitherOrderOnceAndOnlyOnOrOff) {
    for (auto args : {std::vector<mxArray*>{String("Connect"), String("Reconnect"), String("Maybe")},
                      {String("Connect"), String("Reconnect"), String("On"), String("Reconnect"), String("On")}})
        EXPECT_EQ(ErrorOf(0, args), "\tIncorrect command argument.\n");
    EXPECT_EQ(sim::SimBusOpenCount(), 0u);
    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("RingLines"), Double(600), String("Reconnect"),
                          String("On")}),
              "");
    EXPECT_TRUE(Connection()->reconnect);
}

TEST_F(Recovery, WithoutItEveryDeviceGoneResultEndsTheReads) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    sim::SimBusPull(0, kUsbDeviceNotConnected);
    // Before, 1167 was retried every second for ever, silently.
    std::string printed;
    EXPECT_TRUE(Eventually([&] {
        ErrorOf(1, {String("GetRecordingStatus")});  // shows what the threads printed
        printed += standalone::TakePrinted();
        return printed.find("USB Read Error [1167] - The device is not connected.") != std::string::npos;
    })) << printed;
}

TEST_F(Recovery, APulledInstrumentComesBackAsItWasAndTheRecordingHoldsTheOutage) {
    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("Reconnect"), String("On")}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(2)}), "");
    ASSERT_EQ(ErrorOf(2, {String("SetGPIO"), Double(3), Double(5)}), "");
    std::vector<double> re(15, 500.0), im(15, -2.5);
    ASSERT_EQ(ErrorOf(0, {String("SetShuntVal"), standalone::DoubleMatrix(1, 15, re, &im)}), "");
    const fs::path file = fs::temp_directory_path() / ("varnelo-recovery-" +
                          std::to_string(platform::UtcNowNanoseconds()) + ".vnrec");
    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(file.string().c_str())}), "");
    ASSERT_EQ(ErrorOf(0, {String("StartStreaming")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    sim::SimBusPull(0);
    ASSERT_TRUE(Eventually(Away));
    EXPECT_EQ(ErrorOf(0, {String("SetExcitationLevel"), Double(9)}), kAway);
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), kAway);
    ASSERT_EQ(ErrorOf(0, {String("AddMarker"), String("while away")}), "");
    sim::SimBusReplug(0);
    ASSERT_TRUE(Eventually([] { return !Away(); }));

    // A fresh instrument, put back as the connection had it.
    const sim::SimStats stats = sim::SimGetStats(sim::SimBusOpenedInstrument(0));
    EXPECT_EQ(stats.dividerValue, 2);
    EXPECT_EQ(stats.gpioState, (3 << 3) | 5);
    EXPECT_EQ(stats.mode, 1u);
    const std::string printed = standalone::TakePrinted();
    EXPECT_NE(printed.find("Instrument back, Device[0] S/N:VN2024-0001. Restored: "
                           "SetSamplingDivider(2); SetGPIO(3, 5); SetShuntVal (uploaded again); Start."),
              std::string::npos)
        << printed;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(ErrorOf(1, {String("StopRecording")}), "");
    // The stream went on through the outage: Start, the loss, the marker and
    // the return on its marker stream.
    auto stream = Call(1, {String("StopStreaming")});
    EXPECT_EQ(mxGetScalar(standalone::GetField(stream[0], "MarkersPushed")), 4.0);
    EXPECT_EQ(mxGetScalar(standalone::GetField(stream[0], "LinesNotPushed")), 0.0);

    const recfile::File f = recfile::Read(file.string());
    fs::remove(file);
    const recfile::Event* lost = f.Find("InstrumentLost");
    const recfile::Event* back = f.Find("InstrumentBack");
    ASSERT_TRUE(lost && back);
    // The system's own text: Wine words 31 otherwise than Windows does.
    EXPECT_EQ(lost->text, std::string("[31] - ") + SystemErrorText(kUsbGenFailure));
    EXPECT_EQ(back->text, "SetSamplingDivider(2); SetGPIO(3, 5); SetShuntVal (uploaded again); Start");
    // Lines on both sides of the outage, each stretch unbroken; the fresh
    // instrument counts its cycles from the start again.
    ASSERT_GT(back->line, 0u);
    ASSERT_LT(back->line, f.lines.size());
    EXPECT_EQ(lost->line, back->line);
    for (size_t i = 1; i < f.lines.size(); ++i) {
        if (i == back->line) continue;
        ASSERT_EQ(f.lines[i].Cycle(), f.lines[i - 1].Cycle() + 1) << "line " << i;
    }
    EXPECT_EQ(f.LinesLost(), 0u);
}

TEST_F(Recovery, AnotherInstrumentIsLeftAloneAndDisconnectEndsTheWait) {
    sim::SimSettings other;
    other.serialNumber = "VN2024-0002";
    sim::SimBusSetInstruments({sim::SimSettings(), other});
    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("Reconnect"), String("On")}), "");
    sim::SimBusPull(0);
    std::string printed;
    ASSERT_TRUE(Eventually([&] {
        ErrorOf(1, {String("GetRecordingStatus")});
        printed += standalone::TakePrinted();
        return printed.find("Device[0] S/N:VN2024-0002 is another instrument") != std::string::npos;
    }));
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    ErrorOf(1, {String("GetRecordingStatus")});
    printed += standalone::TakePrinted();
    EXPECT_EQ(printed.find("is another instrument"), printed.rfind("is another instrument"));
    EXPECT_TRUE(sim::SimBusLastClosedFrames().empty()) << "it was sent nothing";
    // A refused setting leaves the module's own divider as the instrument has it.
    EXPECT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(8)}), kAway);
    EXPECT_EQ(Connection()->samplingDivider, 1u);
    EXPECT_EQ(ErrorOf(0, {String("Disconnect")}), "");
}

}  // namespace
