// The simulated instrument on its own: reply layouts, uploads, the EEPROM
// image, robustness of the frame parser and the paced line stream.
#include <gtest/gtest.h>

#include <algorithm>

#include <atomic>
#include <cmath>
#include <cstring>
#include <string>

#include "link/protocol.h"
#include "platform/platform.h"
#include "sim/sim_instrument.h"
#include "sim/sim_model.h"
#include "sim/sim_test_util.h"

using namespace simtest;

namespace {

std::vector<uint8_t> Header(uint16_t kind) {
    return {0x03, 0xFF, static_cast<uint8_t>(kind), static_cast<uint8_t>(kind >> 8)};
}

bool StartsWith(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

uint16_t DividerCode(uint16_t value) {
    for (uint32_t i = 0; i < DIVIDER_COUNT; ++i) {
        if (dividerValues[i] == value) return dividerCodes[i];
    }
    return 0xFFFF;
}

// Reads n EEPROM bytes from the current pointer through one request.
std::vector<uint8_t> ReadEeprom(sim::SimInstrument* in, uint16_t n) {
    Send(in, Frame({CMD_AFE_EEPROM, 0, AFE_EEPROM_ADDRESS, n}));
    const std::vector<uint8_t> reply = Take(in);
    EXPECT_EQ(reply.size(), FRAME_EEPROM_DATA_LENGTH);
    std::vector<uint8_t> data;
    for (uint16_t i = 0; i < n && reply.size() == FRAME_EEPROM_DATA_LENGTH; ++i) {
        data.push_back(reply[EEPROM_DATA_PAYLOAD_OFFSET + 2 * i]);
    }
    return data;
}

}  // namespace

TEST(SimCrc, MatchesTheXmodemCheckValue) {
    const char* check = "123456789";
    EXPECT_EQ(sim::Crc16Xmodem(reinterpret_cast<const uint8_t*>(check), 9), 0x31C3);
    EXPECT_EQ(sim::Crc16Xmodem(nullptr, 0), 0x0000);
}

TEST(SimEeprom, DefaultImageIsAValidCalibration) {
    const std::vector<uint8_t> image = sim::BuildDefaultEeprom();
    ASSERT_EQ(image.size(), AFE_IMAGE_SIZE);
    const uint16_t length = ReadU16(&image[AFE_LENGTH_OFFSET]);
    ASSERT_GE(length, AFE_TABLE_OFFSET + AFE_TABLE_POINTS * AFE_POINT_SIZE + 1);
    ASSERT_LT(length, AFE_IMAGE_SIZE - 4);
    // CRC of bytes 0..L-2, low byte at L-1, high byte at L.
    const uint16_t crc = sim::Crc16Xmodem(image.data(), length - 1);
    EXPECT_EQ(image[length - 1], crc & 0xFF);
    EXPECT_EQ(image[length], crc >> 8);
    // A reader stops at the first run of four 0xFF: none may start at or
    // below L, and the fill after the image must give one.
    for (size_t i = 0; i <= length; ++i) {
        ASSERT_FALSE(image[i] == 0xFF && image[i + 1] == 0xFF && image[i + 2] == 0xFF &&
                     image[i + 3] == 0xFF)
            << "run of 0xFF at " << i;
    }
    for (size_t i = length + 1; i < image.size(); ++i) ASSERT_EQ(image[i], 0xFF) << i;

    // 21 increasing frequencies covering every bin; a 1 kOhm shunt whose
    // phase falls slightly with frequency.
    float previous = 0;
    for (uint32_t i = 0; i < AFE_TABLE_POINTS; ++i) {
        const uint8_t* record = &image[AFE_TABLE_OFFSET + AFE_POINT_SIZE * i];
        const float f = FloatAt(record), magnitude = FloatAt(record + 4), phase = FloatAt(record + 8);
        EXPECT_GT(f, previous);
        previous = f;
        EXPECT_NEAR(magnitude, 1000.0, 60.0);
        EXPECT_LE(phase, 0.0f);
        EXPECT_GT(phase, -30.0f);
    }
    EXPECT_LE(FloatAt(&image[AFE_TABLE_OFFSET]), sim::kBinWidthHz * sim::kFrequencyBins[0]);
    EXPECT_GE(previous, sim::kBinWidthHz * sim::kFrequencyBins[BIN_COUNT - 1]);
}

TEST(SimReplies, DeviceInfoIsA58ByteFrameWithZeroPaddedText) {
    sim::SimSettings settings;
    settings.infoText = "VN-15 fw 3.0";
    Instrument dev(settings);
    Send(dev.in, {0x03, 0xFF, 0x02, 0x00});
    const std::vector<uint8_t> reply = Take(dev.in);
    std::vector<uint8_t> expected = Header(FRAME_DEVICE_INFO);
    expected.resize(58, 0);
    std::copy(settings.infoText.begin(), settings.infoText.end(), expected.begin() + 4);
    EXPECT_EQ(reply, expected);

    // Text longer than the field is cut to 54 bytes.
    settings.infoText = std::string(70, 'x');
    Instrument longText(settings);
    Send(longText.in, Frame({CMD_GET_DEV_INFO}));
    const std::vector<uint8_t> cut = Take(longText.in);
    ASSERT_EQ(cut.size(), 58u);
    EXPECT_EQ(std::string(cut.begin() + 4, cut.end()), std::string(54, 'x'));
}

TEST(SimReplies, ConfDataLayout) {
    Instrument dev;
    Send(dev.in, {0x03, 0xFF, 0x0B, 0x00});
    const std::vector<uint8_t> reply = Take(dev.in);
    ASSERT_EQ(reply.size(), 276u);
    EXPECT_TRUE(StartsWith(reply, {0x03, 0xFF, 0xDD, 0x03, 0x0F, 0x00}));
    const uint8_t* payload = reply.data() + 4;
    uint16_t previousBin = 0;
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        const uint16_t bin = ReadU16(payload + CONF_FREQUENCY_BINS + 2 * k);
        EXPECT_GT(bin, previousBin);
        previousBin = bin;
        // Default shunt: about 1 kOhm with a slightly negative reactance;
        // default compensation: a few ohms of lead impedance.
        EXPECT_NEAR(FloatAt(payload + CONF_SHUNT_REAL + 4 * k), 1000.0, 60.0);
        EXPECT_LT(FloatAt(payload + CONF_SHUNT_IMAG + 4 * k), 0.0f);
        EXPECT_NEAR(FloatAt(payload + CONF_COMP_REAL + 4 * k), 1.5, 0.01);
        EXPECT_GT(FloatAt(payload + CONF_COMP_IMAG + 4 * k), 0.0f);
    }
}

