// The stream: a buffer between the receive thread and liblsl, and the thread
// that drains it into the outlets.
//
// Lines enter under producerLock, held only for a 192-byte copy; the thread
// converts them to samples and pushes them in chunks, straight from the
// buffer's memory: the producer never reuses a slot before the thread has
// counted it as pushed. Markers and the start of a measurement are rare;
// each is queued with the number of lines before it, so that it reaches the
// outlets exactly between the lines it came between.
#include "streaming/streaming.h"

#include <lsl_c.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "host/command_error.h"
#include "link/protocol.h"
#include "platform/platform.h"

namespace {

struct QueuedLine {
    uint8_t bytes[DATA_LINE_SIZE];
    double stamp;  // liblsl's clock
};

// Something that goes out between two lines.
struct Notice {
    uint64_t atLine;  // lines accepted before it
    bool measurementStart;
    double rate;       // measurementStart: the new measurement's nominal rate
    std::string text;  // a marker
    double stamp;
};

// Samples a push hands to liblsl at most: 1,000 lines are 264 kB.
constexpr uint32_t kChunkLines = 1000;
// What an outlet keeps for an inlet that falls behind, in samples: 200 s at
// 1000 lines/s.
constexpr int32_t kOutletBufferSamples = 200000;

// A host time (ns since 1970 UTC) in liblsl's clock, through the two clocks'
// readings now.
double LslTimeOf(int64_t utcNanoseconds) {
    const double lslNow = lsl_local_clock();
    return lslNow - static_cast<double>(platform::UtcNowNanoseconds() - utcNanoseconds) * 1e-9;
}

std::string Text(const char* text) { return text ? text : ""; }

}  // namespace

struct Streaming {
    std::string name;
    std::string sourceId;
    std::string serialNumber, deviceInfo, moduleVersion;
    uint16_t deviceIndex = 0;
    uint16_t samplingDivider = 0;
    std::vector<uint8_t> confData;  // empty when not known
    double declaredRate = 0;        // by the data outlet
    lsl_outlet data = nullptr;
    lsl_outlet markers = nullptr;
    std::unique_ptr<QueuedLine[]> lines;  // STREAMING_BUFFER_LINES
    std::vector<double> samples;          // the thread's: one chunk of samples
    std::vector<double> stamps;           // and their time stamps
    platform::Handle wake = nullptr;      // auto-reset: ends the thread's pause early
    platform::Handle thread = nullptr;

    std::mutex producerLock;  // the producer side below
    std::atomic<bool> running{true};
    std::atomic<uint64_t> accepted{0};  // lines handed over and kept
    std::atomic<uint64_t> pushed{0};    // lines taken out by the thread (pushed or not pushable)
    std::atomic<uint64_t> linesPushed{0};
    std::atomic<uint64_t> notPushed{0};
    std::atomic<uint64_t> markersPushed{0};
    std::atomic<bool> hasConsumers{false};
    std::vector<Notice> notices;
    int64_t lastReceivedAt = std::numeric_limits<int64_t>::min();
    double lastStamp = -std::numeric_limits<double>::infinity();

    ~Streaming() {
        if (data) lsl_destroy_outlet(data);
        if (markers) lsl_destroy_outlet(markers);
        if (wake) platform::CloseObject(wake);
    }
};

namespace {

void AppendChannel(lsl_xml_ptr channels, const std::string& label, const char* type,
                   const char* unit, int bin, int frequencyWord) {
    lsl_xml_ptr c = lsl_append_child(channels, "channel");
    lsl_append_child_value(c, "label", label.c_str());
    lsl_append_child_value(c, "type", type);
    lsl_append_child_value(c, "unit", unit);
    if (bin > 0) {
        lsl_append_child_value(c, "bin", std::to_string(bin).c_str());
        if (frequencyWord >= 0)
            lsl_append_child_value(c, "frequency_bin", std::to_string(frequencyWord).c_str());
    }
}

std::string ComplexTableText(const uint8_t* conf, uint32_t realOffset, uint32_t imagOffset) {
    std::string text;
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        float re, im;
        const uint32_t reBits = ReadU32(conf + realOffset + 4 * k);
        const uint32_t imBits = ReadU32(conf + imagOffset + 4 * k);
        std::memcpy(&re, &reBits, sizeof re);
        std::memcpy(&im, &imBits, sizeof im);
        char value[64];
        std::snprintf(value, sizeof value, "%s%.9g%+.9gi", k ? ", " : "", static_cast<double>(re),
                      static_cast<double>(im));
        text += value;
    }
    return text;
}

