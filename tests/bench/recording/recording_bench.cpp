// Benchmarks of the two consumers of the lines, the recording and the LSL
// stream, on the standalone host against the simulated instrument (Linux):
//
//   recording_bench rate [lines/s=100000] [seconds=60]
//       records with no GetData at all; prints the lines recorded and lost,
//       and the longest a line took from its receipt to the file (polled
//       every 10 ms: an upper bound of the time it waited in memory plus
//       its write).
//   recording_bench cpu [seconds=30]
//       the writer thread's CPU time at the instrument's 1,000 lines/s, read
//       from /proc for the thread that StartRecording starts.
//   recording_bench stream [lines/s=100000, 0: the instrument's 1,000] [seconds=60]
//       streams with no GetData and no recording to one inlet, in a process
//       of its own (recording_bench inlet SOURCE_ID), that checks every
//       cycle count; prints the lines pushed, not pushed and received, the
//       latency from each line's receipt to the inlet's pull (both in
//       liblsl's clock), and the CPU time of the stream's thread alone and
//       with liblsl's threads for the outlets and the inlet's connection.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <lsl_c.h>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "host/standalone/standalone_host.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "streaming/streaming.h"
#include "sim/sim_bus.h"
#include "support/recording_file.h"

namespace {

using standalone::Call;
using standalone::Double;
using standalone::String;

std::set<std::string> Threads() {
    std::set<std::string> ids;
    if (DIR* d = opendir("/proc/self/task")) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ids.insert(e->d_name);
        closedir(d);
    }
    return ids;
}

// The time a thread has run, in seconds, as the scheduler counts it
// (/proc/.../schedstat, in ns): exact for a thread that wakes briefly on a
// timer, which utime and stime, sampled at the clock's ticks, are not.
double ThreadCpu(const std::string& tid) {
    unsigned long long ns = 0;
    if (FILE* f = std::fopen(("/proc/self/task/" + tid + "/schedstat").c_str(), "r")) {
        if (std::fscanf(f, "%llu", &ns) != 1) ns = 0;
        std::fclose(f);
    }
    return static_cast<double>(ns) * 1e-9;
}

double Now() { return static_cast<double>(platform::UtcNowNanoseconds()) * 1e-9; }

std::string TempName(const char* what) {
    return (std::filesystem::temp_directory_path() /
            (std::string("varnelo-bench-") + what + "-" + std::to_string(getpid()) + ".vnrec"))
        .string();
}

// The inlet, in a process of its own (recording_bench inlet SOURCE_ID), so
// that every thread of liblsl in the benchmark's process is the outlet's:
// pulls until the outlet closes, checking every cycle count, and prints
// "lines missing backwards" (cycle counts skipped; lines not after the one
// before) and the latencies' median, 99th percentile and longest in ms.
int Inlet(const char* sourceId) {
    lsl_streaminfo info = nullptr;
    if (lsl_resolve_byprop(&info, 1, "source_id", sourceId, 1, 60) < 1) return 1;
    lsl_inlet inlet = lsl_create_inlet(info, 360, 0, 0);  // no recovery: it ends with the outlet
    lsl_destroy_streaminfo(info);
    int32_t error = 0;
    lsl_open_stream(inlet, 60, &error);
    std::vector<double> sample(STREAMING_CHANNELS);
    std::vector<float> latencies;  // ms
    uint64_t missing = 0, backwards = 0;
    double last = -1;
    for (;;) {
        const double stamp = lsl_pull_sample_d(inlet, sample.data(), STREAMING_CHANNELS, 60, &error);
        if (stamp == 0.0) break;
        latencies.push_back(static_cast<float>((lsl_local_clock() - stamp) * 1000));
        if (latencies.size() > 1 && sample[0] <= last) ++backwards;
        if (latencies.size() > 1 && sample[0] > last + 1) missing += static_cast<uint64_t>(sample[0] - last - 1);
        last = sample[0];
    }
    std::sort(latencies.begin(), latencies.end());
    auto at = [&latencies](double q) {
        return latencies.empty() ? 0.0 : latencies[static_cast<size_t>(q * (latencies.size() - 1))];
    };
    std::printf("%zu %llu %llu %.3f %.3f %.3f\n", latencies.size(), static_cast<unsigned long long>(missing),
                static_cast<unsigned long long>(backwards), at(0.5), at(0.99), at(1.0));
    return 0;
}

