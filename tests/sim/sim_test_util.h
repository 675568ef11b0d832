// Helpers for driving a simulated instrument directly in tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "link/protocol.h"
#include "sim/sim_instrument.h"

namespace simtest {

// An outgoing frame: SYNC_WORD followed by the words, low byte first.
inline std::vector<uint8_t> Frame(std::initializer_list<uint16_t> words) {
    std::vector<uint8_t> bytes{0x03, 0xFF};
    for (uint16_t w : words) {
        bytes.push_back(static_cast<uint8_t>(w));
        bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    return bytes;
}

inline void Send(sim::SimInstrument* in, const std::vector<uint8_t>& bytes) {
    sim::SimHandleOutTransfer(in, bytes.data(), bytes.size());
}

// The next IN transfer (up to maxLength bytes), or empty when none comes
// within a generous bound.
inline std::vector<uint8_t> Take(sim::SimInstrument* in, uint32_t maxLength = 4096,
                                 uint32_t waitMs = 3000) {
    std::vector<uint8_t> buffer(maxLength);
    uint32_t length = 0;
    bool failed = false;
    if (!sim::SimWaitInTransfer(in, waitMs)) return {};
    if (!sim::SimTakeInTransfer(in, buffer.data(), maxLength, &length, &failed)) return {};
    buffer.resize(length);
    return buffer;
}

inline float FloatAt(const uint8_t* p) {
    const uint32_t bits = ReadU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline std::vector<uint8_t> FloatTableFrame(uint16_t opcode, const uint32_t* reBits,
                                            const uint32_t* imBits) {
    std::vector<uint8_t> bytes{0x03, 0xFF, static_cast<uint8_t>(opcode), 0};
    for (int part = 0; part < 2; ++part) {
        const uint32_t* bits = part == 0 ? reBits : imBits;
        for (uint32_t k = 0; k < BIN_COUNT; ++k) {
            for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<uint8_t>(bits[k] >> (8 * b)));
        }
    }
    return bytes;
}

// RAII owner of an instrument made for one test.
struct Instrument {
    explicit Instrument(const sim::SimSettings& settings = sim::SimSettings())
        : in(sim::SimCreateInstrument(settings)) {}
    ~Instrument() { sim::SimDestroyInstrument(in); }
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;
    sim::SimInstrument* in;
};

}  // namespace simtest
