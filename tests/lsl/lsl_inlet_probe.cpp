// lsl_inlet_probe: an LSL consumer in a process of its own, for the tests
// that stream from another process (the Python command line, the Windows
// module under Wine). liblsl reads the configuration LSLAPICFG names.
//
//   lsl_inlet_probe SOURCE_ID [--name NAME] [--samples N] [--timeout T]
//
// Resolves the stream of that source id (and name: a test's own name keeps
// another run's outlet of the same source id out), opens it, and pulls N
// samples, or until the outlet closes; T (default 30 s) bounds the search
// and each wait. Channel 0 must go up by one from sample to sample, and no
// time stamp may go back. Prints
//   samples=N first=C last=C gaps=G backwards=B channels=K rate=R end=WHY name=NAME
// (WHY: samples, closed, timeout, not-found) and exits 0 when it got what it
// was asked for, at least one sample, with no gap and no stamp going back;
// 1 otherwise; 2 on bad arguments.
#include <lsl_c.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::string id, name, end = "not-found";
    double samples = 0, timeout = 30;
    bool bad = false;
    for (int i = 1; i < argc && !bad; ++i) {
        const std::string arg = argv[i];
        double* number = arg == "--samples" ? &samples : arg == "--timeout" ? &timeout : nullptr;
        if (number && i + 1 < argc) {
            bad = (*number = std::atof(argv[++i])) <= 0;
        } else if (arg == "--name" && i + 1 < argc) {
            name = argv[++i];
        } else {
            bad = !id.empty() || arg[0] == '-';
            id = arg;
        }
    }
    if (bad || id.empty() || (id + name).find('\'') != std::string::npos) {
        std::fprintf(stderr, "usage: lsl_inlet_probe SOURCE_ID [--name NAME] [--samples N] [--timeout T]\n");
        return 2;
    }
    std::string predicate = "source_id='" + id + "'";
    if (!name.empty()) predicate += " and name='" + name + "'";
    lsl_streaminfo found[8];
    const int n = lsl_resolve_bypred(found, 8, predicate.c_str(), 1, timeout);
    const int channels = n > 0 ? lsl_get_channel_count(found[0]) : 0;
    const double rate = n > 0 ? lsl_get_nominal_srate(found[0]) : 0;
    if (n > 0) name = lsl_get_name(found[0]);
    // No recovery: a closed outlet ends the pulls, after every sample it sent.
    lsl_inlet inlet = n > 0 ? lsl_create_inlet(found[0], 60, 0, 0) : nullptr;
    for (int i = 0; i < n; ++i) lsl_destroy_streaminfo(found[i]);
    int32_t error = 0;
    if (inlet) {
        lsl_open_stream(inlet, timeout, &error);
        end = error || channels < 1 ? "timeout" : "";
    }

    unsigned long long got = 0, gaps = 0, backwards = 0;
    double first = 0, last = 0, lastStamp = 0;
    std::vector<double> sample(channels > 0 ? channels : 1);
    while (end.empty()) {
        if (samples && got >= samples) {
            end = "samples";
        } else if (const double stamp =
                       lsl_pull_sample_d(inlet, sample.data(), channels, timeout, &error)) {
            gaps += got && sample[0] != last + 1;
            backwards += got && stamp < lastStamp;
            first = got++ ? first : sample[0];
            last = sample[0];
            lastStamp = stamp;
        } else {
            end = error == lsl_lost_error ? "closed" : "timeout";
        }
    }
    if (inlet) lsl_destroy_inlet(inlet);

    char cycles[64] = "first=- last=-";
    if (got) std::snprintf(cycles, sizeof cycles, "first=%.0f last=%.0f", first, last);
    std::printf("samples=%llu %s gaps=%llu backwards=%llu channels=%d rate=%g end=%s name=%s\n",
                got, cycles, gaps, backwards, channels, rate, end.c_str(), name.c_str());
    return end == (samples ? "samples" : "closed") && got && !gaps && !backwards ? 0 : 1;
}
