// The stream as an acquisition script sees it: GetData's status output, the
// ring depth chosen at Connect, Ctrl-C during a wait, a new measurement that
// starts empty, and reads that keep flowing after a late reply.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "host/standalone/standalone_host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "sim/sim_bus.h"
#include "support/module_fixture.h"

namespace {

using fixture::ErrorOf;
using fixture::ModuleTest;
using standalone::Call;
using standalone::Double;
using standalone::String;

const std::string kIncorrectArgument = "\tIncorrect command argument.\n";

double Now() { return static_cast<double>(platform::UtcNowNanoseconds()) * 1e-9; }

double ScalarOf(const mxArray* a) { return mxGetScalar(a); }

// One GetData call with both outputs.
struct Batch {
    std::vector<uint32_t> cycles;      // MeasurementCycleCount of the filled rows
    std::vector<double> receiveTimes;  // ReceiveTime of every row
    double lost = 0;
    double waiting = 0;
    bool timedOut = false;
};

Batch Read(uint32_t n) {
    auto r = Call(2, {String("GetData"), Double(n)});
    Batch b;
    const mxArray* status = r[1];
    b.lost = ScalarOf(standalone::GetField(status, "LinesLost"));
    b.waiting = ScalarOf(standalone::GetField(status, "LinesWaiting"));
    const mxArray* timedOut = standalone::GetField(status, "TimedOut");
    EXPECT_EQ(standalone::ClassOf(timedOut), mxLOGICAL_CLASS);
    b.timedOut = static_cast<const uint8_t*>(mxGetData(timedOut))[0] != 0;
    const mxArray* times = standalone::GetField(status, "ReceiveTime");
    EXPECT_EQ(mxGetM(times), n);
    EXPECT_EQ(mxGetN(times), 1u);
    const double* t = mxGetPr(times);
    b.receiveTimes.assign(t, t + n);
    const auto* c = static_cast<const uint32_t*>(
        mxGetData(standalone::GetField(r[0], "MeasurementCycleCount")));
    // A row that received no line is 0 in every field and in ReceiveTime.
    for (uint32_t i = 0; i < n && b.receiveTimes[i] != 0; ++i) b.cycles.push_back(c[i]);
    return b;
}

// Checks that a batch continues after `last` (the cycle count of the line
// before it; -1 before the first line of a connection) with exactly as many
// lines missing as it reports lost. Returns the new last.
int64_t ExpectContinues(const Batch& b, int64_t last) {
    int64_t gaps = 0;
    for (uint32_t cycle : b.cycles) {
        EXPECT_GT(cycle, last);
        gaps += cycle - last - 1;
        last = cycle;
    }
    EXPECT_EQ(static_cast<double>(gaps), b.lost);
    return last;
}

// Reads until `count` lines came or `seconds` passed; the lines in order.
std::vector<uint32_t> Gather(size_t count, double seconds) {
    std::vector<uint32_t> lines;
    const double end = Now() + seconds;
    while (lines.size() < count && Now() < end) {
        Batch b = Read(static_cast<uint32_t>(count - lines.size()));
        lines.insert(lines.end(), b.cycles.begin(), b.cycles.end());
    }
    return lines;
}

class Streaming : public ModuleTest {
protected:
    void TearDown() override {
        standalone::SetInterruptPending(false);
        ModuleTest::TearDown();
    }
    // The newest line stored so far (the receive thread stores none in idle mode).
    uint32_t LatestStoredCycle() {
        ControlData* c = Connection();
        const RingControl& ring = c->ring;
        const uint32_t latest = ring.writeIndex == 0 ? ring.slots - 1 : ring.writeIndex - 1;
        return ReadU32(&c->lines[latest].bytes[LINE_CYCLE_COUNT]);
    }
};

TEST_F(Streaming, StatusOutputHasItsFieldsInOrderAndOnlyWithTwoOutputs) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    auto r = Call(2, {String("GetData"), Double(3)});
    EXPECT_EQ(standalone::FieldNames(r[1]),
              (std::vector<std::string>{"LinesLost", "LinesWaiting", "TimedOut", "ReceiveTime",
                                        "InstrumentAway"}));
    EXPECT_EQ(standalone::ClassOf(standalone::GetField(r[1], "LinesLost")), mxDOUBLE_CLASS);
    EXPECT_EQ(standalone::ClassOf(standalone::GetField(r[1], "LinesWaiting")), mxDOUBLE_CLASS);
    EXPECT_EQ(standalone::FieldNames(r[0]).size(), 12u);
    for (int nlhs : {0, 3}) {
        EXPECT_EQ(ErrorOf(nlhs, {String("GetData"), Double(3)}), "\tOne return variable expected\n");
    }
}

