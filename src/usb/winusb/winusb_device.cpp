// WinUSB transport: discovery through SetupAPI, opening, bulk transfers and
// descriptor reads on the instrument's interface.
#include "usb/winusb/winusb_device.h"

#include <setupapi.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// SetupAPI queries the present interfaces first; a class it knows without a
// present device is told apart from one it has never seen by the second,
// unfiltered query.
constexpr DWORD kPresentInterfaces = DIGCF_PRESENT | DIGCF_DEVICEINTERFACE;  // 0x12
constexpr DWORD kAllInterfaces = DIGCF_DEVICEINTERFACE;                      // 0x10

constexpr UCHAR kDeviceSpeedQuery = DEVICE_SPEED;  // 1
constexpr UCHAR kDefaultAlternateSetting = 0;
constexpr UCHAR kDirectionIn = 0x80;  // bit 7 of an endpoint address: IN

static_assert(sizeof(SP_DEVICE_INTERFACE_DATA) == 32, "64-bit interface data record");
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A) == 8, "64-bit detail record fixed part");
static_assert(sizeof(UsbGuid) == sizeof(GUID), "UsbGuid is laid out as a GUID");

GUID ToGuid(const UsbGuid* guid) {
    GUID result;
    std::memcpy(&result, guid, sizeof result);
    return result;
}

// Keeps the thread's last error across the releases of a failed operation.
struct LastErrorKeeper {
    DWORD code = platform::GetLastErrorCode();
    ~LastErrorKeeper() { platform::SetLastErrorCode(code); }
};

// Releases what a failed open acquired; the last error stays the failed step's.
UsbDevice* AbandonOpen(UsbDevice* device) {
    LastErrorKeeper keeper;
    if (device->winUsbHandle != nullptr) {
        WinUsb_Free(device->winUsbHandle);
    }
    if (device->fileHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(device->fileHandle);
    }
    std::free(device);
    return nullptr;
}

}  // namespace

