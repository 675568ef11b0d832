// The measurement-data and calibration commands. The gateway calls them once
// a command's checks have passed; a failure throws CommandError with its
// exact message (host/command_error.h).
#pragma once

#include <cstdint>

#include "connection/control_data.h"
#include "host/mex_api.h"
#include "link/protocol.h"

// Takes lineCount lines out of the ring into GetData's structure (plhs[0]);
// with nlhs 2 also the stream's status structure (plhs[1]). Throws
// CommandInterrupted when the user pressed Ctrl-C while it waited.
void GetData(ControlData* connection, uint32_t lineCount, int nlhs, mxArray* plhs[]);
// Requests the configuration reply and returns it as a structure (plhs[0]).
void GetConfData(ControlData* connection, mxArray* plhs[]);
// The same exchange, with the 272 payload bytes as received copied into
// payload; raises GetConfData's messages.
void RequestConfData(ControlData* connection, uint8_t payload[CONF_DATA_SIZE]);
// RequestConfData when the instrument can answer it: idle and on the bus.
// False, asking nothing, while measuring or while the instrument is away.
bool RequestConfDataWhenIdle(ControlData* connection, uint8_t payload[CONF_DATA_SIZE]);
// Sends count complex values (real parts, then imaginary parts, as singles)
// with the opcode of SetShuntVal or SetCompVal.
void SendComplexValues(ControlData* connection, const mxArray* values, uint32_t count,
                       uint16_t opcode);
// The shunt impedance at the frequencies of prhs[1], from the front end's
// EEPROM calibration (plhs[0]).
void GetShuntData(ControlData* connection, const mxArray* prhs[], mxArray* plhs[]);