TEST_F(Streaming, LinesAreInOrderWithReceiveTimesWithinTheCall) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    int64_t last = -1;  // a connection's first line is cycle 0
    double previousTime = 0;
    size_t lines = 0;
    // Sizes that make calls end inside a read of four lines and across the
    // ring's wrap. A call may time out on a loaded machine; what it returned
    // must still be in order and accounted for.
    const uint32_t sizes[] = {1, 3, 17, 100, 250, 129};
    for (int round = 0; lines < 1500; ++round) {
        const double before = Now();
        Batch b = Read(sizes[round % 6]);
        const double after = Now();
        last = ExpectContinues(b, last);
        lines += b.cycles.size();
        for (size_t i = 0; i < b.cycles.size(); ++i) {
            EXPECT_GE(b.receiveTimes[i], previousTime);
            EXPECT_LE(b.receiveTimes[i], after);
            previousTime = b.receiveTimes[i];
        }
        // Lines taken during the call arrived before it ended; those that
        // waited arrived after the call began or earlier, never later.
        if (!b.cycles.empty()) {
            EXPECT_GT(b.receiveTimes[b.cycles.size() - 1], before - 5.0);
        }
        for (size_t i = b.cycles.size(); i < b.receiveTimes.size(); ++i) {
            EXPECT_EQ(b.receiveTimes[i], 0.0);
        }
    }
    standalone::TakePrinted();
}

TEST_F(Streaming, HostStallLosesTheOldestLinesCountedExactly) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Batch b = Read(10);
    const int64_t last = ExpectContinues(b, -1);
    const double stallStart = Now();
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));  // 1,200 lines at 1 kHz
    Batch after = Read(200);
    const double callEnd = Now();
    ASSERT_EQ(after.cycles.size(), 200u) << "the ring held the newest 500";
    EXPECT_GE(after.lost, 500.0);
    ExpectContinues(after, last);
    EXPECT_GE(after.receiveTimes.front(), stallStart);
    EXPECT_LE(after.receiveTimes.back(), callEnd);
    EXPECT_GE(after.waiting, 290.0);
    // The next call goes on from there, and with one output reports nothing
    // lost: its only message would be the loss.
    standalone::TakePrinted();
    auto next = Call(1, {String("GetData"), Double(5)});
    const auto* c = static_cast<const uint32_t*>(
        mxGetData(standalone::GetField(next[0], "MeasurementCycleCount")));
    EXPECT_EQ(c[0], after.cycles.back() + 1);
    EXPECT_EQ(standalone::TakePrinted().find("lost"), std::string::npos);
}

