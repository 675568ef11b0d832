// The device setting commands against the simulated instrument: the frame
// each writes, every refusal with nothing written, the mode rules, the
// divider's effect on later reads, and the GPIO round trip.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>

#include "data/data_test_support.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "support/module_fixture.h"

namespace {

using datatest::Bytes;
using fixture::ErrorOf;
using standalone::Call;
using standalone::Double;
using standalone::String;
using Frames = std::vector<std::vector<uint8_t>>;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

const std::string kSyntax = "\tCommand syntax error.\n";
const std::string kNotNumeric = "\tArgument 2. is not numeric.\n";
const std::string kLevelRange = "\tLevel value out of range, value of 0...255 expected.\n";
const std::string kIdleOnly =
    "\tThis command is allowed only in idle mode. For idle mode send 'Stop' or "
    "'SetExternalTrigger' command.\n";
const std::string kInvalidDivider =
    "\tInvalid samplingrate divider value. Expected values are: 1, 2, 4, 6, 8, 10, 12, 14, 16, "
    "20, 24, 28, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 196, 224, 256, 320, 384, 448, "
    "512, 640, 768, 896, 1024, 1280, 1536, 1792\n";
const std::string kMeasuring = "\tDevice is in measuring mode, send 'Stop' command.\n";
const std::string kNoResponse = "\tDevice did not respond to command.\n";
const std::string kWarning =
    "\tW A R N I N G  -  To disable external trigger send 'SetExternalTrigger' command with "
    "'Off' argument only when SYNC-IO input is low, otherwice this command is ignored and "
    "CtrlCmdError flag will be set.\n";

uint8_t U8(const mxArray* a) { return static_cast<const uint8_t*>(mxGetData(a))[0]; }

class SettingsTest : public fixture::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        Connect();
    }
    // Runs a command that must succeed and returns the frames it wrote.
    Frames Sent(std::vector<mxArray*> inputs, int nlhs = 0) {
        EXPECT_EQ(ErrorOf(nlhs, std::move(inputs)), "");
        return TakeFrames();
    }
    std::vector<uint8_t> OneFrame(std::vector<mxArray*> inputs, int nlhs = 0) {
        Frames frames = Sent(std::move(inputs), nlhs);
        EXPECT_EQ(frames.size(), 1u);
        return frames.empty() ? std::vector<uint8_t>() : frames[0];
    }
};

TEST_F(SettingsTest, EachCommandWritesItsThreeWordFrame) {
    EXPECT_EQ(OneFrame({String("SetCompensation"), String("On"), String("Off")}),
              Bytes({0x03, 0xFF, 0x05, 0x00, 0xFF, 0x00}));
    EXPECT_EQ(OneFrame({String("SetCompensation"), String("Off"), String("On")}),
              Bytes({0x03, 0xFF, 0x05, 0x00, 0x00, 0xFF}));
    EXPECT_EQ(OneFrame({String("SetExcitationLevel"), Double(255)}),
              Bytes({0x03, 0xFF, 0x06, 0x00, 0xFF, 0x00}));
    EXPECT_EQ(OneFrame({String("SetExcitationLevel"), Double(255.9)}),
              Bytes({0x03, 0xFF, 0x06, 0x00, 0xFF, 0x00}));
    EXPECT_EQ(OneFrame({String("SetExcitationLevel"), Double(-0.5)}),
              Bytes({0x03, 0xFF, 0x06, 0x00, 0x00, 0x00}));
    EXPECT_EQ(OneFrame({String("SetInputGain"), String("10x"), String("2x")}),
              Bytes({0x03, 0xFF, 0x07, 0x00, 0x07, 0x00}));
    EXPECT_EQ(OneFrame({String("SetInputGain"), String("5x"), String("10x")}),
              Bytes({0x03, 0xFF, 0x07, 0x00, 0x0E, 0x00}));
    EXPECT_EQ(OneFrame({String("SetInputGain"), String("1x"), String("1x")}),
              Bytes({0x03, 0xFF, 0x07, 0x00, 0x00, 0x00}));
    EXPECT_EQ(OneFrame({String("SetBatterySupply"), String("On")}),
              Bytes({0x03, 0xFF, 0x0A, 0x00, 0x01, 0x00}));
    EXPECT_EQ(OneFrame({String("SetBatterySupply"), String("Off")}),
              Bytes({0x03, 0xFF, 0x0A, 0x00, 0x00, 0x00}));
    EXPECT_EQ(OneFrame({String("SetSamplingDivider"), Double(4)}),
              Bytes({0x03, 0xFF, 0x0C, 0x00, 0x03, 0x00}));
    EXPECT_EQ(OneFrame({String("SetSamplingDivider"), Double(196)}),
              Bytes({0x03, 0xFF, 0x0C, 0x00, 0x2D, 0x00}));
    EXPECT_EQ(OneFrame({String("SetSamplingDivider"), Double(1792)}),
              Bytes({0x03, 0xFF, 0x0C, 0x00, 0x3F, 0x00}));
    EXPECT_EQ(OneFrame({String("SetSamplingDivider"), Double(2.7)}),
              Bytes({0x03, 0xFF, 0x0C, 0x00, 0x01, 0x00}));
    EXPECT_EQ(OneFrame({String("SetGPIO"), Double(5), Double(3)}, 2),
              Bytes({0x03, 0xFF, 0x0E, 0x00, 0x2B, 0x00}));
    EXPECT_EQ(OneFrame({String("SetExternalTrigger"), String("On")}),
              Bytes({0x03, 0xFF, 0x09, 0x00, 0x01, 0x00}));
    EXPECT_EQ(OneFrame({String("SetExternalTrigger"), String("Off")}),
              Bytes({0x03, 0xFF, 0x09, 0x00, 0x00, 0x00}));
}

