// Drives the module through mexFunction on the standalone host, as MATLAB
// code would, against the simulated instrument bus.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "connection/control_data.h"
#include "host/standalone/standalone_host.h"
#include "sim/sim_bus.h"

namespace fixture {

using standalone::Call;
using standalone::CallResult;
using standalone::Double;
using standalone::String;

// The message the module raises for the call, or "" when it succeeded.
std::string ErrorOf(int nlhs, std::vector<mxArray*> inputs);

// Makes sure no connection is left (Disconnect if connected, then the exit
// hook), and resets the bus to one default instrument.
void ResetModule();

// A test whose module starts disconnected with a fresh simulated bus, and
// that never leaves a connection behind.
class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Connect to the default instrument; asserts success. Clears the printed text.
    void Connect();
    ControlData* Connection() const { return currentConnection; }
    sim::SimInstrument* Instrument() const { return sim::SimBusOpenedInstrument(0); }
    // The frames written since the last call to TakeFrames (or Connect).
    std::vector<std::vector<uint8_t>> TakeFrames();
};

}  // namespace fixture
