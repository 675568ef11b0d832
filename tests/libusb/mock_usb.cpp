#include "libusb/mock_usb.h"

#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <gtest/gtest.h>
#include <linux/ioctl.h>
#include <linux/usbdevice_fs.h>
#include <sys/stat.h>
#include <umockdev.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

#include "sim/sim_instrument.h"

namespace mockusb {
namespace {

// ---- Descriptors ----

void Put16(std::vector<uint8_t>& v, uint16_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, static_cast<uint16_t>(x));
    Put16(v, static_cast<uint16_t>(x >> 16));
}
void PutUtf16(std::vector<uint8_t>& v, const std::string& text, bool terminate) {
    for (char c : text) Put16(v, static_cast<uint8_t>(c));
    if (terminate) Put16(v, 0);
}

std::string GuidText(const UsbGuid& g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.data1,
                  g.data2, g.data3, g.data4[0], g.data4[1], g.data4[2], g.data4[3], g.data4[4],
                  g.data4[5], g.data4[6], g.data4[7]);
    return text;
}

constexpr uint8_t kMsOs20VendorCode = 0x20;
constexpr uint8_t kMsOs10VendorCode = 0x21;

std::vector<uint8_t> DeviceAndConfigDescriptors(const DeviceConfig& c) {
    std::vector<uint8_t> d = {18, 1};
    Put16(d, 0x0210);                   // bcdUSB 2.1: has a BOS descriptor
    d.insert(d.end(), {0, 0, 0, 64});  // vendor-specific at interface level, EP0 64 bytes
    Put16(d, c.vendorId);
    Put16(d, c.productId);
    Put16(d, 0x0100);
    d.insert(d.end(), {1, 2, 3, 1});  // strings 1-3, one configuration

    std::vector<uint8_t> endpoints;
    auto endpoint = [&endpoints](uint8_t address, uint8_t type, uint16_t size, uint8_t interval) {
        endpoints.insert(endpoints.end(), {7, 5, address, type});
        Put16(endpoints, size);
        endpoints.push_back(interval);
    };
    if (c.endpoints != Endpoints::NoEndpoints) {
        endpoint(0x81, 2, 512, 0);
        endpoint(0x01, 2, 512, 0);
        if (c.endpoints == Endpoints::BulkAndInterrupt) endpoint(0x82, 3, 64, 1);
    }
    const uint8_t endpointCount = static_cast<uint8_t>(endpoints.size() / 7);
    std::vector<uint8_t> config = {9, 2};
    Put16(config, static_cast<uint16_t>(9 + 9 + endpoints.size()));
    config.insert(config.end(), {1, 1, 0, 0x80, 50});
    config.insert(config.end(), {9, 4, 0, 0, endpointCount, 0xFF, 0, 0, 0});
    config.insert(config.end(), endpoints.begin(), endpoints.end());
    d.insert(d.end(), config.begin(), config.end());
    return d;
}

std::vector<uint8_t> GuidPropertyValue(const UsbGuid& guid) {
    std::vector<uint8_t> v;
    PutUtf16(v, GuidText(guid), true);
    Put16(v, 0);  // REG_MULTI_SZ: the list ends with an empty string
    return v;
}

std::vector<uint8_t> MsOs20Set(const UsbGuid& guid) {
    std::vector<uint8_t> compatible = {20, 0, 3, 0, 'W', 'I', 'N', 'U', 'S', 'B', 0, 0};
    compatible.resize(20, 0);
    std::vector<uint8_t> name;
    PutUtf16(name, "DeviceInterfaceGUIDs", true);
    std::vector<uint8_t> value = GuidPropertyValue(guid);
    std::vector<uint8_t> property;
    Put16(property, static_cast<uint16_t>(10 + name.size() + value.size()));
    Put16(property, 4);  // registry property
    Put16(property, 7);  // REG_MULTI_SZ
    Put16(property, static_cast<uint16_t>(name.size()));
    property.insert(property.end(), name.begin(), name.end());
    Put16(property, static_cast<uint16_t>(value.size()));
    property.insert(property.end(), value.begin(), value.end());

    std::vector<uint8_t> set = {10, 0, 0, 0};
    Put32(set, 0x06030000);
    Put16(set, static_cast<uint16_t>(10 + compatible.size() + property.size()));
    set.insert(set.end(), compatible.begin(), compatible.end());
    set.insert(set.end(), property.begin(), property.end());
    return set;
}