// The data stream's information: its channels, named with their bins'
// frequency words when the configuration is known, the instrument and the
// configuration.
lsl_streaminfo DataInfo(const Streaming* s, double rate) {
    lsl_streaminfo info = lsl_create_streaminfo(s->name.c_str(), "Impedance", STREAMING_CHANNELS,
                                                rate, cft_double64, s->sourceId.c_str());
    if (!info) return nullptr;
    lsl_xml_ptr desc = lsl_get_desc(info);
    const uint8_t* conf = s->confData.empty() ? nullptr : s->confData.data();
    auto word = [conf](uint32_t k) {
        return conf ? static_cast<int>(ReadU16(conf + CONF_FREQUENCY_BINS + 2 * k)) : -1;
    };
    lsl_xml_ptr channels = lsl_append_child(desc, "channels");
    AppendChannel(channels, "MeasurementCycleCount", "CycleCount", "count", 0, -1);
    // The 15 moduli, then the 15 phases, as a line holds them.
    const char* const kinds[2][2] = {{"ImpedanceModule", "ohms"}, {"ImpedancePhase", "degrees"}};
    for (const auto& kind : kinds) {
        for (uint32_t k = 0; k < BIN_COUNT; ++k) {
            const std::string at = conf ? " " + std::to_string(word(k)) : " bin " + std::to_string(k + 1);
            AppendChannel(channels, kind[0] + at, kind[0], kind[1], static_cast<int>(k + 1), word(k));
        }
    }
    AppendChannel(channels, "SysErrors", "SysErrors", "bits", 0, -1);
    AppendChannel(channels, "GPIOState", "GPIOState", "bits", 0, -1);

    lsl_xml_ptr acquisition = lsl_append_child(desc, "acquisition");
    lsl_append_child_value(acquisition, "manufacturer", "Varnelo");
    lsl_append_child_value(acquisition, "serial_number", s->serialNumber.c_str());
    lsl_append_child_value(acquisition, "device_info", s->deviceInfo.c_str());
    lsl_append_child_value(acquisition, "device_index", std::to_string(s->deviceIndex).c_str());
    lsl_append_child_value(acquisition, "module_version", s->moduleVersion.c_str());
    lsl_xml_ptr configuration = lsl_append_child(desc, "configuration");
    lsl_append_child_value(configuration, "sampling_divider",
                           std::to_string(s->samplingDivider).c_str());
    lsl_append_child_value(configuration, "known", conf ? "true" : "false");
    if (conf) {
        lsl_append_child_value(configuration, "frequency_count",
                               std::to_string(ReadU16(conf + CONF_FREQUENCY_COUNT)).c_str());
        lsl_xml_ptr bins = lsl_append_child(configuration, "frequency_bins");
        for (uint32_t k = 0; k < BIN_COUNT; ++k)
            lsl_append_child_value(bins, "bin", std::to_string(word(k)).c_str());
        lsl_append_child_value(configuration, "shunt_complex_values",
                               ComplexTableText(conf, CONF_SHUNT_REAL, CONF_SHUNT_IMAG).c_str());
        lsl_append_child_value(configuration, "compensation_complex_values",
                               ComplexTableText(conf, CONF_COMP_REAL, CONF_COMP_IMAG).c_str());
    }
    return info;
}

lsl_outlet OpenOutlet(lsl_streaminfo info) {
    if (!info) return nullptr;
    lsl_outlet outlet = lsl_create_outlet_ex(info, 0, kOutletBufferSamples, transp_bufsize_samples);
    lsl_destroy_streaminfo(info);
    return outlet;
}

std::string LslError() {
    const char* text = lsl_last_error();
    return text && text[0] ? text : "unknown error";
}

// One line as a sample, in the order of the channels.
void ToSample(const uint8_t* line, double* sample) {
    sample[0] = static_cast<double>(ReadU32(line + LINE_CYCLE_COUNT));
    for (uint32_t k = 0; k < 2 * BIN_COUNT; ++k) {
        const uint32_t bits = ReadU32(line + LINE_MODULE + 4 * k);  // the phases follow the moduli
        float value;
        std::memcpy(&value, &bits, sizeof value);
        sample[1 + k] = static_cast<double>(value);
    }
    sample[1 + 2 * BIN_COUNT] = static_cast<double>(ReadU16(line + LINE_SYS_ERRORS));
    sample[2 + 2 * BIN_COUNT] = static_cast<double>(ReadU16(line + LINE_GPIO_STATE));
}

