// The commands the gateway implements itself: identity, run control and the
// device settings. mexFunction calls them once a command's checks have
// passed; each reports a failure by throwing CommandError with its exact
// message (host/command_error.h). The connection and data subsystems declare
// their own commands in connection/lifecycle.h and data/data_commands.h.
#pragma once

#include <cstdint>
#include <string>

#include "connection/control_data.h"
#include "host/mex_api.h"

class ReplyWait;

// Identity and run control (gateway/run_control.cpp).
void GetDevInfoCommand(ControlData* connection, char* infoText, size_t infoTextSize,
                       mxArray* plhs[]);
void StartCommand(ControlData* connection);
void StopCommand(ControlData* connection);

// Device settings (gateway/settings.cpp). nrhs counts the command word.
void SetCompensationCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetExcitationLevelCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetInputGainCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetExternalTriggerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetBatterySupplyCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetSamplingDividerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void SetGPIOCommand(ControlData* connection, int nlhs, mxArray* plhs[], int nrhs,
                    const mxArray* prhs[]);
// Index and device code of the divider value; throws the invalid-value message.
void FindDividerCode(double value, uint32_t* index, uint16_t* code);
// Creates SetGPIO's two outputs: from the latest data line while measuring
// (wait is null then), from the GPIO reply that wait receives in idle mode.
void ReportGpioState(ControlData* connection, mxArray* plhs[], ReplyWait* wait);

// Recording (gateway/recording_commands.cpp). nrhs counts the command word.
void StartRecordingCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void StopRecordingCommand(ControlData* connection, int nlhs, mxArray* plhs[]);
void GetRecordingStatusCommand(ControlData* connection, int nlhs, mxArray* plhs[]);
void AddMarkerCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
// A command that changed the instrument's state, with its arguments as
// sent, becomes an event of a running recording.
void NoteCommand(ControlData* connection, const char* word, const std::string& arguments);
// The same for a setting: the frame just sent from cmdWords is also kept as
// the setting's latest value, for a recording started later and for the
// recovery of an instrument that comes back.
void NoteSetting(ControlData* connection, SettingSlot slot, const char* word,
                 const std::string& arguments);
// The count complex singles staged in cmdWords (real parts, then imaginary
// parts) as text: "1+2i, 0.5-0.25i, ...".
std::string StagedComplexText(const ControlData* connection, uint32_t count);
// Streaming on the Lab Streaming Layer (gateway/streaming_commands.cpp).
void StartStreamingCommand(ControlData* connection, int nrhs, const mxArray* prhs[]);
void StopStreamingCommand(ControlData* connection, int nlhs, mxArray* plhs[]);
void GetStreamingStatusCommand(ControlData* connection, int nlhs, mxArray* plhs[]);
// True while a stream runs.
bool StreamingRuns(const ControlData* connection);
// Prints, once, the failure that stopped a recording since the last call.
void ReportRecordingFailure(ControlData* connection);