std::vector<uint8_t> Bos(uint16_t setLength) {
    static const uint8_t kUuid[16] = {0xDF, 0x60, 0xDD, 0xD8, 0x89, 0x45, 0xC7, 0x4C,
                                      0x9C, 0xD2, 0x65, 0x9D, 0x9E, 0x64, 0x8A, 0x9F};
    std::vector<uint8_t> platform = {28, 0x10, 5, 0};
    platform.insert(platform.end(), kUuid, kUuid + 16);
    Put32(platform, 0x06030000);
    Put16(platform, setLength);
    platform.insert(platform.end(), {kMsOs20VendorCode, 0});
    std::vector<uint8_t> bos = {5, 0x0F};
    Put16(bos, static_cast<uint16_t>(5 + platform.size()));
    bos.push_back(1);
    bos.insert(bos.end(), platform.begin(), platform.end());
    return bos;
}

std::vector<uint8_t> MsOs10Properties(const UsbGuid& guid) {
    std::vector<uint8_t> name;
    PutUtf16(name, "DeviceInterfaceGUIDs", true);
    std::vector<uint8_t> value = GuidPropertyValue(guid);
    std::vector<uint8_t> section;
    Put32(section, static_cast<uint32_t>(14 + name.size() + value.size()));
    Put32(section, 7);
    Put16(section, static_cast<uint16_t>(name.size()));
    section.insert(section.end(), name.begin(), name.end());
    Put32(section, static_cast<uint32_t>(value.size()));
    section.insert(section.end(), value.begin(), value.end());
    std::vector<uint8_t> d;
    Put32(d, static_cast<uint32_t>(10 + section.size()));
    Put16(d, 0x0100);
    Put16(d, 5);
    Put16(d, 1);
    d.insert(d.end(), section.begin(), section.end());
    return d;
}

std::vector<uint8_t> StringDescriptor(const std::string& text) {
    std::vector<uint8_t> d = {static_cast<uint8_t>(2 + 2 * text.size()), 3};
    PutUtf16(d, text, false);
    return d;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string s;
    char h[3];
    for (uint8_t b : bytes) {
        std::snprintf(h, sizeof h, "%02x", b);
        s += h;
    }
    return s;
}

struct Urb {
    UMockdevIoctlData* urb;     // our copy of the client's usbdevfs_urb
    UMockdevIoctlData* buffer;  // our copy of its buffer (null for length 0)
    usbdevfs_urb* Fields() const { return reinterpret_cast<usbdevfs_urb*>(urb->data); }
};

void ReleaseUrb(Urb& u) {
    if (u.buffer != nullptr) umockdev_ioctl_data_unref(u.buffer);
    umockdev_ioctl_data_unref(u.urb);
}

}  // namespace

struct MockDevice {
    DeviceConfig config;
    std::string devnode;
    std::string syspath;
    UMockdevIoctlBase* handler = nullptr;
    std::vector<uint8_t> msOs20Set;
    std::vector<uint8_t> bos;
    std::vector<uint8_t> msOs10Properties;

    std::mutex mutex;  // everything below; the ioctl handler runs on umockdev's thread
    int wakeFifo = -1;
    bool fifoHoldsByte = false;
    std::deque<Urb> pendingIn;
    std::deque<Urb> reapable;
    std::deque<std::vector<uint8_t>> queuedIn;
    std::vector<std::vector<uint8_t>> written;
    bool gone = false;
    uint64_t reaps = 0;
    uint64_t discards = 0;
};

