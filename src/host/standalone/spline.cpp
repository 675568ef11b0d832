#include "host/standalone/spline.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace standalone {
namespace {

// Solves the dense system a * s = b in place (Gaussian elimination with
// partial pivoting). The spline systems here have tens of unknowns.
bool Solve(std::vector<double>& a, std::vector<double>& b, size_t n) {
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::fabs(a[r * n + col]) > std::fabs(a[pivot * n + col])) pivot = r;
        if (a[pivot * n + col] == 0.0) return false;
        if (pivot != col) {
            for (size_t c = 0; c < n; ++c) std::swap(a[col * n + c], a[pivot * n + c]);
            std::swap(b[col], b[pivot]);
        }
        for (size_t r = col + 1; r < n; ++r) {
            double f = a[r * n + col] / a[col * n + col];
            if (f == 0.0) continue;
            for (size_t c = col; c < n; ++c) a[r * n + c] -= f * a[col * n + c];
            b[r] -= f * b[col];
        }
    }
    for (size_t i = n; i-- > 0;) {
        double sum = b[i];
        for (size_t c = i + 1; c < n; ++c) sum -= a[i * n + c] * b[c];
        b[i] = sum / a[i * n + i];
    }
    return true;
}

}  // namespace

void CubicSpline(const double* xIn, const double* yIn, size_t n, const double* xi, size_t m,
                 double* yi, std::string* error) {
    error->clear();
    if (n < 2) {
        *error = "spline: requires at least 2 points";
        return;
    }
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return xIn[a] < xIn[b]; });
    std::vector<double> x(n), y(n);
    for (size_t i = 0; i < n; ++i) {
        x[i] = xIn[order[i]];
        y[i] = yIn[order[i]];
    }
    for (size_t i = 0; i + 1 < n; ++i) {
        if (!(x[i + 1] > x[i]) && !std::isnan(x[i]) && !std::isnan(x[i + 1])) {
            *error = "spline: the data sites should be distinct";
            return;
        }
    }

    // Second derivatives M at the knots.
    std::vector<double> h(n - 1);
    for (size_t i = 0; i + 1 < n; ++i) h[i] = x[i + 1] - x[i];
    std::vector<double> M(n, 0.0);
    if (n == 3) {
        // Not-a-knot on three points is the interpolating parabola.
        double d0 = (y[1] - y[0]) / h[0], d1 = (y[2] - y[1]) / h[1];
        double second = 2.0 * (d1 - d0) / (x[2] - x[0]);
        std::fill(M.begin(), M.end(), second);
    } else if (n >= 4) {
        std::vector<double> a(n * n, 0.0), b(n, 0.0);
        // Third derivative continuous across the second and the last-but-one knot.
        a[0 * n + 0] = h[1];
        a[0 * n + 1] = -(h[0] + h[1]);
        a[0 * n + 2] = h[0];
        for (size_t i = 1; i + 1 < n; ++i) {
            a[i * n + i - 1] = h[i - 1];
            a[i * n + i] = 2.0 * (h[i - 1] + h[i]);
            a[i * n + i + 1] = h[i];
            b[i] = 6.0 * ((y[i + 1] - y[i]) / h[i] - (y[i] - y[i - 1]) / h[i - 1]);
        }
        size_t last = n - 1;
        a[last * n + last - 2] = h[last - 1];
        a[last * n + last - 1] = -(h[last - 2] + h[last - 1]);
        a[last * n + last] = h[last - 2];
        if (!Solve(a, b, n)) {
            std::fill(b.begin(), b.end(), std::nan(""));
        }
        M = b;
    }

    for (size_t k = 0; k < m; ++k) {
        double t = xi[k];
        // Piece i covers [x[i], x[i+1]]; beyond the ends the end pieces extend.
        size_t i = 0;
        if (t >= x[n - 1]) {
            i = n - 2;
        } else if (t > x[0]) {
            i = static_cast<size_t>(std::upper_bound(x.begin(), x.end(), t) - x.begin()) - 1;
            if (i > n - 2) i = n - 2;
        }
        double hi = h[i];
        double left = x[i + 1] - t, right = t - x[i];
        yi[k] = M[i] * left * left * left / (6.0 * hi) + M[i + 1] * right * right * right / (6.0 * hi) +
                (y[i] / hi - M[i] * hi / 6.0) * left + (y[i + 1] / hi - M[i + 1] * hi / 6.0) * right;
        if (std::isnan(t)) yi[k] = t;
    }
}

}  // namespace standalone
