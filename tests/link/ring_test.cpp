// The measurement ring: wrap, overrun and event rules, and the lock.
#include <atomic>
#include <cstring>

#include "link/link.h"
#include "link/link_fixture.h"

namespace {

using linktest::LinkRecord;
using linktest::MakeLine;

bool DataReadySet(ControlData* c) {
    return platform::WaitForObject(c->ring.dataReady, 0) == platform::kWaitSignaled;
}

void Store(ControlData* c, uint32_t number) { StoreLine(c, MakeLine(number).data()); }

uint32_t TakeNumber(ControlData* c) {
    DataLine line;
    TakeLine(c, &line);
    return ReadU32(&line.bytes[LINE_CYCLE_COUNT]);
}

TEST(LinkRing, FiveHundredthLineSignalsAndWraps) {
    LinkRecord r;
    for (uint32_t n = 1; n < 500; ++n) Store(r.get(), n);
    EXPECT_EQ(r->ring.writeIndex, 499);
    EXPECT_EQ(r->ring.wrapped, 0x00);
    platform::ResetEventObject(r->ring.dataReady);

    Store(r.get(), 500);  // compared before the wrap: 500 > 0 signals
    EXPECT_TRUE(DataReadySet(r.get()));
    EXPECT_EQ(r->ring.writeIndex, 0);
    EXPECT_EQ(r->ring.readIndex, 0);
    EXPECT_EQ(r->ring.wrapped, 0xFF);
    EXPECT_EQ(r->ring.overruns, 0);
    EXPECT_EQ(ReadU32(&r->lines[499].bytes[LINE_CYCLE_COUNT]), 500u);
}

TEST(LinkRing, SixHundredLinesWithoutReaderThenOneTake) {
    LinkRecord r;
    for (uint32_t n = 1; n <= 600; ++n) Store(r.get(), n);
    EXPECT_EQ(r->ring.writeIndex, 100);
    EXPECT_EQ(r->ring.readIndex, 0);
    EXPECT_EQ(r->ring.wrapped, 0xFF);
    EXPECT_EQ(r->ring.overruns, 100);
    ASSERT_TRUE(DataReadySet(r.get()));

    EXPECT_EQ(TakeNumber(r.get()), 501u);  // slot 0 was overwritten by line 501
    EXPECT_EQ(r->ring.overruns, 101);
    EXPECT_EQ(r->ring.readIndex, 1);
    EXPECT_FALSE(DataReadySet(r.get()));
}

TEST(LinkRing, ReaderWrapClearsDataReadyUntilTheNextLine) {
    LinkRecord r;
    for (uint32_t n = 0; n < 490; ++n) Store(r.get(), n);
    for (uint32_t n = 0; n < 490; ++n) {
        ASSERT_TRUE(DataReadySet(r.get()));
        ASSERT_EQ(TakeNumber(r.get()), n);
    }
    for (uint32_t n = 490; n < 505; ++n) Store(r.get(), n);
    ASSERT_EQ(r->ring.writeIndex, 5);
    ASSERT_EQ(r->ring.readIndex, 490);
    ASSERT_EQ(r->ring.wrapped, 0xFF);

    for (uint32_t n = 490; n < 500; ++n) {
        ASSERT_TRUE(DataReadySet(r.get())) << "slot " << n;
        EXPECT_EQ(TakeNumber(r.get()), n);
    }
    EXPECT_EQ(r->ring.readIndex, 0);
    EXPECT_EQ(r->ring.wrapped, 0x00);
    EXPECT_FALSE(DataReadySet(r.get())) << "cleared although slots 0-4 are unread";
    EXPECT_EQ(r->ring.overruns, 0);

    Store(r.get(), 505);
    EXPECT_TRUE(DataReadySet(r.get()));
    EXPECT_EQ(TakeNumber(r.get()), 500u);
}

TEST(LinkRing, LockStepAcrossWrapsNeverOverrunsNorWakesSpuriously) {
    LinkRecord r;
    for (uint32_t n = 0; n < 3 * RING_SLOTS + 123; ++n) {
        Store(r.get(), n);
        ASSERT_TRUE(DataReadySet(r.get())) << "line " << n;
        ASSERT_EQ(TakeNumber(r.get()), n);
        ASSERT_FALSE(DataReadySet(r.get())) << "line " << n;
    }
    EXPECT_EQ(r->ring.overruns, 0);
    EXPECT_EQ(r->ring.wrapped, 0x00);
    EXPECT_EQ(r->ring.writeIndex, r->ring.readIndex);
}

TEST(LinkRing, LatestGpioByteComesFromTheSlotBeforeWriteIndex) {
    LinkRecord r;
    for (uint32_t n = 1; n <= 500; ++n) {
        std::vector<uint8_t> line = MakeLine(n);
        line[LINE_GPIO_STATE] = static_cast<uint8_t>(n);
        StoreLine(r.get(), line.data());
        ASSERT_EQ(LatestGpioByte(r.get()), static_cast<uint8_t>(n));
    }
    EXPECT_EQ(r->ring.writeIndex, 0);  // the latest is in slot 499
}

// With the lock taken elsewhere the advance must wait, however long, rather
// than change indices and wrap flag unguarded.
TEST(LinkRing, AdvanceWaitsForTheRingMutex) {
    LinkRecord r;
    ASSERT_EQ(platform::WaitForObject(r->ring.mutex, 0), platform::kWaitSignaled);
    struct Args {
        ControlData* c;
        std::atomic<bool> done{false};
    } args{r.get()};
    platform::Handle thread = platform::StartThread(
        [](void* a) -> uint32_t {
            Args* args = static_cast<Args*>(a);
            AdvanceRing(&args->c->ring, 1, 0);
            args->done = true;
            return 0;
        },
        &args);
    ASSERT_NE(thread, nullptr);
    platform::SleepMs(60);  // well past any short lock time-out
    EXPECT_FALSE(args.done.load());
    EXPECT_EQ(r->ring.writeIndex, 0);
    platform::ReleaseMutexObject(r->ring.mutex);
    EXPECT_EQ(platform::WaitForObject(thread, 10000), platform::kWaitSignaled);
    platform::CloseObject(thread);
    EXPECT_EQ(r->ring.writeIndex, 1);
}

// An overrunning writer refills the very slot the reader copies; every line
// handed out must still be one whole line. When the two sides take turns at
// the lock, the writer stays at one distance from the reader: a full ring
// makes it refill the reader's slot when the reader went first, one line
// less when the writer did; both are run.
void RunOverrun(uint32_t prefilled, uint32_t* torn) {
    LinkRecord r;
    uint8_t line[DATA_LINE_SIZE];
    for (uint32_t n = 0; n < prefilled; ++n) {
        std::memset(line, static_cast<int>(n & 0xFF), sizeof line);
        StoreLine(r.get(), line);
    }
    struct Args {
        ControlData* c;
        std::atomic<bool> started{false};
        std::atomic<bool> stop{false};
    } args{r.get()};
    platform::Handle writer = platform::StartThread(
        [](void* a) -> uint32_t {
            Args* args = static_cast<Args*>(a);
            uint8_t line[DATA_LINE_SIZE];
            args->started = true;
            for (uint32_t n = 0; !args->stop.load(); ++n) {
                std::memset(line, static_cast<int>(n & 0xFF), sizeof line);
                StoreLine(args->c, line);
            }
            return 0;
        },
        &args);
    ASSERT_NE(writer, nullptr);
    while (!args.started.load()) platform::SleepMs(1);
    // Taken in a tight loop and checked afterwards, so that the reader
    // spends its time where the two sides meet.
    std::vector<DataLine> taken(20000);
    for (DataLine& one : taken) TakeLine(r.get(), &one);
    args.stop = true;
    EXPECT_EQ(platform::WaitForObject(writer, 10000), platform::kWaitSignaled);
    platform::CloseObject(writer);
    for (const DataLine& one : taken) {
        for (uint32_t b = 1; b < DATA_LINE_SIZE; ++b) {
            if (one.bytes[b] != one.bytes[0]) {
                ++*torn;
                break;
            }
        }
    }
}

TEST(LinkRing, OverrunNeverHandsOutATornLine) {
    uint32_t torn = 0;
    RunOverrun(RING_SLOTS, &torn);
    RunOverrun(RING_SLOTS - 1, &torn);
    EXPECT_EQ(torn, 0u);
}

}  // namespace
