// The connection record: all state of the one connection to the instrument.
//
// Connect allocates it in one piece, zero-filled; Disconnect (or the unload
// hook) frees it after the receive thread has been joined. The MATLAB-side
// thread and the receive thread meet only here and in the kernel objects it
// holds. Fields the two threads share without a lock are atomics.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "feed/feed.h"
#include "link/protocol.h"
#include "platform/platform.h"

struct UsbDevice;
struct Recording;

constexpr uint32_t MODE_IDLE = 0;         // no measurement
constexpr uint32_t MODE_MEASURING = 1;    // started by Start
constexpr uint32_t MODE_EXT_TRIGGER = 2;  // started by SetExternalTrigger 'On'

// Ring depth: 500 lines unless Connect asks for another within these bounds.
constexpr uint32_t RING_SLOTS = 500;
constexpr uint32_t RING_SLOTS_MIN = 500;
constexpr uint32_t RING_SLOTS_MAX = 1000000;
constexpr uint32_t SERIAL_NUMBER_SIZE = 32;
constexpr uint32_t DEVICE_INFO_SIZE = 74;
constexpr uint32_t TX_BUFFER_SIZE = 124;
constexpr uint32_t CMD_WORD_COUNT = 62;

// One 192-byte data line as the instrument sends it and a ring slot holds it.
struct DataLine {
    uint8_t bytes[DATA_LINE_SIZE];
};

// Control block of the measurement ring (rules in link/ring.cpp).
struct RingControl {
    platform::Handle mutex;      // guards the fields below and the slot copies
    platform::Handle dataReady;  // auto-reset: signalled exactly while unread lines exist
    uint32_t slots;              // capacity in lines
    uint32_t writeIndex;         // slot the next stored line fills
    uint32_t readIndex;          // slot the next taken line comes from (the oldest unread)
    uint32_t unread;             // lines stored and neither taken nor dropped
    uint64_t overruns;           // lines dropped unread since Connect (the oldest, on a full ring)
};

struct ControlData {
    std::atomic<uint32_t> running;   // 1 while the receive thread is to keep reading
    std::atomic<uint32_t> mode;      // MODE_*; written only by the MATLAB side
    uint16_t deviceIndex;            // member index of the opened interface (0..16)
    UsbDevice* usb;
    platform::Handle rxThread;
    platform::Handle breakCurrentBulkRead;  // auto-reset: cancels the pending bulk read
    platform::Handle rxMutex;        // held by the receive thread around each bulk read
    platform::Handle replyMutex;     // held by the receive thread except during a hand-off
    uint16_t samplingDivider;        // divider value last set (1..1792)
    std::atomic<uint16_t> rxLength;  // bytes requested by each bulk read
    uint8_t linesPerRead;            // data lines carried by one bulk read while measuring
    char serialNumber[SERIAL_NUMBER_SIZE];
    char deviceInfo[DEVICE_INFO_SIZE];
    uint8_t rxBuffer[RX_BUFFER_SIZE];
    uint8_t txBuffer[TX_BUFFER_SIZE];
    uint16_t cmdWords[CMD_WORD_COUNT];  // staged frame: [0] SYNC_WORD, [1] opcode, [2..] arguments
    std::atomic<const uint8_t*> replyData;  // payload of the latest reply, inside rxBuffer, or null
    // Counts the receive thread's reply hand-offs, so that a reply wait can
    // tell a fresh reply from an abandoned or stale acquisition of replyMutex.
    std::atomic<uint32_t> handOffCount;
    // Set by a command's reply wait from its start (handOffCount at that
    // moment, plus one) until it has the reply or gives up; 0 otherwise. The
    // receive thread keeps a hand-off open while such a command has yet to
    // take it, instead of closing it after a fixed pause.
    std::atomic<uint32_t> replyWanted;
    // Counts the receive thread's ended bulk reads, so that SetUpRxRequest can
    // tell that the thread has passed a read boundary even when it has taken
    // rxMutex again for its next read before the command's wait began.
    std::atomic<uint32_t> readsEnded;
    // Kind of the reply that replyData points at (FRAME_*), set with it.
    std::atomic<uint16_t> replyKind;
    // Host time (ns since 1970, UTC) at which the read that filled rxBuffer
    // completed; the receive thread's own, stamped on every line it stores.
    int64_t rxTime;
    // overruns as the latest GetData reported them (MATLAB side only).
    uint64_t overrunsReported;
    RingControl ring;
    std::unique_ptr<DataLine[]> lines;        // ring.slots lines
    std::unique_ptr<int64_t[]> receiveTimes;  // rxTime of the read that brought each slot's line
    // Where the receive thread hands on every line it stores, and the
    // commands every event: the recording and the stream attach here.
    Feed feed;
    // The latest recording, running or ended (owned); null before the first.
    // Attached to the feed while it runs.
    Recording* recording;
};

// The current connection: set while a record exists, null otherwise.
extern ControlData* currentConnection;
