// The measurement ring: overflow, the event, giving lines back, and the lock.
#include <atomic>
#include <cstring>
#include <deque>
#include <random>

#include "link/link.h"
#include "link/link_fixture.h"

namespace {

using linktest::LinkRecord;
using linktest::MakeLine;

bool DataReadySet(ControlData* c) {
    return platform::WaitForObject(c->ring.dataReady, 0) == platform::kWaitSignaled;
}

void Store(ControlData* c, uint32_t number) { StoreLine(c, MakeLine(number).data()); }

// The number of the line taken, or -1 when none was unread.
int64_t TakeNumber(ControlData* c) {
    TakenLine taken;
    if (!TakeLine(c, &taken)) return -1;
    return ReadU32(&taken.line.bytes[LINE_CYCLE_COUNT]);
}

// Stores and takes in random bursts against a model of what the ring must
// hold: the newest `slots` lines, oldest first, each taken once, the rest
// counted as dropped. After every step the event must be set exactly when a
// line is unread, whatever the wraps of the two indices did.
void RunAgainstModel(uint32_t slots, uint32_t seed) {
    LinkRecord r(slots);
    std::mt19937 random(seed);
    std::deque<uint32_t> model;
    uint64_t dropped = 0;
    uint32_t next = 0;
    for (int step = 0; step < 150; ++step) {
        // Bursts up to well past a full ring, so that overflow is common.
        const uint32_t stores = random() % (slots + slots / 2);
        for (uint32_t i = 0; i < stores; ++i) {
            Store(r.get(), next);
            model.push_back(next++);
            if (model.size() > slots) {
                model.pop_front();
                ++dropped;
            }
        }
        const uint32_t takes = random() % (slots + 10);
        for (uint32_t i = 0; i < takes; ++i) {
            const bool unread = !model.empty();
            // A waiting reader consumes the signal; TakeLine sets it again
            // while further lines are unread.
            ASSERT_EQ(DataReadySet(r.get()), unread) << "seed " << seed << " step " << step;
            const int64_t got = TakeNumber(r.get());
            if (!unread) {
                ASSERT_EQ(got, -1);
                platform::SetEventObject(r->ring.dataReady);  // stale on purpose
                AdvanceRing(&r->ring, 0, 1);  // an empty ring stays empty and clears it
                ASSERT_FALSE(DataReadySet(r.get()));
                break;
            }
            ASSERT_EQ(got, model.front()) << "seed " << seed << " step " << step;
            model.pop_front();
        }
        ASSERT_EQ(ReadRingStatus(r.get()).unread, model.size());
        ASSERT_EQ(r->ring.overruns, dropped);
        ASSERT_EQ(DataReadySet(r.get()), !model.empty()) << "seed " << seed << " step " << step;
        if (!model.empty()) platform::SetEventObject(r->ring.dataReady);
    }
}

TEST(LinkRing, HoldsTheNewestLinesInOrderAndCountsEveryDroppedOne) {
    // Few steps, each with bursts across the ring: kernel objects are slow
    // under Wine, where this suite runs too.
    RunAgainstModel(RING_SLOTS, 1);
    RunAgainstModel(RING_SLOTS_MIN + 37, 2);
}

TEST(LinkRing, OverflowKeepsTheNewestFiveHundred) {
    LinkRecord r;
    for (uint32_t n = 1; n <= 1234; ++n) Store(r.get(), n);
    EXPECT_EQ(r->ring.overruns, 734u);
    for (uint32_t n = 735; n <= 1234; ++n) {
        ASSERT_TRUE(DataReadySet(r.get()));
        ASSERT_EQ(TakeNumber(r.get()), n);
    }
    EXPECT_FALSE(DataReadySet(r.get()));
    EXPECT_EQ(TakeNumber(r.get()), -1);
    EXPECT_EQ(r->ring.overruns, 734u);
}

// The reader's wrap to slot 0 while lines of the writer's new pass wait:
// they are signalled at once, not only when the writer stores again.
TEST(LinkRing, ReaderWrapWithLinesWaitingKeepsThemSignalled) {
    LinkRecord r;
    for (uint32_t n = 0; n < 490; ++n) Store(r.get(), n);
    for (uint32_t n = 0; n < 490; ++n) ASSERT_EQ(TakeNumber(r.get()), n);
    for (uint32_t n = 490; n < 505; ++n) Store(r.get(), n);
    for (uint32_t n = 490; n < 500; ++n) {
        ASSERT_TRUE(DataReadySet(r.get()));
        ASSERT_EQ(TakeNumber(r.get()), n);
    }
    ASSERT_EQ(r->ring.readIndex, 0u);
    // The writer has stopped: the five lines of its new pass must not sit
    // behind a cleared signal.
    for (uint32_t n = 500; n < 505; ++n) {
        ASSERT_TRUE(DataReadySet(r.get())) << "line " << n;
        ASSERT_EQ(TakeNumber(r.get()), n);
    }
    EXPECT_FALSE(DataReadySet(r.get()));
    EXPECT_EQ(r->ring.overruns, 0u);
}

TEST(LinkRing, TakenLinesComeBackWhileTheWriterHasNotReachedThem) {
    LinkRecord r;
    for (uint32_t n = 0; n < 300; ++n) Store(r.get(), n);
    TakenLine first;
    ASSERT_TRUE(TakeLine(r.get(), &first));
    for (uint32_t n = 1; n < 200; ++n) ASSERT_EQ(TakeNumber(r.get()), n);
    for (uint32_t n = 300; n < 350; ++n) Store(r.get(), n);  // 150 unread now

    EXPECT_EQ(ReturnTakenLines(r.get(), 200, first.overruns), 200u);
    EXPECT_EQ(r->ring.overruns, 0u);
    for (uint32_t n = 0; n < 350; ++n) ASSERT_EQ(TakeNumber(r.get()), n);
    EXPECT_FALSE(DataReadySet(r.get()));
}

TEST(LinkRing, TakenLinesTheWriterOverwroteAreCountedLost) {
    LinkRecord r;
    for (uint32_t n = 0; n < 400; ++n) Store(r.get(), n);
    TakenLine first;
    ASSERT_TRUE(TakeLine(r.get(), &first));
    for (uint32_t n = 1; n < 300; ++n) ASSERT_EQ(TakeNumber(r.get()), n);
    // 100 unread, 400 free: 350 more lines take the 100 never used slots
    // and write over the 250 oldest of the 300 taken.
    for (uint32_t n = 400; n < 750; ++n) Store(r.get(), n);
    ASSERT_EQ(r->ring.overruns, 0u);

    EXPECT_EQ(ReturnTakenLines(r.get(), 300, first.overruns), 50u);
    EXPECT_EQ(r->ring.overruns, 250u);
    for (uint32_t n = 250; n < 750; ++n) ASSERT_EQ(TakeNumber(r.get()), n);
    EXPECT_EQ(TakeNumber(r.get()), -1);

    LinkRecord s;
    for (uint32_t n = 0; n < 100; ++n) Store(s.get(), n);
    ASSERT_TRUE(TakeLine(s.get(), &first));
    for (uint32_t n = 1; n < 100; ++n) ASSERT_EQ(TakeNumber(s.get()), n);
    for (uint32_t n = 100; n < 520; ++n) Store(s.get(), n);  // 80 free slots
    EXPECT_EQ(ReturnTakenLines(s.get(), 100, first.overruns), 80u);
    EXPECT_EQ(s->ring.overruns, 20u);
    for (uint32_t n = 20; n < 520; ++n) ASSERT_EQ(TakeNumber(s.get()), n);
}

TEST(LinkRing, TakenLinesNeverComeBackOnceTheWriterDroppedALine) {
    LinkRecord r;
    for (uint32_t n = 0; n < 10; ++n) Store(r.get(), n);
    TakenLine first;
    ASSERT_TRUE(TakeLine(r.get(), &first));
    for (uint32_t n = 10; n < 600; ++n) Store(r.get(), n);  // laps the reader
    const uint64_t droppedBefore = r->ring.overruns;
    ASSERT_GT(droppedBefore, 0u);
    EXPECT_EQ(ReturnTakenLines(r.get(), 1, first.overruns), 0u);
    EXPECT_EQ(r->ring.overruns, droppedBefore + 1);
    EXPECT_EQ(TakeNumber(r.get()), 100);
}

TEST(LinkRing, DiscardEmptiesWithoutCountingLosses) {
    LinkRecord r;
    for (uint32_t n = 0; n < 700; ++n) Store(r.get(), n);
    DiscardUnreadLines(r.get());
    EXPECT_FALSE(DataReadySet(r.get()));
    EXPECT_EQ(ReadRingStatus(r.get()).unread, 0u);
    EXPECT_EQ(r->ring.overruns, 200u);  // the overflow before stays counted
    Store(r.get(), 700);
    EXPECT_EQ(TakeNumber(r.get()), 700);
}

TEST(LinkRing, LatestGpioByteComesFromTheSlotBeforeWriteIndex) {
    LinkRecord r;
    for (uint32_t n = 1; n <= 500; ++n) {
        std::vector<uint8_t> line = MakeLine(n);
        line[LINE_GPIO_STATE] = static_cast<uint8_t>(n);
        StoreLine(r.get(), line.data());
        ASSERT_EQ(LatestGpioByte(r.get()), static_cast<uint8_t>(n));
    }
    EXPECT_EQ(r->ring.writeIndex, 0u);  // the latest is in slot 499
}

// With the lock taken elsewhere the advance must wait, however long, rather
// than change the indices unguarded.
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
    EXPECT_EQ(r->ring.writeIndex, 0u);
    platform::ReleaseMutexObject(r->ring.mutex);
    EXPECT_EQ(platform::WaitForObject(thread, 10000), platform::kWaitSignaled);
    platform::CloseObject(thread);
    EXPECT_EQ(r->ring.writeIndex, 1u);
}

