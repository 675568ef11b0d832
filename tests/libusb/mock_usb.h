// Simulated USB devices behind umockdev, so that the real libusb code runs.
//
// umockdev's preload library fakes /sys and /dev; each device gets an ioctl
// handler that answers the usbfs ioctls libusb issues (control, bulk and
// discard URBs, reaping, claiming). A device is either scripted (the test
// queues IN data and reads what was written) or fronts a simulated
// instrument (sim/sim_instrument.h).
//
// umockdev makes the device node a plain file, which poll() always reports
// writable, so libusb would spin on REAPURBNDELAY. The node is replaced by
// a one-page FIFO that holds one byte (not writable) while nothing is
// reapable; the byte is read out when a URB completes and written back when
// the reap queue empties, so libusb sleeps in poll() like on real usbfs.
//
// Needs the preload library: run under umockdev-wrapper or with
// LD_PRELOAD=libumockdev-preload.so.0.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "usb/usb_device.h"

namespace sim {
struct SimInstrument;
}

namespace mockusb {

enum class Identity {
    MsOs20,  // BOS platform capability + descriptor set naming the GUID
    MsOs10,  // string 0xEE + extended properties naming the GUID
    None,    // neither (found only through VARNELO_USB_IDS)
};

enum class Endpoints {
    Bulk,                 // bulk IN 0x81, bulk OUT 0x01
    BulkAndInterrupt,     // plus an interrupt IN 0x82
    NoEndpoints,
};

struct DeviceConfig {
    uint8_t busNumber = 1;
    uint8_t address = 0;  // 0: the next free address on the bus, from 5 up
    uint16_t vendorId = 0x1209;
    uint16_t productId = 0x7A10;
    Identity identity = Identity::MsOs20;
    UsbGuid guid = kVarneloInterfaceGuid;  // the GUID the descriptors announce
    Endpoints endpoints = Endpoints::Bulk;
    bool claimBusy = false;        // CLAIMINTERFACE fails with EBUSY
    std::string serialNumber = "VN2024-0001";  // empty: string 3 stalls
    sim::SimInstrument* instrument = nullptr;  // bulk traffic goes to it when set
};

struct MockDevice;

class MockUsb {
public:
    // Creates the testbed. Fails the calling test when not run under the
    // preload library.
    MockUsb();
    // Destroys devices and the testbed and removes its folder. Every libusb
    // context must have been exited before.
    ~MockUsb();
    MockUsb(const MockUsb&) = delete;
    MockUsb& operator=(const MockUsb&) = delete;

    bool InMockEnvironment() const { return inMock_; }
    // Plugs a device in (umockdev sends its "add" uevent). Adding one again
    // after Unplug gives it a new node at the next free address, as a
    // replug does.
    MockDevice* AddDevice(const DeviceConfig& config);

    // Removes the device: pending IN URBs end with -ESHUTDOWN, later ioctls
    // fail with ENODEV, a "remove" uevent goes out, and it leaves /sys and
    // /dev.
    void Unplug(MockDevice* device);

    // Scripted devices: one IN transfer of these bytes (delivered to the
    // next pending or next submitted IN URB, cut to its length).
    void QueueIn(MockDevice* device, const std::vector<uint8_t>& bytes);
    // Ends the oldest pending IN URB with this negative errno (e.g. -EPIPE,
    // -EOVERFLOW) and actualLength bytes of zeros.
    void FailPendingIn(MockDevice* device, int negativeErrno, uint32_t actualLength = 0);
    // Number of IN URBs submitted and not yet completed.
    size_t PendingInCount(MockDevice* device);
    // Every OUT transfer received, in order.
    std::vector<std::vector<uint8_t>> Written(MockDevice* device);
    // Reap ioctls answered so far (a busy-polling libusb makes thousands).
    uint64_t ReapCount(MockDevice* device);
    uint64_t DiscardCount(MockDevice* device);

    const std::string& RootDir() const { return rootDir_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string rootDir_;
    bool inMock_ = false;
};

// Removes umockdev.XXXXXX folders that killed runs left in dir.
void RemoveStaleTestbeds(const char* dir);
// Removes a folder and everything in it.
void RemoveTree(const char* path);

}  // namespace mockusb
