// The USB transport over libusb-1.0 (Linux): the contract of usb/usb_device.h
// with the same results, codes, cancellation and time-out behaviour as the
// WinUSB transport, so nothing above usb/ can tell them apart.
//
// Finding the instrument
//   Windows finds the instrument's interface by its device-interface class
//   GUID, which the device announces in its Microsoft OS descriptors. Here
//   each device (bus, then address order; hubs skipped) is opened and asked
//   for its Microsoft OS 2.0 descriptor set (BOS platform capability, then
//   the vendor request), failing that for its Microsoft OS 1.0 extended
//   properties (string 0xEE, then the vendor request per interface); an
//   interface whose DeviceInterfaceGUID(s) property names the GUID is a
//   member. Devices whose vendor:product pair is listed in VARNELO_USB_IDS
//   ("1234:5678,abcd:ef01") are members without asking them (their first
//   interface): on Windows their GUID comes from a driver file. Member
//   indices count the members in that order. A device that cannot be opened
//   for lack of permission cannot tell its GUID and is passed over.
//
// Waiting without polling
//   Each opened device has its own libusb context and one event thread that
//   sits in libusb_handle_events (blocked in poll) for the device's life.
//   A bulk read is an asynchronous transfer whose callback sets the
//   auto-reset event readDone; the reading thread waits with the platform
//   layer for any of {readDone, cancelEvent} with its time-out. On a cancel
//   or a time-out it cancels the transfer and waits for the callback, so the
//   buffer is never written after the read returned. Closing sets a stop
//   flag and wakes the event thread with libusb_interrupt_event_handler.
//   Writes and descriptor reads use libusb's synchronous calls, which share
//   event handling with the event thread through libusb's own event lock.
//
// Looking before opening
//   Making and ending a context starts and stops libusb's hotplug monitor
//   thread and enumerates every device: about 0.4 ms of CPU time. While an
//   instrument is away the recovery looks for it four times a second, so
//   every open first looks through one context kept between opens, whose
//   device list libusb keeps current from hotplug events: a look at a bus
//   without the instrument costs microseconds and starts no thread. Only a
//   member found there is opened the full way, in a context of its own.
//   The kept context has no event thread; its monitor thread sleeps in
//   poll. It ends with EndDiscovery (libusb_discovery.h) or when the module
//   is unloaded.
//
// Error mapping (libusb -> Windows system error code)
//   libusb result                        code  where / why
//   ------------------------------------ ----- ----------------------------------
//   LIBUSB_SUCCESS, TRANSFER_COMPLETED       0
//   ERROR_ACCESS (no permission)             5  open/claim: Connect tries the next index
//   ERROR_BUSY (claimed elsewhere)           5  as above
//   ERROR_NO_MEM                             8
//   endpoint type other than bulk           17  open
//   ERROR_NO_DEVICE, TRANSFER_NO_DEVICE     31  transfers: device gone, the receive thread ends
//   ERROR_IO, TRANSFER_ERROR                31  transfers: the device is not functioning
//   ERROR_PIPE, TRANSFER_STALL              31  a stalled pipe (WinUSB reports the same)
//   ERROR_OTHER                             31
//   ERROR_NOT_SUPPORTED                     50
//   ERROR_INVALID_PARAM, missing argument   87
//   ERROR_OVERFLOW, TRANSFER_OVERFLOW      234  never 31: the receive thread goes on
//   ERROR_TIMEOUT, TRANSFER_TIMED_OUT      258  also a read whose time-out elapsed
//   ERROR_INTERRUPTED, stray cancellation  995
//   ERROR_NO_DEVICE, ERROR_NOT_FOUND      1167  open: no device/interface at that index,
//                                               or no usbfs at all (libusb_init failed)
//   a failed platform wait          0xFFFFFFFF  read: the transfer was aborted
//   55 (class unknown) and 122 (path too long) have no Linux counterpart and
//   are never produced.
#include <libusb.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>

#include "usb/libusb/libusb_discovery.h"
#include "usb/libusb/ms_os_descriptors.h"
#include "usb/usb_device.h"

