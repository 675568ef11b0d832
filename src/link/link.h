// The device link: command frames, the reply hand-off, the receive thread,
// the frame parser and the measurement ring.
#pragma once

#include <cstdint>

#include "connection/control_data.h"

// ---- Command frames and the reply handshake ----

// Raised by a command that would talk to an instrument that has left the
// bus, while the recovery waits for it to come back.
extern const char* const kMsgInstrumentAway;

// Sends cmdWords[0 .. wordCount-1] as little-endian byte pairs. A failed
// write is printed ("\tUSB Write Error [%d] - %s\n", 87 standing in for a
// zero code), never raised: the command goes on as if the frame had gone.
// While the instrument is away (LINK_AWAY) nothing is sent and
// kMsgInstrumentAway is thrown.
void SendCommand(ControlData* connection, uint32_t wordCount);

// Retunes the receive thread after the caller stored a new rxLength: cancels
// the pending read and waits up to 1000 ms until the thread is between reads.
// Throws CommandError("\tSetUpRxRequest() failed.\n") when it is not, and
// kMsgInstrumentAway at once while the instrument is away.
void SetUpRxRequest(ControlData* connection);
// The same, reporting by its result instead of throwing.
bool TrySetUpRxRequest(ControlData* connection);

// The read length of a measurement: linesPerRead whole data lines.
uint16_t MeasurementReadBytes(const ControlData* connection);

// For a command that retunes the reads for its reply while a measurement
// may run: made before the retune, it puts the reads back to whole data
// lines on every way out of the command, a failure included, so that lines
// keep flowing. Restore() does it at once and raises a failed retune;
// afterwards the destructor does nothing. In idle mode it does nothing.
class MeasurementReadLength {
public:
    explicit MeasurementReadLength(ControlData* connection);
    ~MeasurementReadLength();
    MeasurementReadLength(const MeasurementReadLength&) = delete;
    MeasurementReadLength& operator=(const MeasurementReadLength&) = delete;
    void Restore();

private:
    ControlData* connection_;
    bool pending_;
};

// The command side of the reply hand-off. Construct it before the request
// frame is sent; Wait() then takes replyMutex for at most timeoutMs and
// succeeds only when the receive thread has handed over a reply since the
// construction. On failure the mutex is not held and the caller raises its
// own time-out message. The destructor releases the mutex on every path.
class ReplyWait {
public:
    explicit ReplyWait(ControlData* connection);
    ~ReplyWait();
    ReplyWait(const ReplyWait&) = delete;
    ReplyWait& operator=(const ReplyWait&) = delete;

    bool Wait(uint32_t timeoutMs);
    // Releases replyMutex now (idempotent); the receive thread goes on.
    void Release();

private:
    bool TakeReply(uint32_t timeoutMs);

    ControlData* connection_;
    uint32_t handOffsBefore_;
    bool held_ = false;
};

// Copies the information text of the reply just handed over into
// deviceInfo; the caller holds replyMutex after a successful Wait. False when
// the reply handed over is not the information reply.
bool CopyDeviceInfoReply(ControlData* connection);

// Asks the instrument for its information text (CMD_GET_DEV_INFO) and copies
// the reply into deviceInfo during the hand-off. The reads must already be
// tuned to the reply's length. Throws CommandError("\tError: Device did not
// respond to command.\n") when no such reply comes within 100 ms.
void RequestDeviceInfo(ControlData* connection);

// ---- Receive thread and frame parser ----

// The thread procedure; argument is the ControlData record. Exit status 0
// (asked to stop), 0xFFFFFFFF (replyMutex not obtained at start, or a
// device-gone result (UsbDeviceGone) after a full-length read) or 0xFFFFFFFE
// (a device-gone result after a short read). With recovery on, a device-gone
// result does not end the thread: it waits for the recovery to hand the
// instrument back (recovery/recovery.h).
uint32_t ReceiveThread(void* connection);

// Scans the first count bytes of rxBuffer and acts on every whole frame.
void ParseRxBuffer(ControlData* connection, uint32_t count);

// Passes replyMutex to a waiting command and takes it back.
void HandOffReply(ControlData* connection);

// ---- Measurement ring ----

// Allocates ring.slots = slots zero-filled line slots (and their receive
// times) and empties the ring. False when memory ran out.
bool CreateRing(ControlData* connection, uint32_t slots);

// Moves the write and/or read side on by one (steps are 0 or 1): a write
// into a full ring drops the oldest unread line and counts it in overruns;
// afterwards dataReady is set when unread lines exist and cleared when none
// do. Waits for ring.mutex as long as it takes.
void AdvanceRing(RingControl* ring, uint16_t writeStep, uint16_t readStep);

// Stores one 192-byte line at writeIndex, stamped with connection->rxTime,
// and advances the write side. The copy and the advance happen under
// ring.mutex, so the reader never sees a torn line. The line is handed on
// to the feed's consumers first, so that none of them lacks a line the
// reader has taken.
void StoreLine(ControlData* connection, const uint8_t* line);

// One line taken out of the ring.
struct TakenLine {
    DataLine line;
    int64_t receivedAt;  // rxTime of the read that brought it
    uint64_t overruns;   // ring.overruns just after it was taken
};

// Copies the oldest unread line and advances the read side, under
// ring.mutex. False (nothing touched) when no line is unread.
bool TakeLine(ControlData* connection, TakenLine* out);

// Gives back the last count lines the caller took, when it cannot hand them
// on (an interrupted GetData): those not yet written over become unread
// again, oldest first; the rest are counted in overruns. overrunsAtFirstTake
// is TakenLine::overruns of the first of them. Returns how many came back.
uint32_t ReturnTakenLines(ControlData* connection, uint32_t count, uint64_t overrunsAtFirstTake);

// Empties the ring without counting the lines as lost: a new measurement
// starts with nothing of the previous one. Returns ring.overruns, from which
// the new measurement counts its own losses.
uint64_t DiscardUnreadLines(ControlData* connection);

struct RingStatus {
    uint32_t unread;
    uint64_t overruns;
};
RingStatus ReadRingStatus(ControlData* connection);

// The low byte of the GPIOState word of the most recently stored line.
uint8_t LatestGpioByte(ControlData* connection);
