// MATLAB's cubic spline: not-a-knot end conditions, extrapolation by the
// end pieces. Two points give the straight line, three the parabola.
#pragma once

#include <cstddef>
#include <string>

namespace standalone {

// Interpolates the n points (x, y) at the m abscissae xi into yi. The
// abscissae x may come in any order; duplicates are an error, reported in
// *error (empty on success).
void CubicSpline(const double* x, const double* y, size_t n, const double* xi, size_t m,
                 double* yi, std::string* error);

}  // namespace standalone