namespace {

constexpr uint32_t kErrorNotSupported = 50;       // ERROR_NOT_SUPPORTED
constexpr uint32_t kErrorOperationAborted = 995;  // ERROR_OPERATION_ABORTED

// Control requests during discovery and descriptor reads. WinUSB's control
// pipe waits 5 s by default. Bulk writes give up after kUsbWriteTimeoutMs
// (usb_device.h), as the WinUSB backend's OUT pipe policy makes them do.
constexpr unsigned kDiscoveryTimeoutMs = 1000;
constexpr unsigned kDescriptorTimeoutMs = 5000;

// The device speed byte as WinUSB's DEVICE_SPEED query reports it.
constexpr uint8_t kLowSpeed = 1;
constexpr uint8_t kFullSpeed = 2;
constexpr uint8_t kHighSpeed = 3;

constexpr uint8_t kPlatformCapability = 5;  // BOS device capability type

}  // namespace

struct UsbDevice {
    libusb_context* context = nullptr;
    libusb_device_handle* handle = nullptr;
    int interfaceNumber = -1;  // the claimed interface; -1 until claimed
    uint8_t speed = 0;
    uint8_t inPipeId = 0;
    uint8_t outPipeId = 0;
    libusb_transfer* readTransfer = nullptr;  // reused by every read
    platform::Handle readDone = nullptr;      // auto-reset: the read transfer's callback ran
    platform::Handle eventThread = nullptr;
    std::atomic<bool> stopEvents{false};
};

