// The recording: a buffer between the receive thread and the disk, and the
// writer thread that drains it into the file.
//
// Lines and events enter under producerLock, which is held only for a
// 208-byte copy. Lines go into a ring of RECORDING_BUFFER_LINES records that
// the writer writes out straight from the ring's memory, without the lock:
// the producer never reuses a record before the writer has counted it as
// written. Events are rare; each is built in full, given its slot in the
// file's event area, and queued for the writer.
#include "recording/recording.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

#include "host/command_error.h"
#include "link/protocol.h"
#include "platform/platform.h"

namespace {

enum class State { kRunning, kStopping, kFailed, kFinished };

struct Record {
    uint8_t bytes[RECORD_SIZE];
};

struct QueuedEvent {
    uint32_t slot;
    Record record;
};

void WriteU64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Copies text into a zero-padded field, keeping at least one zero at its end.
void PutText(uint8_t* field, size_t size, const char* text) {
    std::memset(field, 0, size);
    if (text) std::memcpy(field, text, std::min(std::strlen(text), size - 1));
}

// The longest prefix of text, at most limit bytes, that does not end inside
// a UTF-8 character.
size_t WholeCharacters(const std::string& text, size_t limit) {
    if (text.size() <= limit) return text.size();
    size_t n = limit;
    while (n > 0 && (static_cast<uint8_t>(text[n]) & 0xC0) == 0x80) --n;
    return n;
}

std::string SystemError(const char* what, uint32_t code) {
    char text[512];
    std::snprintf(text, sizeof text, "%s [%d] - %s", what, static_cast<int>(code),
                  platform::FileErrorText(code).c_str());
    return text;
}

uint64_t SlotOffset(uint32_t slot) {
    return RECORDING_HEADER_SIZE + static_cast<uint64_t>(slot) * RECORD_SIZE;
}

const char kWriteFailed[] = "Unable to write recording file";

// QueueEvent's slot for an event that takes the next free slots.
constexpr uint32_t kNextFreeSlot = UINT32_MAX;

}  // namespace

struct Recording {
    std::string fileName;
    RecordingLimits limits;
    platform::File file = nullptr;
    std::unique_ptr<Record[]> lines;  // limits.bufferLines records
    platform::Handle wake = nullptr;  // auto-reset: ends the writer's pause early
    platform::Handle thread = nullptr;

    // Producer side. accepted and written only grow; their difference is
    // what the buffer holds.
    std::mutex producerLock;
    std::atomic<State> state{State::kRunning};
    std::atomic<uint64_t> accepted{0};  // lines handed over and kept
    std::atomic<uint64_t> written{0};   // lines written to the file (writer)
    std::atomic<uint64_t> lost{0};
    uint64_t gapLines = 0;              // dropped since the last line kept
    int64_t gapTime = 0;                // receive time of the first of them
    uint32_t nextSlot = 0;              // the event area's first free slot
    struct {
        uint32_t slot = kNextFreeSlot;  // none yet
        uint64_t line = 0;
        uint64_t lines = 0;
        int64_t time = 0;
    } lastGap;                          // the latest Gap event written
    std::vector<QueuedEvent> events;    // built, not yet written

    mutable std::mutex errorLock;
    std::string error;                  // the failure that stopped it
    bool errorReported = false;

    uint64_t LineOffset(uint64_t line) const { return SlotOffset(limits.eventSlots) + line * RECORD_SIZE; }

    ~Recording() {
        if (file) platform::CloseFile(file);
        if (wake) platform::CloseObject(wake);
    }
};