namespace {

// The node is writable (URBs to reap) exactly when the FIFO is empty.
void UpdateWakeLocked(MockDevice* d) {
    const bool reapable = !d->reapable.empty();
    if (reapable && d->fifoHoldsByte) {
        char byte;
        if (read(d->wakeFifo, &byte, 1) == 1) d->fifoHoldsByte = false;
    } else if (!reapable && !d->fifoHoldsByte) {
        if (write(d->wakeFifo, "w", 1) == 1) d->fifoHoldsByte = true;
    }
}

void CompleteLocked(MockDevice* d, Urb u, int status, uint32_t actualLength) {
    u.Fields()->status = status;
    u.Fields()->actual_length = static_cast<int>(actualLength);
    d->reapable.push_back(u);
    UpdateWakeLocked(d);
}

void FillInLocked(MockDevice* d) {
    while (!d->pendingIn.empty() && !d->gone) {
        Urb u = d->pendingIn.front();
        const uint32_t room = static_cast<uint32_t>(u.Fields()->buffer_length);
        if (d->config.instrument != nullptr) {
            uint32_t length = 0;
            bool failed = false;
            if (sim::SimTakeInTransfer(d->config.instrument, u.buffer->data, room, &length, &failed)) {
                d->pendingIn.pop_front();
                CompleteLocked(d, u, 0, length);
            } else if (failed) {
                d->pendingIn.pop_front();
                CompleteLocked(d, u, -EPROTO, 0);
            } else {
                break;
            }
        } else {
            if (d->queuedIn.empty()) break;
            std::vector<uint8_t> bytes = std::move(d->queuedIn.front());
            d->queuedIn.pop_front();
            const uint32_t n = std::min<uint32_t>(room, static_cast<uint32_t>(bytes.size()));
            std::memcpy(u.buffer->data, bytes.data(), n);
            d->pendingIn.pop_front();
            CompleteLocked(d, u, 0, n);
        }
    }
}

void OnInstrumentReady(void* context) {
    auto* d = static_cast<MockDevice*>(context);
    std::lock_guard<std::mutex> lock(d->mutex);
    FillInLocked(d);
}

// Answers a control request; false stalls it.
bool ControlReply(MockDevice* d, const uint8_t* setup, std::vector<uint8_t>* reply) {
    const uint8_t requestType = setup[0];
    const uint8_t request = setup[1];
    const uint16_t value = static_cast<uint16_t>(setup[2] | setup[3] << 8);
    const uint16_t index = static_cast<uint16_t>(setup[4] | setup[5] << 8);
    const DeviceConfig& c = d->config;
    if (requestType == 0x80 && request == 6) {  // GET_DESCRIPTOR
        const uint8_t type = static_cast<uint8_t>(value >> 8);
        const uint8_t number = static_cast<uint8_t>(value);
        if (type == 0x0F && !d->bos.empty()) {
            *reply = d->bos;
            return true;
        }
        if (type != 3) return false;
        if (number == 0) {
            *reply = {4, 3, 0x09, 0x04};
            return true;
        }
        if (number == 0xEE && index == 0 && c.identity == Identity::MsOs10) {
            *reply = StringDescriptor("MSFT100");
            reply->push_back(kMsOs10VendorCode);
            reply->push_back(0);
            (*reply)[0] = 18;
            return true;
        }
        if (index != 0x0409) return false;
        if (number == 1) *reply = StringDescriptor("Varnelo");
        else if (number == 2) *reply = StringDescriptor("Varnelo VN-15");
        else if (number == 3 && !c.serialNumber.empty()) *reply = StringDescriptor(c.serialNumber);
        else return false;
        return true;
    }
    if (requestType == 0xC0 && request == kMsOs20VendorCode && index == 7 && !d->msOs20Set.empty()) {
        *reply = d->msOs20Set;
        return true;
    }
    if (requestType == 0xC1 && request == kMsOs10VendorCode && index == 5 && value == 0 &&
        !d->msOs10Properties.empty()) {
        *reply = d->msOs10Properties;
        return true;
    }
    return false;
}

void SubmitLocked(MockDevice* d, UMockdevIoctlClient* client, UMockdevIoctlData* arg) {
    UMockdevIoctlData* urbData = umockdev_ioctl_data_resolve(arg, 0, sizeof(usbdevfs_urb), nullptr);
    auto* urb = reinterpret_cast<usbdevfs_urb*>(urbData->data);
    UMockdevIoctlData* buffer = nullptr;
    if (urb->buffer_length > 0) {
        buffer = umockdev_ioctl_data_resolve(urbData, offsetof(usbdevfs_urb, buffer),
                                             static_cast<gsize>(urb->buffer_length), nullptr);
    }
    Urb u{urbData, buffer};
    if (urb->type == USBDEVFS_URB_TYPE_CONTROL && buffer != nullptr && urb->buffer_length >= 8) {
        std::vector<uint8_t> reply;
        if (ControlReply(d, buffer->data, &reply)) {
            const uint32_t wLength = static_cast<uint32_t>(buffer->data[6] | buffer->data[7] << 8);
            const uint32_t n = std::min<uint32_t>(
                {wLength, static_cast<uint32_t>(reply.size()), static_cast<uint32_t>(urb->buffer_length - 8)});
            std::memcpy(buffer->data + 8, reply.data(), n);
            CompleteLocked(d, u, 0, n);
        } else {
            CompleteLocked(d, u, -EPIPE, 0);
        }
    } else if (urb->type == USBDEVFS_URB_TYPE_BULK && urb->endpoint == 0x01) {
        std::vector<uint8_t> bytes;
        if (buffer != nullptr) bytes.assign(buffer->data, buffer->data + urb->buffer_length);
        d->written.push_back(bytes);
        bool accepted = true;
        if (d->config.instrument != nullptr)
            accepted = sim::SimHandleOutTransfer(d->config.instrument, bytes.data(), bytes.size());
        CompleteLocked(d, u, accepted ? 0 : -EPROTO, accepted ? static_cast<uint32_t>(bytes.size()) : 0);
        FillInLocked(d);  // a reply may be ready at once
    } else if (urb->type == USBDEVFS_URB_TYPE_BULK && urb->endpoint == 0x81 && buffer != nullptr) {
        d->pendingIn.push_back(u);
        FillInLocked(d);
    } else {
        ReleaseUrb(u);
        umockdev_ioctl_client_complete(client, -1, EINVAL);
        return;
    }
    umockdev_ioctl_client_complete(client, 0, 0);
}

gboolean HandleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer userData) {
    auto* d = static_cast<MockDevice*>(userData);
    const gulong request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    std::lock_guard<std::mutex> lock(d->mutex);

    if (request == USBDEVFS_REAPURB || request == USBDEVFS_REAPURBNDELAY) {
        ++d->reaps;
        if (d->reapable.empty()) {
            umockdev_ioctl_client_complete(client, -1, d->gone ? ENODEV : EAGAIN);
            return TRUE;
        }
        Urb u = d->reapable.front();
        d->reapable.pop_front();
        UMockdevIoctlData* pointer = umockdev_ioctl_data_resolve(arg, 0, sizeof(void*), nullptr);
        umockdev_ioctl_data_set_ptr(pointer, 0, u.urb);
        umockdev_ioctl_client_complete(client, 0, 0);
        umockdev_ioctl_data_unref(pointer);
        ReleaseUrb(u);
        UpdateWakeLocked(d);
        return TRUE;
    }
    if (d->gone) {
        umockdev_ioctl_client_complete(client, -1, ENODEV);
        return TRUE;
    }
    switch (request) {
        case USBDEVFS_GET_CAPABILITIES: {
            UMockdevIoctlData* caps = umockdev_ioctl_data_resolve(arg, 0, sizeof(uint32_t), nullptr);
            const uint32_t value = USBDEVFS_CAP_BULK_CONTINUATION | USBDEVFS_CAP_NO_PACKET_SIZE_LIM |
                                   USBDEVFS_CAP_REAP_AFTER_DISCONNECT | USBDEVFS_CAP_ZERO_PACKET;
            std::memcpy(caps->data, &value, sizeof value);
            umockdev_ioctl_client_complete(client, 0, 0);
            umockdev_ioctl_data_unref(caps);
            return TRUE;
        }
        case USBDEVFS_CLAIMINTERFACE:
            if (d->config.claimBusy) {
                umockdev_ioctl_client_complete(client, -1, EBUSY);
            } else {
                umockdev_ioctl_client_complete(client, 0, 0);
            }
            return TRUE;
        case USBDEVFS_RELEASEINTERFACE:
        case USBDEVFS_CLEAR_HALT:
        case USBDEVFS_RESETEP:
        case USBDEVFS_RESET:
        case USBDEVFS_SETINTERFACE:
            umockdev_ioctl_client_complete(client, 0, 0);
            return TRUE;
        case USBDEVFS_SUBMITURB:
            SubmitLocked(d, client, arg);
            return TRUE;
        case USBDEVFS_DISCARDURB: {
            ++d->discards;
            const gulong address = reinterpret_cast<gulong>(*reinterpret_cast<void**>(arg->data));
            for (auto it = d->pendingIn.begin(); it != d->pendingIn.end(); ++it) {
                if (it->urb->client_addr == address) {
                    Urb u = *it;
                    d->pendingIn.erase(it);
                    CompleteLocked(d, u, -ENOENT, 0);
                    umockdev_ioctl_client_complete(client, 0, 0);
                    return TRUE;
                }
            }
            umockdev_ioctl_client_complete(client, -1, EINVAL);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    remove(path);
    return 0;
}

}  // namespace

struct MockUsb::Impl {
    UMockdevTestbed* testbed = nullptr;
    std::vector<std::unique_ptr<MockDevice>> devices;
    std::map<uint8_t, uint8_t> nextAddress;
};

MockUsb::MockUsb() : impl_(new Impl) {
    impl_->testbed = umockdev_testbed_new();
    gchar* root = umockdev_testbed_get_root_dir(impl_->testbed);
    rootDir_ = root;
    g_free(root);
    inMock_ = umockdev_in_mock_environment();
    EXPECT_TRUE(inMock_) << "run under umockdev-wrapper or LD_PRELOAD=libumockdev-preload.so.0";
}

MockUsb::~MockUsb() {
    for (auto& d : impl_->devices) {
        // Stops the instrument's producer thread, and with it the callbacks.
        if (d->config.instrument != nullptr) sim::SimDestroyInstrument(d->config.instrument);
        d->config.instrument = nullptr;
    }
    for (auto& d : impl_->devices) {
        for (Urb& u : d->pendingIn) ReleaseUrb(u);
        for (Urb& u : d->reapable) ReleaseUrb(u);
        if (d->wakeFifo >= 0) close(d->wakeFifo);
        g_object_unref(d->handler);
    }
    g_object_unref(impl_->testbed);
    // umockdev removes its folder when the testbed goes; make sure.
    if (!rootDir_.empty() && access(rootDir_.c_str(), F_OK) == 0) RemoveTree(rootDir_.c_str());
}

MockDevice* MockUsb::AddDevice(const DeviceConfig& config) {
    auto device = std::make_unique<MockDevice>();
    MockDevice* d = device.get();
    d->config = config;
    uint8_t& next = impl_->nextAddress.try_emplace(config.busNumber, 5).first->second;
    if (d->config.address == 0) d->config.address = next;
    next = static_cast<uint8_t>(std::max<int>(next, d->config.address) + 1);
    const DeviceConfig& c = d->config;
    char devnode[64];
    std::snprintf(devnode, sizeof devnode, "/dev/bus/usb/%03u/%03u", c.busNumber, c.address);
    d->devnode = devnode;
    char name[32];
    std::snprintf(name, sizeof name, "%u-%u", c.busNumber, c.address);
    const std::string devpath = std::string("/devices/pci0000:00/0000:00:14.0/usb") +
                                std::to_string(c.busNumber) + "/" + name;
    d->syspath = "/sys" + devpath;

    if (c.identity == Identity::MsOs20) {
        d->msOs20Set = MsOs20Set(c.guid);
        d->bos = Bos(static_cast<uint16_t>(d->msOs20Set.size()));
    } else if (c.identity == Identity::MsOs10) {
        d->msOs10Properties = MsOs10Properties(c.guid);
    }

    // The handler first, then the device: libusb may open it as soon as it appears.
    d->handler = umockdev_ioctl_base_new();
    g_signal_connect(d->handler, "handle-ioctl", G_CALLBACK(HandleIoctl), d);
    GError* error = nullptr;
    if (!umockdev_testbed_attach_ioctl(impl_->testbed, devnode, d->handler, &error)) {
        ADD_FAILURE() << "attach_ioctl: " << (error ? error->message : "?");
        g_clear_error(&error);
    }
    char busText[8], devText[8];
    std::snprintf(busText, sizeof busText, "%03u", c.busNumber);
    std::snprintf(devText, sizeof devText, "%03u", c.address);
    const std::string record = "P: " + devpath + "\nN: " + std::string(devnode).substr(5) +
                               "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nE: DRIVER=usb\n"
                               "E: BUSNUM=" + busText + "\nE: DEVNUM=" + devText +
                               "\nE: DEVNAME=" + devnode +
                               "\nA: busnum=" + std::to_string(c.busNumber) +
                               "\\n\nA: devnum=" + std::to_string(c.address) +
                               "\\n\nA: speed=480\\n\nA: bConfigurationValue=1\\n\n"
                               "H: descriptors=" + Hex(DeviceAndConfigDescriptors(c)) + "\n";
    if (!umockdev_testbed_add_from_string(impl_->testbed, record.c_str(), &error)) {
        ADD_FAILURE() << "add_from_string: " << (error ? error->message : "?");
        g_clear_error(&error);
    }

    // The wake-up FIFO in place of the plain file umockdev made.
    const std::string node = rootDir_ + devnode;
    unlink(node.c_str());
    if (mkfifo(node.c_str(), 0666) != 0) ADD_FAILURE() << "mkfifo " << node << ": " << strerror(errno);
    d->wakeFifo = open(node.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (d->wakeFifo < 0) ADD_FAILURE() << "open " << node << ": " << strerror(errno);
    fcntl(d->wakeFifo, F_SETPIPE_SZ, 4096);
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        UpdateWakeLocked(d);
    }
    if (c.instrument != nullptr) sim::SimSetInReadyCallback(c.instrument, OnInstrumentReady, d);
    impl_->devices.push_back(std::move(device));
    return d;
}

void MockUsb::Unplug(MockDevice* d) {
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->gone = true;
        while (!d->pendingIn.empty()) {
            Urb u = d->pendingIn.front();
            d->pendingIn.pop_front();
            CompleteLocked(d, u, -ESHUTDOWN, 0);
        }
    }
    if (d->config.instrument != nullptr) sim::SimUnplug(d->config.instrument);
    umockdev_testbed_uevent(impl_->testbed, d->syspath.c_str(), "remove");
    // As the kernel does: the device leaves sysfs and its node goes, so a
    // new enumeration no longer lists it. Open descriptors keep working
    // (and failing with ENODEV).
    umockdev_testbed_remove_device(impl_->testbed, d->syspath.c_str());
}