namespace {

using namespace usb_libusb;

enum class Phase { Open, Transfer };

// See the table at the top of the file.
uint32_t MapLibusbError(int error, Phase phase) {
    switch (error) {
        case LIBUSB_SUCCESS: return kUsbSuccess;
        case LIBUSB_ERROR_ACCESS:
        case LIBUSB_ERROR_BUSY: return kUsbAccessDenied;
        case LIBUSB_ERROR_NO_MEM: return kUsbNotEnoughMemory;
        case LIBUSB_ERROR_INVALID_PARAM: return kUsbInvalidParameter;
        case LIBUSB_ERROR_OVERFLOW: return kUsbMoreData;
        case LIBUSB_ERROR_TIMEOUT: return kUsbWaitTimeout;
        case LIBUSB_ERROR_INTERRUPTED: return kErrorOperationAborted;
        case LIBUSB_ERROR_NOT_SUPPORTED: return kErrorNotSupported;
        case LIBUSB_ERROR_NOT_FOUND: return kUsbDeviceNotConnected;
        case LIBUSB_ERROR_NO_DEVICE:
            return phase == Phase::Open ? kUsbDeviceNotConnected : kUsbGenFailure;
        default: return kUsbGenFailure;  // IO, PIPE, OTHER
    }
}

uint32_t MapTransferStatus(libusb_transfer_status status) {
    switch (status) {
        case LIBUSB_TRANSFER_COMPLETED: return kUsbSuccess;
        case LIBUSB_TRANSFER_TIMED_OUT: return kUsbWaitTimeout;
        case LIBUSB_TRANSFER_OVERFLOW: return kUsbMoreData;
        case LIBUSB_TRANSFER_CANCELLED: return kErrorOperationAborted;
        default: return kUsbGenFailure;  // ERROR, STALL, NO_DEVICE
    }
}

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// ---- Discovery ----

// Interface numbers of the active configuration, in descriptor order.
std::vector<uint8_t> InterfaceNumbers(libusb_device* device) {
    std::vector<uint8_t> numbers;
    libusb_config_descriptor* config = nullptr;
    if (libusb_get_active_config_descriptor(device, &config) != 0) return numbers;
    for (uint8_t i = 0; i < config->bNumInterfaces; ++i) {
        if (config->interface[i].num_altsetting > 0)
            numbers.push_back(config->interface[i].altsetting[0].bInterfaceNumber);
    }
    libusb_free_config_descriptor(config);
    return numbers;
}

// The Microsoft OS 2.0 descriptor set's matches. False when the device has
// no readable set, so that the caller falls back to Microsoft OS 1.0.
bool MatchMsOs20(libusb_device_handle* handle, const UsbGuid& guid, uint8_t firstInterface,
                 std::vector<uint8_t>* interfaces) {
    libusb_bos_descriptor* bos = nullptr;
    if (libusb_get_bos_descriptor(handle, &bos) != 0) return false;
    MsOs20SetInfo info{};
    bool found = false;
    for (uint8_t i = 0; i < bos->bNumDeviceCaps && !found; ++i) {
        const libusb_bos_dev_capability_descriptor* cap = bos->dev_capability[i];
        if (cap->bDevCapabilityType == kPlatformCapability && cap->bLength > 3)
            found = ParseMsOs20PlatformCapability(cap->dev_capability_data, cap->bLength - 3u, &info);
    }
    libusb_free_bos_descriptor(bos);
    if (!found) return false;
    std::vector<uint8_t> set(info.totalLength);
    int r = libusb_control_transfer(
        handle, LIBUSB_ENDPOINT_IN | LIBUSB_REQUEST_TYPE_VENDOR | LIBUSB_RECIPIENT_DEVICE,
        info.vendorCode, 0, kMsOs20DescriptorIndex, set.data(), info.totalLength, kDiscoveryTimeoutMs);
    if (r < 10) return false;
    *interfaces = MatchMsOs20DescriptorSet(set.data(), static_cast<size_t>(r), guid, firstInterface);
    return true;
}

std::vector<uint8_t> MatchMsOs10(libusb_device_handle* handle, const UsbGuid& guid,
                                 const std::vector<uint8_t>& interfaceNumbers) {
    std::vector<uint8_t> interfaces;
    uint8_t osString[18] = {};
    int r = libusb_get_string_descriptor(handle, kMsOs10StringIndex, 0, osString, sizeof osString);
    uint8_t vendorCode = 0;
    if (r < 18 || !ParseMsOs10String(osString, static_cast<size_t>(r), &vendorCode)) return interfaces;
    const uint8_t requestType = LIBUSB_ENDPOINT_IN | LIBUSB_REQUEST_TYPE_VENDOR | LIBUSB_RECIPIENT_INTERFACE;
    for (uint8_t number : interfaceNumbers) {
        // wValue: interface number in the high byte, page 0 in the low byte.
        const uint16_t value = static_cast<uint16_t>(number << 8);
        uint8_t header[10] = {};
        r = libusb_control_transfer(handle, requestType, vendorCode, value,
                                    kMsOs10ExtendedPropertiesIndex, header, sizeof header,
                                    kDiscoveryTimeoutMs);
        if (r < 10) continue;
        uint32_t total = std::min<uint32_t>(Le32(header), 0xFFFF);
        if (total < 10) continue;
        std::vector<uint8_t> descriptor(total);
        r = libusb_control_transfer(handle, requestType, vendorCode, value,
                                    kMsOs10ExtendedPropertiesIndex, descriptor.data(),
                                    static_cast<uint16_t>(total), kDiscoveryTimeoutMs);
        if (r >= 10 && MatchMsOs10ExtendedProperties(descriptor.data(), static_cast<size_t>(r), guid))
            interfaces.push_back(number);
    }
    return interfaces;
}

bool ListedInEnvironment(const libusb_device_descriptor& descriptor) {
    for (const VendorProduct& id : ParseVendorProductList(std::getenv("VARNELO_USB_IDS"))) {
        if (id.vendorId == descriptor.idVendor && id.productId == descriptor.idProduct) return true;
    }
    return false;
}

// The memberIndex-th matching interface: its device opened into *handle and
// its number in *interfaceNumber. Returns a code; on failure *handle is null.
uint32_t FindMember(libusb_context* context, const UsbGuid& guid, uint32_t memberIndex,
                    libusb_device_handle** handle, int* interfaceNumber) {
    *handle = nullptr;
    libusb_device** list = nullptr;
    ssize_t count = libusb_get_device_list(context, &list);
    if (count < 0) return MapLibusbError(static_cast<int>(count), Phase::Open);
    std::vector<libusb_device*> devices(list, list + count);
    std::sort(devices.begin(), devices.end(), [](libusb_device* a, libusb_device* b) {
        uint8_t busA = libusb_get_bus_number(a), busB = libusb_get_bus_number(b);
        if (busA != busB) return busA < busB;
        return libusb_get_device_address(a) < libusb_get_device_address(b);
    });

    uint32_t code = kUsbDeviceNotConnected;
    uint32_t members = 0;
    for (libusb_device* device : devices) {
        libusb_device_descriptor descriptor;
        if (libusb_get_device_descriptor(device, &descriptor) != 0 ||
            descriptor.bDeviceClass == LIBUSB_CLASS_HUB)
            continue;
        std::vector<uint8_t> numbers = InterfaceNumbers(device);
        const uint8_t firstInterface = numbers.empty() ? 0 : numbers[0];
        libusb_device_handle* opened = nullptr;
        std::vector<uint8_t> matches;
        if (ListedInEnvironment(descriptor)) {
            matches.push_back(firstInterface);
        } else {
            if (libusb_open(device, &opened) != 0) continue;
            if (descriptor.bcdUSB < 0x0201 || !MatchMsOs20(opened, guid, firstInterface, &matches))
                matches = MatchMsOs10(opened, guid, numbers);
        }
        if (memberIndex - members < matches.size()) {
            *interfaceNumber = matches[memberIndex - members];
            int r = opened != nullptr ? 0 : libusb_open(device, &opened);
            if (r == 0) {
                *handle = opened;
                code = kUsbSuccess;
            } else {
                code = MapLibusbError(r, Phase::Open);
            }
            break;
        }
        members += static_cast<uint32_t>(matches.size());
        if (opened != nullptr) libusb_close(opened);
    }
    libusb_free_device_list(list, 1);
    return code;
}

// The context kept between opens for looking (see the top of the file).
struct Discovery {
    std::mutex mutex;
    libusb_context* context = nullptr;
    void End() {
        if (context != nullptr) libusb_exit(context);
        context = nullptr;
    }
    ~Discovery() { End(); }
};

Discovery& TheDiscovery() {
    static Discovery discovery;
    return discovery;
}

// Whether the memberIndex-th member is on the bus: 0 when it is, else the
// code its open would fail with. The member's device is opened only for its
// descriptors. Without a kept context (libusb_init failed) it answers 0, and
// the open looks the full way.
uint32_t LookForMember(const UsbGuid& guid, uint32_t memberIndex) {
    Discovery& discovery = TheDiscovery();
    std::lock_guard<std::mutex> lock(discovery.mutex);
    if (discovery.context == nullptr && libusb_init(&discovery.context) != 0) {
        discovery.context = nullptr;
        return kUsbSuccess;
    }
    libusb_device_handle* handle = nullptr;
    int interfaceNumber = 0;
    const uint32_t code = FindMember(discovery.context, guid, memberIndex, &handle, &interfaceNumber);
    if (handle != nullptr) libusb_close(handle);
    return code;
}

// The bulk pipes of the interface's alternate setting 0.
uint32_t FindPipes(UsbDevice* device) {
    libusb_config_descriptor* config = nullptr;
    int r = libusb_get_active_config_descriptor(libusb_get_device(device->handle), &config);
    if (r != 0) return MapLibusbError(r, Phase::Open);
    uint32_t code = kUsbDeviceNotConnected;
    for (uint8_t i = 0; i < config->bNumInterfaces; ++i) {
        const libusb_interface& iface = config->interface[i];
        if (iface.num_altsetting < 1 || iface.altsetting[0].bInterfaceNumber != device->interfaceNumber)
            continue;
        code = kUsbSuccess;
        const libusb_interface_descriptor& setting = iface.altsetting[0];
        for (uint8_t e = 0; e < setting.bNumEndpoints; ++e) {
            const libusb_endpoint_descriptor& endpoint = setting.endpoint[e];
            if ((endpoint.bmAttributes & LIBUSB_TRANSFER_TYPE_MASK) != LIBUSB_TRANSFER_TYPE_BULK) {
                code = kUsbNotSameDevice;
                break;
            }
            // Where the interface has several pipes of one direction, the last one wins.
            if (endpoint.bEndpointAddress & LIBUSB_ENDPOINT_IN)
                device->inPipeId = endpoint.bEndpointAddress;
            else
                device->outPipeId = endpoint.bEndpointAddress;
        }
        break;
    }
    libusb_free_config_descriptor(config);
    return code;
}

uint8_t SpeedByte(libusb_device_handle* handle) {
    switch (libusb_get_device_speed(libusb_get_device(handle))) {
        case LIBUSB_SPEED_LOW: return kLowSpeed;
        case LIBUSB_SPEED_FULL: return kFullSpeed;
        case LIBUSB_SPEED_UNKNOWN: return 0;
        default: return kHighSpeed;
    }
}

// ---- Event handling ----

uint32_t EventThread(void* argument) {
    auto* device = static_cast<UsbDevice*>(argument);
    while (!device->stopEvents.load(std::memory_order_acquire)) {
        int r = libusb_handle_events(device->context);
        // A broken poll would return at once, again and again: never spin.
        if (r != 0 && r != LIBUSB_ERROR_INTERRUPTED) platform::SleepMs(10);
    }
    return 0;
}

void StopEventThread(UsbDevice* device) {
    if (device->eventThread == nullptr) return;
    device->stopEvents.store(true, std::memory_order_release);
    libusb_interrupt_event_handler(device->context);
    platform::WaitForObject(device->eventThread, platform::kInfinite);
    platform::CloseObject(device->eventThread);
    device->eventThread = nullptr;
}

void LIBUSB_CALL ReadCallback(libusb_transfer* transfer) {
    platform::SetEventObject(static_cast<UsbDevice*>(transfer->user_data)->readDone);
}

// Releases everything an open acquired, in reverse order.
bool ReleaseDevice(UsbDevice* device) {
    bool clean = true;
    StopEventThread(device);
    if (device->interfaceNumber >= 0 && device->handle != nullptr &&
        libusb_release_interface(device->handle, device->interfaceNumber) != 0)
        clean = false;
    if (device->readTransfer != nullptr) libusb_free_transfer(device->readTransfer);
    if (device->handle != nullptr) libusb_close(device->handle);
    if (device->context != nullptr) libusb_exit(device->context);
    if (device->readDone != nullptr) platform::CloseObject(device->readDone);
    delete device;
    return clean;
}

uint32_t OpenInto(UsbDevice* device, const UsbGuid& guid, uint32_t memberIndex) {
    int r = libusb_init(&device->context);
    if (r != 0) {
        device->context = nullptr;
        return r == LIBUSB_ERROR_NO_MEM ? kUsbNotEnoughMemory : kUsbDeviceNotConnected;
    }
    int interfaceNumber = 0;
    uint32_t code = FindMember(device->context, guid, memberIndex, &device->handle, &interfaceNumber);
    if (code != kUsbSuccess) return code;
    r = libusb_claim_interface(device->handle, interfaceNumber);
    if (r != 0) return MapLibusbError(r, Phase::Open);
    device->interfaceNumber = interfaceNumber;
    code = FindPipes(device);
    if (code != kUsbSuccess) return code;
    device->speed = SpeedByte(device->handle);
    device->readTransfer = libusb_alloc_transfer(0);
    device->readDone = platform::CreateEventObject(false, false);
    if (device->readTransfer == nullptr || device->readDone == nullptr) return kUsbNotEnoughMemory;
    device->eventThread = platform::StartThread(EventThread, device);
    if (device->eventThread == nullptr) return kUsbNotEnoughMemory;
    return kUsbSuccess;
}

// Cancels the pending read and waits for its callback: until then libusb
// may still write into the caller's buffer.
void AbortRead(UsbDevice* device) {
    libusb_cancel_transfer(device->readTransfer);
    while (platform::WaitForObject(device->readDone, 1000) != platform::kWaitSignaled) {
        // The cancel did not take (it raced with a disconnect): ask again.
        libusb_cancel_transfer(device->readTransfer);
    }
}

}  // namespace

