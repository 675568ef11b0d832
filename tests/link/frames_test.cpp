// Outgoing frames as they reach the instrument, and failed writes.
#include "link/link.h"
#include "link/link_fixture.h"
#include "usb/usb_device.h"

namespace {

using Bytes = std::vector<uint8_t>;
using linktest::TakePrinted;

class LinkFrames : public linktest::LinkThreadTest {
protected:
    Bytes LastWritten() {
        auto frames = sim::SimWrittenFrames(Instrument());
        return frames.empty() ? Bytes() : frames.back();
    }
    static std::string WriteError(uint32_t code) {
        return "\tUSB Write Error [" + std::to_string(code) + "] - " + SystemErrorText(code) + "\n";
    }
};

TEST_F(LinkFrames, FramesAreLittleEndianWordsAfterTheSyncWord) {
    OpenInstrument();
    Send({CMD_STOP});
    EXPECT_EQ(LastWritten(), (Bytes{0x03, 0xFF, 0xFF, 0x00}));

    Send({CMD_SET_EXCITATION_LEVEL, 0x0104});
    EXPECT_EQ(LastWritten(), (Bytes{0x03, 0xFF, 0x06, 0x00, 0x04, 0x01}));

    c->cmdWords[1] = CMD_SET_SHUNT_VAL;
    for (uint32_t i = 2; i < CMD_WORD_COUNT; ++i) c->cmdWords[i] = static_cast<uint16_t>(0xA000 + i);
    SendCommand(c, CMD_WORD_COUNT);
    const Bytes frame = LastWritten();
    ASSERT_EQ(frame.size(), 124u);
    EXPECT_EQ(frame[0], 0x03);
    EXPECT_EQ(frame[1], 0xFF);
    EXPECT_EQ(ReadU16(&frame[2]), CMD_SET_SHUNT_VAL);
    for (uint32_t i = 2; i < CMD_WORD_COUNT; ++i) {
        EXPECT_EQ(ReadU16(&frame[2 * i]), 0xA000 + i) << "word " << i;
    }

    // Stale argument words from the longer frame are not sent.
    Send({CMD_START});
    EXPECT_EQ(LastWritten(), (Bytes{0x03, 0xFF, 0x01, 0x00}));
    EXPECT_EQ(TakePrinted(), "");
}

TEST_F(LinkFrames, FailedWriteIsPrintedWithItsCodeAndText) {
    sim::SimSettings settings;
    settings.failWrites = true;
    settings.writeErrorCode = 31;
    OpenInstrument(settings);
    Send({CMD_STOP});
    EXPECT_EQ(TakePrinted(), WriteError(31));
}

TEST_F(LinkFrames, FailedWriteWithoutACodeReports87) {
    sim::SimSettings settings;
    settings.failWrites = true;
    settings.writeErrorCode = 0;
    OpenInstrument(settings);
    Send({CMD_STOP});
    EXPECT_EQ(TakePrinted(), WriteError(87));

    // A write refused before the transport leaves the last error alone; an
    // older code must not be reported for it.
    UsbDevice* device = c->usb;
    c->usb = nullptr;
    platform::SetLastErrorCode(5);
    Send({CMD_STOP});
    c->usb = device;
    EXPECT_EQ(TakePrinted(), WriteError(87));
}

}  // namespace
