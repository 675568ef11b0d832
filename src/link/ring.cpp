// The measurement ring: 500 line slots inside the connection record, one
// writer (the receive thread) and one reader (GetData). The writer never
// waits for the reader; a reader a full ring behind loses its oldest lines.
#include <cstring>

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

// The advance proper; the caller holds ring.mutex.
void AdvanceLocked(RingControl* ring, uint16_t writeStep, uint16_t readStep) {
    ring->writeIndex = static_cast<uint16_t>(ring->writeIndex + writeStep);
    ring->readIndex = static_cast<uint16_t>(ring->readIndex + readStep);

    // Compared before any wrap: in the same pass the writer must be ahead,
    // one pass on it must be behind. The wrong order means lines were lost.
    if (ring->wrapped == 0x00) {
        if (ring->writeIndex > ring->readIndex) {
            platform::SetEventObject(ring->dataReady);
        } else if (ring->writeIndex < ring->readIndex) {
            ++ring->overruns;
        }
    } else {
        if (ring->writeIndex < ring->readIndex) {
            platform::SetEventObject(ring->dataReady);
        } else if (ring->writeIndex > ring->readIndex) {
            ++ring->overruns;
        }
    }

    if (ring->writeIndex >= RING_SLOTS) {
        ring->writeIndex = 0;
        ring->wrapped = static_cast<uint8_t>(~ring->wrapped);
    }
    if (ring->readIndex >= RING_SLOTS) {
        ring->readIndex = 0;
        ring->wrapped = static_cast<uint8_t>(~ring->wrapped);
        platform::ResetEventObject(ring->dataReady);
    }
}

}  // namespace

void AdvanceRing(RingControl* ring, uint16_t writeStep, uint16_t readStep) {
    if (!LockRing(ring)) return;
    AdvanceLocked(ring, writeStep, readStep);
    UnlockRing(ring);
}

void StoreLine(ControlData* connection, const uint8_t* line) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return;
    std::memcpy(connection->lines[ring->writeIndex].bytes, line, DATA_LINE_SIZE);
    AdvanceLocked(ring, 1, 0);
    UnlockRing(ring);
}

void TakeLine(ControlData* connection, DataLine* out) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) {
        std::memset(out->bytes, 0, DATA_LINE_SIZE);
        return;
    }
    // Copied under the lock: an overrunning writer may be about to refill
    // this very slot.
    std::memcpy(out->bytes, connection->lines[ring->readIndex].bytes, DATA_LINE_SIZE);
    AdvanceLocked(ring, 0, 1);
    UnlockRing(ring);
}

uint8_t LatestGpioByte(ControlData* connection) {
    RingControl* ring = &connection->ring;
    if (!LockRing(ring)) return 0;
    const uint16_t latest =
        static_cast<uint16_t>(ring->writeIndex == 0 ? RING_SLOTS - 1 : ring->writeIndex - 1);
    const uint8_t gpio = connection->lines[latest].bytes[LINE_GPIO_STATE];
    UnlockRing(ring);
    return gpio;
}
