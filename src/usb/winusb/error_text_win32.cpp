// SystemErrorText on Windows: the system's own message for the code.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "usb/usb_device.h"

namespace {

constexpr DWORD kTextSize = 256;

// One buffer per thread: MATLAB's thread and the receive thread both print
// error texts, and neither may see the other's text appear under its own.
thread_local char errorText[kTextSize];

}  // namespace

const char* SystemErrorText(uint32_t code) {
    // Inserts ("%1") are left as they stand: no arguments exist for them,
    // and without the flag FormatMessage would try to read some.
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       0, errorText, kTextSize, nullptr);
    if (length == 0) {
        return "Unknown";
    }
    // System texts end with "\r\n", which the callers' own formats supply.
    if (length >= 2 && errorText[length - 2] == '\r') {
        errorText[length - 2] = '\0';
    }
    return errorText;
}
