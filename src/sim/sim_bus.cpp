// The USB contract of usb/usb_device.h over simulated instruments.
//
// The bus holds the settings of the instruments "plugged in", in member-index
// order. Opening an interface builds a fresh instrument from its settings and
// closing it destroys the instrument, so every connection starts from a
// powered-up device. An instrument can be pulled and plugged back: while
// pulled it is not on the bus (the member indices of those after it move
// down one), and its open interface fails every transfer with the code of a
// device gone; plugged back, it opens as a fresh instrument again. A read blocks on the device's manual-reset event, which
// the instrument's thread sets whenever a transfer is ready, and on the
// caller's cancel event.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "usb/usb_device.h"

struct UsbDevice {
    uint32_t memberIndex;  // the instrument's place in the bus's list (its entry)
    sim::SimInstrument* instrument;
    platform::Handle readEvent;  // manual-reset; set when a read could make progress
    std::atomic<uint32_t> pendingReads{0};  // reads waiting for a transfer (0 or 1)
    // The next read completes only when it is cancelled, with the transfer
    // that was ready then: one that completed just before its abort.
    std::atomic<bool> holdUntilCancel{false};
    // What a transfer on the failed device reports: 31, or the code of the
    // pull that took it off the bus.
    std::atomic<uint32_t> goneCode{kUsbGenFailure};
};