double StreamingStatus(const char* field) {
    return mxGetScalar(standalone::GetField(Call(1, {String("GetStreamingStatus")})[0], field));
}

int Stream(uint32_t linesPerSecond, double seconds) {
    sim::SimSettings settings;
    settings.linesPerSecond = linesPerSecond;
    // A source id of this run's own: no other outlet on the machine answers.
    settings.serialNumber = "BENCH-" + std::to_string(getpid());
    sim::SimBusSetInstruments({settings});
    FILE* inlet = popen(("'" + std::filesystem::read_symlink("/proc/self/exe").string() +
                         "' inlet varnelo-" + settings.serialNumber).c_str(), "r");
    Call(0, {String("Connect")});
    const std::set<std::string> before = Threads();
    Call(0, {String("StartStreaming")});
    // StartStreaming opens the outlets (liblsl starts their threads) and then
    // starts the stream's thread: the newest.
    std::string pusher;
    for (const std::string& t : Threads())
        if (!before.count(t) && (pusher.empty() || std::stol(t) > std::stol(pusher))) pusher = t;
    for (int i = 0; i < 6000 && StreamingStatus("HasConsumers") == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // Every thread since: the stream's, and liblsl's for the outlets and the inlet's connection.
    std::set<std::string> stream;
    for (const std::string& t : Threads())
        if (!before.count(t)) stream.insert(t);
    auto streamCpu = [&stream] {
        double cpu = 0;
        for (const std::string& t : stream) cpu += ThreadCpu(t);
        return cpu;
    };
    const double pusherAtStart = ThreadCpu(pusher), streamAtStart = streamCpu();
    Call(0, {String("Start")});
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const double pusherCpu = ThreadCpu(pusher) - pusherAtStart;
    const double streamThreadsCpu = streamCpu() - streamAtStart;
    Call(0, {String("Stop")});
    // What the stream still holds reaches the inlet before the outlet closes.
    std::this_thread::sleep_for(std::chrono::seconds(2));
    standalone::CallResult status = Call(1, {String("StopStreaming")});
    const uint32_t sent = sim::SimGetStats(sim::SimBusOpenedInstrument(0)).linesSent;
    uint64_t notSent = 0;
    for (const sim::SimSkippedLines& s : sim::SimSkipped(sim::SimBusOpenedInstrument(0))) notSent += s.count;
    Call(0, {String("Disconnect")});
    standalone::TakePrinted();

    unsigned long long received = 0, missing = 0, backwards = 0;
    double median = 0, p99 = 0, longest = 0;
    char line[256] = {};
    const bool got = inlet && std::fgets(line, sizeof line, inlet) &&
                     std::sscanf(line, "%llu %llu %llu %lf %lf %lf", &received, &missing, &backwards,
                                 &median, &p99, &longest) == 6;
    if (inlet) pclose(inlet);
    const double pushed = mxGetScalar(standalone::GetField(status[0], "LinesPushed"));
    const double notPushed = mxGetScalar(standalone::GetField(status[0], "LinesNotPushed"));
    // Cycle counts the inlet misses that the instrument never sent (it fell
    // behind its pace) are no loss of the stream's.
    std::printf("stream: %.0f s, instrument sent %u lines (%.0f lines/s); pushed %.0f, not pushed %.0f; "
                "the inlet got %llu (%.0f lost on the way), %llu backwards; %llu cycle counts missing, "
                "%llu of them never sent by the instrument%s\n",
                seconds, sent, sent / seconds, pushed, notPushed, received,
                pushed - static_cast<double>(received), backwards, missing,
                static_cast<unsigned long long>(notSent), got ? "" : " (NO INLET)");
    std::printf("stream: from receipt to the inlet: median %.2f ms, 99th percentile %.2f ms, "
                "longest %.2f ms\n", median, p99, longest);
    std::printf("stream: CPU in %.0f s: the stream's thread %.2f s (%.3f %% of one core); with liblsl's "
                "outlet threads %.2f s (%.3f %%)\n", seconds, pusherCpu, 100 * pusherCpu / seconds,
                streamThreadsCpu, 100 * streamThreadsCpu / seconds);
    return got ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "rate";
    if (mode == "inlet" && argc > 2) return Inlet(argv[2]);
    if (mode == "stream")
        return Stream(argc > 2 ? std::atoi(argv[2]) : 100000, argc > 3 ? std::atof(argv[3]) : 60);
    sim::SimSettings settings;
    if (mode == "rate") settings.linesPerSecond = argc > 2 ? std::atoi(argv[2]) : 100000;
    const double seconds = argc > 3 ? std::atof(argv[3]) : (mode == "rate" ? 60 : 30);
    sim::SimBusSetInstruments({settings});
    const std::string path = TempName(mode.c_str());
    std::filesystem::remove(path);

    Call(0, {String("Connect")});
    const std::set<std::string> before = Threads();
    Call(0, {String("StartRecording"), String(path.c_str())});
    std::string writer;
    for (const std::string& t : Threads())
        if (!before.count(t)) writer = t;
    Call(0, {String("Start")});

    double longestLag = 0;
    const double end = Now() + seconds;
    const uint64_t linesStart = RECORDING_HEADER_SIZE + uint64_t{RECORDING_EVENT_SLOTS} * RECORD_SIZE;
    const double cpuAtStart = ThreadCpu(writer);
    int fd = open(path.c_str(), O_RDONLY);
    while (Now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        struct stat st{};
        fstat(fd, &st);
        const uint64_t size = static_cast<uint64_t>(st.st_size);
        if (size < linesStart + RECORD_SIZE) continue;
        const uint64_t last = linesStart + ((size - linesStart) / RECORD_SIZE - 1) * RECORD_SIZE;
        int64_t received = 0;
        if (pread(fd, &received, sizeof received, static_cast<off_t>(last + RECORD_TIME)) == 8)
            longestLag = std::max(longestLag, Now() - static_cast<double>(received) * 1e-9);
    }
    close(fd);
    const double writerCpu = ThreadCpu(writer) - cpuAtStart;
    Call(0, {String("Stop")});
    standalone::CallResult status = Call(1, {String("StopRecording")});
    const uint32_t sent = sim::SimGetStats(sim::SimBusOpenedInstrument(0)).linesSent;
    // Lines the instrument made but never sent (it fell behind its pace):
    // missing from its stream, not lost by the host.
    uint64_t notSent = 0;
    for (const sim::SimSkippedLines& s : sim::SimSkipped(sim::SimBusOpenedInstrument(0))) notSent += s.count;
    Call(0, {String("Disconnect")});
    standalone::TakePrinted();

    const recfile::File file = recfile::Read(path);
    std::filesystem::remove(path);
    uint64_t missing = 0;
    for (size_t i = 1; i < file.lines.size(); ++i)
        missing += file.lines[i].Cycle() - file.lines[i - 1].Cycle() - 1;
    const double lost = mxGetScalar(standalone::GetField(status[0], "LinesLost"));
    std::printf("recording %s: %.0f s, instrument sent %u lines (%.0f lines/s); file: %zu lines "
                "(%.0f lines/s, %.1f MB/s), %.0f lost to the recording; %llu cycle counts missing, "
                "%llu of them never sent by the instrument; %s\n",
                mode.c_str(), seconds, sent, sent / seconds, file.lines.size(),
                file.lines.size() / seconds, file.lines.size() * 208.0 / seconds / 1e6, lost,
                static_cast<unsigned long long>(missing), static_cast<unsigned long long>(notSent),
                file.truncated ? "truncated" : "complete");
    std::printf("recording %s: longest from receipt to the file %.0f ms; writer thread CPU %.2f s "
                "in %.0f s (%.3f %% of one core)\n",
                mode.c_str(), longestLag * 1000, writerCpu, seconds, 100 * writerCpu / seconds);
    return 0;
}
