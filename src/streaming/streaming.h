// Streaming: every data line on the Lab Streaming Layer (LSL), from a thread
// of the stream's own, whatever the host's loop does; and every event of the
// feed (markers, the commands that changed the instrument, an instrument
// lost and back) on a second stream.
//
// The receive thread hands each line over without ever waiting for the
// network: lines go into a buffer of STREAMING_BUFFER_LINES, which the
// stream's thread drains into liblsl at least every STREAMING_PUSH_MS. Lines
// the buffer cannot keep are counted (linesNotPushed), never dropped unsaid.
//
// The streams (docs/lsl.md says it all, for consumers in any language):
//   - data: type "Impedance", STREAMING_CHANNELS double64 channels per line:
//     the cycle count (exact: a double holds every 32-bit count), |Z| and
//     phase at the 15 bins, SysErrors and GPIOState. Source id
//     "varnelo-<serial number>". Nominal rate: that of the measurement it
//     carries (1000 / divider under Start, irregular under external
//     trigger); a measurement that starts at another rate than the stream
//     declares gets a new outlet with the same name, type and source id, to
//     which inlets recover. Time stamps: each line's receive time in
//     liblsl's clock, never going backwards.
//   - markers: type "Markers", one string channel, irregular, source id
//     "<data source id>-markers".
// Only this folder calls liblsl.
#pragma once

#include <cstdint>
#include <string>

#include "feed/feed.h"

constexpr uint32_t STREAMING_CHANNELS = 33;
// Lines the buffer holds between the receive thread and liblsl: a minute at
// 1000 lines/s.
constexpr uint32_t STREAMING_BUFFER_LINES = 60000;
// The stream's thread hands what the buffer holds to liblsl this often.
constexpr uint32_t STREAMING_PUSH_MS = 10;
// How long StopStreaming leaves liblsl to send the last lines to connected
// inlets before it closes the outlets.
constexpr uint32_t STREAMING_LINGER_MS = 200;

// What the streams' descriptions say about the instrument.
struct StreamingSource {
    std::string name;           // the data stream's name; empty: "Varnelo <serial number>"
    const char* serialNumber;   // zero-terminated; the source id comes from it
    const char* deviceInfo;     // zero-terminated
    const char* moduleVersion;  // zero-terminated
    uint16_t deviceIndex;
    uint16_t samplingDivider;
    double nominalRate;         // of the measurement the first lines belong to; 0: irregular
    const uint8_t* confData;    // CONF_DATA_SIZE bytes as received, or null when not known
};

struct Streaming;

struct StreamingStatus {
    std::string name;            // of the data stream
    std::string sourceId;        // of the data stream
    bool streaming = false;
    uint64_t linesPushed = 0;    // handed to liblsl
    uint64_t linesNotPushed = 0; // handed over but not kept (full buffer)
    uint64_t markersPushed = 0;
    bool hasConsumers = false;   // an inlet is connected to the data stream
};

// Opens the two outlets and starts the stream's thread. Throws CommandError
// with the exact message on failure, leaving nothing open.
Streaming* StartStreaming(const StreamingSource& source);

// The stream as a consumer of the feed. Attach it while it runs.
FeedConsumer StreamingConsumer(Streaming* streaming);

// Ends the stream: what the buffer holds is pushed, the outlets close.
// Waits for the stream's thread. Does nothing for a stream that has ended.
void StopStreaming(Streaming* streaming);

// The status; of a null stream, an empty one.
StreamingStatus ReadStreamingStatus(const Streaming* streaming);

// Stops the stream if it still runs, and frees it.
void DestroyStreaming(Streaming* streaming);
