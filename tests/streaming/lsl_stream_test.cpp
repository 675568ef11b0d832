// The streams as a lab's consumer sees them: an inlet made with liblsl's own
// API, on this machine (LSLAPICFG keeps every packet on 127.0.0.1).
#include <gtest/gtest.h>
#include <lsl_c.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "streaming/streaming.h"
#include "support/module_fixture.h"
#include "support/recording_file.h"

namespace {

using fixture::ErrorOf;
using fixture::ModuleTest;
using standalone::Call;
using standalone::Double;
using standalone::String;
namespace fs = std::filesystem;

// An inlet of the stream with this source id, its connection open, so that
// it gets every sample pushed from now on.
lsl_inlet OpenInlet(const std::string& sourceId, lsl_streaminfo* info = nullptr) {
    lsl_streaminfo found[4];
    const int n = lsl_resolve_byprop(found, 4, "source_id", sourceId.c_str(), 1, 10.0);
    if (n < 1) return nullptr;
    lsl_inlet inlet = lsl_create_inlet(found[0], 360, 0, 1);
    int32_t error = 0;
    lsl_open_stream(inlet, 10.0, &error);
    if (info) *info = lsl_copy_streaminfo(found[0]);
    for (int i = 0; i < n; ++i) lsl_destroy_streaminfo(found[i]);
    return error == 0 ? inlet : nullptr;
}

// Each test's instrument has a serial number of its own, so that its
// streams' source ids are too: tests of other processes may stream meanwhile.
class LslStream : public ModuleTest {
protected:
    void SetUp() override {
        // Without the project's configuration liblsl would resolve on every
        // interface: no test may send a packet off this machine.
        const char* config = std::getenv("LSLAPICFG");
        ASSERT_TRUE(config && fs::exists(config)) << "LSLAPICFG must name tests/lsl/lslapi.cfg";
        ModuleTest::SetUp();
        sim::SimSettings instrument;
        instrument.serialNumber = "T" + std::to_string(platform::UtcNowNanoseconds() % 1000000000000);
        sim::SimBusSetInstruments({instrument});
        sourceId_ = "varnelo-" + instrument.serialNumber;
    }
    std::string sourceId_;
};

TEST_F(LslStream, AnInletGetsEveryLineInOrderAsGetDataAndTheRecordingHaveThemAndTheMarkers) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("StartStreaming")}), "");
    lsl_inlet data = OpenInlet(sourceId_);
    lsl_inlet markers = OpenInlet(sourceId_ + "-markers");
    ASSERT_TRUE(data && markers);
    // An open inlet gets the samples pushed once the outlet has taken it on,
    // which its consumer count says: a slow machine may be a moment later.
    auto consumers = [] {
        return mxGetScalar(standalone::GetField(Call(1, {String("GetStreamingStatus")})[0], "HasConsumers"));
    };
    for (int i = 0; i < 1000 && consumers() == 0; ++i) platform::SleepMs(10);
    const fs::path file = fs::temp_directory_path() /
                          ("varnelo-lsl-" + std::to_string(platform::UtcNowNanoseconds()) + ".vnrec");
    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(file.string().c_str())}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    ASSERT_EQ(ErrorOf(0, {String("AddMarker"), String("stimulus")}), "");
    auto lines = Call(1, {String("GetData"), Double(400)});
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    ASSERT_EQ(ErrorOf(1, {String("StopRecording")}), "");
    auto status = Call(1, {String("StopStreaming")});
    EXPECT_EQ(mxGetScalar(standalone::GetField(status[0], "LinesNotPushed")), 0.0);

    const recfile::File f = recfile::Read(file.string());
    fs::remove(file);
    ASSERT_GE(f.lines.size(), 400u);
    // Every line the recording holds reached the inlet, in order, and the
    // first 400 are GetData's.
    const auto* cycles = static_cast<const uint32_t*>(
        mxGetData(standalone::GetField(lines[0], "MeasurementCycleCount")));
    const auto* module = static_cast<const float*>(
        mxGetData(standalone::GetField(lines[0], "ImpedanceModule")));
    std::vector<double> sample(STREAMING_CHANNELS);
    double previousStamp = 0;
    for (size_t i = 0; i < f.lines.size(); ++i) {
        int32_t error = 0;
        const double stamp = lsl_pull_sample_d(data, sample.data(), STREAMING_CHANNELS, 10.0, &error);
        ASSERT_GT(stamp, 0.0) << "line " << i << " did not come";
        EXPECT_GE(stamp, previousStamp);
        previousStamp = stamp;
        ASSERT_EQ(sample[0], f.lines[i].Cycle()) << "line " << i;
        if (i < 400) {
            ASSERT_EQ(sample[0], cycles[i]);
            ASSERT_EQ(sample[1 + 14], module[i + 14 * 400]) << "|Z| at the 15th bin";
        }
    }
    std::vector<std::string> texts;
    for (;;) {
        char* text = nullptr;
        int32_t error = 0;
        const double stamp = lsl_pull_sample_str(markers, &text, 1, 1.0, &error);
        if (stamp != 0.0) texts.emplace_back(text);
        if (text) lsl_destroy_string(text);  // an empty one comes with a time-out too
        if (stamp == 0.0) break;
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Start", "stimulus", "Stop"}));
    lsl_destroy_inlet(data);
    lsl_destroy_inlet(markers);
}

TEST_F(LslStream, AMeasurementAtAnotherRateGetsAnOutletThatDeclaresIt) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("StartStreaming"), String("Bench 3")}), "");
    lsl_streaminfo info = nullptr;
    lsl_inlet before = OpenInlet(sourceId_, &info);
    ASSERT_TRUE(before);
    EXPECT_STREQ(lsl_get_name(info), "Bench 3");
    EXPECT_EQ(lsl_get_nominal_srate(info), 1000.0);
    lsl_destroy_streaminfo(info);
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    // The outlet that claimed 1000 lines/s is gone once the lines at 100/s
    // flow; the inlet recovers to the new one by its source id.
    std::vector<double> sample(STREAMING_CHANNELS);
    int32_t error = 0;
    EXPECT_GT(lsl_pull_sample_d(before, sample.data(), STREAMING_CHANNELS, 30.0, &error), 0.0);
    lsl_streaminfo now = lsl_get_fullinfo(before, 10.0, &error);
    ASSERT_TRUE(now);
    EXPECT_EQ(lsl_get_nominal_srate(now), 100.0);
    lsl_destroy_streaminfo(now);
    lsl_destroy_inlet(before);
}

}  // namespace
