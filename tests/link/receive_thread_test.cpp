// The receive thread against the simulated instrument: retuning, cancelled
// reads, reply hand-offs, read errors and shutdown.
#include <cstring>
#include <set>

#include "host/command_error.h"
#include "link/link.h"
#include "link/link_fixture.h"
#include "usb/usb_device.h"

namespace {

using linktest::TakePrinted;

class LinkReceiveThread : public linktest::LinkThreadTest {
protected:
    // Replies come a little after the request, so that the command is
    // surely waiting when the thread hands the reply over.
    static sim::SimSettings Delayed() {
        sim::SimSettings settings;
        settings.replyDelayMs = 20;
        return settings;
    }
    void StartWith(const sim::SimSettings& settings) {
        OpenInstrument(settings);
        StartReceiveThread();
    }
    // The exchange a command makes: retune, send, wait.
    bool Exchange(uint16_t length, std::initializer_list<uint16_t> words, uint32_t timeoutMs) {
        Retune(length);
        ReplyWait wait(c);
        Send(words);
        return wait.Wait(timeoutMs);
    }
    uint16_t StoredLines() {
        platform::WaitForObject(c->ring.mutex, platform::kInfinite);
        const uint16_t n = c->ring.writeIndex;
        platform::ReleaseMutexObject(c->ring.mutex);
        return n;
    }
    bool WaitForPendingRead() {
        for (int i = 0; i < 1000 && sim::SimBusPendingReads(0) == 0; ++i) platform::SleepMs(5);
        return sim::SimBusPendingReads(0) != 0;
    }
    bool WaitForStoredLines(uint16_t n) {
        for (int i = 0; i < 1000 && StoredLines() < n; ++i) platform::SleepMs(5);
        return StoredLines() >= n;
    }
    static std::string ReadError(uint32_t code, bool fullLength) {
        return "\tUSB Read Error [" + std::to_string(code) + "] - " + SystemErrorText(code) +
               (fullLength ? " \n" : "\n") + "\tSend 'Disconnect' Command.\n";
    }
};

TEST_F(LinkReceiveThread, ReplyWithAndWithoutAnAnswer) {
    sim::SimSettings settings = Delayed();
    settings.silentOpcodes = {CMD_GET_CONF_DATA};
    StartWith(settings);
    {
        Retune(FRAME_DEVICE_INFO_LENGTH);
        ReplyWait wait(c);
        Send({CMD_GET_DEV_INFO});
        ASSERT_TRUE(wait.Wait(5000));
        ASSERT_TRUE(CopyDeviceInfoReply(c));
        EXPECT_EQ(std::string(c->deviceInfo), settings.infoText.substr(0, DEVICE_INFO_TEXT_LENGTH));
    }
    EXPECT_FALSE(Exchange(FRAME_CONF_DATA_LENGTH, {CMD_GET_CONF_DATA}, 100));
    EXPECT_TRUE(ReceiveThreadRunning());
    // The thread still answers the next command.
    EXPECT_TRUE(Exchange(FRAME_GPIO_STATE_LENGTH, {CMD_SET_GPIO, 0x0B}, 5000));
    EXPECT_EQ(StopReceiveThread(), 0u);
    EXPECT_EQ(TakePrinted(), "");
}

// The thread may leave its cancelled read and take rxMutex again for the
// next read before SetUpRxRequest's wait has begun; the retune has worked
// all the same and must not be reported as failed.
TEST_F(LinkReceiveThread, RetuneSucceedsWhenTheThreadIsQuickerThanTheWait) {
    StartWith(Delayed());
    for (int i = 0; i < 300; ++i) {
        try {
            Retune(static_cast<uint16_t>(i % 2 == 0 ? FRAME_GPIO_STATE_LENGTH : FRAME_DEVICE_INFO_LENGTH));
        } catch (const CommandError& e) {
            FAIL() << "retune " << i << ": " << e.message;
        }
    }
    EXPECT_TRUE(Exchange(FRAME_GPIO_STATE_LENGTH, {CMD_SET_GPIO, 0x03}, 5000));
}

// The 276-byte reply read 58 bytes at a time is never a whole frame; after
// SetUpRxRequest the next read asks for the full length and gets it.
TEST_F(LinkReceiveThread, RetuningMakesTheNextReadUseTheNewLength) {
    StartWith(Delayed());
    c->replyData = nullptr;
    {
        ReplyWait wait(c);
        Send({CMD_GET_CONF_DATA});  // still read with the 58 bytes set at start
        EXPECT_FALSE(wait.Wait(300));
    }
    EXPECT_EQ(c->handOffCount.load(), 0u);

    c->replyData = nullptr;
    Retune(FRAME_CONF_DATA_LENGTH);
    ReplyWait wait(c);
    Send({CMD_GET_CONF_DATA});
    ASSERT_TRUE(wait.Wait(5000));
    const uint8_t* payload = c->replyData.load();
    ASSERT_EQ(payload, c->rxBuffer + CONF_DATA_PAYLOAD_OFFSET);
    EXPECT_EQ(ReadU16(payload - 2), FRAME_CONF_DATA);
    EXPECT_EQ(ReadU16(payload + CONF_FREQUENCY_COUNT), BIN_COUNT);
}

TEST_F(LinkReceiveThread, ShortReadIsDroppedWhole) {
    StartWith(Delayed());
    // A 58-byte reply read with 64 bytes asked for.
    EXPECT_FALSE(Exchange(64, {CMD_GET_DEV_INFO}, 300));
    EXPECT_EQ(c->handOffCount.load(), 0u);
    EXPECT_EQ(c->deviceInfo[0], '\0');
}

// Stop, then Start with the same read length: the read cancelled by the
// retune must not count as a full read of the old buffer, which would store
// the last lines of the first run a second time.
TEST_F(LinkReceiveThread, CancelledReadStoresNothingTwice) {
    StartWith(Delayed());
    const uint16_t length = static_cast<uint16_t>(c->linesPerRead * DATA_LINE_SIZE);
    c->mode = MODE_MEASURING;
    Retune(length);
    Send({CMD_START});
    ASSERT_TRUE(WaitForStoredLines(12));
    c->mode = MODE_IDLE;
    Send({CMD_STOP});
    platform::SleepMs(50);  // lines in flight drain; the next read goes pending
    const uint16_t firstRun = StoredLines();

    c->mode = MODE_MEASURING;
    Retune(length);  // equal to the count the last full read left
    Send({CMD_START});
    ASSERT_TRUE(WaitForStoredLines(static_cast<uint16_t>(firstRun + 12)));
    c->mode = MODE_IDLE;
    Send({CMD_STOP});
    EXPECT_EQ(StopReceiveThread(), 0u);

    std::set<uint32_t> cycles;
    for (uint16_t i = 0; i < c->ring.writeIndex; ++i) {
        const uint32_t cycle = ReadU32(&c->lines[i].bytes[LINE_CYCLE_COUNT]);
        EXPECT_TRUE(cycles.insert(cycle).second) << "cycle " << cycle << " stored twice, slot " << i;
    }
}

// A command descheduled between its request and its wait: the reply comes
// at once and is handed over before the command waits. The hand-off stays
// open for a command that has asked for a reply and not yet taken it.
TEST_F(LinkReceiveThread, ReplyWaitsForACommandThatIsLateToWait) {
    StartWith(sim::SimSettings());
    Retune(FRAME_GPIO_STATE_LENGTH);
    for (uint16_t state = 1; state <= 3; ++state) {
        ReplyWait wait(c);
        Send({CMD_SET_GPIO, state});
        platform::SleepMs(30);
        ASSERT_TRUE(wait.Wait(100)) << "state " << state;
        EXPECT_EQ(*c->replyData.load(), state);
    }
}

// A command still reading its reply past the thread's 100 ms re-take: the
// thread must not read into rxBuffer under it, and must go on afterwards.
TEST_F(LinkReceiveThread, LongHeldReplyIsNotOverwritten) {
    StartWith(Delayed());
    Retune(FRAME_GPIO_STATE_LENGTH);
    ReplyWait first(c);
    Send({CMD_SET_GPIO, 0x0A});
    ASSERT_TRUE(first.Wait(5000));
    uint8_t held[FRAME_GPIO_STATE_LENGTH];
    std::memcpy(held, c->rxBuffer, sizeof held);
    EXPECT_EQ(*c->replyData.load(), 0x0A);

    Send({CMD_SET_GPIO, 0x15});  // its reply is ready while the first is held
    platform::SleepMs(350);
    EXPECT_EQ(std::memcmp(held, c->rxBuffer, sizeof held), 0);
    EXPECT_EQ(*c->replyData.load(), 0x0A);
    EXPECT_EQ(c->handOffCount.load(), 1u);
    first.Release();

    // The held-back reply is read and passed over once the first is let go;
    // then the thread serves the next exchange.
    for (int i = 0; i < 500 && c->handOffCount.load() < 2; ++i) platform::SleepMs(10);
    EXPECT_EQ(c->handOffCount.load(), 2u);
    platform::SleepMs(20);
    EXPECT_TRUE(Exchange(FRAME_GPIO_STATE_LENGTH, {CMD_SET_GPIO, 0x16}, 5000));
}

// Disconnect while a reply is held (no command does so, but the thread must
// not hang on it): the thread gives the re-take up and ends.
TEST_F(LinkReceiveThread, StopEndsTheThreadEvenWhileAReplyIsHeld) {
    StartWith(Delayed());
    Retune(FRAME_GPIO_STATE_LENGTH);
    ReplyWait wait(c);
    Send({CMD_SET_GPIO, 0x01});
    ASSERT_TRUE(wait.Wait(5000));
    EXPECT_EQ(StopReceiveThread(), 0u);
}

// A command that fails while it holds the reply releases it as the
// exception leaves; the thread then goes on with the next exchange.
TEST_F(LinkReceiveThread, ReplyIsReleasedWhenTheCommandThrows) {
    StartWith(Delayed());
    Retune(FRAME_GPIO_STATE_LENGTH);
    try {
        ReplyWait wait(c);
        Send({CMD_SET_GPIO, 0x01});
        ASSERT_TRUE(wait.Wait(5000));
        Fail("\tDevice did not respond to command.\n");
    } catch (const CommandError&) {
    }
    EXPECT_TRUE(Exchange(FRAME_GPIO_STATE_LENGTH, {CMD_SET_GPIO, 0x02}, 5000));
    EXPECT_EQ(*c->replyData.load(), 0x02);
}

TEST_F(LinkReceiveThread, StopDuringAPendingReadEndsWithStatusZero) {
    StartWith(Delayed());
    platform::SleepMs(20);
    EXPECT_EQ(StopReceiveThread(), 0u);
    EXPECT_EQ(TakePrinted(), "");
    // Nothing hands replies over any more: the wait fails, also the second time.
    ReplyWait wait(c);
    EXPECT_FALSE(wait.Wait(100));
    EXPECT_FALSE(wait.Wait(100));
}

// A full-length read that keeps failing with a code other than 31 (here 87:
// a zero read length, with the count still 0) is printed with the blank
// before the line break, and the thread goes on, paced rather than spinning.
TEST_F(LinkReceiveThread, FailingFullLengthReadIsPrintedAndTheThreadGoesOn) {
    OpenInstrument(Delayed());
    c->rxLength = 0;
    StartReceiveThread();
    const std::string expected = ReadError(87, true);
    std::string printed = WaitForPrinted(expected);
    ASSERT_EQ(printed.substr(0, expected.size()), expected);
    platform::SleepMs(300);
    printed += TakePrinted();
    size_t messages = 0;
    for (size_t at = printed.find(expected); at != std::string::npos;
         at = printed.find(expected, at + 1)) {
        ++messages;
    }
    EXPECT_EQ(messages * expected.size(), printed.size()) << printed;
    EXPECT_LT(messages, 50u) << "the failing read floods the command window";
    EXPECT_TRUE(ReceiveThreadRunning());

    EXPECT_TRUE(Exchange(FRAME_DEVICE_INFO_LENGTH, {CMD_GET_DEV_INFO}, 5000));
    EXPECT_EQ(StopReceiveThread(), 0u);
}

// Error 31 after a full-length read: the read fails at once and leaves the
// count of the reply before it, equal to rxLength.
TEST_F(LinkReceiveThread, Error31AfterAFullLengthReadEndsWithMinusOne) {
    sim::SimSettings settings = Delayed();
    settings.failAfterReads = 1;
    StartWith(settings);
    EXPECT_TRUE(Exchange(FRAME_DEVICE_INFO_LENGTH, {CMD_GET_DEV_INFO}, 5000));
    EXPECT_EQ(JoinReceiveThread(), 0xFFFFFFFFu);
    EXPECT_EQ(WaitForPrinted(ReadError(31, true)), ReadError(31, true));

    // A reply wait after the end neither succeeds at once nor reads stale text.
    ReplyWait wait(c);
    EXPECT_FALSE(wait.Wait(100));
    ReplyWait again(c);
    EXPECT_FALSE(again.Wait(100));
    // Disconnect still completes.
    EXPECT_EQ(StopReceiveThread(), 0xFFFFFFFFu);
}

// Error 31 on a pending read (the device is unplugged): the pending read
// wrote 0 into the count, so the short-read message and status -2.
TEST_F(LinkReceiveThread, Error31OnAPendingReadEndsWithMinusTwo) {
    StartWith(Delayed());
    EXPECT_TRUE(Exchange(FRAME_DEVICE_INFO_LENGTH, {CMD_GET_DEV_INFO}, 5000));
    // Unplugged before the next read went pending, the read would be refused
    // at once with the reply's full count: wait for the pending read.
    ASSERT_TRUE(WaitForPendingRead());
    sim::SimUnplug(Instrument());
    EXPECT_EQ(JoinReceiveThread(), 0xFFFFFFFEu);
    EXPECT_EQ(WaitForPrinted(ReadError(31, false)), ReadError(31, false));
    ReplyWait wait(c);
    EXPECT_FALSE(wait.Wait(100));
}

TEST_F(LinkReceiveThread, ReplyMutexHeldElsewhereAtStartEndsWithMinusOne) {
    OpenInstrument();
    ASSERT_EQ(platform::WaitForObject(c->replyMutex, 0), platform::kWaitSignaled);
    StartReceiveThread();
    EXPECT_EQ(JoinReceiveThread(), 0xFFFFFFFFu);
    platform::ReleaseMutexObject(c->replyMutex);
}

}  // namespace
