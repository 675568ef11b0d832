// The device setting commands: each validates its arguments, encodes them
// into the one argument word cmdWords[2] and sends a 3-word frame. Besides
// its frame, SetExternalTrigger starts and ends triggered measurement,
// SetSamplingDivider decides how many lines one bulk read carries, and
// SetGPIO returns the GPIO state.
#include <cmath>
#include <string>

#include "gateway/gateway.h"
#include "gateway/handlers.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "recovery/recovery.h"

namespace {

const char kNoResponse[] = "\tDevice did not respond to command.\n";
const char kLevelOutOfRange[] = "\tLevel value out of range, value of 0...255 expected.\n";
const char kGpioArgumentsMissing[] = "\tArguments missing.\n";
const char kInvalidDivider[] =
    "\tInvalid samplingrate divider value. Expected values are: 1, 2, 4, 6, 8, 10, 12, 14, "
    "16, 20, 24, 28, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 196, 224, 256, 320, 384, "
    "448, 512, 640, 768, 896, 1024, 1280, 1536, 1792\n";
const char kExtTriggerWarning[] =
    "\tW A R N I N G  -  To disable external trigger send 'SetExternalTrigger' command with "
    "'Off' argument only when SYNC-IO input is low, otherwice this command is ignored and "
    "CtrlCmdError flag will be set.\n";

// The pause that lets the receive thread start its read of the new length.
constexpr uint32_t kRetunePauseMs = 10;
constexpr uint32_t kReplyTimeoutMs = 100;

// The word of a word argument; raises the syntax error for one that is not
// text at all.
std::string WordArgument(const mxArray* argument) {
    std::string word;
    if (!host::ReadWord(argument, &word)) Fail(kMsgSyntaxError);
    return word;
}

// "On" -> 1, "Off" -> 0, anything else -> -1.
int SwitchValue(const std::string& text) {
    if (text == "On") return 1;
    if (text == "Off") return 0;
    return -1;
}

const char* SwitchWord(int value) { return value ? "On" : "Off"; }

const char* const kGainWords[] = {"1x", "2x", "5x", "10x"};

// "1x", "2x", "5x", "10x" -> gain code 0..3; anything else -> -1.
int GainCode(const std::string& text) {
    for (int code = 0; code < 4; ++code) {
        if (text == kGainWords[code]) return code;
    }
    return -1;
}

// The low 16 bits of a number truncated toward zero, as two's-complement
// integer arithmetic would give them. Values with no integer meaning (NaN,
// infinities) give 0 rather than an undefined conversion.
uint16_t LowWordOf(double value) {
    double whole = std::trunc(value);
    if (!std::isfinite(whole)) return 0;
    double rest = std::fmod(whole, 65536.0);
    if (rest < 0) rest += 65536.0;
    return static_cast<uint16_t>(rest);
}

void SendArgumentWord(ControlData* connection, uint16_t opcode, uint16_t argument) {
    connection->cmdWords[1] = opcode;
    connection->cmdWords[2] = argument;
    SendCommand(connection, 3);
}

}  // namespace

void SetCompensationCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 3) {
        Fail("\tCompensation arguments missing. Argument 2. is compensation 'On' / 'Off', "
             "argument 3. is compensation measurement 'On' / 'Off'.\n");
    }
    const std::string first = WordArgument(prhs[1]), second = WordArgument(prhs[2]);
    int compensation = SwitchValue(first);
    if (compensation < 0) Fail(kMsgSyntaxError);
    int measurement = SwitchValue(second);
    if (measurement < 0) Fail(kMsgSyntaxError);
    uint16_t word = static_cast<uint16_t>((compensation ? 0x00FF : 0) | (measurement ? 0xFF00 : 0));
    SendArgumentWord(connection, CMD_SET_COMPENSATION, word);
    NoteSetting(connection, SETTING_COMPENSATION, "SetCompensation",
                std::string(SwitchWord(compensation)) + ", " + SwitchWord(measurement));
}

void SetExcitationLevelCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) Fail("\tExcitation level step is not specified.\n");
    if (!mxIsDouble(prhs[1])) Fail(kMsgNotNumeric);
    // An empty array holds no level at all: out of range like any other
    // value that is not a level.
    double value = 0.0;
    if (!host::ReadScalar(prhs[1], &value)) Fail(kLevelOutOfRange);
    // Compared as a double, so that NaN, infinities and huge values are
    // refused instead of wrapping into range through an integer conversion.
    double level = std::trunc(value);
    if (!(level >= 0.0 && level <= 255.0)) Fail(kLevelOutOfRange);
    SendArgumentWord(connection, CMD_SET_EXCITATION_LEVEL, static_cast<uint16_t>(level));
    NoteSetting(connection, SETTING_EXCITATION_LEVEL, "SetExcitationLevel",
                std::to_string(static_cast<int>(level)));
}

void SetInputGainCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 3) {
        Fail("\tGain values missing. Argument 2. is CH-A gain, argument 3. is CH-B gain: "
             "'1x', '2x', '5x', '10x'.\n");
    }
    const std::string first = WordArgument(prhs[1]), second = WordArgument(prhs[2]);
    int gainA = GainCode(first);
    if (gainA < 0) Fail(kMsgSyntaxError);
    int gainB = GainCode(second);
    if (gainB < 0) Fail(kMsgSyntaxError);
    SendArgumentWord(connection, CMD_SET_INPUT_GAIN, static_cast<uint16_t>(gainA | (gainB << 2)));
    NoteSetting(connection, SETTING_INPUT_GAIN, "SetInputGain",
                std::string(kGainWords[gainA]) + ", " + kGainWords[gainB]);
}

void SetExternalTriggerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) {
        Fail("\tCommand argument missing. Argument 2. can be 'On' / 'Off'.\n");
    }
    const std::string word = WordArgument(prhs[1]);
    if (connection->mode.load() == MODE_MEASURING) {
        Fail("\tDevice is in measuring mode, send 'Stop' command.\n");
    }
    int on = SwitchValue(word);
    if (on == 1) {
        if (connection->mode.load() == MODE_EXT_TRIGGER) {
            Fail("\tDevice is already in external trigger measuring mode, send "
                 "'SetExternalTrigger' command with 'Off' argument.\n");
        }
        if (InstrumentAway(connection)) Fail(kMsgInstrumentAway);
        // The mode goes first: the receive thread must store the lines that
        // follow the retune, and a failed retune leaves the mode in force so
        // that 'Off' can still end it.
        connection->mode.store(MODE_EXT_TRIGGER);
        connection->rxLength.store(MeasurementReadBytes(connection));
        SetUpRxRequest(connection);
        platform::SleepMs(kRetunePauseMs);
        // Lines the previous measurement left unread, or lost, are not part
        // of this one: its first LinesLost counts only its own losses.
        connection->overrunsReported = DiscardUnreadLines(connection);
        HandOnMeasurementStart(&connection->feed, 0.0);  // lines come with the trigger's edges
        SendArgumentWord(connection, CMD_SET_EXTERNAL_TRIGGER, 1);
        NoteCommand(connection, "SetExternalTrigger", "On");
        host::Print("%s", kExtTriggerWarning);
    } else if (on == 0) {
        if (connection->mode.load() == MODE_IDLE) Fail("\tDevice already in idle mode.\n");
        connection->mode.store(MODE_IDLE);
        // An instrument that is away comes back idle: the recovery resumes
        // only the measurement the connection is in.
        if (!InstrumentAway(connection)) SendArgumentWord(connection, CMD_SET_EXTERNAL_TRIGGER, 0);
        NoteCommand(connection, "SetExternalTrigger", "Off");
    } else {
        Fail(kMsgSyntaxError);
    }
}

void SetBatterySupplyCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) {
        Fail("\tCommand arguments missing. Argument 2. is battery supply state of 'On' / "
             "'Off'.\n");
    }
    int on = SwitchValue(WordArgument(prhs[1]));
    if (on < 0) Fail(kMsgSyntaxError);
    SendArgumentWord(connection, CMD_SET_BATTERY_SUPPLY, static_cast<uint16_t>(on));
    NoteSetting(connection, SETTING_BATTERY_SUPPLY, "SetBatterySupply", SwitchWord(on));
}

void FindDividerCode(double value, uint32_t* index, uint16_t* code) {
    // Compared as doubles: 65537 must not alias divider 1 through a 16-bit
    // conversion, and NaN or infinities match nothing.
    for (uint32_t i = 0; i < DIVIDER_COUNT; ++i) {
        if (value == static_cast<double>(dividerValues[i])) {
            *index = i;
            *code = dividerCodes[i];
            return;
        }
    }
    Fail(kInvalidDivider);
}

void SetSamplingDividerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]) {
    if (nrhs != 2) {
        Fail("\tCommand argument missing. Argument 2. is samplingrate divider value. Valid "
             "samplingrate divider values are: 1, 2, 4, 6, 8, 10, 12, 14, 16, 20, 24, 28, 32, "
             "40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 196, 224, 256, 320, 384, 448, 512, "
             "640, 768, 896, 1024, 1280, 1536, 1792\n");
    }
    if (!mxIsDouble(prhs[1])) Fail(kMsgNotNumeric);
    if (connection->mode.load() != MODE_IDLE) Fail(kMsgIdleOnly);
    // An empty array holds no divider at all: not one of the valid values.
    double value = 0.0;
    if (!host::ReadScalar(prhs[1], &value)) Fail(kInvalidDivider);
    value = std::trunc(value);
    uint32_t index = 0;
    uint16_t code = 0;
    FindDividerCode(value, &index, &code);
    // Sent first: while the instrument is away the send is refused, and the
    // module must keep the divider the instrument still has.
    SendArgumentWord(connection, CMD_SET_SAMPLING_DIVIDER, code);
    connection->samplingDivider = dividerValues[index];
    connection->linesPerRead = LinesPerReadForDivider(index, dividerValues[index]);
    NoteSetting(connection, SETTING_SAMPLING_DIVIDER, "SetSamplingDivider",
                std::to_string(dividerValues[index]));
}

void SetGPIOCommand(ControlData* connection, int nlhs, mxArray* plhs[], int nrhs,
                    const mxArray* prhs[]) {
    if (nrhs != 3) Fail(kGpioArgumentsMissing);
    if (nlhs != 2) Fail("\tTwo return variable expected\n");
    // The values are read as scalars of any class without a range test; an
    // argument that holds no scalar at all (empty, cell, structure, function
    // handle) has no value to send and counts as missing.
    double firstValue = 0.0;
    double secondValue = 0.0;
    if (!host::ReadScalar(prhs[1], &firstValue) || !host::ReadScalar(prhs[2], &secondValue)) {
        Fail(kGpioArgumentsMissing);
    }
    uint16_t first = LowWordOf(firstValue);
    uint16_t second = LowWordOf(secondValue);
    uint16_t word = static_cast<uint16_t>((first << 3) | second);

    const std::string noted = std::to_string(first) + ", " + std::to_string(second);
    connection->replyData.store(nullptr);
    if (connection->mode.load() != MODE_IDLE) {
        // While measuring the instrument sends no GPIO reply; the state
        // comes from the latest data line.
        SendArgumentWord(connection, CMD_SET_GPIO, word);
        NoteSetting(connection, SETTING_GPIO, "SetGPIO", noted);
        ReportGpioState(connection, plhs, nullptr);
        return;
    }
    connection->rxLength.store(FRAME_GPIO_STATE_LENGTH);
    SetUpRxRequest(connection);
    platform::SleepMs(kRetunePauseMs);
    // Set up before the frame goes out, so that a prompt reply is not missed.
    ReplyWait wait(connection);
    SendArgumentWord(connection, CMD_SET_GPIO, word);
    NoteSetting(connection, SETTING_GPIO, "SetGPIO", noted);
    ReportGpioState(connection, plhs, &wait);
}

void ReportGpioState(ControlData* connection, mxArray* plhs[], ReplyWait* wait) {
    uint8_t first = 0;
    uint8_t second = 0;
    if (connection->mode.load() != MODE_IDLE || wait == nullptr) {
        second = LatestGpioByte(connection);
    } else {
        bool answered = wait->Wait(kReplyTimeoutMs);
        const uint8_t* payload = answered ? connection->replyData.load() : nullptr;
        uint8_t state = payload ? payload[0] : 0;
        wait->Release();
        host::FlushPrints();
        // A hand-off that carried no GPIO payload is no answer either.
        if (!payload) Fail(kNoResponse);
        first = static_cast<uint8_t>((state >> 3) & 7);
        second = static_cast<uint8_t>(state & 7);
    }
    plhs[0] = host::CreateColumn(mxUINT8_CLASS, 1);
    plhs[1] = host::CreateColumn(mxUINT8_CLASS, 1);
    static_cast<uint8_t*>(host::RealData(plhs[0]))[0] = first;
    static_cast<uint8_t*>(host::RealData(plhs[1]))[0] = second;
}