struct Refusal {
    const char* what;
    int nlhs;
    std::function<std::vector<mxArray*>()> inputs;
    std::string message;
};

TEST_F(SettingsTest, RefusalsRaiseTheirMessageAndWriteNothing) {
    const std::string compensationMissing =
        "\tCompensation arguments missing. Argument 2. is compensation 'On' / 'Off', argument 3. "
        "is compensation measurement 'On' / 'Off'.\n";
    const std::string gainMissing =
        "\tGain values missing. Argument 2. is CH-A gain, argument 3. is CH-B gain: '1x', '2x', "
        "'5x', '10x'.\n";
    auto level = [](mxArray* a) { return std::vector<mxArray*>{String("SetExcitationLevel"), a}; };
    auto divider = [](mxArray* a) { return std::vector<mxArray*>{String("SetSamplingDivider"), a}; };
    auto gpio = [](mxArray* a, mxArray* b) { return std::vector<mxArray*>{String("SetGPIO"), a, b}; };
    const std::vector<Refusal> refusals = {
        {"compensation, one word", 0, [] { return std::vector<mxArray*>{String("SetCompensation"), String("On")}; }, compensationMissing},
        {"compensation, lower case", 0, [] { return std::vector<mxArray*>{String("SetCompensation"), String("on"), String("Off")}; }, kSyntax},
        {"compensation, ON", 0, [] { return std::vector<mxArray*>{String("SetCompensation"), String("Off"), String("ON")}; }, kSyntax},
        {"compensation, trailing blank", 0, [] { return std::vector<mxArray*>{String("SetCompensation"), String("On "), String("On")}; }, kSyntax},
        {"compensation, number", 0, [] { return std::vector<mxArray*>{String("SetCompensation"), String("On"), Double(1)}; }, kSyntax},
        {"level, no argument", 0, [] { return std::vector<mxArray*>{String("SetExcitationLevel")}; }, "\tExcitation level step is not specified.\n"},
        {"level, text", 0, [&] { return level(String("5")); }, kNotNumeric},
        {"level, single", 0, [&] { return level(standalone::Numeric(mxSINGLE_CLASS, 1, 1)); }, kNotNumeric},
        {"level 256", 0, [&] { return level(Double(256)); }, kLevelRange},
        {"level 65536", 0, [&] { return level(Double(65536)); }, kLevelRange},
        {"level -1", 0, [&] { return level(Double(-1)); }, kLevelRange},
        {"level NaN", 0, [&] { return level(Double(kNaN)); }, kLevelRange},
        {"level Inf", 0, [&] { return level(Double(kInf)); }, kLevelRange},
        {"level -Inf", 0, [&] { return level(Double(-kInf)); }, kLevelRange},
        {"gain, one word", 0, [] { return std::vector<mxArray*>{String("SetInputGain"), String("1x")}; }, gainMissing},
        {"gain 1X", 0, [] { return std::vector<mxArray*>{String("SetInputGain"), String("1X"), String("1x")}; }, kSyntax},
        {"gain 3x", 0, [] { return std::vector<mxArray*>{String("SetInputGain"), String("1x"), String("3x")}; }, kSyntax},
        {"trigger, no word", 0, [] { return std::vector<mxArray*>{String("SetExternalTrigger")}; }, "\tCommand argument missing. Argument 2. can be 'On' / 'Off'.\n"},
        {"trigger, number", 0, [] { return std::vector<mxArray*>{String("SetExternalTrigger"), Double(1)}; }, kSyntax},
        {"trigger, off", 0, [] { return std::vector<mxArray*>{String("SetExternalTrigger"), String("off")}; }, kSyntax},
        {"trigger Off while idle", 0, [] { return std::vector<mxArray*>{String("SetExternalTrigger"), String("Off")}; }, "\tDevice already in idle mode.\n"},
        {"battery, two words", 0, [] { return std::vector<mxArray*>{String("SetBatterySupply"), String("On"), String("On")}; }, "\tCommand arguments missing. Argument 2. is battery supply state of 'On' / 'Off'.\n"},
        {"battery, Onn", 0, [] { return std::vector<mxArray*>{String("SetBatterySupply"), String("Onn")}; }, kSyntax},
        {"divider, text", 0, [&] { return divider(String("4")); }, kNotNumeric},
        {"divider 3", 0, [&] { return divider(Double(3)); }, kInvalidDivider},
        {"divider 208", 0, [&] { return divider(Double(208)); }, kInvalidDivider},
        {"divider 2048", 0, [&] { return divider(Double(2048)); }, kInvalidDivider},
        {"divider 65537", 0, [&] { return divider(Double(65537)); }, kInvalidDivider},
        {"divider NaN", 0, [&] { return divider(Double(kNaN)); }, kInvalidDivider},
        {"divider Inf", 0, [&] { return divider(Double(kInf)); }, kInvalidDivider},
        {"divider 0", 0, [&] { return divider(Double(0)); }, kInvalidDivider},
        {"GPIO, one value", 2, [] { return std::vector<mxArray*>{String("SetGPIO"), Double(1)}; }, "\tArguments missing.\n"},
        {"GPIO, one output", 1, [&] { return gpio(Double(5), Double(3)); }, "\tTwo return variable expected\n"},
        {"GPIO, empty", 2, [&] { return gpio(standalone::DoubleMatrix(0, 0, {}), Double(3)); }, "\tArguments missing.\n"},
        {"GPIO, cell", 2, [&] { return gpio(Double(5), standalone::Cell()); }, "\tArguments missing.\n"},
        {"GPIO, struct", 2, [&] { return gpio(standalone::Struct(), Double(3)); }, "\tArguments missing.\n"},
    };
    for (const Refusal& r : refusals) {
        EXPECT_EQ(ErrorOf(r.nlhs, r.inputs()), r.message) << r.what;
        EXPECT_TRUE(TakeFrames().empty()) << r.what;
    }
    EXPECT_EQ(Connection()->samplingDivider, 1);
    EXPECT_EQ(Connection()->linesPerRead, 4);
    EXPECT_EQ(Connection()->mode.load(), MODE_IDLE);
}

