// The frame parser over rxBuffer, driven directly. The test thread plays
// the receive thread: it owns replyMutex, which every hand-off passes on.
#include <cstring>

#include "link/link.h"
#include "link/link_fixture.h"

namespace {

using linktest::LinkRecord;
using linktest::MakeFrame;
using linktest::MakeLine;
using linktest::PutBytes;

class LinkParser : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(platform::WaitForObject(c->replyMutex, 0), platform::kWaitSignaled);
    }
    void TearDown() override { platform::ReleaseMutexObject(c->replyMutex); }

    void PutFourLines(uint32_t first) {
        for (uint32_t i = 0; i < 4; ++i) PutBytes(c, i * DATA_LINE_SIZE, MakeLine(first + i));
    }
    uint32_t HandOffs() const { return c->handOffCount.load(); }

    LinkRecord record;
    ControlData* c = record.get();
};

TEST_F(LinkParser, FourLinesWhileMeasuringFillFourSlotsInOrder) {
    c->mode = MODE_MEASURING;
    PutFourLines(10);
    ParseRxBuffer(c, RX_BUFFER_SIZE);
    EXPECT_EQ(c->ring.writeIndex, 4);
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::memcmp(c->lines[i].bytes, &c->rxBuffer[i * DATA_LINE_SIZE], DATA_LINE_SIZE),
                  0)
            << "slot " << i;
    }
    EXPECT_EQ(platform::WaitForObject(c->ring.dataReady, 0), platform::kWaitSignaled);
    EXPECT_EQ(HandOffs(), 0u);

    c->mode = MODE_EXT_TRIGGER;  // any mode but idle stores
    ParseRxBuffer(c, RX_BUFFER_SIZE);
    EXPECT_EQ(c->ring.writeIndex, 8);
}

TEST_F(LinkParser, FourLinesInIdleModeStoreNothingAndHandNothingOver) {
    c->mode = MODE_IDLE;
    PutFourLines(10);
    ParseRxBuffer(c, RX_BUFFER_SIZE);
    EXPECT_EQ(c->ring.writeIndex, 0);
    EXPECT_EQ(platform::WaitForObject(c->ring.dataReady, 0), platform::kWaitTimeout);
    EXPECT_EQ(HandOffs(), 0u);
    EXPECT_EQ(c->replyData.load(), nullptr);
}

// The information text is read like every other reply: the waiting command
// copies it during the hand-off; the thread itself leaves deviceInfo alone.
TEST_F(LinkParser, DeviceInfoIsHandedOverForTheCommandToCopy) {
    std::memset(c->deviceInfo, 'x', DEVICE_INFO_SIZE);
    std::vector<uint8_t> frame = MakeFrame(FRAME_DEVICE_INFO, FRAME_DEVICE_INFO_LENGTH, 0);
    const char text[] = "Varnelo test instrument";
    std::memcpy(&frame[4], text, sizeof text);
    PutBytes(c, 0, frame);
    ParseRxBuffer(c, FRAME_DEVICE_INFO_LENGTH);
    EXPECT_EQ(HandOffs(), 1u);
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 4);
    EXPECT_EQ(c->deviceInfo[0], 'x') << "written by the receive thread";

    ASSERT_TRUE(CopyDeviceInfoReply(c));
    EXPECT_EQ(std::memcmp(c->deviceInfo, &frame[4], DEVICE_INFO_TEXT_LENGTH), 0);
    for (uint32_t i = DEVICE_INFO_TEXT_LENGTH; i < DEVICE_INFO_SIZE; ++i) {
        EXPECT_EQ(c->deviceInfo[i], 'x') << "byte " << i;
    }
    // Another kind of reply is no information text.
    PutBytes(c, 0, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x2B));
    ParseRxBuffer(c, FRAME_GPIO_STATE_LENGTH);
    EXPECT_FALSE(CopyDeviceInfoReply(c));
}

// A command waiting on another thread takes the hand-off and finds replyData
// already at the payload, 10 bytes into the EEPROM frame.
TEST_F(LinkParser, EepromReplyIsHandedOverWithReplyDataAtByteTen) {
    struct Args {
        ControlData* c;
        platform::Handle constructed;
        bool got = false;
        const uint8_t* seen = nullptr;
    } args{c, platform::CreateEventObject(true, false)};
    platform::Handle command = platform::StartThread(
        [](void* a) -> uint32_t {
            Args* args = static_cast<Args*>(a);
            ReplyWait wait(args->c);
            platform::SetEventObject(args->constructed);
            args->got = wait.Wait(10000);
            args->seen = args->c->replyData.load();
            return 0;
        },
        &args);
    ASSERT_NE(command, nullptr);
    ASSERT_EQ(platform::WaitForObject(args.constructed, 10000), platform::kWaitSignaled);

    PutBytes(c, 0, MakeFrame(FRAME_EEPROM_DATA, FRAME_EEPROM_DATA_LENGTH, 0x5A));
    ParseRxBuffer(c, FRAME_EEPROM_DATA_LENGTH);
    // Should the command not have been waiting yet, it gets the mutex here.
    platform::ReleaseMutexObject(c->replyMutex);
    EXPECT_EQ(platform::WaitForObject(command, 10000), platform::kWaitSignaled);
    platform::CloseObject(command);
    platform::CloseObject(args.constructed);
    ASSERT_EQ(platform::WaitForObject(c->replyMutex, 10000), platform::kWaitSignaled);

    EXPECT_TRUE(args.got);
    EXPECT_EQ(args.seen, c->rxBuffer + 10);
}

