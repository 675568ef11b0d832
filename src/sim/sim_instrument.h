// The simulated Varnelo instrument: the device's side of the frame protocol,
// independent of any transport. The simulated bus (sim_bus.cpp) puts it
// behind the USB contract of usb/usb_device.h; the libusb tests put it behind
// umockdev's ioctl handler. Both drive it through the functions below.
//
// The instrument answers frames written to its OUT pipe and produces IN
// transfers: replies, each one transfer of its own length, and while
// measuring, data lines grouped in transfers of linesPerRead lines (derived
// from the divider as the module derives it). A paced producer thread inside
// the instrument makes the lines; nothing here blocks the caller except
// SimWaitInTransfer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim {

struct SimInstrument;

// How a simulated instrument behaves; tests set what their scenario needs.
struct SimSettings {
    std::string serialNumber = "VN2024-0001";  // string descriptor 3
    bool hasSerialNumber = true;               // false: descriptor 3 fails
    bool heldByOtherProgram = false;           // opening gives access denied (5)
    std::string infoText = "Varnelo VN-15 impedance analyser, firmware 2.4.1";
    // EEPROM image (8064 bytes); empty: a valid calibration image is built.
    std::vector<uint8_t> eeprom;
    std::vector<uint16_t> silentOpcodes;  // opcodes the instrument does not answer
    uint32_t replyDelayMs = 0;            // delay before each reply transfer
    uint32_t triggerEdgesPerSecond = 20;  // external trigger rate
    bool streamUnpaced = false;           // lines as fast as they are taken (benchmarks)
    uint32_t linesPerSecond = 0;          // under Start: this rate instead of 1000/divider (0: divider)
    uint32_t shortReadEvery = 0;          // every n-th transfer delivered short (0: never)
    bool garbageBetweenFrames = false;    // junk bytes and unaligned frames in replies
    int32_t failAfterReads = -1;          // reads until the device fails with 31 (-1: never)
    uint32_t ignoreCancelMs = 0;          // a cancelled read ends only after this long
    bool failWrites = false;              // every OUT transfer fails
    uint32_t writeErrorCode = 31;         // the code a failed write reports
};

// The built-in calibration image: 21 log-spaced points of a 1 kOhm shunt with
// a small parallel capacitance, CRC-16/XMODEM at L-1, 0xFF fill after it.
std::vector<uint8_t> BuildDefaultEeprom();
// CRC-16/XMODEM (poly 0x1021, init 0, no reflection, no final XOR).
uint16_t Crc16Xmodem(const uint8_t* data, size_t length);

SimInstrument* SimCreateInstrument(const SimSettings& settings);
void SimDestroyInstrument(SimInstrument* instrument);
const SimSettings& SimGetSettings(const SimInstrument* instrument);
// Changes settings.replyDelayMs of a running instrument: a reply that comes
// late for the command that asked for it.
void SimSetReplyDelay(SimInstrument* instrument, uint32_t delayMs);
// Changes settings.ignoreCancelMs of a running instrument: from now on a
// cancelled read ends only after this long.
void SimSetCancelDelay(SimInstrument* instrument, uint32_t delayMs);
// settings.ignoreCancelMs as it is now, read under the instrument's lock:
// SimSetCancelDelay may change it while a read is being cancelled.
uint32_t SimCancelDelay(const SimInstrument* instrument);

// The host wrote one OUT transfer (one or more frames). False when the
// instrument refuses the write (settings.failWrites).
bool SimHandleOutTransfer(SimInstrument* instrument, const uint8_t* data, size_t length);

// Takes up to maxLength bytes of the next IN transfer without blocking. A
// transfer longer than maxLength is delivered in parts. Returns false when no
// transfer is ready. *deviceFailed is set when the device has failed (31).
bool SimTakeInTransfer(SimInstrument* instrument, uint8_t* buffer, uint32_t maxLength,
                       uint32_t* length, bool* deviceFailed);

// Blocks until an IN transfer is ready, the device failed, or timeoutMs ran
// out. Returns true when something is ready to take.
bool SimWaitInTransfer(SimInstrument* instrument, uint32_t timeoutMs);

// Called from the instrument's own thread each time an IN transfer becomes
// ready (for transports that cannot block, such as an ioctl handler).
void SimSetInReadyCallback(SimInstrument* instrument, void (*callback)(void* context),
                           void* context);

// Unplugs the instrument: pending and later reads fail with 31.
void SimUnplug(SimInstrument* instrument);

// What the instrument has seen, for tests.
struct SimStats {
    uint32_t framesReceived;
    uint32_t eepromReadRequests;
    uint32_t linesSent;       // made: sent, queued, or lost to a full FIFO
    // Lines that crossed the bus: in transfers the host's reads took whole.
    // A line still queued when the instrument is pulled never crossed it.
    uint32_t linesDelivered;
    uint32_t lastCycleDelivered;  // the cycle count of the last of them
    uint16_t lastOpcode;
    uint32_t mode;            // 0 idle, 1 measuring, 2 external trigger
    uint16_t dividerValue;
    uint8_t gpioState;
};
SimStats SimGetStats(const SimInstrument* instrument);
// Lines the instrument made but never sent (its FIFO was full, or it fell
// far behind its pace): their cycle counts are missing from the stream
// without the host having lost anything.
struct SimSkippedLines {
    uint32_t firstCycle;
    uint32_t count;
};
std::vector<SimSkippedLines> SimSkipped(const SimInstrument* instrument);
// Every OUT transfer received so far, in order.
std::vector<std::vector<uint8_t>> SimWrittenFrames(const SimInstrument* instrument);
void SimClearWrittenFrames(SimInstrument* instrument);

}  // namespace sim