TEST_F(SettingsTest, DividerIsRefusedInBothMeasuringModes) {
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    TakeFrames();
    EXPECT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(4)}), kIdleOnly);
    // The measuring-mode check comes before the word is looked at.
    EXPECT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("Bogus")}), kMeasuring);
    EXPECT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), kMeasuring);
    EXPECT_TRUE(TakeFrames().empty());
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");

    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), "");
    TakeFrames();
    EXPECT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(4)}), kIdleOnly);
    EXPECT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}),
              "\tDevice is already in external trigger measuring mode, send 'SetExternalTrigger' "
              "command with 'Off' argument.\n");
    EXPECT_TRUE(TakeFrames().empty());
    EXPECT_EQ(Connection()->samplingDivider, 1);
}

TEST_F(SettingsTest, ExternalTriggerOnSetsModeAndLengthAndPrintsTheWarning) {
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(2)}), "");
    standalone::TakePrinted();
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), "");
    EXPECT_EQ(standalone::TakePrinted(), kWarning);
    EXPECT_EQ(Connection()->mode.load(), MODE_EXT_TRIGGER);
    EXPECT_EQ(Connection()->rxLength.load(), 3 * DATA_LINE_SIZE);
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("Off")}), "");
    EXPECT_EQ(standalone::TakePrinted(), "");
    EXPECT_EQ(Connection()->mode.load(), MODE_IDLE);
    EXPECT_EQ(Connection()->rxLength.load(), 3 * DATA_LINE_SIZE);  // left as it was
}

