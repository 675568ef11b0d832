// Recording benchmarks on the standalone host against the simulated
// instrument (Linux):
//
//   recording_bench rate [lines/s=100000] [seconds=60]
//       records with no GetData at all; prints the lines recorded and lost,
//       and the longest a line took from its receipt to the file (polled
//       every 10 ms: an upper bound of the time it waited in memory plus
//       its write).
//   recording_bench cpu [seconds=30]
//       the writer thread's CPU time at the instrument's 1,000 lines/s, read
//       from /proc for the thread that StartRecording starts.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "host/standalone/standalone_host.h"
#include "platform/platform.h"
#include "recording/recording.h"
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

// utime + stime of a thread, in seconds.
double ThreadCpu(const std::string& tid) {
    FILE* f = std::fopen(("/proc/self/task/" + tid + "/stat").c_str(), "r");
    if (!f) return 0;
    char line[1024] = {};
    std::fgets(line, sizeof line, f);
    std::fclose(f);
    const char* p = std::strrchr(line, ')');
    unsigned long utime = 0, stime = 0;
    // Fields after the name: state, then 10 numbers before utime and stime.
    std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime);
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Now() { return static_cast<double>(platform::UtcNowNanoseconds()) * 1e-9; }

std::string TempName(const char* what) {
    return (std::filesystem::temp_directory_path() /
            (std::string("varnelo-bench-") + what + "-" + std::to_string(getpid()) + ".vnrec"))
        .string();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "rate";
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
