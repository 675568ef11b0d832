// The commands that begin and end the one connection, and the unload hook.
// The gateway calls them once a command's checks have passed; a failure
// throws CommandError with its exact message (host/command_error.h).
#pragma once

#include <cstddef>
#include <cstdint>

#include "connection/control_data.h"

// Allocates the record with a ring of ringSlots lines, locks the module and
// opens the instrument; with reconnect, recovery runs for the connection
// when the instrument has a serial number (recovery/recovery.h).
void ConnectCommand(uint32_t ringSlots, bool reconnect);
// Stops a running measurement, ends the receive thread and frees the record.
void DisconnectCommand(ControlData* connection);
// Registered with the host: releases a connection left open when the host
// clears the module or exits. Prints nothing.
void ReleaseAtExit();

// The serial number (string descriptor 3) of an opened interface as ANSI
// text, zero-terminated within size bytes; empty when the instrument has none.
void ReadSerialNumber(UsbDevice* device, char* serialNumber, size_t size);