namespace {

// Builds an event and its text records and queues them: in the next free
// slots below slotLimit, or over an earlier event at slot. The caller holds
// producerLock. False when they do not fit.
bool QueueEvent(Recording* r, uint32_t slotLimit, const char* name, const std::string& text,
                uint64_t value, int64_t time, uint64_t line, uint32_t slot) {
    const size_t textBytes = WholeCharacters(text, MAX_EVENT_TEXT);
    const size_t rest = textBytes > EVENT_TEXT_HERE ? textBytes - EVENT_TEXT_HERE : 0;
    const uint32_t records = 1 + static_cast<uint32_t>((rest + TEXT_RECORD_BYTES - 1) / TEXT_RECORD_BYTES);
    if (slot == kNextFreeSlot) {
        if (r->nextSlot + records > slotLimit) return false;
        slot = r->nextSlot;
        r->nextSlot += records;
    }
    QueuedEvent event{};
    event.slot = slot;
    uint8_t* b = event.record.bytes;
    WriteU16(b + RECORD_KIND, RECORD_EVENT);
    WriteU16(b + RECORD_TEXT_BYTES, static_cast<uint16_t>(textBytes));
    WriteU64(b + RECORD_TIME, static_cast<uint64_t>(time));
    WriteU64(b + EVENT_LINE, line);
    WriteU64(b + EVENT_VALUE, value);
    PutText(b + EVENT_NAME, EVENT_NAME_SIZE, name);
    std::memcpy(b + EVENT_TEXT, text.data(), std::min<size_t>(textBytes, EVENT_TEXT_HERE));
    r->events.push_back(event);
    for (size_t done = EVENT_TEXT_HERE; done < textBytes; done += TEXT_RECORD_BYTES) {
        QueuedEvent part{};
        part.slot = ++slot;
        uint8_t* p = part.record.bytes;
        const size_t n = std::min<size_t>(textBytes - done, TEXT_RECORD_BYTES);
        WriteU16(p + RECORD_KIND, RECORD_TEXT);
        WriteU16(p + RECORD_TEXT_BYTES, static_cast<uint16_t>(n));
        WriteU64(p + RECORD_TIME, static_cast<uint64_t>(time));
        std::memcpy(p + RECORD_PAYLOAD, text.data() + done, n);
        r->events.push_back(part);
    }
    return true;
}

// Writes the Gap event for the lines dropped since the last one kept. When
// the event area has no room left, the latest Gap event takes them on.
void QueueGap(Recording* r) {
    if (r->gapLines == 0) return;
    auto& last = r->lastGap;
    const uint64_t line = r->accepted.load(std::memory_order_relaxed);
    if (QueueEvent(r, r->limits.eventSlots - 1, EVENT_GAP, std::to_string(r->gapLines),
                   r->gapLines, r->gapTime, line, kNextFreeSlot)) {
        last.slot = r->events.back().slot;
        last.line = line;
        last.lines = r->gapLines;
        last.time = r->gapTime;
    } else if (last.slot != kNextFreeSlot) {
        last.lines += r->gapLines;
        QueueEvent(r, r->limits.eventSlots, EVENT_GAP, std::to_string(last.lines), last.lines,
                   last.time, last.line, last.slot);
    }
    r->gapLines = 0;
}

// The writer gives up: what the buffer still holds is lost to the
// recording, and the file is cut back to its last whole line.
void StopOnFailure(Recording* r, uint32_t code) {
    {
        std::lock_guard<std::mutex> guard(r->errorLock);
        r->error = SystemError(kWriteFailed, code);
    }
    {
        std::lock_guard<std::mutex> guard(r->producerLock);
        r->state = State::kFailed;
        r->lost += r->accepted - r->written + r->gapLines;
        r->gapLines = 0;
        r->events.clear();
    }
    platform::SetFileLength(r->file, r->LineOffset(r->written));
    platform::CloseFile(r->file);
    r->file = nullptr;
}

// Writes the queued events and every line handed over so far. Returns the
// error code of a failed write, 0 when all went out.
uint32_t WritePending(Recording* r) {
    std::vector<QueuedEvent> events;
    {
        std::lock_guard<std::mutex> guard(r->producerLock);
        events.swap(r->events);
    }
    for (const QueuedEvent& e : events) {
        if (uint32_t code = platform::WriteFileAt(r->file, SlotOffset(e.slot), e.record.bytes, RECORD_SIZE))
            return code;
    }
    const uint64_t head = r->accepted.load(std::memory_order_acquire);
    uint64_t tail = r->written.load(std::memory_order_relaxed);
    while (tail < head) {
        // One write per contiguous stretch of the ring: at most two a pass.
        const uint64_t index = tail % r->limits.bufferLines;
        const uint64_t n = std::min<uint64_t>(head - tail, r->limits.bufferLines - index);
        if (uint32_t code = platform::WriteFileAt(r->file, r->LineOffset(tail), r->lines[index].bytes,
                                                  static_cast<size_t>(n * RECORD_SIZE)))
            return code;
        tail += n;
        r->written.store(tail, std::memory_order_release);
    }
    return 0;
}

uint32_t WriterThread(void* argument) {
    auto* r = static_cast<Recording*>(argument);
    for (;;) {
        platform::WaitForObject(r->wake, RECORDING_FLUSH_MS);
        // Read before the drain: everything handed over before the stop,
        // the RecordingEnd event included, is drained in this pass.
        const bool stopping = r->state.load() == State::kStopping;
        if (uint32_t code = WritePending(r)) {
            StopOnFailure(r, code);
            return 1;
        }
        if (!stopping) continue;
        uint32_t code = platform::SyncFile(r->file);
        const uint32_t closed = platform::CloseFile(r->file);
        r->file = nullptr;
        if (code == 0) code = closed;
        if (code != 0) {
            std::lock_guard<std::mutex> guard(r->errorLock);
            r->error = SystemError(kWriteFailed, code);
        }
        r->state = State::kFinished;
        return 0;
    }
}

std::vector<uint8_t> Header(const RecordingSource& source, uint32_t eventSlots, int64_t startTime) {
    std::vector<uint8_t> h(RECORDING_HEADER_SIZE, 0);
    std::memcpy(&h[HEADER_MAGIC], RECORDING_MAGIC, sizeof RECORDING_MAGIC);
    WriteU32(&h[HEADER_FORMAT_VERSION], RECORDING_FORMAT_VERSION);
    WriteU32(&h[HEADER_HEADER_SIZE], RECORDING_HEADER_SIZE);
    WriteU32(&h[HEADER_RECORD_SIZE], RECORD_SIZE);
    WriteU32(&h[HEADER_EVENT_SLOTS], eventSlots);
    WriteU64(&h[HEADER_START_TIME], static_cast<uint64_t>(startTime));
    WriteU16(&h[HEADER_DEVICE_INDEX], source.deviceIndex);
    WriteU16(&h[HEADER_SAMPLING_DIVIDER], source.samplingDivider);
    h[HEADER_LINES_PER_READ] = source.linesPerRead;
    h[HEADER_HAS_CONF_DATA] = source.confData ? 1 : 0;
    WriteU16(&h[HEADER_MODE], static_cast<uint16_t>(source.mode));
    PutText(&h[HEADER_MODULE_VERSION], HEADER_TEXT_MODULE_VERSION, source.moduleVersion);
    PutText(&h[HEADER_SERIAL_NUMBER], HEADER_TEXT_SERIAL_NUMBER, source.serialNumber);
    PutText(&h[HEADER_DEVICE_INFO], HEADER_TEXT_DEVICE_INFO, source.deviceInfo);
    if (source.confData) std::memcpy(&h[HEADER_CONF_DATA], source.confData, CONF_DATA_SIZE);
    return h;
}

const char* ModeWord(uint32_t mode) {
    switch (mode) {
        case 1: return "Measuring";
        case 2: return "ExternalTrigger";
        default: return "Idle";
    }
}

}  // namespace

