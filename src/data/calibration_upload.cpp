// SetShuntVal and SetCompVal: one 15-value complex table, converted to
// single precision and sent in one frame, real parts first, then the
// imaginary parts. No answer is awaited.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "data/data_commands.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"

namespace {

// The single nearest to value, as IEEE 754 rounds: beyond the largest
// single by half its spacing or more, the result is an infinity of the same
// sign. Written out because a C++ conversion of an out-of-range double is
// undefined.
float NearestSingle(double value) {
    constexpr double kRoundsToInfinity = static_cast<double>(FLT_MAX) + 0x1p103;
    if (std::isnan(value)) {
        const float nan = std::numeric_limits<float>::quiet_NaN();
        return std::signbit(value) ? -nan : nan;
    }
    if (value >= kRoundsToInfinity) return std::numeric_limits<float>::infinity();
    if (value <= -kRoundsToInfinity) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// One single as two frame words, the low-order half first, so that its
// bytes go out little-endian.
void StoreSingle(uint16_t* words, double value) {
    float single = NearestSingle(value);
    uint32_t bits;
    std::memcpy(&bits, &single, sizeof bits);
    words[0] = static_cast<uint16_t>(bits);
    words[1] = static_cast<uint16_t>(bits >> 16);
}

}  // namespace

void SendComplexValues(ControlData* connection, const mxArray* values, uint32_t count,
                       uint16_t opcode) {
    // The gateway has checked that the table is complex with 15 columns;
    // the values are read as dense double data, so anything else is
    // refused before a word is staged.
    if (!host::IsDouble(values)) Fail("\tArgument 2. is not numeric.\n");
    if (host::IsSparse(values) || host::ElementCount(values) < count ||
        host::ImagData(values) == nullptr || 2 * count + 2 + 2 * count > CMD_WORD_COUNT) {
        Fail("\tIncorrect complex array size, 15 complex numbers expected.\n");
    }
    const auto* real = static_cast<const double*>(host::RealData(values));
    const auto* imag = static_cast<const double*>(host::ImagData(values));
    for (uint32_t k = 0; k < count; ++k) {
        StoreSingle(&connection->cmdWords[2 + 2 * k], real[k]);
        StoreSingle(&connection->cmdWords[2 + 2 * count + 2 * k], imag[k]);
    }
    connection->cmdWords[1] = opcode;
    SendCommand(connection, 4 * count + 2);
}