namespace sim {
namespace {

struct Bus {
    std::mutex mutex;
    std::vector<SimSettings> instruments{SimSettings()};
    std::vector<bool> pulled = std::vector<bool>(1, false);  // per entry of instruments
    // Outages of every instrument from VARNELO_SIM_OUTAGES, and the code
    // their transfers report.
    std::vector<std::pair<std::chrono::steady_clock::time_point, std::chrono::steady_clock::time_point>>
        outages;
    uint32_t outageCode = kUsbGenFailure;
    bool classUnknown = false;
    bool setExplicitly = false;  // a test chose the set-up: leave the environment alone
    bool environmentRead = false;
    std::map<uint32_t, UsbDevice*> open;  // by entry
    std::vector<std::vector<uint8_t>> lastClosedFrames;  // what the last closed interface received
    // What the instrument pulled last had done and skipped up to its pull:
    // it is gone once the module closes its interface.
    SimStats lastPulledStats{};
    std::vector<SimSkippedLines> lastPulledSkipped;
};

Bus& TheBus() {
    static Bus bus;
    return bus;
}

bool SameGuid(const UsbGuid& a, const UsbGuid& b) {
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
}

// Comma-separated numbers (decimal, or hexadecimal with 0x).
std::vector<unsigned long> ParseList(const char* text) {
    std::vector<unsigned long> values;
    const char* p = text;
    while (p != nullptr && *p != '\0') {
        char* end = nullptr;
        const unsigned long value = std::strtoul(p, &end, 0);
        if (end == p) {
            ++p;  // skip a separator or anything unparsable
            continue;
        }
        values.push_back(value);
        p = end;
    }
    return values;
}

bool EnvironmentFlag(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' && std::strcmp(value, "0") != 0;
}

// VARNELO_SIM_OUTAGES: "start+length" pairs in ms from now, comma-separated.
void OutagesFromEnvironment(Bus& bus) {
    bus.outages.clear();
    const char* text = std::getenv("VARNELO_SIM_OUTAGES");
    const auto now = std::chrono::steady_clock::now();
    const std::vector<unsigned long> n = ParseList(text);
    for (size_t i = 0; i + 1 < n.size(); i += 2) {
        const auto start = now + std::chrono::milliseconds(n[i]);
        bus.outages.emplace_back(start, start + std::chrono::milliseconds(n[i + 1]));
    }
    const std::vector<unsigned long> code = ParseList(std::getenv("VARNELO_SIM_OUTAGE_CODE"));
    bus.outageCode = code.empty() ? kUsbGenFailure : static_cast<uint32_t>(code[0]);
}

std::vector<SimSettings> SettingsFromEnvironment() {
    if (EnvironmentFlag("VARNELO_SIM_NONE")) return {};
    uint32_t count = 1;
    if (const char* devices = std::getenv("VARNELO_SIM_DEVICES")) {
        const std::vector<unsigned long> n = ParseList(devices);
        if (!n.empty()) count = static_cast<uint32_t>(n[0] > 16 ? 16 : n[0]);
    }
    std::vector<SimSettings> list(count);
    for (uint32_t i = 0; i < count; ++i) {
        char serial[32];
        std::snprintf(serial, sizeof serial, "VN2024-%04u", i + 1);
        list[i].serialNumber = serial;
        list[i].hasSerialNumber = !EnvironmentFlag("VARNELO_SIM_NO_SERIAL");
    }
    if (const char* held = std::getenv("VARNELO_SIM_HELD")) {
        for (unsigned long index : ParseList(held)) {
            if (index < count) list[index].heldByOtherProgram = true;
        }
    }
    if (const char* rate = std::getenv("VARNELO_SIM_LINE_RATE")) {
        const std::vector<unsigned long> n = ParseList(rate);
        if (!n.empty()) {
            for (SimSettings& s : list) s.linesPerSecond = static_cast<uint32_t>(n[0]);
        }
    }
    if (const char* silent = std::getenv("VARNELO_SIM_SILENT")) {
        for (unsigned long opcode : ParseList(silent)) {
            for (SimSettings& s : list) s.silentOpcodes.push_back(static_cast<uint16_t>(opcode));
        }
    }
    return list;
}

// The entry of the instrument at memberIndex among those on the bus now, or
// the list's size when there is none. The caller holds the bus's lock.
uint32_t EntryAt(const Bus& bus, uint32_t memberIndex, std::chrono::steady_clock::time_point now) {
    bool outage = false;
    for (const auto& o : bus.outages) outage = outage || (now >= o.first && now < o.second);
    uint32_t present = 0;
    for (uint32_t entry = 0; entry < bus.instruments.size(); ++entry) {
        if (bus.pulled[entry] || outage) continue;
        if (present++ == memberIndex) return entry;
    }
    return static_cast<uint32_t>(bus.instruments.size());
}

// The start of the next outage of VARNELO_SIM_OUTAGES that has not begun,
// and whether one is under way now.
bool NextOutage(std::chrono::steady_clock::time_point now, std::chrono::steady_clock::time_point* start) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    bool found = false;
    for (const auto& o : bus.outages) {
        if (now >= o.first && now < o.second) {
            *start = now;
            return true;
        }
        if (o.first > now && (!found || o.first < *start)) {
            *start = o.first;
            found = true;
        }
    }
    return found;
}

// Takes the open interface of an instrument off the bus: its transfers fail
// from now on with code, and a new open of the instrument gets a fresh one.
// The caller holds the bus's lock.
void PullLocked(Bus& bus, uint32_t entry, uint32_t code) {
    auto it = bus.open.find(entry);
    if (it == bus.open.end()) return;
    it->second->goneCode = code;
    SimUnplug(it->second->instrument);
    bus.lastPulledStats = SimGetStats(it->second->instrument);
    bus.lastPulledSkipped = SimSkipped(it->second->instrument);
    bus.open.erase(it);
}

// An outage of VARNELO_SIM_OUTAGES that has begun takes the device off the
// bus. Returns the time the next one begins, when there is one.
bool PullOnOutage(UsbDevice* device, std::chrono::steady_clock::time_point* next) {
    const auto now = std::chrono::steady_clock::now();
    if (!NextOutage(now, next)) return false;
    if (*next > now) return true;
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    auto it = bus.open.find(device->memberIndex);
    if (it != bus.open.end() && it->second == device) PullLocked(bus, device->memberIndex, bus.outageCode);
    return false;
}

void WakeReader(void* context) {
    platform::SetEventObject(static_cast<UsbDevice*>(context)->readEvent);
}

UsbDevice* FailOpen(uint32_t code) {
    platform::SetLastErrorCode(code);
    return nullptr;
}

}  // namespace

void SimBusSetInstruments(const std::vector<SimSettings>& instruments) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    bus.instruments = instruments;
    bus.pulled.assign(instruments.size(), false);
    bus.outages.clear();
    bus.classUnknown = false;
    bus.setExplicitly = true;
}

void SimBusSetClassUnknown(bool unknown) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    bus.classUnknown = unknown;
    bus.setExplicitly = true;
}

void SimBusReset() { SimBusSetInstruments({SimSettings()}); }

SimInstrument* SimBusOpenedInstrument(uint32_t memberIndex) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    auto it = bus.open.find(memberIndex);
    return it == bus.open.end() ? nullptr : it->second->instrument;
}

std::vector<std::vector<uint8_t>> SimBusLastClosedFrames() {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    return bus.lastClosedFrames;
}

SimStats SimBusLastPulledStats() {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    return bus.lastPulledStats;
}

std::vector<SimSkippedLines> SimBusLastPulledSkipped() {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    return bus.lastPulledSkipped;
}

uint32_t SimBusPendingReads(uint32_t memberIndex) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    auto it = bus.open.find(memberIndex);
    return it == bus.open.end() ? 0 : it->second->pendingReads.load();
}

