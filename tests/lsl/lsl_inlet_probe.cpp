// lsl_inlet_probe: a consumer of a Varnelo data stream in a process of its
// own, as a lab's program would be. It finds the stream by its source id,
// opens it, and checks what comes: channel 0 (the cycle count) goes up by
// one from each sample to the next, and no time stamp is earlier than the
// one before. Any numeric stream whose channel 0 counts its samples will
// do; liblsl's own log lines go to stderr.
//
//   lsl_inlet_probe SOURCE_ID [--samples N | --seconds S] [--timeout T]
//
// It pulls N samples (--samples), or for S seconds from the moment the
// stream opened (--seconds), or, with neither, until the outlet closes.
// --timeout T (seconds, default 30) bounds the search for the stream, the
// opening, and the wait for each sample. liblsl reads the configuration
// that LSLAPICFG names, as every program of the test command does.
//
// Prints one line on stdout:
//   samples=N first=C last=C gaps=G backwards=B channels=K rate=R end=WHY name=NAME
// first and last are the cycle counts of the first and last samples ("-"
// without samples); gaps counts samples whose cycle count is not the one
// before plus one; backwards, stamps earlier than the one before; WHY is
// samples, seconds, closed, timeout or not-found.
// Exit status: 0 when it got what it was asked for (N samples, samples for
// S seconds, or samples up to the outlet's closing), at least one sample,
// with no gap and no stamp going back; 1 otherwise; 2 bad arguments.
#include <lsl_c.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
    std::string sourceId;
    unsigned long long samples = 0;  // 0: not asked for
    double seconds = 0;              // 0: not asked for
    double timeout = 30;
};

int Usage(const char* why) {
    std::fprintf(stderr,
                 "lsl_inlet_probe: %s\nusage: lsl_inlet_probe SOURCE_ID [--samples N | --seconds S] "
                 "[--timeout T]\n",
                 why);
    return 2;
}

bool Positive(const char* text, double* value) {
    char* end = nullptr;
    *value = std::strtod(text, &end);
    return end != text && *end == '\0' && *value > 0 && *value < 1e9;
}

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        double value = 0;
        if (arg == "--samples" || arg == "--seconds" || arg == "--timeout") {
            if (i + 1 >= argc || !Positive(argv[i + 1], &value))
                return Usage((arg + " needs a number above 0").c_str());
            ++i;
            if (arg == "--samples") {
                if (value != static_cast<double>(static_cast<unsigned long long>(value)))
                    return Usage("--samples needs a whole number");
                o.samples = static_cast<unsigned long long>(value);
            } else if (arg == "--seconds") {
                o.seconds = value;
            } else {
                o.timeout = value;
            }
        } else if (o.sourceId.empty() && !arg.empty() && arg[0] != '-') {
            o.sourceId = arg;
        } else {
            return Usage(("unexpected argument " + arg).c_str());
        }
    }
    if (o.sourceId.empty()) return Usage("no source id");
    if (o.samples && o.seconds) return Usage("--samples and --seconds exclude each other");

    unsigned long long got = 0, gaps = 0, backwards = 0;
    double first = 0, last = 0, lastStamp = 0;
    int channels = 0;
    double rate = 0;
    std::string name, end = "not-found";

    lsl_streaminfo found[8];
    const int n = lsl_resolve_byprop(found, 8, "source_id", o.sourceId.c_str(), 1, o.timeout);
    lsl_inlet inlet = nullptr;
    bool opened = false;
    if (n > 0) {
        channels = lsl_get_channel_count(found[0]);
        rate = lsl_get_nominal_srate(found[0]);
        name = lsl_get_name(found[0]);
        // No recovery: a closed outlet ends the pull with lsl_lost_error,
        // after every sample it sent.
        inlet = lsl_create_inlet(found[0], 60, 0, 0);
        for (int i = 0; i < n; ++i) lsl_destroy_streaminfo(found[i]);
        int32_t error = 0;
        if (inlet) lsl_open_stream(inlet, o.timeout, &error);
        opened = inlet && error == 0;
        end = error == lsl_lost_error ? "closed" : "timeout";
    }
    if (opened && channels > 0) {
        std::vector<double> sample(static_cast<size_t>(channels));
        const double until = o.seconds ? Now() + o.seconds : 0;
        for (;;) {
            if (o.samples && got == o.samples) {
                end = "samples";
                break;
            }
            double wait = o.timeout;
            if (o.seconds) {
                const double left = until - Now();
                if (left <= 0) {
                    end = "seconds";
                    break;
                }
                if (left < wait) wait = left;
            }
            int32_t error = 0;
            const double stamp = lsl_pull_sample_d(inlet, sample.data(), channels, wait, &error);
            if (stamp == 0.0) {
                if (error == lsl_lost_error) {
                    end = "closed";
                    break;
                }
                if (o.seconds && Now() >= until) continue;  // the seconds ran out, not the timeout
                end = "timeout";
                break;
            }
            if (got == 0) {
                first = sample[0];
            } else {
                if (sample[0] != last + 1) ++gaps;
                if (stamp < lastStamp) ++backwards;
            }
            last = sample[0];
            lastStamp = stamp;
            ++got;
        }
    }
    if (inlet) lsl_destroy_inlet(inlet);

    const std::string wanted = o.samples ? "samples" : o.seconds ? "seconds" : "closed";
    char cycles[64] = "first=- last=-";
    if (got) std::snprintf(cycles, sizeof cycles, "first=%.0f last=%.0f", first, last);
    std::printf("samples=%llu %s gaps=%llu backwards=%llu channels=%d rate=%g end=%s name=%s\n", got,
                cycles, gaps, backwards, channels, rate, end.c_str(), name.c_str());
    std::fflush(stdout);
    return end == wanted && got > 0 && gaps == 0 && backwards == 0 ? 0 : 1;
}
