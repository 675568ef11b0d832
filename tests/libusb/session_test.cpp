// The whole module over the libusb transport: mexFunction on the standalone
// host, libusb underneath, and the simulated instrument behind umockdev's
// ioctl handler.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "libusb/libusb_test_support.h"
#include "link/protocol.h"
#include "sim/sim_instrument.h"
#include "support/measured_lines.h"

namespace {

using mockusb::DeviceConfig;
using mockusb::MockDevice;
using standalone::Call;
using standalone::Double;
using standalone::String;

std::string ErrorOf(int nlhs, std::vector<mxArray*> inputs) {
    try {
        Call(nlhs, std::move(inputs));
    } catch (const standalone::HostError& e) {
        return e.message;
    }
    return "";
}

// Calls a command that must succeed; a raised error fails the test with the
// message and what the module printed.
standalone::CallResult CallOk(int nlhs, std::vector<mxArray*> inputs) {
    const std::string command = standalone::GetString(inputs.at(0));
    try {
        return Call(nlhs, std::move(inputs));
    } catch (const standalone::HostError& e) {
        ADD_FAILURE() << command << " raised: " << e.message << "printed: " << standalone::TakePrinted();
        throw;
    }
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Calls the module until what it printed holds part (the threads' messages
// come out at the host's next call), within a generous bound.
bool PrintedEventually(std::string* printed, const std::string& part) {
    for (int i = 0; i < 300 && !Contains(*printed, part); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ErrorOf(1, {String("GetRecordingStatus")});
        *printed += standalone::TakePrinted();
    }
    return Contains(*printed, part);
}

class SessionTest : public libusbtest::LibusbTest {
protected:
    void SetUp() override {
        LibusbTest::SetUp();
        standalone::TakePrinted();
    }
    void TearDown() override {
        // The module's libusb context must end before the testbed does.
        if (currentConnection != nullptr) ErrorOf(0, {String("Disconnect")});
        standalone::RunAtExit();
        EXPECT_EQ(currentConnection, nullptr);
        EXPECT_EQ(standalone::LockCount(), 0);
        LibusbTest::TearDown();
    }
    // The simulated instrument behind a umockdev device (the harness owns it).
    MockDevice* AddInstrument(const sim::SimSettings& settings = {}) {
        DeviceConfig c;
        c.serialNumber = settings.serialNumber;
        c.instrument = sim::SimCreateInstrument(settings);
        instrument = c.instrument;
        return usb->AddDevice(c);
    }
    sim::SimInstrument* instrument = nullptr;
};

TEST_F(SessionTest, FullSessionOnTheSecondInstrumentWhenTheFirstIsHeld) {
    DeviceConfig held;
    held.serialNumber = "HELD-0000";
    held.claimBusy = true;
    usb->AddDevice(held);
    AddInstrument();

    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    std::string printed = standalone::TakePrinted();
    EXPECT_TRUE(Contains(printed, std::string(77, '#') + "\n")) << printed;
    EXPECT_TRUE(Contains(printed, "\n\tVarnelo device USB connection initialized...\n\tDevice[1] S/N:VN2024-0001\n"))
        << printed;
    EXPECT_TRUE(Contains(printed, "\tVarnelo VN-15 impedance analyser, firmware 2.4.1\n\n")) << printed;

    standalone::CallResult info = CallOk(1, {String("GetDevInfo")});
    EXPECT_TRUE(Contains(standalone::GetString(info[0]), "Device[1] S/N:VN2024-0001"));

    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    // GetData's time-outs under load are no lost lines (support/measured_lines.h).
    std::string taking;
    const std::vector<uint32_t> c = measured::TakeCycleCounts(1000, {1000}, &taking);
    ASSERT_EQ(c.size(), 1000u);
    for (size_t i = 1; i < 1000; ++i) ASSERT_EQ(c[i], c[i - 1] + 1) << "line " << i;
    EXPECT_EQ(taking, "");
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");

    // Both retune the pending read to their reply's length.
    standalone::CallResult conf = CallOk(1, {String("GetConfData")});
    EXPECT_EQ(standalone::FieldNames(conf[0]).size(), 4u);
    std::vector<double> frequencies;
    for (int k = 1; k <= 15; ++k) frequencies.push_back(1000.0 * k);
    standalone::CallResult shunt =
        CallOk(1, {String("GetShuntData"), standalone::DoubleMatrix(1, 15, frequencies)});
    EXPECT_EQ(mxGetNumberOfElements(shunt[0]), 15u);

    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    printed = standalone::TakePrinted();
    EXPECT_TRUE(Contains(printed, "\tVarnelo device USB connection closed...\n")) << printed;
    EXPECT_FALSE(Contains(printed, "Error")) << printed;
}

TEST_F(SessionTest, NoInstrumentPrintsTheConnectionErrorWith1167) {
    DeviceConfig other;
    other.guid = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    usb->AddDevice(other);
    EXPECT_EQ(ErrorOf(0, {String("Connect")}), "\tDevice USB Connection Error.\n");
    EXPECT_TRUE(Contains(standalone::TakePrinted(),
                         "\tConnection Error DEC[1167] - The device is not connected.\n"));
    EXPECT_EQ(currentConnection, nullptr);
}

TEST_F(SessionTest, UnplugDuringMeasurementEndsTheReceiveThreadAndDisconnectCompletes) {
    MockDevice* device = AddInstrument();
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    CallOk(1, {String("GetData"), Double(20)});
    standalone::TakePrinted();

    usb->Unplug(device);
    ASSERT_NE(currentConnection, nullptr);
    EXPECT_EQ(platform::WaitForObject(currentConnection->rxThread, 5000), platform::kWaitSignaled);

    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    const std::string printed = standalone::TakePrinted();
    EXPECT_TRUE(Contains(printed, "\tUSB Read Error [31] - A device attached to the system is not functioning."))
        << printed;
    EXPECT_TRUE(Contains(printed, "\tSend 'Disconnect' Command.\n")) << printed;
    EXPECT_TRUE(Contains(printed, "\tVarnelo device USB connection closed...\n")) << printed;
}

TEST_F(SessionTest, IdleConnectionCostsNoCpu) {
    AddInstrument();
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    const double before = libusbtest::ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const double cpu = libusbtest::ProcessCpuSeconds() - before;
    // The receive thread's read is pending the whole time; a polling wait
    // anywhere (transport, libusb, platform) would cost a large share of a core.
    EXPECT_LT(cpu, 0.2);
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
}

// Removed while measuring, then added back as a new device node with
// another devnum and a freshly powered instrument: the recovery finds it
// through libusb's hotplug events, puts its divider and measurement back,
// and the lines flow again. While it is away nothing spins.
TEST_F(SessionTest, RemovedInstrumentAddedBackAsANewNodeIsTakenBackAndMeasuresAgain) {
    MockDevice* device = AddInstrument();
    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("Reconnect"), String("On")}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(2)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::string printed;
    ASSERT_EQ(measured::TakeCycleCounts(20, {20}, &printed).size(), 20u);

    usb->Unplug(device);
    ASSERT_TRUE(PrintedEventually(&printed, "\tInstrument lost [31] - ")) << printed;
    const double before = libusbtest::ProcessCpuSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_LT(libusbtest::ProcessCpuSeconds() - before, 0.2);

    AddInstrument();
    ASSERT_TRUE(PrintedEventually(&printed, "\tInstrument back, Device[0] S/N:VN2024-0001. Restored: "
                                            "SetSamplingDivider(2); Start.\n"))
        << printed;
    // What the ring kept from before the outage, then the fresh
    // instrument's lines from its first cycle on, each stretch unbroken.
    const std::vector<uint32_t> after = measured::TakeCycleCounts(40, {20}, &printed);
    ASSERT_EQ(after.size(), 40u);
    size_t restarts = 0;
    for (size_t i = 1; i < after.size(); ++i) restarts += after[i] != after[i - 1] + 1;
    EXPECT_LE(restarts, 1u);
    const sim::SimStats stats = sim::SimGetStats(instrument);
    EXPECT_EQ(stats.dividerValue, 2);
    EXPECT_EQ(stats.mode, 1u);
}

}  // namespace