Recording* StartRecording(const char* utf8FileName, const RecordingSource& source,
                          const RecordingLimits& limits) {
    std::unique_ptr<Recording> r(new (std::nothrow) Recording);
    if (r) {
        r->limits = limits;
        r->lines.reset(new (std::nothrow) Record[limits.bufferLines]);
    }
    if (!r || !r->lines) Fail("\tUnable to allocate memory for the recording buffer.\n");
    r->fileName = utf8FileName;
    r->wake = platform::CreateEventObject(false, false);
    if (!r->wake) Fail("\tError creating Recording thread.\n");

    if (uint32_t code = platform::CreateNewFile(utf8FileName, &r->file)) {
        if (platform::IsFileExistsError(code)) {
            Fail(("\tRecording file already exists: " + r->fileName + "\n").c_str());
        }
        Fail(("\t" + SystemError("Unable to create recording file", code) + "\n").c_str());
    }
    // The status names the file created, whatever the current folder becomes.
    r->fileName = platform::FullPath(utf8FileName);
    // From here on a failure leaves no file behind.
    auto abandon = [&](const std::string& message) {
        platform::CloseFile(r->file);
        r->file = nullptr;
        platform::RemoveFile(utf8FileName);
        Fail(message.c_str());
    };

    const int64_t startTime = platform::UtcNowNanoseconds();
    const std::vector<uint8_t> header = Header(source, limits.eventSlots, startTime);
    QueueEvent(r.get(), limits.eventSlots, EVENT_RECORDING_START, ModeWord(source.mode), 0,
               startTime, 0, kNextFreeSlot);
    uint32_t code = platform::WriteFileAt(r->file, 0, header.data(), header.size());
    // The file reaches the first line's offset at once: the event area
    // reads as empty slots, and lines land where readers look for them.
    if (code == 0) code = platform::SetFileLength(r->file, r->LineOffset(0));
    if (code == 0) code = WritePending(r.get());
    if (code != 0) abandon("\t" + SystemError(kWriteFailed, code) + "\n");

    r->thread = platform::StartThread(WriterThread, r.get());
    if (!r->thread) abandon("\tError creating Recording thread.\n");
    return r.release();
}

