// Recording to disk through the module's commands, read back with a reader
// written from the documented format: every stored line once and in order
// with the commands between them, the refusals, a disk that fills, and a
// buffer that overflows.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "host/standalone/standalone_host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "support/module_fixture.h"
#include "support/recording_file.h"

namespace {

namespace fs = std::filesystem;
using fixture::ErrorOf;
using standalone::Call;
using standalone::Double;
using standalone::String;

struct Status {
    std::string fileName, error;
    bool recording = false;
    double lines = 0, linesLost = 0, bytes = 0;
};

Status StatusOf(const mxArray* s) {
    EXPECT_EQ(standalone::FieldNames(s), (std::vector<std::string>{"FileName", "Recording", "Lines",
                                                                   "LinesLost", "Bytes", "Error"}));
    Status out;
    out.fileName = standalone::GetString(standalone::GetField(s, "FileName"));
    out.recording = mxGetScalar(standalone::GetField(s, "Recording")) != 0;
    out.lines = mxGetScalar(standalone::GetField(s, "Lines"));
    out.linesLost = mxGetScalar(standalone::GetField(s, "LinesLost"));
    out.bytes = mxGetScalar(standalone::GetField(s, "Bytes"));
    out.error = standalone::GetString(standalone::GetField(s, "Error"));
    return out;
}

Status CallStatus(const char* command) { return StatusOf(Call(1, {String(command)})[0]); }

class RecordingTest : public fixture::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        dir_ = fs::temp_directory_path() /
               ("varnelo-recording-" + std::to_string(platform::UtcNowNanoseconds()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        ModuleTest::TearDown();
        fs::remove_all(dir_);
    }
    // UTF-8, as the module takes file names.
    std::string Path(const std::string& name) const { return (dir_ / fs::u8path(name)).u8string(); }
    fs::path dir_;
};

TEST_F(RecordingTest, EveryStoredLineAndTheCommandsBetweenThemReachTheFile) {
    Connect();
    auto conf = Call(1, {String("GetConfData")});
    // Sent before the recording: the file holds it, and Connect's divider, as
    // the settings in force before its first line.
    ASSERT_EQ(ErrorOf(0, {String("SetInputGain"), String("2x"), String("5x")}), "");
    const std::string path = Path("session \xC2\xB5\xCE\xA9.vnrec");  // "session µΩ"
    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(path.c_str())}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(2)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // Longer than one record holds: the text goes on in text records.
    std::string marker = "stimulus \xE2\x86\x92 ";
    while (marker.size() < 500) marker += "0123456789";
    ASSERT_EQ(ErrorOf(0, {String("AddMarker"), String(marker.c_str())}), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    const RingStatus ring = ReadRingStatus(Connection());
    const Status status = CallStatus("StopRecording");
    EXPECT_FALSE(status.recording);
    EXPECT_EQ(status.fileName, path);
    EXPECT_EQ(status.error, "");
    EXPECT_EQ(status.linesLost, 0);

    const recfile::File f = recfile::Read(path);
    ASSERT_EQ(f.error, "");
    EXPECT_FALSE(f.truncated);
    EXPECT_EQ(static_cast<double>(f.size), status.bytes);
    // Every line the receive thread stored, no GetData having taken any:
    // the ring still holds or has dropped each of them.
    ASSERT_EQ(f.lines.size(), ring.unread + ring.overruns);
    EXPECT_EQ(status.lines, static_cast<double>(f.lines.size()));
    for (size_t i = 1; i < f.lines.size(); ++i) {
        ASSERT_EQ(f.lines[i].Cycle(), f.lines[i - 1].Cycle() + 1) << "line " << i;
        ASSERT_GE(f.lines[i].time, f.lines[i - 1].time);
    }

    std::vector<std::string> kinds, texts;
    for (const auto& e : f.events) {
        kinds.push_back(e.kind);
        texts.push_back(e.text);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"RecordingStart", "SetSamplingDivider",
                                               "SetInputGain", "SetSamplingDivider", "Start",
                                               "Marker", "Stop", "RecordingEnd"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"Idle", "1", "2x, 5x", "2", "", marker, "",
                                               "StopRecording"}));
    EXPECT_EQ(f.Find("Start")->line, 0u);
    EXPECT_GT(f.Find("Marker")->line, 0u);
    EXPECT_LT(f.Find("Marker")->line, f.lines.size());
    EXPECT_EQ(f.Find("Stop")->line, f.lines.size());

    EXPECT_EQ(f.serialNumber, "VN2024-0001");
    EXPECT_EQ(f.samplingDivider, 1);  // when the recording started
    ASSERT_EQ(f.confData.size(), CONF_DATA_SIZE);
    const auto* bins = static_cast<const uint16_t*>(mxGetData(standalone::GetField(conf[0], "FrequencyBins")));
    for (uint32_t k = 0; k < BIN_COUNT; ++k)
        EXPECT_EQ(ReadU16(&f.confData[CONF_FREQUENCY_BINS + 2 * k]), bins[k]);
}

