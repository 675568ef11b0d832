// mexFunction: the one entry from MATLAB. It looks the command word up, makes
// the command's connection, count, class and mode checks in their fixed
// order, and hands the command to its handler. Every failure of a command
// arrives here as a CommandError and is raised once, after the handler's
// locks and buffers have been released and queued prints shown.
#include "gateway/gateway.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "connection/control_data.h"
#include "connection/lifecycle.h"
#include "data/data_commands.h"
#include "gateway/handlers.h"
#include "host/command_error.h"
#include "host/host.h"
#include "recovery/recovery.h"

#if defined(_WIN32)
#define VARNELO_EXPORT __declspec(dllexport)
#else
#define VARNELO_EXPORT __attribute__((visibility("default")))
#endif

uint16_t lastCommandIndex = NO_COMMAND;

const char* const kMsgNotConnected = "\tDevice is not connected.\n";
const char* const kMsgSyntaxError = "\tCommand syntax error.\n";
const char* const kMsgNotNumeric = "\tArgument 2. is not numeric.\n";
const char* const kMsgIncorrectArgument = "\tIncorrect command argument.\n";
const char* const kMsgOneReturnVariable = "\tOne return variable expected\n";
const char* const kMsgIdleOnly =
    "\tThis command is allowed only in idle mode. For idle mode send 'Stop' or "
    "'SetExternalTrigger' command.\n";

