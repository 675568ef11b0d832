// The USB transport contract: the module's whole contact with the USB stack.
//
// One backend implements this header and is chosen at link time:
//   usb/winusb   - WinUSB and SetupAPI (Windows, the product)
//   usb/libusb   - libusb-1.0 (Linux)
//   sim/         - the simulated instrument bus (tests and the demo)
// Nothing above usb/ knows which one it runs on.
//
// No operation prints or raises. Each reports a Windows system error code
// (0 for success), either as its result or, where it returns a bool or a
// pointer, in the calling thread's last-error value (platform layer).
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Windows system error codes produced here or tested by the callers.
constexpr uint32_t kUsbSuccess = 0;                 // ERROR_SUCCESS
constexpr uint32_t kUsbFileNotFound = 2;            // ERROR_FILE_NOT_FOUND: a removed device, before Windows 10 1903
constexpr uint32_t kUsbAccessDenied = 5;            // interface held elsewhere: Connect tries the next index
constexpr uint32_t kUsbNotEnoughMemory = 8;         // ERROR_NOT_ENOUGH_MEMORY
constexpr uint32_t kUsbNotSameDevice = 17;          // an endpoint is not a bulk pipe
constexpr uint32_t kUsbBadCommand = 22;             // ERROR_BAD_COMMAND: a request to a device being removed
constexpr uint32_t kUsbGenFailure = 31;             // device not functioning (libusb: also a device gone)
constexpr uint32_t kUsbDevNotExist = 55;            // the system has never seen the interface class
constexpr uint32_t kUsbInvalidParameter = 87;       // missing device, buffer, count variable or length
constexpr uint32_t kUsbInsufficientBuffer = 122;    // device path longer than 255 characters
constexpr uint32_t kUsbMoreData = 234;              // ERROR_MORE_DATA: a transfer overflowed its buffer
constexpr uint32_t kUsbWaitTimeout = 258;           // a read's or a write's time-out elapsed; the transfer was aborted
constexpr uint32_t kUsbIoPending = 997;             // ERROR_IO_PENDING (inside UsbBulkRead only)
constexpr uint32_t kUsbNoSuchDevice = 433;          // ERROR_NO_SUCH_DEVICE: a removed device, Windows 10 1903 on
constexpr uint32_t kUsbDeviceNotConnected = 1167;   // class known, no device present at that index
constexpr uint32_t kUsbDeviceRemoved = 1617;        // ERROR_DEVICE_REMOVED
constexpr uint32_t kUsbWaitFailed = 0xFFFFFFFFu;    // a read's wait itself failed
constexpr uint32_t kUsbNoTimeout = 0xFFFFFFFFu;     // UsbBulkRead: no time limit

// True for the results by which a transfer says that the device has gone
// from the bus (unplugged, reset by its hub, browned out): WinUSB and the
// Windows I/O manager report a read or write on a removed device as 2, 22,
// 31, 433, 1167 or 1617, depending on how far the request had got and on
// the Windows version (docs/windows.md says which is which); the libusb
// backend reports its no-device results as 31. The receive thread stops
// reading on any of them.
constexpr bool UsbDeviceGone(uint32_t code) {
    return code == kUsbFileNotFound || code == kUsbBadCommand || code == kUsbGenFailure ||
           code == kUsbNoSuchDevice || code == kUsbDeviceNotConnected || code == kUsbDeviceRemoved;
}

// Member indices the module opens: 0 to this one.
constexpr uint32_t kUsbMaxMemberIndex = 16;

// How long a bulk write waits for the device to take its data.
constexpr uint32_t kUsbWriteTimeoutMs = 5000;

// An interface class GUID, laid out as Windows lays out a GUID.
struct UsbGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

// {D7024F71-28DE-4E81-8A6B-113CA2BFB60D}: the instrument's interface class.
constexpr UsbGuid kVarneloInterfaceGuid = {
    0xD7024F71, 0x28DE, 0x4E81, {0x8A, 0x6B, 0x11, 0x3C, 0xA2, 0xBF, 0xB6, 0x0D}};

// One opened instrument interface; each backend defines its own record.
struct UsbDevice;

// Finds the memberIndex-th present interface of the class and opens it with
// its bulk pipes. Null on failure, with the last error set: 5 when the
// interface is held by another program, 55 when the class is unknown, 1167
// when no interface is at that index, 17 when an endpoint is not bulk, 8 when
// memory ran out. The releases of a failed open keep the last error intact.
UsbDevice* OpenUsbDevice(const UsbGuid* guid, uint32_t memberIndex);

// Closes the interface and frees the record. False for null, or when the
// backend could not release everything cleanly (the record is freed anyway).
bool CloseUsbDevice(UsbDevice* device);

// Reads a descriptor (string descriptors: type 3) into buffer. False with
// the last error set on failure.
bool UsbGetDescriptor(UsbDevice* device, uint8_t descriptorType, uint8_t index,
                      uint16_t languageId, uint8_t* buffer, uint32_t bufferLength,
                      uint32_t* lengthTransferred);

// Synchronous write of length bytes to the bulk OUT pipe; returns when the
// transfer has ended, at the latest after kUsbWriteTimeoutMs: a device that
// does not take the data by then (it NAKs its OUT pipe) ends the write with
// false and 258, the count holding what it took. No device, data or count
// variable, or length 0: false with the last error untouched. Other
// failures: false with the last error. May run on one thread while another
// thread's read is pending.
bool UsbBulkWrite(UsbDevice* device, const uint8_t* data, uint32_t length,
                  uint32_t* bytesWritten);

// One read of at most length bytes from the bulk IN pipe into buffer.
// Ends when the transfer completes (0, count written), when timeoutMs runs
// out (the transfer is aborted; 258), or when cancelEvent (auto-reset, may be
// null) is signalled (the transfer is aborted; 0, the signal is consumed).
// A cancel signal given while no read waits stays set and ends the next
// read that goes pending. Rules on the count:
//   - a read that goes pending writes 0 into *bytesRead first, so an aborted
//     read reports 0 bytes, never a stale count;
//   - a read that completes writes the number of bytes received;
//   - a transfer that completed before the abort reached it is kept: the
//     read returns 0 with its count, whether the cancel, the time-out or a
//     failed wait ended the wait. Its bytes have left the device and exist
//     only in buffer. A cancelled read can thus return bytes read at the
//     length asked for before the cancel, as a read that completed a moment
//     before the cancel does; the caller judges both by their count (the
//     receive thread parses a read whose count is the length it asked for,
//     so such a transfer's frames are kept, not lost to the retune);
//   - a transfer that failed on its own before the abort reached it reports
//     its own code (31 for a device gone) and count;
//   - after an abort the call returns only once the aborted transfer has
//     ended, so the buffer is never written after the call returned.
// No device, buffer, count variable, or length 0: 87, nothing touched.
// At most one read is outstanding on a device at a time.
uint32_t UsbBulkRead(UsbDevice* device, uint8_t* buffer, uint32_t length, uint32_t* bytesRead,
                     uint32_t timeoutMs, platform::Handle cancelEvent);

// The system's text for a Windows error code, without a trailing line break;
// "Unknown" for a code the system has no text for. The text lives in a
// per-thread buffer and stays valid until the same thread's next call.
const char* SystemErrorText(uint32_t code);