TEST_F(RecordingTest, BadInputsGetTheirMessageAndLeaveNoFileBehind) {
    const std::string notConnected = "\tDevice is not connected.\n";
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), String(Path("a").c_str())}), notConnected);
    EXPECT_EQ(ErrorOf(1, {String("StopRecording")}), notConnected);
    EXPECT_EQ(ErrorOf(1, {String("GetRecordingStatus")}), notConnected);
    EXPECT_EQ(ErrorOf(0, {String("AddMarker"), String("x")}), notConnected);
    Connect();
    EXPECT_EQ(ErrorOf(0, {String("StartRecording")}),
              "\tFile name missing. Argument 2. is the name of the recording file.\n");
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), Double(1)}), "\tArgument 2. is not a file name.\n");
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), String("")}), "\tFile name is empty.\n");
    const std::string kept = Path("kept.vnrec");
    std::ofstream(fs::u8path(kept)) << "keep";
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), String(kept.c_str())}),
              "\tRecording file already exists: " + kept + "\n");
    EXPECT_EQ(fs::file_size(fs::u8path(kept)), 4u);
#if defined(_WIN32)
    const uint32_t noFolder = 3;  // ERROR_PATH_NOT_FOUND
#else
    const uint32_t noFolder = ENOENT;
#endif
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), String(Path("no/such/dir.vnrec").c_str())}),
              "\tUnable to create recording file [" + std::to_string(noFolder) + "] - " +
                  platform::FileErrorText(noFolder) + "\n");
    EXPECT_FALSE(fs::exists(dir_ / "no"));
    EXPECT_EQ(ErrorOf(1, {String("StopRecording")}), "\tNo recording to stop.\n");
    const std::string noRecording = "\tNo recording running, send 'StartRecording' command.\n";
    EXPECT_EQ(ErrorOf(0, {String("AddMarker"), String("x")}), noRecording);
    EXPECT_EQ(ErrorOf(0, {String("AddMarker"), Double(1)}), "\tArgument 2. is not text.\n");
    EXPECT_EQ(ErrorOf(2, {String("GetRecordingStatus")}), "\tOne return variable expected\n");
    // Before any recording the status is empty.
    EXPECT_EQ(CallStatus("GetRecordingStatus").fileName, "");

    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(Path("one.vnrec").c_str())}), "");
    EXPECT_EQ(ErrorOf(0, {String("StartRecording"), String(Path("two.vnrec").c_str())}),
              "\tRecording already running, send 'StopRecording' command.\n");
    EXPECT_FALSE(fs::exists(dir_ / "two.vnrec"));
    EXPECT_EQ(ErrorOf(0, {String("AddMarker"), String(std::string(4097, 'x').c_str())}),
              "\tMarker text too long, at most 4096 bytes.\n");
    EXPECT_TRUE(CallStatus("StopRecording").fileName == Path("one.vnrec"));
    EXPECT_EQ(ErrorOf(1, {String("StopRecording")}), "\tNo recording to stop.\n");
    EXPECT_EQ(ErrorOf(0, {String("AddMarker"), String("x")}), noRecording);
    const recfile::File f = recfile::Read(Path("one.vnrec"));
    EXPECT_EQ(f.events.size(), 3u) << "only RecordingStart, Connect's divider and RecordingEnd";
    EXPECT_EQ(f.events.back().text, "StopRecording");
}

TEST_F(RecordingTest, StringScalarsAreTakenWhereverACharRowIs) {
    const auto text = [](const std::string& t) { return standalone::StringObject({t}); };
    ASSERT_EQ(ErrorOf(0, {text("Connect"), text("RingLines"), Double(1000)}), "");
    const std::string path = Path("string \xCE\xA9.vnrec");
    ASSERT_EQ(ErrorOf(0, {text("StartRecording"), text(path)}), "");
    ASSERT_EQ(ErrorOf(0, {text("SetInputGain"), text("2x"), text("10x")}), "");
    const long arrays = standalone::LiveArrays();
    ASSERT_EQ(ErrorOf(0, {text("AddMarker"), text("\xCE\xA9")}), "");
    EXPECT_EQ(standalone::LiveArrays(), arrays) << "the converted text is released";
    // A string array of another size, or a missing string, holds no one text.
    for (mxArray* notOne : {standalone::StringObject({"a", "b"}), standalone::StringObject({""}, true)})
        EXPECT_EQ(ErrorOf(0, {text("AddMarker"), notOne}), "\tArgument 2. is not text.\n");
    const recfile::File f = recfile::Read(CallStatus("StopRecording").fileName);
    ASSERT_EQ(f.events.size(), 5u);  // Connect's divider comes first, as in force at the start
    EXPECT_EQ(f.events[2].text + "|" + f.events[3].text, "2x, 10x|\xCE\xA9");
}