void RecordLine(Recording* r, const uint8_t* line, int64_t receivedAt) {
    std::lock_guard<std::mutex> guard(r->producerLock);
    if (r->state.load(std::memory_order_relaxed) != State::kRunning) return;
    const uint64_t head = r->accepted.load(std::memory_order_relaxed);
    if (head - r->written.load(std::memory_order_acquire) >= r->limits.bufferLines) {
        if (r->gapLines == 0) r->gapTime = receivedAt;
        ++r->gapLines;
        ++r->lost;
        return;
    }
    QueueGap(r);
    uint8_t* record = r->lines[head % r->limits.bufferLines].bytes;
    std::memset(record, 0, RECORD_PAYLOAD);
    WriteU16(record + RECORD_KIND, RECORD_LINE);
    WriteU64(record + RECORD_TIME, static_cast<uint64_t>(receivedAt));
    std::memcpy(record + RECORD_PAYLOAD, line, DATA_LINE_SIZE);
    r->accepted.store(head + 1, std::memory_order_release);
}

EventResult RecordEvent(Recording* r, const char* name, const std::string& text, int64_t time) {
    std::lock_guard<std::mutex> guard(r->producerLock);
    if (r->state.load() != State::kRunning) return EventResult::kNotRecording;
    // Lines dropped before the event come before it in the file too.
    QueueGap(r);
    const bool kept = QueueEvent(r, r->limits.eventSlots - RECORDING_RESERVED_SLOTS, name, text, 0,
                                 time, r->accepted.load(std::memory_order_relaxed), kNextFreeSlot);
    return kept ? EventResult::kWritten : EventResult::kNoRoom;
}

namespace {

void TakeLine(void* context, const uint8_t* line, int64_t receivedAt) {
    RecordLine(static_cast<Recording*>(context), line, receivedAt);
}

FeedResult TakeEvent(void* context, const FeedEvent& event) {
    switch (RecordEvent(static_cast<Recording*>(context), event.name, *event.text, event.time)) {
        case EventResult::kWritten: return FeedResult::kTaken;
        case EventResult::kNoRoom: return FeedResult::kNoRoom;
        case EventResult::kNotRecording: break;
    }
    return FeedResult::kNotTaking;
}

}  // namespace

FeedConsumer RecordingConsumer(Recording* recording) {
    return {recording, TakeLine, TakeEvent, nullptr};
}

void FinishRecording(Recording* r, const char* reason) {
    {
        std::lock_guard<std::mutex> guard(r->producerLock);
        if (r->state.load() == State::kRunning) {
            QueueGap(r);
            QueueEvent(r, r->limits.eventSlots, EVENT_RECORDING_END, reason, 0,
                       platform::UtcNowNanoseconds(), r->accepted.load(), kNextFreeSlot);
            r->state = State::kStopping;
        }
    }
    if (r->thread) {
        platform::SetEventObject(r->wake);
        platform::WaitForObject(r->thread, platform::kInfinite);
        platform::CloseObject(r->thread);
        r->thread = nullptr;
    }
    // A recording that a failure stopped ends here too.
    r->state = State::kFinished;
}

RecordingStatus ReadRecordingStatus(const Recording* r) {
    RecordingStatus status;
    if (!r) {
        status.finished = true;
        return status;
    }
    status.fileName = r->fileName;
    const State state = r->state.load();
    status.recording = state == State::kRunning;
    status.finished = state == State::kFinished;
    status.lines = r->written.load();
    status.linesLost = r->lost.load();
    status.bytes = r->LineOffset(status.lines);
    std::lock_guard<std::mutex> guard(r->errorLock);
    status.error = r->error;
    return status;
}

bool TakeRecordingFailure(Recording* r, std::string* message) {
    if (!r) return false;
    std::lock_guard<std::mutex> guard(r->errorLock);
    if (r->error.empty() || r->errorReported) return false;
    r->errorReported = true;
    *message = "\tRecording stopped. " + r->error + "\n";
    return true;
}

void DestroyRecording(Recording* r) {
    if (!r) return;
    FinishRecording(r, "Unload");
    delete r;
}
