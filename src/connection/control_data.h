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
#include <string>
#include <vector>

#include "feed/feed.h"
#include "link/protocol.h"
#include "platform/platform.h"

struct UsbDevice;
struct Recording;
struct Streaming;

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

// Whether the instrument is on the bus (recovery, Connect 'Reconnect' 'On').
constexpr uint32_t LINK_PRESENT = 0;    // commands go to the instrument
constexpr uint32_t LINK_AWAY = 1;       // lost: the module waits for it to come back
constexpr uint32_t LINK_RESTORING = 2;  // back: its settings and measurement are being sent again

// The settings a connection sends, in the order the recovery sends them
// again to an instrument that came back (the tables only when it lost them).
enum SettingSlot : uint32_t {
    SETTING_SAMPLING_DIVIDER = 0,
    SETTING_EXCITATION_LEVEL,
    SETTING_INPUT_GAIN,
    SETTING_COMPENSATION,
    SETTING_BATTERY_SUPPLY,
    SETTING_GPIO,
    SETTING_SHUNT_TABLE,
    SETTING_COMP_TABLE,
    SETTING_COUNT
};

// The latest frame of one setting sent in this connection.
struct SentSetting {
    bool sent;              // never sent: unknown, and said nowhere
    uint32_t wordCount;     // of the frame, sync word included
    uint16_t words[CMD_WORD_COUNT];  // the frame as sent
    const char* command;    // the command word that sent it
    std::string arguments;  // as the recording notes them
};

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
    // The latest value of each setting sent in this connection.
    SentSetting settings[SETTING_COUNT];

    // ---- Recovery of an instrument that leaves the bus (recovery/recovery.h) ----
    bool reconnect;                   // on for this connection
    std::atomic<uint32_t> link;       // LINK_*; LINK_PRESENT unless reconnect is on
    uint32_t lostCode;                // the result that ended the read, set before recoveryWake
    int64_t lostAt;                   // host time at which it did (ns since 1970, UTC)
    platform::Handle recoveryThread;
    platform::Handle recoveryWake;    // auto-reset: the receive thread stopped reading, or stop
    platform::Handle instrumentBack;  // auto-reset: usb holds an instrument again; read it
    // Held by a command that talks to the instrument, and by the recovery
    // while it swaps the device and restores it: the two never interleave.
    platform::Handle commandMutex;
    std::vector<std::string> strangersReported;  // serial numbers of other instruments, said once

    // Where the receive thread hands on every line it stores, and the
    // commands every event: the recording and the stream attach here.
    Feed feed;
    // The latest recording, running or ended (owned); null before the first.
    // Attached to the feed while it runs.
    Recording* recording;
    // The latest stream, running or ended (owned); null before the first.
    // Attached to the feed while it runs.
    Streaming* streaming;
};

// The current connection: set while a record exists, null otherwise.
extern ControlData* currentConnection;
