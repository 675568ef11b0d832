// SystemErrorText where the system has no FormatMessage: the English texts
// Windows gives for the codes the USB layer produces.
#include <cstring>

#include "usb/usb_device.h"

namespace {

struct ErrorText {
    uint32_t code;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, "The operation completed successfully."},
    {2, "The system cannot find the file specified."},
    {5, "Access is denied."},
    {8, "Not enough memory resources are available to process this command."},
    {17, "The system cannot move the file to a different disk drive."},
    {22, "The device does not recognize the command."},
    {31, "A device attached to the system is not functioning."},
    {50, "The request is not supported."},
    {55, "The specified network resource or device is no longer available."},
    {87, "The parameter is incorrect."},
    {122, "The data area passed to a system call is too small."},
    {234, "More data is available."},
    {258, "The wait operation timed out."},
    {433, "A device which does not exist was specified."},
    {995, "The I/O operation has been aborted because of either a thread exit or an application request."},
    {997, "Overlapped I/O operation is in progress."},
    {1167, "The device is not connected."},
    {1617, "The device has been removed."},
};

}  // namespace

const char* SystemErrorText(uint32_t code) {
    // Each thread prints its own text at once; a per-thread buffer keeps the
    // receive thread and the calling thread from overwriting each other.
    thread_local char buffer[256];
    const char* text = "Unknown";
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code == code) text = entry.text;
    }
    std::strncpy(buffer, text, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}