UsbDevice* OpenUsbDevice(const UsbGuid* guid, uint32_t memberIndex) {
    if (guid == nullptr) {
        platform::SetLastErrorCode(kUsbInvalidParameter);
        return nullptr;
    }
    uint32_t code = LookForMember(*guid, memberIndex);
    if (code != kUsbSuccess) {
        platform::SetLastErrorCode(code);
        return nullptr;
    }
    auto* device = new (std::nothrow) UsbDevice;
    if (device == nullptr) {
        platform::SetLastErrorCode(kUsbNotEnoughMemory);
        return nullptr;
    }
    code = OpenInto(device, *guid, memberIndex);
    if (code != kUsbSuccess) {
        ReleaseDevice(device);
        platform::SetLastErrorCode(code);
        return nullptr;
    }
    return device;
}

void usb_libusb::EndDiscovery() {
    Discovery& discovery = TheDiscovery();
    std::lock_guard<std::mutex> lock(discovery.mutex);
    discovery.End();
}

bool CloseUsbDevice(UsbDevice* device) {
    if (device == nullptr) return false;
    return ReleaseDevice(device);
}

bool UsbGetDescriptor(UsbDevice* device, uint8_t descriptorType, uint8_t index, uint16_t languageId,
                      uint8_t* buffer, uint32_t bufferLength, uint32_t* lengthTransferred) {
    if (device == nullptr) {
        platform::SetLastErrorCode(platform::kErrorInvalidHandle);
        return false;
    }
    if (buffer == nullptr || lengthTransferred == nullptr) {
        platform::SetLastErrorCode(kUsbInvalidParameter);
        return false;
    }
    const uint16_t length = static_cast<uint16_t>(std::min<uint32_t>(bufferLength, 0xFFFF));
    int r = libusb_control_transfer(
        device->handle, LIBUSB_ENDPOINT_IN | LIBUSB_REQUEST_TYPE_STANDARD | LIBUSB_RECIPIENT_DEVICE,
        LIBUSB_REQUEST_GET_DESCRIPTOR, static_cast<uint16_t>(descriptorType << 8 | index), languageId,
        buffer, length, kDescriptorTimeoutMs);
    if (r < 0) {
        *lengthTransferred = 0;
        platform::SetLastErrorCode(MapLibusbError(r, Phase::Transfer));
        return false;
    }
    *lengthTransferred = static_cast<uint32_t>(r);
    return true;
}