TEST(SimReplies, UploadedTablesComeBackBitForBit) {
    Instrument dev;
    uint32_t shuntRe[BIN_COUNT], shuntIm[BIN_COUNT], compRe[BIN_COUNT], compIm[BIN_COUNT];
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        shuntRe[k] = 0x3F800000u + k;  // 1.0 and its neighbours
        shuntIm[k] = 0xC0000000u ^ (k << 3);
        compRe[k] = 0x7FC00001u + k;   // NaN payloads must survive
        compIm[k] = 0x00000001u + k;   // denormals too
    }
    compRe[3] = 0x80000000u;  // -0
    Send(dev.in, FloatTableFrame(CMD_SET_SHUNT_VAL, shuntRe, shuntIm));
    Send(dev.in, FloatTableFrame(CMD_SET_COMP_VAL, compRe, compIm));
    Send(dev.in, Frame({CMD_GET_CONF_DATA}));
    const std::vector<uint8_t> reply = Take(dev.in);
    ASSERT_EQ(reply.size(), 276u);
    const uint8_t* payload = reply.data() + 4;
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        EXPECT_EQ(ReadU32(payload + CONF_SHUNT_REAL + 4 * k), shuntRe[k]) << k;
        EXPECT_EQ(ReadU32(payload + CONF_SHUNT_IMAG + 4 * k), shuntIm[k]) << k;
        EXPECT_EQ(ReadU32(payload + CONF_COMP_REAL + 4 * k), compRe[k]) << k;
        EXPECT_EQ(ReadU32(payload + CONF_COMP_IMAG + 4 * k), compIm[k]) << k;
    }
}

