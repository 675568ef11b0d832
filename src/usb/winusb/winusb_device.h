// The WinUSB backend of usb/usb_device.h: the instrument's interface found
// through SetupAPI by interface class GUID and member index, opened for
// overlapped I/O and driven through WinUSB.
//
// The record and the two first steps of the open are declared here for the
// backend's own tests; the module uses only usb_device.h.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <winusb.h>

#include <cstdint>

#include "usb/usb_device.h"

// A device path is ANSI text of at most 255 characters.
constexpr uint32_t kDevicePathSize = 256;

struct UsbDevice {
    HANDLE fileHandle;                     // the interface, opened for overlapped read and write
    WINUSB_INTERFACE_HANDLE winUsbHandle;  // every pipe operation goes through it
    uint8_t speed;                         // DEVICE_SPEED byte; kept, not used
    uint8_t inPipeId;                      // bulk IN pipe (bit 7 set); 0 when there is none
    uint8_t outPipeId;                     // bulk OUT pipe; 0 when there is none
    platform::Handle readEvent;            // manual-reset completion event of every read
};

// Finds the memberIndex-th present interface of the class and copies its
// device path into path. Returns 0, or 55 (class unknown), 1167 (nothing at
// that index), 8 (no memory), 122 (path longer than 255 characters: path
// holds its first 255), or the last error of a failed detail query.
uint32_t FindDevicePath(uint32_t memberIndex, const UsbGuid* guid, char path[kDevicePathSize]);

// Opens the memberIndex-th interface for overlapped read and write.
// INVALID_HANDLE_VALUE with the last error set on failure.
HANDLE OpenDevicePath(uint32_t memberIndex, const UsbGuid* guid);