void MockUsb::QueueIn(MockDevice* d, const std::vector<uint8_t>& bytes) {
    std::lock_guard<std::mutex> lock(d->mutex);
    d->queuedIn.push_back(bytes);
    FillInLocked(d);
}

void MockUsb::FailPendingIn(MockDevice* d, int negativeErrno, uint32_t actualLength) {
    std::lock_guard<std::mutex> lock(d->mutex);
    if (d->pendingIn.empty()) {
        ADD_FAILURE() << "no IN URB pending";
        return;
    }
    Urb u = d->pendingIn.front();
    d->pendingIn.pop_front();
    const uint32_t n = std::min<uint32_t>(actualLength, static_cast<uint32_t>(u.Fields()->buffer_length));
    std::memset(u.buffer->data, 0, n);
    CompleteLocked(d, u, negativeErrno, n);
}

size_t MockUsb::PendingInCount(MockDevice* d) {
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->pendingIn.size();
}

std::vector<std::vector<uint8_t>> MockUsb::Written(MockDevice* d) {
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->written;
}

uint64_t MockUsb::ReapCount(MockDevice* d) {
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->reaps;
}

uint64_t MockUsb::DiscardCount(MockDevice* d) {
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->discards;
}

void RemoveTree(const char* path) { nftw(path, RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

void RemoveStaleTestbeds(const char* dir) {
    if (dir == nullptr) return;
    DIR* folder = opendir(dir);
    if (folder == nullptr) return;
    while (dirent* entry = readdir(folder)) {
        if (std::strncmp(entry->d_name, "umockdev.", 9) == 0) {
            const std::string path = std::string(dir) + "/" + entry->d_name;
            RemoveTree(path.c_str());
        }
    }
    closedir(folder);
}

}  // namespace mockusb