TEST(SimReplies, GpioStateInIdleModeAndInDataLines) {
    Instrument dev;
    Send(dev.in, Frame({CMD_SET_GPIO, (5 << 3) | 3}));
    EXPECT_EQ(Take(dev.in), (std::vector<uint8_t>{0x03, 0xFF, 0xDD, 0x04, 0x2B, 0x00}));
    // Only the two 3-bit fields are kept.
    Send(dev.in, Frame({CMD_SET_GPIO, 0xFFC2}));
    EXPECT_EQ(Take(dev.in), (std::vector<uint8_t>{0x03, 0xFF, 0xDD, 0x04, 0x02, 0x00}));

    Send(dev.in, Frame({CMD_START}));
    Send(dev.in, Frame({CMD_SET_GPIO, (1 << 3) | 6}));  // no reply while measuring
    std::vector<uint8_t> transfer = Take(dev.in);
    while (!transfer.empty() && ReadU16(&transfer[LINE_GPIO_STATE]) != 0x0E) {
        ASSERT_EQ(ReadU16(&transfer[2]), FRAME_DATA_LINE);
        transfer = Take(dev.in);
    }
    ASSERT_FALSE(transfer.empty());
    EXPECT_EQ(ReadU16(&transfer[LINE_GPIO_STATE + 192]), 0x0E);
}

