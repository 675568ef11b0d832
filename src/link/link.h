// The device link: command frames, the reply hand-off, the receive thread,
// the frame parser and the measurement ring.
#pragma once

#include <cstdint>

#include "connection/control_data.h"

// ---- Command frames and the reply handshake ----

// Sends cmdWords[0 .. wordCount-1] as little-endian byte pairs. A failed
// write is printed ("\tUSB Write Error [%d] - %s\n", 87 standing in for a
// zero code), never raised: the command goes on as if the frame had gone.
void SendCommand(ControlData* connection, uint32_t wordCount);

// Retunes the receive thread after the caller stored a new rxLength: cancels
// the pending read and waits up to 1000 ms until the thread is between reads.
// Throws CommandError("\tSetUpRxRequest() failed.\n") when it is not.
void SetUpRxRequest(ControlData* connection);

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

// ---- Receive thread and frame parser ----

// The thread procedure; argument is the ControlData record. Exit status 0
// (asked to stop), 0xFFFFFFFF (replyMutex not obtained at start, or error 31
// after a full-length read) or 0xFFFFFFFE (error 31 after a short read).
uint32_t ReceiveThread(void* connection);

// Scans the first count bytes of rxBuffer and acts on every whole frame.
void ParseRxBuffer(ControlData* connection, uint32_t count);

// Passes replyMutex to a waiting command and takes it back.
void HandOffReply(ControlData* connection);

// ---- Measurement ring ----

// Moves the write and/or read side on, with the wrap, overrun and event
// rules; waits for ring.mutex as long as it takes.
void AdvanceRing(RingControl* ring, uint16_t writeStep, uint16_t readStep);

// Stores one 192-byte line at writeIndex and advances the write side.
void StoreLine(ControlData* connection, const uint8_t* line);

// Copies the line at readIndex into out and advances the read side. The
// copy and the advance happen under ring.mutex, so a line overwritten by an
// overrunning writer is never handed out torn. The caller has waited for
// ring.dataReady.
void TakeLine(ControlData* connection, DataLine* out);

// The low byte of the GPIOState word of the most recently stored line.
uint8_t LatestGpioByte(ControlData* connection);
