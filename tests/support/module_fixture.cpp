#include "support/module_fixture.h"

#include "connection/lifecycle.h"
#include "sim/sim_bus.h"

namespace fixture {

std::string ErrorOf(int nlhs, std::vector<mxArray*> inputs) {
    try {
        standalone::Call(nlhs, std::move(inputs));
    } catch (const standalone::HostError& e) {
        return e.message;
    }
    return "";
}

void ResetModule() {
    if (currentConnection) {
        try {
            standalone::Call(0, {String("Disconnect")});
        } catch (const standalone::HostError&) {
        }
    }
    standalone::RunAtExit();
    while (standalone::LockCount() > 0) mexUnlock();
    standalone::TakePrinted();
    sim::SimBusReset();
}

void ModuleTest::SetUp() { ResetModule(); }

void ModuleTest::TearDown() {
    ResetModule();
    EXPECT_EQ(currentConnection, nullptr);
}

void ModuleTest::Connect() {
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    ASSERT_NE(currentConnection, nullptr);
    standalone::TakePrinted();
    TakeFrames();
}

std::vector<std::vector<uint8_t>> ModuleTest::TakeFrames() {
    sim::SimInstrument* instrument =
        currentConnection ? sim::SimBusOpenedInstrument(currentConnection->deviceIndex) : nullptr;
    if (!instrument) return {};
    auto frames = sim::SimWrittenFrames(instrument);
    sim::SimClearWrittenFrames(instrument);
    return frames;
}

}  // namespace fixture
