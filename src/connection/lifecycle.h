// The commands that begin and end the one connection, and the unload hook.
// The gateway calls them once a command's checks have passed; a failure
// throws CommandError with its exact message (host/command_error.h).
#pragma once

#include <cstdint>

#include "connection/control_data.h"

// Allocates the record with a ring of ringSlots lines, locks the module and
// opens the instrument.
void ConnectCommand(uint32_t ringSlots);
// Stops a running measurement, ends the receive thread and frees the record.
void DisconnectCommand(ControlData* connection);
// Registered with the host: releases a connection left open when the host
// clears the module or exits. Prints nothing.
void ReleaseAtExit();