TEST_F(SettingsTest, FailedRetuneLeavesTriggerModeForOffToEnd) {
    {
        datatest::StuckReceiver stuck(Connection());
        TakeFrames();
        EXPECT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}),
                  "\tSetUpRxRequest() failed.\n");
        EXPECT_EQ(Connection()->mode.load(), MODE_EXT_TRIGGER);
        EXPECT_TRUE(TakeFrames().empty());
        EXPECT_EQ(ErrorOf(2, {String("SetGPIO"), Double(1), Double(1)}), "");  // not idle: no retune
        TakeFrames();
    }
    EXPECT_EQ(OneFrame({String("SetExternalTrigger"), String("Off")}),
              Bytes({0x03, 0xFF, 0x09, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Connection()->mode.load(), MODE_IDLE);
    {
        datatest::StuckReceiver stuck(Connection());
        EXPECT_EQ(ErrorOf(2, {String("SetGPIO"), Double(1), Double(1)}),
                  "\tSetUpRxRequest() failed.\n");
        EXPECT_EQ(Connection()->rxLength.load(), FRAME_GPIO_STATE_LENGTH);
        EXPECT_TRUE(TakeFrames().empty());
    }
}

TEST_F(SettingsTest, DividerSetsLinesPerReadAndTheNextStartsReadLength) {
    for (uint32_t i = 0; i < DIVIDER_COUNT; ++i) {
        ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(dividerValues[i])}), "");
        EXPECT_EQ(Connection()->samplingDivider, dividerValues[i]);
        const uint8_t expected = i == 0 ? 4 : i == 1 ? 3 : i == 2 ? 2 : 1;
        EXPECT_EQ(Connection()->linesPerRead, expected) << "divider " << dividerValues[i];
    }
    for (double value : {1.0, 2.0, 4.0, 6.0}) {
        ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(value)}), "");
        ASSERT_EQ(ErrorOf(0, {String("Start")}), "") << "divider " << value;
        EXPECT_EQ(Connection()->rxLength.load(), Connection()->linesPerRead * DATA_LINE_SIZE);
        ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    }
    EXPECT_EQ(Connection()->rxLength.load(), DATA_LINE_SIZE);
}

TEST_F(SettingsTest, GpioRoundTripInIdleMode) {
    standalone::CallResult out = Call(2, {String("SetGPIO"), Double(5), Double(3)});
    EXPECT_EQ(standalone::ClassOf(out[0]), mxUINT8_CLASS);
    EXPECT_EQ(U8(out[0]), 5);
    EXPECT_EQ(U8(out[1]), 3);
    EXPECT_EQ(Connection()->rxLength.load(), FRAME_GPIO_STATE_LENGTH);
    EXPECT_EQ(sim::SimGetStats(Instrument()).gpioState, 0x2B);

    out = Call(2, {String("SetGPIO"), Double(7.9), Double(0)});
    EXPECT_EQ(U8(out[0]), 7);
    EXPECT_EQ(U8(out[1]), 0);
}

TEST_F(SettingsTest, GpioWhileMeasuringComesFromTheLatestLine) {
    ASSERT_EQ(ErrorOf(2, {String("SetGPIO"), Double(5), Double(3)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    // A line with state 0x2B is in: waited for generously, since a GetData
    // on a busy machine may time out first.
    for (int i = 0; i < 500 && ReadRingStatus(Connection()).unread == 0; ++i) platform::SleepMs(10);
    ASSERT_GT(ReadRingStatus(Connection()).unread, 0u);
    TakeFrames();
    standalone::CallResult out = Call(2, {String("SetGPIO"), Double(5), Double(3)});
    EXPECT_EQ(U8(out[0]), 0);
    EXPECT_EQ(U8(out[1]), 0x2B);
    EXPECT_EQ(TakeFrames(), Frames({Bytes({0x03, 0xFF, 0x0E, 0x00, 0x2B, 0x00})}));
    EXPECT_EQ(Connection()->rxLength.load(), 4 * DATA_LINE_SIZE);
}

TEST_F(SettingsTest, GpioWhileMeasuringTakesTheWholeByte) {
    DataLine line = datatest::MakeLine(1);
    line.bytes[LINE_GPIO_STATE] = 0xC5;
    datatest::StoreMeasuredLines(Connection(), {line});
    standalone::CallResult out = Call(2, {String("SetGPIO"), Double(0), Double(0)});
    EXPECT_EQ(U8(out[0]), 0);
    EXPECT_EQ(U8(out[1]), 0xC5);
    Connection()->mode.store(MODE_IDLE);
}

class SilentGpioTest : public fixture::ModuleTest {};

TEST_F(SilentGpioTest, UnansweredGpioRaisesWithinBound) {
    sim::SimSettings settings;
    settings.silentOpcodes = {CMD_SET_GPIO};
    sim::SimBusSetInstruments({settings});
    Connect();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf(2, {String("SetGPIO"), Double(5), Double(3)}), kNoResponse);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // The reply channel still works for the next command.
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), "");
}

TEST_F(SettingsTest, GpioHandOffWithoutPayloadIsNoAnswer) {
    datatest::EmptyHandOff standIn(Connection());
    EXPECT_EQ(ErrorOf(2, {String("SetGPIO"), Double(5), Double(3)}), kNoResponse);
    EXPECT_TRUE(standIn.HandedOff());
}

}  // namespace