TEST_F(Streaming, OneOutputPrintsTheLossOnceAndTwoOutputsPrintNothing) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Read(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    standalone::TakePrinted();
    Call(1, {String("GetData"), Double(3)});
    const std::string printed = standalone::TakePrinted();
    const std::string prefix = "\tData lines lost: ";
    ASSERT_EQ(printed.rfind(prefix, 0), 0u) << printed;
    EXPECT_EQ(printed.find(prefix, 1), std::string::npos) << "printed once";
    EXPECT_NE(printed.find(" (ring overflow).\n"), std::string::npos);
    const int lost = std::stoi(printed.substr(prefix.size()));
    EXPECT_GT(lost, 0);

    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    standalone::TakePrinted();
    Batch b = Read(3);
    EXPECT_GT(b.lost, 0.0);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(Streaming, TimeOutIsReportedAndRowsStayZero) {
    sim::SimSettings quiet;
    quiet.silentOpcodes = {CMD_START};  // measuring mode, but no line ever comes
    sim::SimBusSetInstruments({quiet});
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Batch b = Read(2);
    EXPECT_TRUE(b.timedOut);
    EXPECT_TRUE(b.cycles.empty());
    EXPECT_EQ(b.receiveTimes, (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(b.waiting, 0.0);
    EXPECT_EQ(b.lost, 0.0);
    EXPECT_EQ(standalone::TakePrinted(), "\tData collection timeout, polling period 24 ms.\n");
}

TEST_F(Streaming, RingLinesSetsTheDepthAndIsCheckedBeforeAnythingOpens) {
    const std::vector<std::vector<mxArray*>> refused = {
        {String("Connect"), String("RingLines")},
        {String("Connect"), String("RingLines"), Double(499)},
        {String("Connect"), String("RingLines"), Double(1000001)},
        {String("Connect"), String("RingLines"), Double(std::nan(""))},
        {String("Connect"), String("ringlines"), Double(1000)},
        {String("Connect"), String("RingLines"), String("1000")},
        {String("Connect"), String("RingLines"), standalone::DoubleMatrix(1, 2, {600, 700})},
        {String("Connect"), String("RingLines"), standalone::DoubleMatrix(0, 0, {})},
        {String("Connect"), String("RingLines"), Double(1000), Double(1)},
        {String("Connect"), Double(1000)},
    };
    for (const auto& inputs : refused) {
        EXPECT_EQ(ErrorOf(0, inputs), kIncorrectArgument);
        EXPECT_EQ(Connection(), nullptr);
        EXPECT_EQ(sim::SimBusOpenCount(), 0u);
        EXPECT_EQ(standalone::LockCount(), 0);
    }
    EXPECT_EQ(standalone::TakePrinted(), "") << "refused before the banner";

    ASSERT_EQ(ErrorOf(0, {String("Connect"), String("RingLines"), Double(2000.9)}), "");
    EXPECT_EQ(Connection()->ring.slots, 2000u);
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Read(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    Batch b = Read(1100);  // all of them waiting already
    EXPECT_EQ(b.lost, 0.0) << "1,200 lines fit a ring of 2,000";
    EXPECT_EQ(b.cycles.size(), 1100u);
    ASSERT_EQ(ErrorOf(0, {String("Disconnect")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Connect")}), "");
    EXPECT_EQ(Connection()->ring.slots, RING_SLOTS);
}

TEST_F(Streaming, CtrlCEndsAWaitingGetDataAndItsLinesComeBack) {
    Connect();
    // About 10 lines/s: each line's wait lasts 116 ms, so that a loaded machine's
    // scheduling does not end the call with a time-out before the Ctrl-C.
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(96)}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Batch before = Read(2);
    ASSERT_FALSE(before.cycles.empty());

    std::atomic<bool> done{false};
    std::thread pressCtrlC([&done] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        standalone::SetInterruptPending(true);
        done = true;
    });
    const auto start = std::chrono::steady_clock::now();
    bool interrupted = false;
    try {
        Call(1, {String("GetData"), Double(100000)});
    } catch (const standalone::HostInterrupted&) {
        interrupted = true;
    }
    const auto took = std::chrono::steady_clock::now() - start;
    pressCtrlC.join();
    EXPECT_TRUE(interrupted);
    EXPECT_LT(took, std::chrono::seconds(60)) << "100,000 lines at 10/s would take hours";

    // The lines the interrupted call had taken come first, then the rest.
    Batch after = Read(20);
    EXPECT_EQ(after.cycles.size(), 20u);
    EXPECT_EQ(after.lost, 0.0);
    ExpectContinues(after, before.cycles.back());
}

TEST_F(Streaming, CtrlCWhileLinesFlowIsNoticedToo) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Read(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // 300 lines waiting
    standalone::SetInterruptPending(true);
    const long checksBefore = standalone::InterruptChecks();
    EXPECT_THROW(Call(1, {String("GetData"), Double(1000000)}), standalone::HostInterrupted);
    EXPECT_GT(standalone::InterruptChecks(), checksBefore);
    EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(5)}), "");
}

TEST_F(Streaming, ANewMeasurementStartsWithAnEmptyRing) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Read(5);
    // Long enough at 1000 lines/s to overflow the 500-line ring: the first
    // run ends with lines lost that no GetData reported.
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_GT(ReadRingStatus(Connection()).unread, 100u) << "unread lines of the first run";
    ASSERT_GT(ReadRingStatus(Connection()).overruns, 0u) << "the first run lost lines";
    const uint32_t lastOfFirstRun = LatestStoredCycle();

    ASSERT_EQ(ErrorOf(0, {String("SetInputGain"), String("2x"), String("2x")}), "");
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Batch b = Read(50);
    ASSERT_FALSE(b.cycles.empty());
    EXPECT_GT(b.cycles.front(), lastOfFirstRun) << "a line of the previous run came first";
    EXPECT_EQ(b.lost, 0.0) << "neither discarded lines nor the first run's losses count";
    ExpectContinues(b, b.cycles.front() - 1);

    // The same for a triggered measurement.
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const uint32_t lastOfSecondRun = LatestStoredCycle();
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), "");
    Batch t = Read(2);
    ASSERT_FALSE(t.cycles.empty());
    EXPECT_GT(t.cycles.front(), lastOfSecondRun);
    EXPECT_EQ(t.lost, 0.0);
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("Off")}), "");
    standalone::TakePrinted();
}

// A retune for a reply while lines stream: the read it cancels had just
// completed with a whole line. The line is kept, although the read length
// changed meanwhile.
TEST_F(Streaming, ALineReadJustBeforeARetuneIsKept) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(10)}), "");  // one line a read
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    const std::vector<uint32_t> before = Gather(3, 10.0);
    ASSERT_EQ(before.size(), 3u);
    // The read now pending brings the next line only when GetDevInfo's
    // retune cancels it.
    sim::SimBusHoldNextReadUntilCancel(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ErrorOf(1, {String("GetDevInfo")});
    Batch b = Read(1);
    ASSERT_EQ(b.cycles.size(), 1u);
    EXPECT_EQ(b.cycles[0], before.back() + 1);
    standalone::TakePrinted();
}

TEST_F(Streaming, LateReplyWhileMeasuringStillRestoresTheReads) {
    Connect();
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    Read(8);
    sim::SimSetReplyDelay(Instrument(), 400);
    EXPECT_EQ(ErrorOf(1, {String("GetDevInfo")}), "\tError: Device did not respond to command.\n");
    EXPECT_EQ(Connection()->rxLength, 4 * DATA_LINE_SIZE);
    sim::SimSetReplyDelay(Instrument(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the late reply passes
    Read(1000);  // what came meanwhile
    EXPECT_EQ(Gather(100, 10.0).size(), 100u) << "lines kept flowing";
    standalone::TakePrinted();
}

}  // namespace
