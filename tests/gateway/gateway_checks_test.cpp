// The gateway's checks, in their order, with the exact messages. A fake
// connection record stands in where a command needs one: every case here
// fails a check before any handler touches the instrument.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include "gateway/gateway.h"
#include "support/module_fixture.h"

namespace {

using fixture::ErrorOf;
using standalone::Double;
using standalone::String;

const std::string kNotConnected = "\tDevice is not connected.\n";
const std::string kUnknown = "\tUnknown command.\n";
const std::string kSyntax = "\tCommand syntax error.\n";
const std::string kOneReturn = "\tOne return variable expected\n";
const std::string kIdleOnly =
    "\tThis command is allowed only in idle mode. For idle mode send 'Stop' or "
    "'SetExternalTrigger' command.\n";

mxArray* Complex(size_t rows, size_t columns) {
    return standalone::Numeric(mxDOUBLE_CLASS, rows, columns, true);
}

// A record that makes the module count as connected without an instrument.
class FakeConnection : public ::testing::Test {
protected:
    void SetUp() override {
        fixture::ResetModule();
        record_ = std::make_unique<ControlData>();
        currentConnection = record_.get();
    }
    void TearDown() override { currentConnection = nullptr; }
    void SetMode(uint32_t mode) { record_->mode = mode; }
    std::unique_ptr<ControlData> record_;
};

class NotConnected : public ::testing::Test {
protected:
    void SetUp() override { fixture::ResetModule(); }
};

TEST_F(NotConnected, NoInputRaisesTheCommandListWithoutNewline) {
    std::string message = ErrorOf(0, {});
    EXPECT_EQ(message.rfind("\tCommand missing\n\tExpected commands as first argument are:", 0), 0u);
    const std::string tail = "'SetSamplingDivider'";
    ASSERT_GE(message.size(), tail.size());
    EXPECT_EQ(message.substr(message.size() - tail.size()), tail);
}

TEST_F(NotConnected, FirstInputOfAnotherClassIsASyntaxError) {
    EXPECT_EQ(ErrorOf(0, {Double(1)}), kSyntax);
    EXPECT_EQ(ErrorOf(0, {standalone::Cell()}), kSyntax);
    EXPECT_EQ(ErrorOf(0, {standalone::Struct()}), kSyntax);
}

TEST_F(NotConnected, WordsMatchOnlyExactly) {
    for (const char* word : {"connect", "CONNECT", "Connect ", "Conn", "", "GetData\x0F"})
        EXPECT_EQ(ErrorOf(0, {String(word)}), kUnknown) << word;
}

TEST_F(NotConnected, EveryDeviceCommandNeedsAConnectionFirst) {
    for (const char* word :
         {"Disconnect", "GetDevInfo", "Start", "Stop", "GetData", "SetShuntVal", "SetCompVal",
          "GetConfData", "SetCompensation", "SetExcitationLevel", "SetInputGain",
          "SetExternalTrigger", "SetBatterySupply", "SetSamplingDivider", "SetGPIO",
          "GetShuntData"}) {
        // No arguments and no outputs: the connection check comes before the counts.
        EXPECT_EQ(ErrorOf(0, {String(word)}), kNotConnected) << word;
    }
}

TEST_F(NotConnected, RepeatCharacterRepeatsTheLatestComparingLookup) {
    const char repeat[] = {REPEAT_LAST_COMMAND, 'x', 0};
    // After an unmatched word: unknown.
    EXPECT_EQ(ErrorOf(0, {String("Nonsense")}), kUnknown);
    EXPECT_EQ(ErrorOf(0, {String(repeat)}), kUnknown);
    // After a matched word refused by a check: the same command, with this
    // call's arguments.
    EXPECT_EQ(ErrorOf(1, {String("GetData")}), kNotConnected);
    EXPECT_EQ(lastCommandIndex, CMD_INDEX_GET_DATA);
    EXPECT_EQ(ErrorOf(1, {String(repeat), Double(3)}), kNotConnected);
    // The repeat itself does not change the remembered index.
    EXPECT_EQ(lastCommandIndex, CMD_INDEX_GET_DATA);
    EXPECT_EQ(ErrorOf(0, {String("Bogus")}), kUnknown);
    EXPECT_EQ(lastCommandIndex, NO_COMMAND);
}

TEST_F(FakeConnection, RepeatRunsTheCommandWithTheNewArguments) {
    SetMode(MODE_MEASURING);
    EXPECT_EQ(ErrorOf(1, {String("GetData")}),
              "\tNumber of impedance data lines is not specified.\n");
    const char repeat[] = {REPEAT_LAST_COMMAND, 0};
    // Now with a count of 0: the count check of GetData runs.
    EXPECT_EQ(ErrorOf(1, {String(repeat), Double(0)}), "\tIncorrect command argument.\n");
}

TEST_F(FakeConnection, SecondConnectIsRefused) {
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice already connected.\n");
}

TEST_F(FakeConnection, GetDataChecksInOrder) {
    // Output count before input count before class before mode.
    EXPECT_EQ(ErrorOf(0, {String("GetData")}), kOneReturn);
    EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(1), Double(1)}),
              "\tNumber of impedance data lines is not specified.\n");
    EXPECT_EQ(ErrorOf(1, {String("GetData"), String("5")}), "\tArgument 2. is not numeric.\n");
    EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(5)}),
              "\tDevice is not in measurement mode, send 'Start' or 'SetExternalTrigger' "
              "command.\n");
}