namespace {

const char* const kCommandWords[NO_COMMAND] = {
    "Connect",         "Disconnect",         "GetDevInfo",   "Start",
    "Stop",            "GetData",            "SetShuntVal",  "SetCompVal",
    "GetConfData",     "SetCompensation",    "SetExcitationLevel",
    "SetInputGain",    "SetExternalTrigger", "SetBatterySupply",
    "SetSamplingDivider", "SetGPIO",         "GetShuntData", "StartRecording",
    "StopRecording",   "GetRecordingStatus", "AddMarker",    "StartStreaming",
    "StopStreaming",   "GetStreamingStatus"};

const char* const kMsgCommandMissing =
    "\tCommand missing\n\tExpected commands as first argument are:'Connect', 'Disconnect', "
    "'GetDevInfo', 'GetConfData', 'GetShuntData', 'Start', 'Stop', 'GetData', 'SetGPIO', "
    "'SetShuntVal', 'SetCompVal', 'SetCompensation', 'SetExcitationLevel', 'SetInputGain', "
    "'SetExternalTrigger', 'SetBatterySupply', 'SetSamplingDivider'";

constexpr size_t kInfoTextSize = 128;

ControlData* RequireConnection() {
    if (!IsConnected()) Fail(kMsgNotConnected);
    return currentConnection;
}

// GetData's line count: the argument truncated toward zero. Counts that
// give no usable number of lines (0, negative, not finite, beyond the signed
// 32-bit range, or an empty array) are refused before any array is made.
uint32_t LineCountOf(const mxArray* argument) {
    double value = 0.0;
    if (host::ReadScalar(argument, &value)) value = std::trunc(value);
    if (!(value >= 1.0 && value <= 2147483647.0)) Fail(kMsgIncorrectArgument);
    return static_cast<uint32_t>(value);
}

struct ConnectOptions {
    uint32_t ringSlots = RING_SLOTS;
    bool reconnect = false;
};

// Connect's ring depth: 500 lines, or 'RingLines', N with N from 500 to
// 1,000,000 (truncated toward zero).
uint32_t RingSlotsOf(const mxArray* value) {
    double lines = 0.0;
    if (!host::IsDouble(value) || host::IsComplex(value) || host::IsSparse(value) ||
        host::ElementCount(value) != 1 || !host::ReadScalar(value, &lines)) {
        Fail(kMsgIncorrectArgument);
    }
    lines = std::trunc(lines);
    if (!(lines >= RING_SLOTS_MIN && lines <= RING_SLOTS_MAX)) Fail(kMsgIncorrectArgument);
    return static_cast<uint32_t>(lines);
}

// Connect's options, as name-value pairs in any order, each at most once:
// 'RingLines', N and 'Reconnect', 'On' / 'Off'. Anything else is refused
// before anything is opened.
ConnectOptions ConnectOptionsOf(int nrhs, const mxArray* prhs[]) {
    ConnectOptions options;
    if (nrhs % 2 != 1) Fail(kMsgIncorrectArgument);
    bool haveRingLines = false;
    bool haveReconnect = false;
    for (int i = 1; i < nrhs; i += 2) {
        std::string name, value;
        host::ReadWord(prhs[i], &name);
        if (name == "RingLines" && !haveRingLines) {
            haveRingLines = true;
            options.ringSlots = RingSlotsOf(prhs[i + 1]);
        } else if (name == "Reconnect" && !haveReconnect) {
            haveReconnect = true;
            host::ReadWord(prhs[i + 1], &value);
            if (value != "On" && value != "Off") Fail(kMsgIncorrectArgument);
            options.reconnect = value == "On";
        } else {
            Fail(kMsgIncorrectArgument);
        }
    }
    return options;
}

// The commands that talk to the instrument: on a connection with recovery
// each holds the instrument for its whole run, so that it never interleaves
// with a restore.
bool TalksToInstrument(uint16_t command) {
    switch (command) {
        case CMD_INDEX_CONNECT:
        case CMD_INDEX_DISCONNECT:
        case CMD_INDEX_GET_DATA:
        case CMD_INDEX_STOP_RECORDING:
        case CMD_INDEX_GET_RECORDING_STATUS:
        case CMD_INDEX_ADD_MARKER:
        case CMD_INDEX_STOP_STREAMING:
        case CMD_INDEX_GET_STREAMING_STATUS:
            return false;
        default:
            return command < NO_COMMAND;
    }
}

void CheckComplexTable(int nrhs, const mxArray* prhs[], const char* missingMessage) {
    if (nrhs != 2) Fail(missingMessage);
    if (!host::IsComplex(prhs[1])) Fail("\tNot complex data.\n");
    if (host::Columns(prhs[1]) != BIN_COUNT)
        Fail("\tIncorrect complex array size, 15 complex numbers expected.\n");
}

void RunCommand(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]) {
    if (nrhs == 0) Fail(kMsgCommandMissing);
    // A char array that is not one row of text (several rows, a zero
    // character, bytes that are not UTF-8) names no command: its word is "".
    std::string word;
    if (!host::ReadWord(prhs[0], &word)) Fail(kMsgSyntaxError);
    char infoText[kInfoTextSize];
    std::memset(infoText, 0, sizeof infoText);

    const uint16_t command = FindCommand(word.c_str());
    std::unique_ptr<InstrumentCommand> holding;
    if (IsConnected() && TalksToInstrument(command))
        holding = std::make_unique<InstrumentCommand>(currentConnection);

    switch (command) {
        case CMD_INDEX_CONNECT: {
            if (IsConnected()) Fail("\tDevice already connected.\n");
            const ConnectOptions options = ConnectOptionsOf(nrhs, prhs);
            ConnectCommand(options.ringSlots, options.reconnect);
            break;
        }
        case CMD_INDEX_DISCONNECT:
            DisconnectCommand(RequireConnection());
            break;
        case CMD_INDEX_GET_DEV_INFO: {
            ControlData* c = RequireConnection();
            if (nlhs != 1) Fail(kMsgOneReturnVariable);
            GetDevInfoCommand(c, infoText, sizeof infoText, plhs);
            break;
        }
        case CMD_INDEX_START:
            StartCommand(RequireConnection());
            break;
        case CMD_INDEX_STOP:
            StopCommand(RequireConnection());
            break;
        case CMD_INDEX_GET_DATA: {
            ControlData* c = RequireConnection();
            // A second output asks for the stream's status.
            if (nlhs != 1 && nlhs != 2) Fail(kMsgOneReturnVariable);
            if (nrhs != 2) Fail("\tNumber of impedance data lines is not specified.\n");
            if (!host::IsDouble(prhs[1])) Fail(kMsgNotNumeric);
            if (c->mode == MODE_IDLE)
                Fail("\tDevice is not in measurement mode, send 'Start' or 'SetExternalTrigger' "
                     "command.\n");
            GetData(c, LineCountOf(prhs[1]), nlhs, plhs);
            break;
        }
        case CMD_INDEX_SET_SHUNT_VAL: {
            ControlData* c = RequireConnection();
            CheckComplexTable(nrhs, prhs, "\tShunt complex data missing.\n");
            SendComplexValues(c, prhs[1], BIN_COUNT, CMD_SET_SHUNT_VAL);
            NoteSetting(c, SETTING_SHUNT_TABLE, "SetShuntVal", StagedComplexText(c, BIN_COUNT));
            break;
        }
        case CMD_INDEX_SET_COMP_VAL: {
            ControlData* c = RequireConnection();
            CheckComplexTable(nrhs, prhs, "\tCompensation complex data missing.\n");
            SendComplexValues(c, prhs[1], BIN_COUNT, CMD_SET_COMP_VAL);
            NoteSetting(c, SETTING_COMP_TABLE, "SetCompVal", StagedComplexText(c, BIN_COUNT));
            break;
        }
        case CMD_INDEX_GET_CONF_DATA: {
            ControlData* c = RequireConnection();
            if (nlhs != 1) Fail("\tOne return variable expected.\n");
            if (c->mode != MODE_IDLE) Fail(kMsgIdleOnly);
            GetConfData(c, plhs);
            break;
        }
        case CMD_INDEX_SET_COMPENSATION:
            SetCompensationCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_EXCITATION_LEVEL:
            SetExcitationLevelCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_INPUT_GAIN:
            SetInputGainCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_EXTERNAL_TRIGGER:
            SetExternalTriggerCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_BATTERY_SUPPLY:
            SetBatterySupplyCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_SAMPLING_DIVIDER:
            SetSamplingDividerCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_SET_GPIO:
            SetGPIOCommand(RequireConnection(), nlhs, plhs, nrhs, prhs);
            break;
        case CMD_INDEX_GET_SHUNT_DATA: {
            ControlData* c = RequireConnection();
            if (nrhs != 2) Fail("\tFrequencies array argument missing.\n");
            if (nlhs != 1) Fail(kMsgOneReturnVariable);
            GetShuntData(c, prhs, plhs);
            break;
        }
        case CMD_INDEX_START_RECORDING:
            StartRecordingCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_STOP_RECORDING:
            StopRecordingCommand(RequireConnection(), nlhs, plhs);
            break;
        case CMD_INDEX_GET_RECORDING_STATUS:
            GetRecordingStatusCommand(RequireConnection(), nlhs, plhs);
            break;
        case CMD_INDEX_ADD_MARKER:
            AddMarkerCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_START_STREAMING:
            StartStreamingCommand(RequireConnection(), nrhs, prhs);
            break;
        case CMD_INDEX_STOP_STREAMING:
            StopStreamingCommand(RequireConnection(), nlhs, plhs);
            break;
        case CMD_INDEX_GET_STREAMING_STATUS:
            GetStreamingStatusCommand(RequireConnection(), nlhs, plhs);
            break;
        default:
            Fail("\tUnknown command.\n");
    }
}

}  // namespace

bool IsConnected() { return currentConnection != nullptr; }

uint16_t FindCommand(const char* text) {
    if (text[0] == REPEAT_LAST_COMMAND) return lastCommandIndex;
    uint16_t index = NO_COMMAND;
    for (uint16_t i = 0; i < NO_COMMAND; ++i) {
        if (std::strcmp(text, kCommandWords[i]) == 0) {
            index = i;
            break;
        }
    }
    lastCommandIndex = index;
    return index;
}

extern "C" VARNELO_EXPORT void mexFunction(int nlhs, mxArray* plhs[], int nrhs,
                                           const mxArray* prhs[]) {
    host::EnterHostCall();
    host::FlushPrints();
    ReportRecordingFailure(currentConnection);
    std::string error;
    bool failed = false;
    bool interrupted = false;
    try {
        RunCommand(nlhs, plhs, nrhs, prhs);
    } catch (const CommandError& e) {
        error = e.message;
        failed = true;
    } catch (const CommandInterrupted&) {
        interrupted = true;
    }
    host::FlushPrints();
    if (failed) host::RaiseError(error.c_str());
    if (interrupted) host::EndInterruptedCall();
}