// A writer that laps the reader refills the very slot the reader copies;
// every line handed out must still be one whole line, and the lines a
// reader gets must rise.
TEST(LinkRing, OverrunNeverHandsOutATornOrRepeatedLine) {
    LinkRecord r;
    struct Args {
        ControlData* c;
        std::atomic<bool> started{false};
        std::atomic<bool> stop{false};
    } args{r.get()};
    platform::Handle writer = platform::StartThread(
        [](void* a) -> uint32_t {
            Args* args = static_cast<Args*>(a);
            std::vector<uint8_t> line(DATA_LINE_SIZE);
            args->started = true;
            for (uint32_t n = 1; !args->stop.load(); ++n) {
                std::memset(line.data(), static_cast<int>(n & 0xFF), line.size());
                WriteU32(&line[LINE_CYCLE_COUNT], n);
                StoreLine(args->c, line.data());
            }
            return 0;
        },
        &args);
    ASSERT_NE(writer, nullptr);
    while (!args.started.load()) platform::SleepMs(1);
    // Taken in a tight loop and checked afterwards, so that the reader
    // spends its time where the two sides meet.
    std::vector<TakenLine> taken(20000);
    size_t got = 0;
    while (got < taken.size()) {
        if (TakeLine(r.get(), &taken[got])) ++got;
    }
    args.stop = true;
    EXPECT_EQ(platform::WaitForObject(writer, 10000), platform::kWaitSignaled);
    platform::CloseObject(writer);
    uint32_t torn = 0;
    uint32_t previous = 0;
    for (const TakenLine& one : taken) {
        const uint8_t* b = one.line.bytes;
        const uint32_t number = ReadU32(&b[LINE_CYCLE_COUNT]);
        if (b[0] != static_cast<uint8_t>(number & 0xFF) || b[DATA_LINE_SIZE - 1] != b[0]) ++torn;
        EXPECT_GT(number, previous);
        previous = number;
    }
    EXPECT_EQ(torn, 0u);
}

}  // namespace