void SimBusHoldNextReadUntilCancel(uint32_t memberIndex) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    auto it = bus.open.find(memberIndex);
    if (it != bus.open.end()) it->second->holdUntilCancel = true;
}

void SimBusPull(uint32_t entry, uint32_t code) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    if (entry >= bus.instruments.size()) return;
    bus.pulled[entry] = true;
    PullLocked(bus, entry, code);
}

void SimBusReplug(uint32_t entry) {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    if (entry < bus.pulled.size()) bus.pulled[entry] = false;
}

uint32_t SimBusOpenCount() {
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    return static_cast<uint32_t>(bus.open.size());
}

void SimBusConfigureFromEnvironment() {
    std::vector<SimSettings> list = SettingsFromEnvironment();
    Bus& bus = TheBus();
    std::lock_guard<std::mutex> lock(bus.mutex);
    bus.instruments = std::move(list);
    bus.pulled.assign(bus.instruments.size(), false);
    OutagesFromEnvironment(bus);
    bus.classUnknown = false;
    bus.environmentRead = true;
}

}  // namespace sim

using sim::TheBus;

UsbDevice* OpenUsbDevice(const UsbGuid* guid, uint32_t memberIndex) {
    if (guid == nullptr) return sim::FailOpen(kUsbInvalidParameter);
    sim::Bus& bus = TheBus();
    bool readEnvironment = false;
    {
        std::lock_guard<std::mutex> lock(bus.mutex);
        readEnvironment = !bus.setExplicitly && !bus.environmentRead;
    }
    if (readEnvironment) sim::SimBusConfigureFromEnvironment();

    std::lock_guard<std::mutex> lock(bus.mutex);
    if (bus.classUnknown || !sim::SameGuid(*guid, kVarneloInterfaceGuid)) {
        return sim::FailOpen(kUsbDevNotExist);
    }
    const uint32_t entry = sim::EntryAt(bus, memberIndex, std::chrono::steady_clock::now());
    if (entry >= bus.instruments.size()) return sim::FailOpen(kUsbDeviceNotConnected);
    const sim::SimSettings& settings = bus.instruments[entry];
    // An interface that another program (or another open here) holds.
    if (settings.heldByOtherProgram || bus.open.count(entry) != 0) {
        return sim::FailOpen(kUsbAccessDenied);
    }
    platform::Handle readEvent = platform::CreateEventObject(true, false);
    if (readEvent == nullptr) return sim::FailOpen(kUsbNotEnoughMemory);
    auto* device = new UsbDevice{entry, sim::SimCreateInstrument(settings), readEvent};
    sim::SimSetInReadyCallback(device->instrument, sim::WakeReader, device);
    bus.open[entry] = device;
    return device;
}

bool CloseUsbDevice(UsbDevice* device) {
    if (device == nullptr) return false;
    {
        sim::Bus& bus = TheBus();
        std::lock_guard<std::mutex> lock(bus.mutex);
        // A pulled interface has left the list already, and the instrument
        // plugged back may hold the entry by now.
        auto it = bus.open.find(device->memberIndex);
        if (it != bus.open.end() && it->second == device) bus.open.erase(it);
        bus.lastClosedFrames = sim::SimWrittenFrames(device->instrument);
    }
    // The instrument's thread may still be telling the event; it has ended
    // when the instrument is destroyed.
    sim::SimDestroyInstrument(device->instrument);
    platform::CloseObject(device->readEvent);
    delete device;
    return true;
}

bool UsbGetDescriptor(UsbDevice* device, uint8_t descriptorType, uint8_t index,
                      uint16_t languageId, uint8_t* buffer, uint32_t bufferLength,
                      uint32_t* lengthTransferred) {
    if (device == nullptr || buffer == nullptr || lengthTransferred == nullptr || bufferLength == 0) {
        platform::SetLastErrorCode(kUsbInvalidParameter);
        return false;
    }
    const sim::SimSettings& settings = sim::SimGetSettings(device->instrument);
    constexpr uint8_t kStringDescriptor = 3;
    std::vector<uint8_t> descriptor;
    if (descriptorType == kStringDescriptor && index == 0) {
        descriptor = {4, kStringDescriptor, 0x09, 0x04};  // supported languages: en-US
    } else if (descriptorType == kStringDescriptor && languageId == 0x0409 &&
               (index == 1 || index == 2 || (index == 3 && settings.hasSerialNumber))) {
        const std::string text =
            index == 1 ? std::string("Varnelo") : index == 2 ? std::string("Varnelo VN-15") : settings.serialNumber;
        const size_t units = text.size() > 126 ? 126 : text.size();
        descriptor.assign(2 + 2 * units, 0);
        descriptor[0] = static_cast<uint8_t>(descriptor.size());
        descriptor[1] = kStringDescriptor;
        for (size_t i = 0; i < units; ++i) descriptor[2 + 2 * i] = static_cast<uint8_t>(text[i]);
    } else {
        // The device stalls a request for a descriptor it does not have.
        platform::SetLastErrorCode(kUsbGenFailure);
        return false;
    }
    // A control transfer delivers at most the buffer's length; bLength keeps
    // the descriptor's full size.
    const uint32_t n = descriptor.size() < bufferLength ? static_cast<uint32_t>(descriptor.size()) : bufferLength;
    std::memcpy(buffer, descriptor.data(), n);
    *lengthTransferred = n;
    return true;
}