TEST(SimEeprom, AddressFrameAndReadsWalkThroughTheImage) {
    Instrument dev;
    const std::vector<uint8_t> image = sim::BuildDefaultEeprom();
    Send(dev.in, {0x03, 0xFF, 0x08, 0x00, 0x01, 0x00, 0x50, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_FALSE(sim::SimWaitInTransfer(dev.in, 20));  // the address frame has no reply

    Send(dev.in, {0x03, 0xFF, 0x08, 0x00, 0x00, 0x00, 0x50, 0x00, 0x5A, 0x00});
    const std::vector<uint8_t> reply = Take(dev.in);
    ASSERT_EQ(reply.size(), 192u);
    EXPECT_TRUE(StartsWith(reply, {0x03, 0xFF, 0xDD, 0x02, 0, 0, 0, 0, 0, 0}));
    for (uint32_t i = 0; i < 90; ++i) {
        EXPECT_EQ(reply[10 + 2 * i], image[i]) << i;
        EXPECT_EQ(reply[11 + 2 * i], 0) << i;
    }
    for (size_t i = 10 + 180; i < reply.size(); ++i) EXPECT_EQ(reply[i], 0) << i;

    // The pointer advances by each request's count; the whole image reads back.
    std::vector<uint8_t> all(image.begin(), image.begin() + 90);
    while (all.size() < AFE_IMAGE_SIZE) {
        const uint16_t n = static_cast<uint16_t>(std::min<size_t>(90, AFE_IMAGE_SIZE - all.size()));
        const std::vector<uint8_t> chunk = ReadEeprom(dev.in, n);
        ASSERT_EQ(chunk.size(), n);
        all.insert(all.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(all, image);

    // A new address frame moves the pointer (high address byte first).
    Send(dev.in, Frame({CMD_AFE_EEPROM, 1, AFE_EEPROM_ADDRESS, 2, 0x03, 0xE8}));
    EXPECT_EQ(ReadEeprom(dev.in, 2), (std::vector<uint8_t>{image[1000], image[1001]}));
    EXPECT_EQ(sim::SimGetStats(dev.in).eepromReadRequests, 91u);
}

TEST(SimEeprom, TestImageIsServedAsGiven) {
    sim::SimSettings settings;
    settings.eeprom.assign(AFE_IMAGE_SIZE, 0x5A);
    settings.eeprom[7] = 0xFF;
    Instrument dev(settings);
    Send(dev.in, Frame({CMD_AFE_EEPROM, 1, AFE_EEPROM_ADDRESS, 2, 0, 0}));
    const std::vector<uint8_t> chunk = ReadEeprom(dev.in, 10);
    EXPECT_EQ(chunk, (std::vector<uint8_t>{0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0x5A, 0xFF, 0x5A, 0x5A}));
}

TEST(SimParser, IgnoresJunkUnknownOpcodesAndTruncatedFrames) {
    sim::SimSettings settings;
    settings.infoText = "info";
    Instrument dev(settings);
    std::vector<uint8_t> bytes{0x00, 0x11, 0xFF, 0x03};           // junk, a byte-swapped sync
    const std::vector<uint8_t> unknown = Frame({13, 0x1234});     // opcode 13 is not a command
    const std::vector<uint8_t> info = Frame({CMD_GET_DEV_INFO});
    bytes.insert(bytes.end(), unknown.begin(), unknown.end());
    bytes.push_back(0x03);  // a lone half of a sync word
    bytes.insert(bytes.end(), info.begin(), info.end());
    bytes.insert(bytes.end(), {0x03, 0xFF, 0x0E, 0x00, 0x2B});  // SET_GPIO cut short
    Send(dev.in, bytes);
    const std::vector<uint8_t> reply = Take(dev.in);
    ASSERT_EQ(reply.size(), 58u);
    EXPECT_TRUE(StartsWith(reply, {0x03, 0xFF, 0xCC, 0x02, 'i', 'n', 'f', 'o', 0}));
    EXPECT_FALSE(sim::SimWaitInTransfer(dev.in, 20));  // nothing for the cut-off GPIO frame
    EXPECT_EQ(sim::SimGetStats(dev.in).gpioState, 0);

    // Frames cut anywhere, and a lone sync word at the end, do not crash.
    const std::vector<uint8_t> upload(124, 0x03);
    for (size_t cut = 0; cut < 16; ++cut) {
        std::vector<uint8_t> partial = Frame({CMD_AFE_EEPROM, 1, AFE_EEPROM_ADDRESS, 200, 0, 0});
        partial.resize(std::min(partial.size(), cut));
        Send(dev.in, partial);
    }
    Send(dev.in, {0x03, 0xFF});
    Send(dev.in, upload);
    EXPECT_FALSE(sim::SimWaitInTransfer(dev.in, 20));
}

TEST(SimParser, SeveralFramesInOneTransferAreAnsweredInOrder) {
    Instrument dev;
    std::vector<uint8_t> bytes = Frame({CMD_SET_GPIO, 9});
    const std::vector<uint8_t> info = Frame({CMD_GET_DEV_INFO});
    bytes.insert(bytes.end(), info.begin(), info.end());
    Send(dev.in, bytes);
    EXPECT_EQ(Take(dev.in).size(), 6u);
    EXPECT_EQ(Take(dev.in).size(), 58u);
}

TEST(SimParser, SilentOpcodesGetNoAnswer) {
    sim::SimSettings settings;
    settings.silentOpcodes = {CMD_GET_DEV_INFO};
    Instrument dev(settings);
    Send(dev.in, Frame({CMD_GET_DEV_INFO}));
    EXPECT_FALSE(sim::SimWaitInTransfer(dev.in, 30));
    Send(dev.in, Frame({CMD_GET_CONF_DATA}));
    EXPECT_EQ(Take(dev.in).size(), 276u);
}

// Streams lines at each divider and checks the transfer size and that the
// cycle counter rises by one per line across transfers.
TEST(SimStream, PacedTransfersCarryLinesPerReadConsecutiveLines) {
    struct Case {
        uint16_t divider;
        uint32_t lines;
    };
    for (const Case c : {Case{1, 4}, Case{2, 3}, Case{4, 2}, Case{6, 1}, Case{10, 1}}) {
        Instrument dev;
        Send(dev.in, Frame({CMD_SET_SAMPLING_DIVIDER, DividerCode(c.divider)}));
        Send(dev.in, Frame({CMD_START}));
        uint32_t expectedCount = 0;
        for (int t = 0; t < 4; ++t) {
            const std::vector<uint8_t> transfer = Take(dev.in);
            ASSERT_EQ(transfer.size(), c.lines * 192) << "divider " << c.divider;
            for (uint32_t i = 0; i < c.lines; ++i) {
                const uint8_t* line = &transfer[i * 192];
                ASSERT_EQ(ReadU16(line), SYNC_WORD);
                ASSERT_EQ(ReadU16(line + 2), FRAME_DATA_LINE);
                const uint32_t count = ReadU32(line + LINE_CYCLE_COUNT);
                if (t > 0 || i > 0) {
                    EXPECT_EQ(count, expectedCount) << "divider " << c.divider;
                }
                expectedCount = count + 1;
                EXPECT_EQ(ReadU32(line + LINE_CYCLE_PERIOD), 1000u * c.divider);
            }
        }
        Send(dev.in, Frame({CMD_STOP}));
        // Lines made before the stop are withdrawn; nothing follows.
        std::vector<uint8_t> buffer(4096);
        uint32_t length = 0;
        bool failed = false;
        EXPECT_FALSE(sim::SimTakeInTransfer(dev.in, buffer.data(), 4096, &length, &failed));
        EXPECT_FALSE(sim::SimWaitInTransfer(dev.in, 3 * c.divider * c.lines + 20));
        EXPECT_EQ(sim::SimGetStats(dev.in).mode, 0u);
    }
}

TEST(SimStream, ExternalTriggerSendsOneLinePerEdge) {
    sim::SimSettings settings;
    settings.triggerEdgesPerSecond = 500;
    Instrument dev(settings);
    Send(dev.in, Frame({CMD_SET_SAMPLING_DIVIDER, DividerCode(2)}));
    Send(dev.in, Frame({CMD_SET_EXTERNAL_TRIGGER, 1}));
    const std::vector<uint8_t> first = Take(dev.in);
    const std::vector<uint8_t> second = Take(dev.in);
    ASSERT_EQ(first.size(), 576u);
    ASSERT_EQ(second.size(), 576u);
    EXPECT_EQ(ReadU32(&second[LINE_CYCLE_COUNT]), ReadU32(&first[2 * 192 + LINE_CYCLE_COUNT]) + 1);
    EXPECT_EQ(ReadU32(&first[LINE_CYCLE_PERIOD]), 2000u);  // microseconds between edges
    EXPECT_EQ(sim::SimGetStats(dev.in).mode, 2u);
    Send(dev.in, Frame({CMD_SET_EXTERNAL_TRIGGER, 0}));
    EXPECT_EQ(sim::SimGetStats(dev.in).mode, 0u);
}

TEST(SimStream, EepromReplyTakesThePlaceOfOneLineWhileMeasuring) {
    Instrument dev;
    Send(dev.in, Frame({CMD_START}));
    const std::vector<uint8_t> before = Take(dev.in);
    ASSERT_EQ(before.size(), 768u);
    Send(dev.in, Frame({CMD_AFE_EEPROM, 1, AFE_EEPROM_ADDRESS, 2, 0, 0}));
    Send(dev.in, Frame({CMD_AFE_EEPROM, 0, AFE_EEPROM_ADDRESS, 90}));
    // Line transfers already queued may come first; then 3 lines + the reply.
    std::vector<uint8_t> transfer = Take(dev.in);
    uint32_t expectedCount = ReadU32(&before[3 * 192 + LINE_CYCLE_COUNT]) + 1;
    while (transfer.size() == 768 && ReadU16(&transfer[3 * 192 + 2]) == FRAME_DATA_LINE) {
        expectedCount = ReadU32(&transfer[3 * 192 + LINE_CYCLE_COUNT]) + 1;
        transfer = Take(dev.in);
    }
    ASSERT_EQ(transfer.size(), 768u);
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadU16(&transfer[i * 192 + 2]), FRAME_DATA_LINE);
        EXPECT_EQ(ReadU32(&transfer[i * 192 + LINE_CYCLE_COUNT]), expectedCount + i);
    }
    const uint8_t* reply = &transfer[3 * 192];
    EXPECT_EQ(ReadU16(reply + 2), FRAME_EEPROM_DATA);
    const std::vector<uint8_t> image = sim::BuildDefaultEeprom();
    for (uint32_t i = 0; i < 90; ++i) ASSERT_EQ(reply[10 + 2 * i], image[i]) << i;
    // The stream goes on, counters consecutive.
    const std::vector<uint8_t> after = Take(dev.in);
    ASSERT_EQ(after.size(), 768u);
    EXPECT_EQ(ReadU32(&after[LINE_CYCLE_COUNT]), expectedCount + 3);
}

namespace {
// Mean magnitude and the channel-A peak of the next line.
struct LineSummary {
    double magnitude;
    double phase;
    uint16_t maxChA;
    uint16_t sysErrors;
};
LineSummary NextLine(sim::SimInstrument* in) {
    const std::vector<uint8_t> transfer = Take(in);
    EXPECT_GE(transfer.size(), 192u);
    if (transfer.size() < 192) return {};
    return {FloatAt(&transfer[LINE_MODULE]), FloatAt(&transfer[LINE_PHASE]),
            ReadU16(&transfer[LINE_MAX_CH_A]), ReadU16(&transfer[LINE_SYS_ERRORS])};
}
}  // namespace

TEST(SimStream, SettingsChangeTheMeasuredValues) {
    Instrument dev;
    Send(dev.in, Frame({CMD_START}));
    const LineSummary plain = NextLine(dev.in);
    const double expected = std::abs(sim::TissueImpedance(sim::kBinWidthHz * sim::kFrequencyBins[0]));
    EXPECT_NEAR(plain.magnitude, expected, expected * 0.01);
    EXPECT_LT(plain.phase, 0.0);
    EXPECT_EQ(plain.sysErrors, 0);

    Send(dev.in, Frame({CMD_SET_EXCITATION_LEVEL, 20}));
    Send(dev.in, Frame({CMD_STOP}));  // drop lines made with the old settings
    Send(dev.in, Frame({CMD_START}));
    const LineSummary weak = NextLine(dev.in);
    EXPECT_LT(weak.maxChA, plain.maxChA);

    Send(dev.in, Frame({CMD_SET_EXCITATION_LEVEL, 255}));
    Send(dev.in, Frame({CMD_SET_INPUT_GAIN, 3 | (3 << 2)}));  // 10x on both: clips
    Send(dev.in, Frame({CMD_STOP}));
    Send(dev.in, Frame({CMD_START}));
    const LineSummary clipped = NextLine(dev.in);
    EXPECT_EQ(clipped.maxChA, 65535);
    EXPECT_NE(clipped.sysErrors, 0);

    Send(dev.in, Frame({CMD_SET_INPUT_GAIN, 0}));
    Send(dev.in, Frame({CMD_SET_EXCITATION_LEVEL, 128}));
    Send(dev.in, Frame({CMD_SET_COMPENSATION, 0x0000}));  // compensation off: leads show
    Send(dev.in, Frame({CMD_STOP}));
    Send(dev.in, Frame({CMD_START}));
    const LineSummary uncompensated = NextLine(dev.in);
    EXPECT_GT(uncompensated.magnitude, plain.magnitude + 0.5);

    uint32_t re[BIN_COUNT], im[BIN_COUNT];
    const float twoK = 2000.0f, zero = 0.0f;
    for (uint32_t k = 0; k < BIN_COUNT; ++k) {
        std::memcpy(&re[k], &twoK, 4);
        std::memcpy(&im[k], &zero, 4);
    }
    Send(dev.in, Frame({CMD_SET_COMPENSATION, 0x00FF}));
    Send(dev.in, FloatTableFrame(CMD_SET_SHUNT_VAL, re, im));  // twice the real shunt
    Send(dev.in, Frame({CMD_STOP}));
    Send(dev.in, Frame({CMD_START}));
    EXPECT_NEAR(NextLine(dev.in).magnitude, 2 * expected, expected * 0.03);
}

TEST(SimStream, UnpacedStreamMakesTheNextTransferWhenOneIsTaken) {
    sim::SimSettings settings;
    settings.streamUnpaced = true;
    Instrument dev(settings);
    Send(dev.in, Frame({CMD_START}));
    std::vector<uint8_t> buffer(768);
    uint32_t length = 0, expected = 0;
    bool failed = false;
    for (int i = 0; i < 1000; ++i) {
        // Never waits: each take leaves the next transfer ready.
        ASSERT_TRUE(sim::SimTakeInTransfer(dev.in, buffer.data(), 768, &length, &failed));
        ASSERT_EQ(length, 768u);
        for (uint32_t l = 0; l < 4; ++l) ASSERT_EQ(ReadU32(&buffer[l * 192 + 8]), expected++);
    }
}

TEST(SimTransport, PartialTakesShortTransfersFailureAndUnplug) {
    sim::SimSettings settings;
    settings.shortReadEvery = 2;
    settings.failAfterReads = 4;
    Instrument dev(settings);
    Send(dev.in, Frame({CMD_GET_DEV_INFO}));
    Send(dev.in, Frame({CMD_GET_DEV_INFO}));  // the second transfer comes short
    EXPECT_EQ(Take(dev.in, 20).size(), 20u);  // a transfer read in parts
    EXPECT_EQ(Take(dev.in, 100).size(), 38u);
    EXPECT_EQ(Take(dev.in, 100).size(), 29u);
    Send(dev.in, Frame({CMD_GET_DEV_INFO}));
    EXPECT_EQ(Take(dev.in).size(), 58u);  // the fourth read: then the device fails

    std::vector<uint8_t> buffer(100);
    uint32_t length = 0;
    bool failed = false;
    EXPECT_TRUE(sim::SimWaitInTransfer(dev.in, 0));
    EXPECT_FALSE(sim::SimTakeInTransfer(dev.in, buffer.data(), 100, &length, &failed));
    EXPECT_TRUE(failed);
    EXPECT_FALSE(sim::SimHandleOutTransfer(dev.in, buffer.data(), 4));

    Instrument other;
    sim::SimUnplug(other.in);
    EXPECT_FALSE(sim::SimTakeInTransfer(other.in, buffer.data(), 100, &length, &failed));
    EXPECT_TRUE(failed);
}

TEST(SimTransport, GarbageComesInSeparateShortTransfers) {
    sim::SimSettings settings;
    settings.garbageBetweenFrames = true;
    Instrument dev(settings);
    for (int i = 0; i < 20; ++i) {
        Send(dev.in, Frame({CMD_GET_DEV_INFO}));
        const std::vector<uint8_t> junk = Take(dev.in);
        EXPECT_GE(junk.size(), 7u);
        EXPECT_LT(junk.size(), 48u);
        EXPECT_EQ(Take(dev.in).size(), 58u);
    }
}

TEST(SimTransport, ReadyCallbackRunsForEachTransfer) {
    struct Counter {
        std::atomic<int> calls{0};
    } counter;
    Instrument dev;
    sim::SimSetInReadyCallback(
        dev.in, [](void* c) { static_cast<Counter*>(c)->calls++; }, &counter);
    Send(dev.in, Frame({CMD_GET_DEV_INFO}));
    ASSERT_TRUE(sim::SimWaitInTransfer(dev.in, 3000));
    // The callback comes from the instrument's thread; give it a bounded time.
    for (int i = 0; i < 600 && counter.calls.load() == 0; ++i) platform::SleepMs(5);
    EXPECT_GE(counter.calls.load(), 1);
    sim::SimSetInReadyCallback(dev.in, nullptr, nullptr);
}
