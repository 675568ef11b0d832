// The measurement ring: line slots owned by the connection record, one
// writer (the receive thread) and one reader (GetData). The writer never
// waits for the reader; when it stores into a full ring the oldest unread
// line is dropped and counted, so the reader always gets the oldest line
// that survived, each line once, in order.
#include <cstring>
#include <new>

#include "link/link.h"

namespace {

// Takes ring.mutex for as long as it takes; both sides hold it only for a
// copy and a few comparisons. False only for a broken handle, in which case
// nothing may be touched.
bool LockRing(RingControl* ring) {
    const uint32_t result = platform::WaitForObject(ring->mutex, platform::kInfinite);
    return result == platform::kWaitSignaled || result == platform::kWaitAbandoned;
}

void UnlockRing(RingControl* ring) { platform::ReleaseMutexObject(ring->mutex); }

uint32_t NextSlot(const RingControl* ring, uint32_t index) {
    return index + 1 == ring->slots ? 0 : index + 1;
}

// dataReady follows the unread count after every change of it, whatever
// the indices did: a reader is woken exactly while a line waits.
void SignalUnread(RingControl* ring) {
    if (ring->unread > 0) {
        platform::SetEventObject(ring->dataReady);
    } else {
        platform::ResetEventObject(ring->dataReady);
    }
}

// The advance proper; the caller holds ring.mutex.
void AdvanceLocked(RingControl* ring, uint32_t writeStep, uint32_t readStep) {
    if (writeStep != 0) {
        // The slot just written was the oldest unread line when the ring was
        // full: the read side moves past it and the loss is counted.
        if (ring->unread == ring->slots) {
            ring->readIndex = NextSlot(ring, ring->readIndex);
            ++ring->overruns;
        } else {
            ++ring->unread;
        }
        ring->writeIndex = NextSlot(ring, ring->writeIndex);
    }
    if (readStep != 0 && ring->unread > 0) {
        ring->readIndex = NextSlot(ring, ring->readIndex);
        --ring->unread;
    }
    SignalUnread(ring);
}

}  // namespace

bool CreateRing(ControlData* connection, uint32_t slots) {
    RingControl* ring = &connection->ring;
    connection->lines.reset(new (std::nothrow) DataLine[slots]());
    connection->receiveTimes.reset(new (std::nothrow) int64_t[slots]());
    if (!connection->lines || !connection->receiveTimes) {
        connection->lines.reset();
        connection->receiveTimes.reset();
        return false;
    }
    ring->slots = slots;
    ring->writeIndex = 0;
    ring->readIndex = 0;
    ring->unread = 0;
    ring->overruns = 0;
    return true;
}

void AdvanceRing(RingControl* ring, uint16_t writeStep, uint16_t readStep) {
    if (!LockRing(ring)) return;
    AdvanceLocked(ring, writeStep, readStep);
    UnlockRing(ring);
}

void StoreLine(ControlData* connection, const uint8_t* line) {
    // Handed on before GetData can take it, so that a recording stopped
    // after GetData returned a line holds that line; outside the ring's
    // lock, so that the reader need not wait for the consumers. Only this
    // thread stores lines, so they are handed on in order.
    HandOnLine(&connection->feed, line, connection->rxTime);
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return;
    std::memcpy(connection->lines[ring->writeIndex].bytes, line, DATA_LINE_SIZE);
    connection->receiveTimes[ring->writeIndex] = connection->rxTime;
    AdvanceLocked(ring, 1, 0);
    UnlockRing(ring);
}

bool TakeLine(ControlData* connection, TakenLine* out) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return false;
    const bool have = ring->unread > 0;
    if (have) {
        // Copied under the lock: on a full ring the writer's next line goes
        // into this very slot.
        std::memcpy(out->line.bytes, connection->lines[ring->readIndex].bytes, DATA_LINE_SIZE);
        out->receivedAt = connection->receiveTimes[ring->readIndex];
        AdvanceLocked(ring, 0, 1);
        out->overruns = ring->overruns;
    }
    UnlockRing(ring);
    return have;
}

uint32_t ReturnTakenLines(ControlData* connection, uint32_t count, uint64_t overrunsAtFirstTake) {
    RingControl* ring = &connection->ring;
    if (count == 0 || !LockRing(ring)) return 0;
    // The taken lines lie just behind readIndex, newest last. The writer
    // reaches them only after filling every free slot; once it has dropped
    // a line since the first take, it has written over all of them.
    uint32_t kept = 0;
    if (ring->overruns == overrunsAtFirstTake) {
        const uint32_t free = ring->slots - ring->unread;
        kept = count < free ? count : free;
    }
    ring->readIndex = (ring->readIndex + ring->slots - kept) % ring->slots;
    ring->unread += kept;
    ring->overruns += count - kept;
    SignalUnread(ring);
    UnlockRing(ring);
    return kept;
}

uint64_t DiscardUnreadLines(ControlData* connection) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return 0;
    ring->readIndex = ring->writeIndex;
    ring->unread = 0;
    const uint64_t overruns = ring->overruns;
    SignalUnread(ring);
    UnlockRing(ring);
    return overruns;
}

RingStatus ReadRingStatus(ControlData* connection) {
    RingControl* ring = &connection->ring;
    RingStatus status{0, 0};
    if (!LockRing(ring)) return status;
    status.unread = ring->unread;
    status.overruns = ring->overruns;
    UnlockRing(ring);
    return status;
}

uint8_t LatestGpioByte(ControlData* connection) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return 0;
    const uint32_t latest = ring->writeIndex == 0 ? ring->slots - 1 : ring->writeIndex - 1;
    const uint8_t gpio = connection->lines[latest].bytes[LINE_GPIO_STATE];
    UnlockRing(ring);
    return gpio;
}