// Pushes the lines up to `to` (lines accepted), oldest first, in chunks.
void PushLines(Streaming* s, uint64_t to) {
    std::vector<double>& samples = s->samples;
    std::vector<double>& stamps = s->stamps;
    uint64_t from = s->pushed.load(std::memory_order_relaxed);
    while (from < to) {
        const uint64_t index = from % STREAMING_BUFFER_LINES;
        const uint32_t n = static_cast<uint32_t>(
            std::min<uint64_t>({to - from, STREAMING_BUFFER_LINES - index, kChunkLines}));
        for (uint32_t i = 0; i < n; ++i) {
            const QueuedLine& q = s->lines[index + i];
            ToSample(q.bytes, &samples[static_cast<size_t>(i) * STREAMING_CHANNELS]);
            stamps[i] = q.stamp;
        }
        from += n;
        s->pushed.store(from, std::memory_order_release);
        if (s->data && lsl_push_chunk_dtnp(s->data, samples.data(),
                                           static_cast<unsigned long>(n) * STREAMING_CHANNELS,
                                           stamps.data(), 1) == lsl_no_error) {
            s->linesPushed += n;
        } else {
            s->notPushed += n;
        }
    }
}

// Closes outlets once liblsl has had a moment to send what they hold:
// liblsl sends to each inlet from threads of its own, and an outlet that
// closes drops what they have not sent yet, which would be the last lines
// pushed for an inlet that is there.
void CloseOutlets(lsl_outlet* outlets, size_t count) {
    bool consumers = false;
    for (size_t i = 0; i < count; ++i) consumers = consumers || (outlets[i] && lsl_have_consumers(outlets[i]));
    if (consumers) platform::SleepMs(STREAMING_LINGER_MS);
    for (size_t i = 0; i < count; ++i) {
        if (outlets[i]) lsl_destroy_outlet(outlets[i]);
        outlets[i] = nullptr;
    }
}

// A measurement at another rate than the data outlet declares gets an
// outlet that declares its rate; inlets recover to it by its source id.
void DeclareRate(Streaming* s, double rate) {
    if (rate == s->declaredRate && s->data) return;
    CloseOutlets(&s->data, 1);
    s->data = OpenOutlet(DataInfo(s, rate));
    s->declaredRate = rate;
}

void PushMarker(Streaming* s, const Notice& n) {
    const char* text = n.text.c_str();
    if (s->markers && lsl_push_sample_strtp(s->markers, &text, n.stamp, 1) == lsl_no_error)
        ++s->markersPushed;
}

void Drain(Streaming* s) {
    std::vector<Notice> notices;
    uint64_t head;
    {
        std::lock_guard<std::mutex> guard(s->producerLock);
        notices.swap(s->notices);
        head = s->accepted.load(std::memory_order_acquire);
    }
    for (const Notice& n : notices) {
        PushLines(s, n.atLine);
        if (n.measurementStart) {
            DeclareRate(s, n.rate);
        } else {
            PushMarker(s, n);
        }
    }
    PushLines(s, head);
    s->hasConsumers = s->data && lsl_have_consumers(s->data);
}

uint32_t PushThread(void* argument) {
    auto* s = static_cast<Streaming*>(argument);
    for (;;) {
        platform::WaitForObject(s->wake, STREAMING_PUSH_MS);
        // Read before the drain: everything handed over before the stop is
        // pushed in this pass.
        const bool stopping = !s->running.load();
        Drain(s);
        if (stopping) return 0;
    }
}

void TakeLine(void* context, const uint8_t* line, int64_t receivedAt) {
    auto* s = static_cast<Streaming*>(context);
    std::lock_guard<std::mutex> guard(s->producerLock);
    if (!s->running.load(std::memory_order_relaxed)) return;
    const uint64_t head = s->accepted.load(std::memory_order_relaxed);
    if (head - s->pushed.load(std::memory_order_acquire) >= STREAMING_BUFFER_LINES) {
        ++s->notPushed;
        return;
    }
    // The lines of one read share its receive time; a stamp is never
    // earlier than the one before, whatever the two clocks do meanwhile.
    if (receivedAt != s->lastReceivedAt) {
        s->lastReceivedAt = receivedAt;
        s->lastStamp = std::max(LslTimeOf(receivedAt), s->lastStamp);
    }
    QueuedLine& q = s->lines[head % STREAMING_BUFFER_LINES];
    std::memcpy(q.bytes, line, DATA_LINE_SIZE);
    q.stamp = s->lastStamp;
    s->accepted.store(head + 1, std::memory_order_release);
}