bool UsbBulkWrite(UsbDevice* device, const uint8_t* data, uint32_t length, uint32_t* bytesWritten) {
    if (device == nullptr || data == nullptr || bytesWritten == nullptr || length == 0) return false;
    if (device->outPipeId == 0 || length > INT_MAX) {
        platform::SetLastErrorCode(kUsbInvalidParameter);
        return false;
    }
    int transferred = 0;
    // libusb takes a non-const buffer for both directions; an OUT transfer only reads it.
    int r = libusb_bulk_transfer(device->handle, device->outPipeId, const_cast<uint8_t*>(data),
                                 static_cast<int>(length), &transferred, kUsbWriteTimeoutMs);
    *bytesWritten = static_cast<uint32_t>(transferred);
    if (r != 0) {
        platform::SetLastErrorCode(MapLibusbError(r, Phase::Transfer));
        return false;
    }
    return true;
}

uint32_t UsbBulkRead(UsbDevice* device, uint8_t* buffer, uint32_t length, uint32_t* bytesRead,
                     uint32_t timeoutMs, platform::Handle cancelEvent) {
    if (device == nullptr || buffer == nullptr || bytesRead == nullptr || length == 0)
        return kUsbInvalidParameter;
    if (device->inPipeId == 0 || length > INT_MAX) return kUsbInvalidParameter;
    *bytesRead = 0;
    libusb_transfer* transfer = device->readTransfer;
    libusb_fill_bulk_transfer(transfer, device->handle, device->inPipeId, buffer,
                              static_cast<int>(length), ReadCallback, device, 0);
    int r = libusb_submit_transfer(transfer);
    if (r != 0) return MapLibusbError(r, Phase::Transfer);

    const platform::Handle objects[2] = {device->readDone, cancelEvent};
    const uint32_t wait = platform::WaitForAnyObject(cancelEvent != nullptr ? 2 : 1, objects, timeoutMs);
    if (wait == platform::kWaitSignaled) {
        *bytesRead = static_cast<uint32_t>(transfer->actual_length);
        return MapTransferStatus(transfer->status);
    }

    AbortRead(device);
    if (transfer->status == LIBUSB_TRANSFER_COMPLETED) {
        // The transfer ended before the cancel reached it: its data are whole.
        *bytesRead = static_cast<uint32_t>(transfer->actual_length);
        return kUsbSuccess;
    }
    if (transfer->status != LIBUSB_TRANSFER_CANCELLED) {
        // It failed on its own (the device went away meanwhile): report that.
        *bytesRead = static_cast<uint32_t>(transfer->actual_length);
        return MapTransferStatus(transfer->status);
    }
    if (wait == platform::kWaitSignaled + 1) return kUsbSuccess;  // cancelEvent
    if (wait == platform::kWaitTimeout) return kUsbWaitTimeout;
    return kUsbWaitFailed;
}