uint32_t FindDevicePath(uint32_t memberIndex, const UsbGuid* usbGuid, char path[kDevicePathSize]) {
    if (usbGuid == nullptr || path == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const GUID guid = ToGuid(usbGuid);
    HDEVINFO list = SetupDiGetClassDevsA(&guid, nullptr, nullptr, kPresentInterfaces);
    if (list == INVALID_HANDLE_VALUE) {
        HDEVINFO known = SetupDiGetClassDevsA(&guid, nullptr, nullptr, kAllInterfaces);
        if (known == INVALID_HANDLE_VALUE) {
            return ERROR_DEV_NOT_EXIST;
        }
        SetupDiDestroyDeviceInfoList(known);
        return ERROR_DEVICE_NOT_CONNECTED;
    }

    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    if (!SetupDiEnumDeviceInterfaces(list, nullptr, &guid, memberIndex, &interfaceData)) {
        SetupDiDestroyDeviceInfoList(list);
        return ERROR_DEVICE_NOT_CONNECTED;
    }

    // Size query: it fails by design (no buffer) and only reports the size.
    DWORD required = 0;
    SetupDiGetDeviceInterfaceDetailA(list, &interfaceData, nullptr, 0, &required, nullptr);
    // A reported size below the record's fixed part would let the query write
    // past the block; the block is never smaller than that part.
    DWORD blockSize = required;
    if (blockSize < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        blockSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    }
    auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(std::calloc(1, blockSize));
    if (detail == nullptr) {
        SetupDiDestroyDeviceInfoList(list);
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    if (!SetupDiGetDeviceInterfaceDetailA(list, &interfaceData, detail, blockSize, nullptr,
                                          nullptr)) {
        const DWORD error = platform::GetLastErrorCode();
        SetupDiDestroyDeviceInfoList(list);
        std::free(detail);
        return error;
    }

    // The path ends at its terminator or, failing one, at the block's end.
    const size_t room = blockSize - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
    const size_t length = strnlen(detail->DevicePath, room);
    uint32_t result = ERROR_SUCCESS;
    size_t copied = length;
    if (length > kDevicePathSize - 1) {
        copied = kDevicePathSize - 1;
        result = ERROR_INSUFFICIENT_BUFFER;
    }
    std::memcpy(path, detail->DevicePath, copied);
    path[copied] = '\0';
    SetupDiDestroyDeviceInfoList(list);
    std::free(detail);
    return result;
}

HANDLE OpenDevicePath(uint32_t memberIndex, const UsbGuid* guid) {
    char path[kDevicePathSize];
    const uint32_t code = FindDevicePath(memberIndex, guid, path);
    if (code != ERROR_SUCCESS) {
        platform::SetLastErrorCode(code);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED,
                       nullptr);
}

UsbDevice* OpenUsbDevice(const UsbGuid* guid, uint32_t memberIndex) {
    if (guid == nullptr) {
        platform::SetLastErrorCode(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto* device = static_cast<UsbDevice*>(std::calloc(1, sizeof(UsbDevice)));
    if (device == nullptr) {
        platform::SetLastErrorCode(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }

    device->fileHandle = OpenDevicePath(memberIndex, guid);
    if (device->fileHandle == INVALID_HANDLE_VALUE) {
        return AbandonOpen(device);
    }
    WINUSB_INTERFACE_HANDLE winUsb = nullptr;
    if (!WinUsb_Initialize(device->fileHandle, &winUsb)) {
        return AbandonOpen(device);
    }
    device->winUsbHandle = winUsb;

    UCHAR speed = 0;
    ULONG speedLength = sizeof speed;
    if (!WinUsb_QueryDeviceInformation(winUsb, kDeviceSpeedQuery, &speedLength, &speed)) {
        return AbandonOpen(device);
    }
    device->speed = speed;

    USB_INTERFACE_DESCRIPTOR interfaceDescriptor{};
    if (!WinUsb_QueryInterfaceSettings(winUsb, kDefaultAlternateSetting, &interfaceDescriptor)) {
        return AbandonOpen(device);
    }
    // The instrument has one bulk pipe each way; anything that is not bulk
    // means this is not the interface the module can drive.
    for (UCHAR index = 0; index < interfaceDescriptor.bNumEndpoints; ++index) {
        WINUSB_PIPE_INFORMATION pipe{};
        if (!WinUsb_QueryPipe(winUsb, kDefaultAlternateSetting, index, &pipe)) {
            return AbandonOpen(device);
        }
        if (pipe.PipeType != UsbdPipeTypeBulk) {
            platform::SetLastErrorCode(ERROR_NOT_SAME_DEVICE);
            return AbandonOpen(device);
        }
        if ((pipe.PipeId & kDirectionIn) != 0) {
            device->inPipeId = pipe.PipeId;
        } else {
            device->outPipeId = pipe.PipeId;
        }
    }

    // WinUSB's default is to wait for ever for a pipe the device does not
    // serve; a write to an instrument that NAKs its OUT pipe would hang the
    // caller in every command, Disconnect and the exit hook included.
    if (device->outPipeId != 0) {
        ULONG writeTimeoutMs = kUsbWriteTimeoutMs;
        if (!WinUsb_SetPipePolicy(winUsb, device->outPipeId, PIPE_TRANSFER_TIMEOUT,
                                  sizeof writeTimeoutMs, &writeTimeoutMs)) {
            return AbandonOpen(device);
        }
    }

    // Without its completion event the device could not read at all.
    device->readEvent = platform::CreateEventObject(true, false);
    if (device->readEvent == nullptr) {
        return AbandonOpen(device);
    }
    return device;
}

bool CloseUsbDevice(UsbDevice* device) {
    if (device == nullptr) {
        return false;
    }
    const bool freed = WinUsb_Free(device->winUsbHandle) != FALSE;
    const bool closed = CloseHandle(device->fileHandle) != FALSE;
    platform::CloseObject(device->readEvent);
    std::free(device);
    return freed && closed;
}

bool UsbGetDescriptor(UsbDevice* device, uint8_t descriptorType, uint8_t index,
                      uint16_t languageId, uint8_t* buffer, uint32_t bufferLength,
                      uint32_t* lengthTransferred) {
    if (device == nullptr) {
        platform::SetLastErrorCode(ERROR_INVALID_PARAMETER);
        return false;
    }
    ULONG transferred = 0;
    const BOOL done = WinUsb_GetDescriptor(device->winUsbHandle, descriptorType, index, languageId,
                                           buffer, bufferLength, &transferred);
    if (lengthTransferred != nullptr) {
        *lengthTransferred = transferred;
    }
    return done != FALSE;
}

bool UsbBulkWrite(UsbDevice* device, const uint8_t* data, uint32_t length,
                  uint32_t* bytesWritten) {
    if (device == nullptr || data == nullptr || bytesWritten == nullptr || length == 0) {
        return false;
    }
    // WinUSB takes a non-const buffer for writes as for reads; it only reads it.
    ULONG written = 0;
    const BOOL done = WinUsb_WritePipe(device->winUsbHandle, device->outPipeId,
                                       const_cast<PUCHAR>(data), length, &written, nullptr);
    *bytesWritten = written;
    if (done) {
        return true;
    }
    // WinUSB ends a transfer whose pipe time-out elapsed with ERROR_SEM_TIMEOUT;
    // the contract reports a time-out as 258 on every backend.
    if (platform::GetLastErrorCode() == ERROR_SEM_TIMEOUT) {
        platform::SetLastErrorCode(kUsbWaitTimeout);
    }
    return false;
}

uint32_t UsbBulkRead(UsbDevice* device, uint8_t* buffer, uint32_t length, uint32_t* bytesRead,
                     uint32_t timeoutMs, platform::Handle cancelEvent) {
    if (device == nullptr || buffer == nullptr || bytesRead == nullptr || length == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = device->readEvent;

    // A read that fails at once leaves the count as WinUSB left it.
    ULONG transferred = *bytesRead;
    if (WinUsb_ReadPipe(device->winUsbHandle, device->inPipeId, buffer, length, &transferred,
                        &overlapped)) {
        *bytesRead = transferred;
        return ERROR_SUCCESS;
    }
    const DWORD started = platform::GetLastErrorCode();
    if (started != ERROR_IO_PENDING) {
        *bytesRead = transferred;
        return started;
    }

    // Pending: until the transfer ends nothing has arrived, so a cancel or a
    // time-out reports 0 bytes and never a count left from an earlier read.
    *bytesRead = 0;
    platform::Handle events[2] = {device->readEvent, cancelEvent};
    const uint32_t waited =
        platform::WaitForAnyObject(cancelEvent != nullptr ? 2 : 1, events, timeoutMs);
    if (waited == platform::kWaitSignaled) {
        DWORD done = 0;
        const BOOL finished = GetOverlappedResult(device->fileHandle, &overlapped, &done, FALSE);
        *bytesRead = done;
        return finished ? ERROR_SUCCESS : platform::GetLastErrorCode();
    }

    // Cancelled, timed out or the wait failed: abort the transfer, then wait
    // until it has really ended. Only then are the overlapped record on this
    // stack, the caller's buffer and the read event free for the next read;
    // a transfer still running would write into them after the return.
    WinUsb_AbortPipe(device->winUsbHandle, device->inPipeId);
    DWORD done = 0;
    if (GetOverlappedResult(device->fileHandle, &overlapped, &done, TRUE)) {
        // The transfer completed before the abort reached it: its bytes have
        // left the device and exist nowhere else, so they are the result.
        *bytesRead = done;
        return ERROR_SUCCESS;
    }
    const DWORD ended = platform::GetLastErrorCode();
    if (ended != ERROR_OPERATION_ABORTED) {
        // It failed on its own meanwhile (the device went away): report that.
        *bytesRead = done;
        return ended;
    }
    return waited == platform::kWaitSignaled + 1 ? ERROR_SUCCESS : waited;
}
