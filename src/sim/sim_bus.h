// The simulated USB bus: which simulated instruments are "plugged in", in
// member-index order. The sim backend of usb/usb_device.h opens them.
#pragma once

#include <cstdint>
#include <vector>

#include "sim/sim_instrument.h"
#include "usb/usb_device.h"

namespace sim {

// Replaces the instruments on the bus. An empty list: the class is known but
// nothing is present (1167). Each opened interface gets a fresh instrument
// built from its settings.
void SimBusSetInstruments(const std::vector<SimSettings>& instruments);
// The class is unknown to the system altogether (OpenUsbDevice gives 55).
void SimBusSetClassUnknown(bool unknown);
// Back to one default instrument.
void SimBusReset();
// The instrument behind an opened device (null if none is open at index).
SimInstrument* SimBusOpenedInstrument(uint32_t memberIndex);
// The frames written to the interface closed last, up to its close (the
// instrument itself is gone with the close).
std::vector<std::vector<uint8_t>> SimBusLastClosedFrames();
// Reads waiting for a transfer on the open interface at memberIndex (0 or 1),
// so that a test can act while the receive thread's read is pending.
uint32_t SimBusPendingReads(uint32_t memberIndex);
// The open interface's next read completes only when it is cancelled, and
// then with the transfer ready at that moment, as a transfer that completed
// just before its abort reached it.
void SimBusHoldNextReadUntilCancel(uint32_t memberIndex);
// Pulls the instrument at entry (its place in the list set up) off the bus:
// its open interface fails every transfer with code (31, or another result
// of a device gone, such as 1167), and the instruments after it move down
// one member index until it is plugged back.
void SimBusPull(uint32_t entry, uint32_t code = kUsbGenFailure);
// Plugs it back: the next open of it builds a fresh, powered-up instrument.
void SimBusReplug(uint32_t entry);
// The statistics and skipped lines of the instrument pulled last, as they
// were when it left the bus (it delivers nothing after): the module destroys
// it when it closes the interface.
SimStats SimBusLastPulledStats();
std::vector<SimSkippedLines> SimBusLastPulledSkipped();
// Number of interfaces currently open.
uint32_t SimBusOpenCount();

// Reads the bus set-up from the environment, for the simulated Octave build:
// VARNELO_SIM_DEVICES=n instruments, VARNELO_SIM_HELD=comma list of held
// indices, VARNELO_SIM_SILENT=comma list of opcodes not answered,
// VARNELO_SIM_NO_SERIAL=1, VARNELO_SIM_NONE=1 (nothing plugged in),
// VARNELO_SIM_LINE_RATE=n (lines per second under Start, for load tests),
// VARNELO_SIM_OUTAGES=start+length,... (ms from now: every instrument is off
// the bus for length ms from start ms on) with VARNELO_SIM_OUTAGE_CODE=code
// (the result its transfers then report, 31 when not set).
void SimBusConfigureFromEnvironment();

}  // namespace sim
