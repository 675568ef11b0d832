#include "libusb/libusb_test_support.h"

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "usb/libusb/libusb_discovery.h"

namespace libusbtest {
namespace {

char watchdogRoot[4096];

void OnWatchdog(int) {
    static const char kMessage[] = "\nlibusb test watchdog: the test hung; ending the run\n";
    ssize_t ignored = write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    (void)ignored;
    // Best effort in a dying process; the next run also clears stale folders.
    if (watchdogRoot[0] != '\0') mockusb::RemoveTree(watchdogRoot);
    _exit(3);
}

}  // namespace

void ArmWatchdog(unsigned seconds, const std::string& testbedRoot) {
    std::strncpy(watchdogRoot, testbedRoot.c_str(), sizeof watchdogRoot - 1);
    signal(SIGALRM, OnWatchdog);
    alarm(seconds);
}

void DisarmWatchdog() {
    alarm(0);
    watchdogRoot[0] = '\0';
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void LibusbTest::SetUp() {
    unsetenv("VARNELO_USB_IDS");
    usb = std::make_unique<mockusb::MockUsb>();
    ArmWatchdog(30, usb->RootDir());
    ASSERT_TRUE(usb->InMockEnvironment());
}

void LibusbTest::TearDown() {
    // The transport's kept context watches this testbed's bus.
    usb_libusb::EndDiscovery();
    usb.reset();
    DisarmWatchdog();
}

}  // namespace libusbtest

int main(int argc, char** argv) {
    // TMPDIR is this program's own folder (set by the test registration):
    // whatever a killed earlier run left there is stale.
    mockusb::RemoveStaleTestbeds(std::getenv("TMPDIR"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