TEST_F(FakeConnection, GetDataRefusesCountsWithoutAUsableNumberOfLines) {
    SetMode(MODE_MEASURING);
    const double inf = std::numeric_limits<double>::infinity();
    for (double count : {0.0, 0.9, -1.0, -0.5, std::nan(""), inf, -inf, 2147483648.0, 1e20}) {
        EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(count)}),
                  "\tIncorrect command argument.\n")
            << count;
    }
    EXPECT_EQ(ErrorOf(1, {String("GetData"), standalone::DoubleMatrix(0, 0, {})}),
              "\tIncorrect command argument.\n");
}

TEST_F(FakeConnection, UploadChecksInOrder) {
    for (auto [word, missing] :
         {std::pair<const char*, const char*>{"SetShuntVal", "\tShunt complex data missing.\n"},
          {"SetCompVal", "\tCompensation complex data missing.\n"}}) {
        EXPECT_EQ(ErrorOf(0, {String(word)}), missing);
        EXPECT_EQ(ErrorOf(0, {String(word), Complex(1, 15), Double(1)}), missing);
        EXPECT_EQ(ErrorOf(0, {String(word), standalone::Numeric(mxDOUBLE_CLASS, 1, 15)}),
                  "\tNot complex data.\n");
        for (auto [rows, columns] : {std::pair<size_t, size_t>{15, 1}, {1, 16}, {1, 14}})
            EXPECT_EQ(ErrorOf(0, {String(word), Complex(rows, columns)}),
                      "\tIncorrect complex array size, 15 complex numbers expected.\n");
    }
}

TEST_F(FakeConnection, GetConfDataChecksOutputsThenMode) {
    EXPECT_EQ(ErrorOf(0, {String("GetConfData")}), "\tOne return variable expected.\n");
    SetMode(MODE_MEASURING);
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), kIdleOnly);
    SetMode(MODE_EXT_TRIGGER);
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), kIdleOnly);
}

TEST_F(FakeConnection, GetShuntDataChecksInputsBeforeOutputs) {
    EXPECT_EQ(ErrorOf(0, {String("GetShuntData")}), "\tFrequencies array argument missing.\n");
    EXPECT_EQ(ErrorOf(0, {String("GetShuntData"), Double(1)}), kOneReturn);
}

TEST_F(FakeConnection, GetDevInfoNeedsOneOutput) {
    EXPECT_EQ(ErrorOf(0, {String("GetDevInfo")}), kOneReturn);
    EXPECT_EQ(ErrorOf(2, {String("GetDevInfo")}), kOneReturn);
}

TEST_F(FakeConnection, RunControlModeRules) {
    SetMode(MODE_MEASURING);
    EXPECT_EQ(ErrorOf(0, {String("Start")}),
              "\tDevice already in measuring mode, send 'Stop' command.\n");
    SetMode(MODE_EXT_TRIGGER);
    EXPECT_EQ(ErrorOf(0, {String("Start")}),
              "\tDevice already in measuring mode, send 'Stop' command.\n");
    EXPECT_EQ(ErrorOf(0, {String("Stop")}),
              "\tDevice is in external trigger measuring mode, send 'SetExternalTrigger' "
              "command with 'Off' argument.\n");
    EXPECT_EQ(record_->mode, MODE_EXT_TRIGGER);
    SetMode(MODE_IDLE);
    EXPECT_EQ(ErrorOf(0, {String("Stop")}), "\tDevice already in idle mode.\n");
}

TEST_F(FakeConnection, GetDevInfoRefusesMissingIdentity) {
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), "\tDevice info data missing\n");
    std::strcpy(record_->deviceInfo, "info");
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), "\tDevice info data missing\n");
}

}  // namespace
