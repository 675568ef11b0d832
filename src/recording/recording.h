// Recording straight to disk: every data line the receive thread stores,
// with its receive time, in one self-describing file, written by a thread
// of the recording's own, whatever the host's loop does.
//
// The receive thread hands each line over without ever waiting for the
// disk: lines go into a buffer of RECORDING_BUFFER_LINES, which the writer
// thread drains in large writes at least every RECORDING_FLUSH_MS. When the
// disk is slower than the instrument for longer than the buffer lasts, new
// lines are dropped, counted, and a "Gap" event in the file says where and
// how many. A write error stops the recording (never the measurement); the
// file then ends at its last whole record.
//
// The file (docs/recording-format.md says it all, for readers in any
// language): a header of RECORDING_HEADER_SIZE bytes, then RECORD_SIZE-byte
// records: first RECORDING_EVENT_SLOTS event slots, written in place as
// events happen (unused slots are zero), then the data lines, appended in
// order. A reader takes the lines as one array, and a file cut anywhere
// reads back up to its last whole record. Little-endian throughout.
#pragma once

#include <cstdint>
#include <string>

#include "feed/feed.h"

// ---- The file ----
constexpr uint8_t RECORDING_MAGIC[8] = {0x89, 'V', 'N', 'R', 'E', 'C', 0x0D, 0x0A};
constexpr uint32_t RECORDING_FORMAT_VERSION = 1;
constexpr uint32_t RECORDING_HEADER_SIZE = 512;
constexpr uint32_t RECORD_SIZE = 208;
constexpr uint32_t RECORDING_EVENT_SLOTS = 65536;

// Header offsets.
constexpr uint32_t HEADER_MAGIC = 0;             // 8 bytes
constexpr uint32_t HEADER_FORMAT_VERSION = 8;    // u32
constexpr uint32_t HEADER_HEADER_SIZE = 12;      // u32: where the event slots begin
constexpr uint32_t HEADER_RECORD_SIZE = 16;      // u32
constexpr uint32_t HEADER_EVENT_SLOTS = 20;      // u32: the lines begin after them
constexpr uint32_t HEADER_START_TIME = 24;       // i64: ns since 1970-01-01 UTC
constexpr uint32_t HEADER_DEVICE_INDEX = 32;     // u16
constexpr uint32_t HEADER_SAMPLING_DIVIDER = 34; // u16
constexpr uint32_t HEADER_LINES_PER_READ = 36;   // u8
constexpr uint32_t HEADER_HAS_CONF_DATA = 37;    // u8: 1 when HEADER_CONF_DATA holds the configuration
constexpr uint32_t HEADER_MODE = 38;             // u16: MODE_* when the recording started
constexpr uint32_t HEADER_MODULE_VERSION = 40;   // 24 bytes of text, zero-padded
constexpr uint32_t HEADER_SERIAL_NUMBER = 64;    // 32 bytes of text, zero-padded
constexpr uint32_t HEADER_DEVICE_INFO = 96;      // 80 bytes of text, zero-padded
constexpr uint32_t HEADER_CONF_DATA = 176;       // 272 bytes: the configuration as received
constexpr uint32_t HEADER_TEXT_MODULE_VERSION = 24;
constexpr uint32_t HEADER_TEXT_SERIAL_NUMBER = 32;
constexpr uint32_t HEADER_TEXT_DEVICE_INFO = 80;

// Record kinds (u16 at RECORD_KIND).
constexpr uint16_t RECORD_EMPTY = 0;  // an event slot not used (yet)
constexpr uint16_t RECORD_LINE = 1;   // a data line
constexpr uint16_t RECORD_EVENT = 2;  // an event
constexpr uint16_t RECORD_TEXT = 3;   // more of the text of the event before it

// Record offsets.
constexpr uint32_t RECORD_KIND = 0;        // u16
constexpr uint32_t RECORD_TEXT_BYTES = 2;  // u16: event: its whole text; text record: its part
constexpr uint32_t RECORD_TIME = 8;        // i64 ns since 1970 UTC: receive time, or event time
constexpr uint32_t RECORD_PAYLOAD = 16;    // 192 bytes: the line as sent, or the event

