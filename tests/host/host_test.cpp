// The host layer's print queue, the standalone host's arrays and its spline.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "host/host.h"
#include "host/standalone/spline.h"
#include "host/standalone/standalone_host.h"

#if defined(__linux__)
#include <unistd.h>
#endif

namespace {

TEST(PrintQueue, OtherThreadsTextWaitsForTheHostThreadAndKeepsItsOrder) {
    host::EnterHostCall();
    standalone::TakePrinted();
    std::thread worker([] {
        for (int i = 0; i < 100; ++i) host::Print("line %d\n", i);
    });
    worker.join();
    EXPECT_EQ(standalone::TakePrinted(), "") << "nothing printed from the worker's thread";
    host::Print("host\n");  // host-thread text comes after what was queued before it
    std::string expected;
    for (int i = 0; i < 100; ++i) expected += "line " + std::to_string(i) + "\n";
    EXPECT_EQ(standalone::TakePrinted(), expected + "host\n");
}

TEST(PrintQueue, ConcurrentWritersLoseNothing) {
    host::EnterHostCall();
    standalone::TakePrinted();
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([t] {
            for (int i = 0; i < 200; ++i) host::Print("%d:%d\n", t, i);
        });
    std::string all;
    for (int round = 0; round < 50; ++round) {
        host::FlushPrints();
        all += standalone::TakePrinted();
    }
    for (auto& w : workers) w.join();
    host::FlushPrints();
    all += standalone::TakePrinted();
    for (int t = 0; t < 4; ++t) {
        size_t last = 0;
        for (int i = 0; i < 200; ++i) {
            size_t at = all.find(std::to_string(t) + ":" + std::to_string(i) + "\n");
            ASSERT_NE(at, std::string::npos) << t << ":" << i;
            EXPECT_GE(at, last) << "per-thread order kept";
            last = at;
        }
    }
}

TEST(PrintQueue, OverflowIsCountedAndReported) {
    host::EnterHostCall();
    standalone::TakePrinted();
    const size_t extra = 7;
    std::thread worker([&] {
        for (size_t i = 0; i < host::kPrintQueueCapacity + extra; ++i) host::Print("x\n");
    });
    worker.join();
    host::FlushPrints();
    std::string text = standalone::TakePrinted();
    EXPECT_NE(text.find("(7 further messages from the receive thread were dropped)"),
              std::string::npos);
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
// The sanitizers' allocators write what they hand out; glibc's calloc does not.
TEST(StandaloneArrays, ANewArrayCostsAddressSpaceNotMemory) {
    auto resident = [] {
        long size = 0, pages = 0;
        FILE* statm = std::fopen("/proc/self/statm", "r");
        EXPECT_EQ(std::fscanf(statm, "%ld %ld", &size, &pages), 2);
        std::fclose(statm);
        return pages * sysconf(_SC_PAGESIZE);
    };
    const long before = resident();
    mxArray* a = standalone::Numeric(mxUINT8_CLASS, size_t{256} << 20, 1);
    EXPECT_LT(resident() - before, 64L << 20);
    mxDestroyArray(a);
}
#endif

TEST(Spline, ReproducesACubicExactly) {
    // Not-a-knot reproduces any cubic, inside and beyond the table.
    std::vector<double> x, y;
    for (int i = 0; i < 21; ++i) {
        double t = std::log10(10.0) + i * 0.25;
        x.push_back(t);
        y.push_back(2 * t * t * t - t * t + 3 * t - 5);
    }
    std::vector<double> xi = {0.9, 1.1, 2.37, 5.9, 6.2}, yi(xi.size());
    std::string error;
    standalone::CubicSpline(x.data(), y.data(), x.size(), xi.data(), xi.size(), yi.data(), &error);
    ASSERT_EQ(error, "");
    for (size_t k = 0; k < xi.size(); ++k) {
        double t = xi[k];
        EXPECT_NEAR(yi[k], 2 * t * t * t - t * t + 3 * t - 5, 1e-9) << t;
    }
}

TEST(Spline, SmallTablesAndDuplicates) {
    double x2[] = {0, 1}, y2[] = {1, 3}, xi = 0.5, out = 0;
    std::string error;
    standalone::CubicSpline(x2, y2, 2, &xi, 1, &out, &error);
    EXPECT_DOUBLE_EQ(out, 2.0);
    double x3[] = {0, 1, 2}, y3[] = {0, 1, 4};
    xi = 3;
    standalone::CubicSpline(x3, y3, 3, &xi, 1, &out, &error);
    EXPECT_NEAR(out, 9.0, 1e-12);
    double xd[] = {0, 1, 1, 2}, yd[] = {0, 1, 2, 3};
    standalone::CubicSpline(xd, yd, 4, &xi, 1, &out, &error);
    EXPECT_NE(error, "");
}

}  // namespace
