// The MATLAB entry point: command lookup and the checks every command makes
// before its handler runs.
#pragma once

#include <cstdint>

// Command indices, in lookup order.
enum CommandIndex : uint16_t {
    CMD_INDEX_CONNECT = 0,
    CMD_INDEX_DISCONNECT,
    CMD_INDEX_GET_DEV_INFO,
    CMD_INDEX_START,
    CMD_INDEX_STOP,
    CMD_INDEX_GET_DATA,
    CMD_INDEX_SET_SHUNT_VAL,
    CMD_INDEX_SET_COMP_VAL,
    CMD_INDEX_GET_CONF_DATA,
    CMD_INDEX_SET_COMPENSATION,
    CMD_INDEX_SET_EXCITATION_LEVEL,
    CMD_INDEX_SET_INPUT_GAIN,
    CMD_INDEX_SET_EXTERNAL_TRIGGER,
    CMD_INDEX_SET_BATTERY_SUPPLY,
    CMD_INDEX_SET_SAMPLING_DIVIDER,
    CMD_INDEX_SET_GPIO,
    CMD_INDEX_GET_SHUNT_DATA,
    CMD_INDEX_START_RECORDING,
    CMD_INDEX_STOP_RECORDING,
    CMD_INDEX_GET_RECORDING_STATUS,
    CMD_INDEX_ADD_MARKER,
    CMD_INDEX_START_STREAMING,
    CMD_INDEX_STOP_STREAMING,
    CMD_INDEX_GET_STREAMING_STATUS,
    NO_COMMAND
};

// The module's version, as recordings name it.
constexpr char kModuleVersion[] = "1.1.0";

// A command word whose first character is this control character repeats
// the command that the latest comparing lookup found.
constexpr char REPEAT_LAST_COMMAND = 0x0F;

// The index the latest comparing lookup produced; NO_COMMAND after load.
extern uint16_t lastCommandIndex;

// Looks a zero-terminated command word up: exact, case-sensitive.
uint16_t FindCommand(const char* text);

// Connected means: a connection record exists. The module is locked for
// exactly as long, so it cannot be unloaded under a running receive thread.
bool IsConnected();

// Messages shared by several commands.
extern const char* const kMsgNotConnected;
extern const char* const kMsgSyntaxError;
extern const char* const kMsgNotNumeric;
extern const char* const kMsgIncorrectArgument;
extern const char* const kMsgOneReturnVariable;
extern const char* const kMsgIdleOnly;