#if !defined(_WIN32)
TEST_F(RecordingTest, AFullDiskStopsTheRecordingButNotTheMeasurement) {
    // A file-size limit a little beyond the header and event area: the
    // writes of the lines soon fail as on a full disk.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const uint64_t linesStart = RECORDING_HEADER_SIZE + uint64_t{RECORDING_EVENT_SLOTS} * RECORD_SIZE;
    rlimit small = old;
    small.rlim_cur = linesStart + 300 * RECORD_SIZE + 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    struct Restore {
        rlimit limit;
        ~Restore() { setrlimit(RLIMIT_FSIZE, &limit); }
    } restore{old};

    Connect();
    const std::string path = Path("full.vnrec");
    ASSERT_EQ(ErrorOf(0, {String("StartRecording"), String(path.c_str())}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Status status;
    for (int i = 0; i < 200 && (status = CallStatus("GetRecordingStatus")).recording; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_FALSE(status.recording) << "the writes past the limit never failed";
    const std::string error = "Unable to write recording file [27] - File too large";
    EXPECT_EQ(status.error, error);
    // Printed once, by the first call after the failure, from the host's thread.
    std::string printed = standalone::TakePrinted();
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    printed += standalone::TakePrinted();
    const std::string message = "\tRecording stopped. " + error + "\n";
    EXPECT_NE(printed.find(message), std::string::npos) << printed;
    EXPECT_EQ(printed.find(message), printed.rfind(message)) << printed;
    // The measurement went on: a new one streams as ever.
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    auto data = Call(1, {String("GetData"), Double(50)});
    EXPECT_NE(static_cast<const uint32_t*>(mxGetData(standalone::GetField(data[0], "MeasurementCycleCount")))[49], 0u);
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");

    const Status last = CallStatus("StopRecording");
    EXPECT_EQ(last.error, error);
    EXPECT_EQ(standalone::TakePrinted().find("Recording stopped"), std::string::npos) << "printed twice";
    const recfile::File f = recfile::Read(path);
    EXPECT_FALSE(f.truncated) << "the file ends at its last whole line";
    EXPECT_EQ(static_cast<double>(f.lines.size()), last.lines);
    EXPECT_EQ(static_cast<double>(f.size), last.bytes);
    EXPECT_GT(f.lines.size(), 0u);
    for (size_t i = 1; i < f.lines.size(); ++i) ASSERT_EQ(f.lines[i].Cycle(), f.lines[i - 1].Cycle() + 1);
}
#endif

TEST(RecordingBuffer, AFullBufferDropsNewLinesAndAGapSaysWhereAndHowMany) {
    const std::string path = (fs::temp_directory_path() /
                              ("varnelo-gap-" + std::to_string(platform::UtcNowNanoseconds()) + ".vnrec"))
                                 .string();
    fs::remove(path);
    RecordingSource source{};
    source.moduleVersion = "test";
    RecordingLimits limits;
    limits.bufferLines = 64;
    limits.eventSlots = RECORDING_RESERVED_SLOTS + 2;  // RecordingStart and one more
    Recording* r = StartRecording(path.c_str(), source, limits);
    uint8_t line[DATA_LINE_SIZE] = {0x03, 0xFF, 0xDD, 0x01};
    auto hand = [&](uint32_t cycle) {
        WriteU32(line + LINE_CYCLE_COUNT, cycle);
        RecordLine(r, line, 1000 + cycle);
    };
    // Far faster than the writer, which drains the buffer every 100 ms.
    for (uint32_t cycle = 0; cycle < 1000; ++cycle) hand(cycle);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    for (uint32_t cycle = 1000; cycle < 1010; ++cycle) hand(cycle);
    // The gap took the last slot markers may have.
    EXPECT_EQ(RecordEvent(r, EVENT_MARKER, "late", 0), EventResult::kNoRoom);
    FinishRecording(r, "StopRecording");
    const RecordingStatus status = ReadRecordingStatus(r);
    DestroyRecording(r);

    const recfile::File f = recfile::Read(path);
    fs::remove(path);
    EXPECT_GT(status.linesLost, 0u);
    EXPECT_EQ(status.lines + status.linesLost, 1010u);
    EXPECT_EQ(f.lines.size(), status.lines);
    EXPECT_EQ(f.LinesLost(), status.linesLost);
    EXPECT_EQ(f.lines.back().Cycle(), 1009u) << "lines after the gap are kept";
    // Each jump in the cycle counts is a Gap event at that line, of its size.
    std::vector<std::pair<uint64_t, uint64_t>> jumps, gaps;
    for (size_t i = 1; i < f.lines.size(); ++i) {
        if (f.lines[i].Cycle() != f.lines[i - 1].Cycle() + 1)
            jumps.emplace_back(i, f.lines[i].Cycle() - f.lines[i - 1].Cycle() - 1);
    }
    for (const auto& e : f.events) {
        if (e.kind == "Gap") {
            gaps.emplace_back(e.line, e.value);
            EXPECT_EQ(e.text, std::to_string(e.value));
            EXPECT_EQ(e.time, 1000 + f.lines[e.line - 1].Cycle() + 1) << "the first lost line's time";
        }
    }
    EXPECT_EQ(jumps, gaps);
    EXPECT_EQ(f.events.back().kind, "RecordingEnd");
}

}  // namespace
