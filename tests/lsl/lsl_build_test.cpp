// liblsl as this project builds it (cmake/Lsl.cmake): outlets and inlets of
// one process find each other on this machine under the tests' own
// configuration, and samples and markers cross intact and in order.
#include <lsl_cpp.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

// Generous bounds on waits: a loaded machine, or Wine, may be slow to start
// liblsl's threads; no test depends on how fast they are.
constexpr double kWaitSeconds = 60.0;

// A source id no other process on the machine uses, so that an outlet of a
// concurrent run is never taken for this one.
std::string UniqueSourceId(const std::string &what) {
  std::random_device entropy;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return "varnelo-lsl-build-test-" + what + "-" + std::to_string(entropy()) + "-" +
         std::to_string(now);
}

}  // namespace

// The tests' traffic stays on 127.0.0.1 only if liblsl reads the project's
// configuration, named by LSLAPICFG; under Wine the path must be readable
// by the Windows process as well.
TEST(LslBuild, RunsUnderTheTestConfiguration) {
  const char *config = std::getenv("LSLAPICFG");
  ASSERT_NE(config, nullptr) << "LSLAPICFG is not set; every test run must set it "
                                "to tests/lsl/lslapi.cfg";
  std::ifstream file(config);
  ASSERT_TRUE(file.good()) << "LSLAPICFG names " << config << ", which this process cannot read";
}

// Two outlets of one process, as the module will have (data and markers):
// with ResolveScope = machine alone only one of them answers a query; the
// configuration's KnownPeers makes both answer.
TEST(LslBuild, DataAndMarkerOutletsOfOneProcessReachTheirInlets) {
  const std::string data_id = UniqueSourceId("data");
  const std::string marker_id = UniqueSourceId("markers");
  lsl::stream_outlet data(
      lsl::stream_info("VarneloLslBuildTest", "Impedance", 3, 1000, lsl::cf_double64, data_id));
  lsl::stream_outlet markers(lsl::stream_info("VarneloLslBuildTestMarkers", "Markers", 1,
                                              lsl::IRREGULAR_RATE, lsl::cf_string, marker_id));

  const auto data_found = lsl::resolve_stream("source_id", data_id, 1, kWaitSeconds);
  const auto marker_found = lsl::resolve_stream("source_id", marker_id, 1, kWaitSeconds);
  ASSERT_EQ(data_found.size(), 1u);
  ASSERT_EQ(marker_found.size(), 1u);
  lsl::stream_inlet data_inlet(data_found[0]);
  lsl::stream_inlet marker_inlet(marker_found[0]);
  data_inlet.open_stream(kWaitSeconds);
  marker_inlet.open_stream(kWaitSeconds);
  ASSERT_TRUE(data.wait_for_consumers(kWaitSeconds));
  ASSERT_TRUE(markers.wait_for_consumers(kWaitSeconds));

  // Past float32's exact integers, as a cycle count will be.
  constexpr double kFirstCount = 16777216.0 * 3;
  constexpr int kSamples = 50;
  const double t0 = lsl::local_clock();
  for (int i = 0; i < kSamples; ++i)
    data.push_sample(std::vector<double>{kFirstCount + i, 100.0 + i, -0.5 * i}, t0 + i * 0.001);
  markers.push_sample(std::vector<std::string>{"stimulus on \xce\xbc"}, t0);

  std::vector<double> sample;
  for (int i = 0; i < kSamples; ++i) {
    const double stamp = data_inlet.pull_sample(sample, kWaitSeconds);
    ASSERT_NE(stamp, 0.0) << "sample " << i << " did not arrive";
    EXPECT_EQ(sample, (std::vector<double>{kFirstCount + i, 100.0 + i, -0.5 * i})) << i;
    EXPECT_DOUBLE_EQ(stamp, t0 + i * 0.001) << i;
  }
  std::vector<std::string> marker;
  ASSERT_NE(marker_inlet.pull_sample(marker, kWaitSeconds), 0.0);
  EXPECT_EQ(marker, std::vector<std::string>{"stimulus on \xce\xbc"});
}