TEST_F(LinkParser, ConfAndGpioRepliesPointAtByteFour) {
    PutBytes(c, 0, MakeFrame(FRAME_CONF_DATA, FRAME_CONF_DATA_LENGTH, 1));
    ParseRxBuffer(c, FRAME_CONF_DATA_LENGTH);
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 4);
    EXPECT_EQ(HandOffs(), 1u);

    c->replyData = nullptr;
    PutBytes(c, 0, {0x11, 0x22});
    PutBytes(c, 2, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x2B));
    ParseRxBuffer(c, 8);  // frame at position 2
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 6);
    EXPECT_EQ(HandOffs(), 2u);
}

// A sync word with a kind that is none of the five: the scan moves on by
// exactly one byte, so a frame starting at byte 3 is still found.
TEST_F(LinkParser, UnknownKindAdvancesByOneByte) {
    PutBytes(c, 0, {0x03, 0xFF, 0x12});
    PutBytes(c, 3, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x07));
    ParseRxBuffer(c, 9);
    EXPECT_EQ(HandOffs(), 1u);
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 7);

    // A sync word inside an unknown frame's kind bytes.
    c->replyData = nullptr;
    PutBytes(c, 0, {0x03, 0xFF});
    PutBytes(c, 2, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x07));
    ParseRxBuffer(c, 8);
    EXPECT_EQ(HandOffs(), 2u);
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 6);
}

TEST_F(LinkParser, FramesReachingPastCountAreNotActedOn) {
    c->mode = MODE_MEASURING;
    // The whole GPIO frame sits in the buffer, but only 5 of its bytes were
    // received.
    PutBytes(c, 0, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x07));
    ParseRxBuffer(c, 5);
    // A data line that starts inside the count and ends beyond it.
    PutBytes(c, 0, std::vector<uint8_t>(RX_BUFFER_SIZE, 0));
    PutBytes(c, 100, MakeLine(1));
    ParseRxBuffer(c, 200);
    // A configuration reply that would end beyond the 768-byte buffer.
    PutBytes(c, 0, std::vector<uint8_t>(RX_BUFFER_SIZE, 0));
    PutBytes(c, 600, MakeFrame(FRAME_CONF_DATA, 168, 0));
    ParseRxBuffer(c, RX_BUFFER_SIZE);
    // A sync word whose kind would lie beyond the count, and one whose
    // second byte would.
    PutBytes(c, 0, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x07));
    ParseRxBuffer(c, 3);
    ParseRxBuffer(c, 1);
    EXPECT_EQ(HandOffs(), 0u);
    EXPECT_EQ(c->ring.writeIndex, 0);
    EXPECT_EQ(c->replyData.load(), nullptr);

    // The scan goes on past a cut-off frame: a 6-byte frame inside it is found.
    PutBytes(c, 0, std::vector<uint8_t>(RX_BUFFER_SIZE, 0));
    PutBytes(c, 0, MakeFrame(FRAME_CONF_DATA, 40, 0));
    PutBytes(c, 20, MakeFrame(FRAME_GPIO_STATE, FRAME_GPIO_STATE_LENGTH, 0x07));
    ParseRxBuffer(c, 40);
    EXPECT_EQ(HandOffs(), 1u);
    EXPECT_EQ(c->replyData.load(), c->rxBuffer + 24);
}

TEST_F(LinkParser, CountsOfZeroOrAboveTheBufferAreIgnored) {
    c->mode = MODE_MEASURING;
    PutFourLines(0);
    ParseRxBuffer(c, 0);
    ParseRxBuffer(c, RX_BUFFER_SIZE + 1);
    ParseRxBuffer(c, 0xFFFFFFFFu);
    EXPECT_EQ(c->ring.writeIndex, 0);
}

// A command that takes the hand-off without ever having waited (the ReplyWait
// made after the reply came) must not mistake the free mutex for its reply.
TEST(LinkReplyWait, StaleOrAbandonedMutexIsNoReply) {
    LinkRecord r;
    // No receive thread and nobody holds the mutex: free, but no hand-off.
    {
        ReplyWait wait(r.get());
        EXPECT_FALSE(wait.Wait(100));
    }
    // Held by a thread that ended: abandoned.
    platform::Handle owner = platform::StartThread(
        [](void* a) -> uint32_t {
            platform::WaitForObject(static_cast<ControlData*>(a)->replyMutex, 0);
            return 0;
        },
        r.get());
    ASSERT_NE(owner, nullptr);
    ASSERT_EQ(platform::WaitForObject(owner, 10000), platform::kWaitSignaled);
    platform::CloseObject(owner);
    {
        ReplyWait wait(r.get());
        EXPECT_FALSE(wait.Wait(100));
        EXPECT_FALSE(wait.Wait(100));
    }
    // Neither wait kept the mutex.
    platform::Handle other = platform::StartThread(
        [](void* a) -> uint32_t {
            ControlData* c = static_cast<ControlData*>(a);
            const uint32_t result = platform::WaitForObject(c->replyMutex, 0);
            if (result == platform::kWaitSignaled) platform::ReleaseMutexObject(c->replyMutex);
            return result;
        },
        r.get());
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(platform::WaitForObject(other, 10000), platform::kWaitSignaled);
    uint32_t status = 0;
    EXPECT_TRUE(platform::GetThreadExitStatus(other, &status));
    EXPECT_EQ(status, platform::kWaitSignaled);
    platform::CloseObject(other);
}

}  // namespace
