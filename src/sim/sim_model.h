// The electrical model behind the simulated instrument's numbers: the load
// is tissue-like (a Cole element), the current is measured across a 1 kOhm
// shunt with a little stray capacitance, and the leads add a small series
// parasitic that the compensation table removes.
#pragma once

#include <cmath>
#include <complex>
#include <cstdint>

#include "link/protocol.h"

namespace sim {

constexpr double kPi = 3.14159265358979323846;

// Frequency bin words are FFT bin numbers; one bin is 1 kHz wide.
constexpr double kBinWidthHz = 1000.0;
constexpr uint16_t kFrequencyBins[BIN_COUNT] = {1,  2,   3,   5,   8,   12,  20, 30,
                                                50, 80, 120, 200, 300, 500, 800};

// Calibration points of the EEPROM image: log-spaced over this range, which
// covers every bin.
constexpr double kCalibrationLowHz = 500.0;
constexpr double kCalibrationHighHz = 1.0e6;

constexpr double kShuntOhms = 1000.0;
constexpr double kShuntFarads = 10e-12;

// Cole model of the load: R0 at DC, Rinf at high frequency.
constexpr double kTissueR0 = 680.0;
constexpr double kTissueRinf = 420.0;
constexpr double kTissueCornerHz = 40e3;
constexpr double kTissueAlpha = 0.75;

constexpr double kLeadOhms = 1.5;
constexpr double kLeadHenries = 0.5e-6;

inline std::complex<double> ShuntImpedance(double hz) {
    const std::complex<double> admittance(1.0 / kShuntOhms, 2.0 * kPi * hz * kShuntFarads);
    return 1.0 / admittance;
}

inline std::complex<double> TissueImpedance(double hz) {
    const std::complex<double> jf(0.0, hz / kTissueCornerHz);
    return kTissueRinf + (kTissueR0 - kTissueRinf) / (1.0 + std::pow(jf, kTissueAlpha));
}

inline std::complex<double> ParasiticImpedance(double hz) {
    return {kLeadOhms, 2.0 * kPi * hz * kLeadHenries};
}

}  // namespace sim