FeedResult TakeEvent(void* context, const FeedEvent& event) {
    auto* s = static_cast<Streaming*>(context);
    // A marker is its own text; the module's events carry their name.
    std::string text = event.name;
    if (std::strcmp(event.name, "Marker") == 0) {
        text = *event.text;
    } else if (!event.text->empty()) {
        text += ": " + *event.text;
    }
    const double stamp = LslTimeOf(event.time);
    std::lock_guard<std::mutex> guard(s->producerLock);
    if (!s->running.load(std::memory_order_relaxed)) return FeedResult::kNotTaking;
    s->notices.push_back(Notice{s->accepted.load(std::memory_order_relaxed), false, 0, std::move(text), stamp});
    return FeedResult::kTaken;
}

void TakeMeasurementStart(void* context, double nominalRate) {
    auto* s = static_cast<Streaming*>(context);
    std::lock_guard<std::mutex> guard(s->producerLock);
    if (!s->running.load(std::memory_order_relaxed)) return;
    s->notices.push_back(Notice{s->accepted.load(std::memory_order_relaxed), true, nominalRate, {}, 0});
}

}  // namespace

Streaming* StartStreaming(const StreamingSource& source) {
    std::unique_ptr<Streaming> s(new (std::nothrow) Streaming);
    if (s) s->lines.reset(new (std::nothrow) QueuedLine[STREAMING_BUFFER_LINES]);
    if (!s || !s->lines) Fail("\tUnable to allocate memory for the streaming buffer.\n");
    s->samples.resize(kChunkLines * STREAMING_CHANNELS);
    s->stamps.resize(kChunkLines);
    s->serialNumber = Text(source.serialNumber);
    s->deviceInfo = Text(source.deviceInfo);
    s->moduleVersion = Text(source.moduleVersion);
    s->deviceIndex = source.deviceIndex;
    s->samplingDivider = source.samplingDivider;
    if (source.confData) s->confData.assign(source.confData, source.confData + CONF_DATA_SIZE);
    s->name = source.name.empty() ? "Varnelo " + s->serialNumber : source.name;
    s->sourceId = "varnelo-" + s->serialNumber;

    s->declaredRate = source.nominalRate;
    s->data = OpenOutlet(DataInfo(s.get(), source.nominalRate));
    if (s->data) {
        s->markers = OpenOutlet(lsl_create_streaminfo((s->name + " Markers").c_str(), "Markers", 1,
                                                      LSL_IRREGULAR_RATE, cft_string,
                                                      (s->sourceId + "-markers").c_str()));
    }
    if (!s->data || !s->markers) Fail(("\tUnable to open the stream: " + LslError() + "\n").c_str());
    s->wake = platform::CreateEventObject(false, false);
    if (s->wake) s->thread = platform::StartThread(PushThread, s.get());
    if (!s->thread) Fail("\tError creating Streaming thread.\n");
    return s.release();
}

FeedConsumer StreamingConsumer(Streaming* streaming) {
    return {streaming, TakeLine, TakeEvent, TakeMeasurementStart};
}

void StopStreaming(Streaming* s) {
    {
        std::lock_guard<std::mutex> guard(s->producerLock);
        s->running = false;
    }
    if (s->thread) {
        platform::SetEventObject(s->wake);
        platform::WaitForObject(s->thread, platform::kInfinite);
        platform::CloseObject(s->thread);
        s->thread = nullptr;
    }
    lsl_outlet outlets[2] = {s->data, s->markers};
    CloseOutlets(outlets, 2);
    s->data = nullptr;
    s->markers = nullptr;
    s->hasConsumers = false;
}

StreamingStatus ReadStreamingStatus(const Streaming* s) {
    StreamingStatus status;
    if (!s) return status;
    status.name = s->name;
    status.sourceId = s->sourceId;
    status.streaming = s->running.load();
    status.linesPushed = s->linesPushed.load();
    status.linesNotPushed = s->notPushed.load();
    status.markersPushed = s->markersPushed.load();
    status.hasConsumers = s->hasConsumers.load();
    return status;
}

void DestroyStreaming(Streaming* s) {
    if (!s) return;
    StopStreaming(s);
    delete s;
}
