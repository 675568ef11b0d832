// Shared by the libusb test programs: a per-test watchdog (a transport that
// waits for a wake-up that never comes hangs instead of failing) and the
// fixture that owns the umockdev testbed.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "libusb/mock_usb.h"

namespace libusbtest {

// Ends the process with a message (and removes the testbed folder) when a
// test runs longer than seconds.
void ArmWatchdog(unsigned seconds, const std::string& testbedRoot);
void DisarmWatchdog();

// Process CPU time (user + system, all threads) in seconds.
double ProcessCpuSeconds();

class LibusbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::unique_ptr<mockusb::MockUsb> usb;
};

}  // namespace libusbtest
