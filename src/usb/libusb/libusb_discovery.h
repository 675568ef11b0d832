// The libusb transport looks for the instrument through one libusb context
// that it keeps between opens (libusb_device.cpp says why). That context
// lasts until the module is unloaded, or until this call.
#pragma once

namespace usb_libusb {

// Ends the kept context; the next open makes a new one from the bus as it
// is then. For a host whose whole bus goes away at once: the test bench
// ends it before it tears down its simulated devices.
void EndDiscovery();

}  // namespace usb_libusb
