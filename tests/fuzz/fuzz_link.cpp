// libFuzzer target: arbitrary bulk reads through the frame parser and the
// measurement ring.
//
// Input: byte 0 the mode, bytes 1-2 the count the read reported (u16, so
// zero and counts beyond the 768-byte buffer occur), byte 3 how many lines
// the reader takes afterwards, the rest the bytes received. The bytes past
// the count, and the buffer after rxBuffer, are poisoned while the parser
// runs: any look at a byte that was not received is reported by ASan.
#include <sanitizer/asan_interface.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "connection/control_data.h"
#include "link/link.h"

namespace {

ControlData* MakeRecord() {
    ControlData* c = new ControlData();
    c->breakCurrentBulkRead = platform::CreateEventObject(false, false);
    c->rxMutex = platform::CreateMutexObject();
    c->replyMutex = platform::CreateMutexObject();
    c->ring.mutex = platform::CreateMutexObject();
    c->ring.dataReady = platform::CreateEventObject(false, false);
    if (!CreateRing(c, RING_SLOTS)) std::abort();
    c->running = 1;
    c->rxLength = RX_BUFFER_SIZE;
    c->linesPerRead = 4;
    c->cmdWords[0] = SYNC_WORD;
    // This thread plays the receive thread, which owns replyMutex.
    if (platform::WaitForObject(c->replyMutex, 0) != platform::kWaitSignaled) std::abort();
    return c;
}

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

// The pause inside a hand-off only gives a waiting command its chance; here
// nothing waits, so the fuzzer build links it to nothing (see build.sh).
extern "C" void __wrap__ZN8platform7SleepMsEj(uint32_t) {}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ControlData* c = MakeRecord();
    if (size < 4) return 0;
    c->mode = data[0];
    const uint32_t count = ReadU16(data + 1);
    const uint32_t takes = data[3];
    const size_t n = size - 4 < RX_BUFFER_SIZE ? size - 4 : RX_BUFFER_SIZE;
    std::memset(c->rxBuffer, 0, RX_BUFFER_SIZE);
    std::memcpy(c->rxBuffer, data + 4, n);
    c->replyData = nullptr;

    const uint32_t readable = count <= RX_BUFFER_SIZE ? count : 0;
    uint8_t* poisonFrom = c->rxBuffer + readable;
    const size_t poisonLength =
        static_cast<size_t>((c->txBuffer + TX_BUFFER_SIZE) - poisonFrom);
    ASAN_POISON_MEMORY_REGION(poisonFrom, poisonLength);
    ParseRxBuffer(c, count);
    ASAN_UNPOISON_MEMORY_REGION(poisonFrom, poisonLength);

    const uint8_t* reply = c->replyData.load();
    Check(reply == nullptr || (reply >= c->rxBuffer + 4 && reply < c->rxBuffer + readable));

    for (uint32_t i = 0; i < takes % 8; ++i) {
        // The event says exactly whether a line waits.
        const bool signalled = platform::WaitForObject(c->ring.dataReady, 0) == platform::kWaitSignaled;
        TakenLine taken;
        const bool took = TakeLine(c, &taken);
        Check(signalled == took);
        Check(!took || ReadU16(taken.line.bytes) == SYNC_WORD);
    }
    const RingControl& r = c->ring;
    Check(r.writeIndex < r.slots && r.readIndex < r.slots && r.unread <= r.slots);
    Check((r.readIndex + r.unread) % r.slots == r.writeIndex);
    return 0;
}