bool UsbBulkWrite(UsbDevice* device, const uint8_t* data, uint32_t length, uint32_t* bytesWritten) {
    if (device == nullptr || data == nullptr || bytesWritten == nullptr || length == 0) return false;
    std::chrono::steady_clock::time_point nextOutage;
    sim::PullOnOutage(device, &nextOutage);
    if (!sim::SimHandleOutTransfer(device->instrument, data, length)) {
        const sim::SimSettings& settings = sim::SimGetSettings(device->instrument);
        *bytesWritten = 0;
        platform::SetLastErrorCode(settings.failWrites ? settings.writeErrorCode : device->goneCode.load());
        return false;
    }
    *bytesWritten = length;
    return true;
}

uint32_t UsbBulkRead(UsbDevice* device, uint8_t* buffer, uint32_t length, uint32_t* bytesRead,
                     uint32_t timeoutMs, platform::Handle cancelEvent) {
    if (device == nullptr || buffer == nullptr || bytesRead == nullptr || length == 0) {
        return kUsbInvalidParameter;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(timeoutMs == kUsbNoTimeout ? 0 : timeoutMs);
    const platform::Handle objects[2] = {device->readEvent, cancelEvent};
    const uint32_t objectCount = cancelEvent != nullptr ? 2 : 1;
    bool pending = false;
    // Counts this read as waiting from the moment it goes pending until it returns.
    struct PendingMark {
        std::atomic<uint32_t>& reads;
        bool marked = false;
        ~PendingMark() {
            if (marked) --reads;
        }
    } mark{device->pendingReads};
    for (;;) {
        // Reset before looking, so a transfer that arrives after the look
        // sets the event again and the wait below sees it.
        platform::ResetEventObject(device->readEvent);
        Clock::time_point nextOutage;
        const bool outageAhead = sim::PullOnOutage(device, &nextOutage);
        uint32_t received = 0;
        bool deviceFailed = false;
        if (!device->holdUntilCancel &&
            sim::SimTakeInTransfer(device->instrument, buffer, length, &received, &deviceFailed)) {
            *bytesRead = received;
            return kUsbSuccess;
        }
        // A failure seen before the read went pending leaves the count as it
        // was, as a read that fails at once does on the real stack.
        if (deviceFailed) return device->goneCode;
        if (!pending) {
            pending = true;
            *bytesRead = 0;
            mark.marked = true;
            ++device->pendingReads;
        }
        uint32_t waitMs = platform::kInfinite;
        if (timeoutMs != kUsbNoTimeout) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            waitMs = left.count() > 0 ? static_cast<uint32_t>(left.count()) : 0;
        }
        // Woken when a scheduled outage begins, to take the device off the bus.
        uint32_t outageMs = platform::kInfinite;
        if (outageAhead) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(nextOutage - Clock::now());
            outageMs = left.count() > 0 ? static_cast<uint32_t>(left.count()) + 1 : 1;
        }
        const bool outageFirst = outageMs < waitMs;
        const uint32_t result = platform::WaitForAnyObject(objectCount, objects, outageFirst ? outageMs : waitMs);
        if (result == platform::kWaitTimeout && outageFirst) continue;
        if (result == platform::kWaitSignaled) continue;
        if (result == platform::kWaitSignaled + 1) {
            // The abort of the transfer; a slow device takes its time over it.
            const uint32_t slowAbortMs = sim::SimCancelDelay(device->instrument);
            if (slowAbortMs != 0) platform::SleepMs(slowAbortMs);
            if (device->holdUntilCancel.exchange(false) &&
                sim::SimTakeInTransfer(device->instrument, buffer, length, &received, &deviceFailed)) {
                *bytesRead = received;  // the abort came too late for this transfer
            }
            return kUsbSuccess;
        }
        // Time-out (258) or a failed wait: the transfer is aborted.
        return result == platform::kWaitTimeout ? kUsbWaitTimeout : kUsbWaitFailed;
    }
}