// Event records: offsets inside the record.
constexpr uint32_t EVENT_LINE = 16;    // u64: index of the first line after the event
constexpr uint32_t EVENT_VALUE = 24;   // u64: a Gap's lost lines, else 0
constexpr uint32_t EVENT_NAME = 32;    // 24 bytes of ASCII, zero-padded
constexpr uint32_t EVENT_TEXT = 56;    // the first EVENT_TEXT_HERE bytes of the UTF-8 text
constexpr uint32_t EVENT_NAME_SIZE = 24;
constexpr uint32_t EVENT_TEXT_HERE = RECORD_SIZE - EVENT_TEXT;        // 152
constexpr uint32_t TEXT_RECORD_BYTES = RECORD_SIZE - RECORD_PAYLOAD;  // 192
// The longest text an event carries (a marker's, a command's arguments).
constexpr uint32_t MAX_EVENT_TEXT = 4096;

// ---- The writer ----
// Lines the buffer holds between the receive thread and the disk: 60 s at
// 1000 lines/s.
constexpr uint32_t RECORDING_BUFFER_LINES = 60000;
// The writer drains the buffer at least this often, so that no line waits
// longer in memory before the write that carries it is issued.
constexpr uint32_t RECORDING_FLUSH_MS = 100;
// Event slots kept back for gaps and the end of the recording: markers and
// command events never take the last ones.
constexpr uint32_t RECORDING_RESERVED_SLOTS = 256;

// The sizes of one recording: the module's are the defaults; tests make
// them small to reach a full buffer or a full event area at once. The
// header records eventSlots, so readers find the lines either way.
struct RecordingLimits {
    uint32_t bufferLines = RECORDING_BUFFER_LINES;
    uint32_t eventSlots = RECORDING_EVENT_SLOTS;  // more than RECORDING_RESERVED_SLOTS
};

// Events the module writes itself, besides markers and command words.
constexpr const char* EVENT_RECORDING_START = "RecordingStart";
constexpr const char* EVENT_RECORDING_END = "RecordingEnd";
constexpr const char* EVENT_MARKER = "Marker";
constexpr const char* EVENT_GAP = "Gap";

// What the header says about the connection and the instrument.
struct RecordingSource {
    const char* moduleVersion;  // zero-terminated
    uint16_t deviceIndex;
    const char* serialNumber;   // zero-terminated
    const char* deviceInfo;     // zero-terminated
    uint16_t samplingDivider;
    uint8_t linesPerRead;
    uint32_t mode;              // MODE_* at the start
    const uint8_t* confData;    // CONF_DATA_SIZE bytes, or null when not read
};

struct Recording;

struct RecordingStatus {
    std::string fileName;
    bool recording = false;  // lines are being recorded
    uint64_t lines = 0;      // written to the file
    uint64_t linesLost = 0;  // handed over but not kept (full buffer, or a failed write)
    uint64_t bytes = 0;      // the file's length as written
    std::string error;       // the failure that stopped it, or empty
    bool finished = false;   // FinishRecording has ended it (or there is none)
};

// Creates the file (never over an existing one), writes its header and the
// RecordingStart event, and starts the writer thread. Throws CommandError
// with the exact message on failure, leaving no file behind.
Recording* StartRecording(const char* utf8FileName, const RecordingSource& source,
                          const RecordingLimits& limits = RecordingLimits());

// The receive thread hands over a line it stored; never waits for the disk.
void RecordLine(Recording* recording, const uint8_t* line, int64_t receivedAt);

enum class EventResult { kWritten, kNoRoom, kNotRecording };
// An event at host time `time` (ns since 1970 UTC), before the next line:
// name is a command word, EVENT_MARKER or another of the module's event
// names; text is UTF-8, at most MAX_EVENT_TEXT bytes (longer text is cut).
// Any thread.
EventResult RecordEvent(Recording* recording, const char* name, const std::string& text,
                        int64_t time);

// The recording as a consumer of the feed: lines go to RecordLine, events
// to RecordEvent. Attach it while it runs.
FeedConsumer RecordingConsumer(Recording* recording);

// Ends the recording: the writer writes what is left, the RecordingEnd event
// (its text says why it ended), makes the file durable and closes it. Waits
// for the writer. Does nothing for a recording that has already ended.
void FinishRecording(Recording* recording, const char* reason);

// The status; of a null recording, an empty one.
RecordingStatus ReadRecordingStatus(const Recording* recording);

// The message of a failure that stopped the recording, once: the module
// prints it from the host's thread.
bool TakeRecordingFailure(Recording* recording, std::string* message);

// Finishes the recording if it still runs, and frees it.
void DestroyRecording(Recording* recording);
