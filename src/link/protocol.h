// The instrument's frame protocol: every constant on the wire, named once.
// Shared by the module and the simulated instrument.
//
// All multi-byte values are little-endian. Every frame in either direction
// starts with SYNC_WORD. Outgoing frames are 16-bit words with no length
// field; incoming frames have a fixed length given by their kind.
#pragma once

#include <cstdint>

constexpr uint16_t SYNC_WORD = 0xFF03;

// Opcodes of outgoing frames (word 1). Opcode 13 is never sent.
constexpr uint16_t CMD_START = 1;                 // 2 words; data lines follow
constexpr uint16_t CMD_GET_DEV_INFO = 2;          // 2 words; FRAME_DEVICE_INFO
constexpr uint16_t CMD_SET_SHUNT_VAL = 3;         // 62 words: 15 float real parts, 15 imaginary
constexpr uint16_t CMD_SET_COMP_VAL = 4;          // 62 words, as CMD_SET_SHUNT_VAL
constexpr uint16_t CMD_SET_COMPENSATION = 5;      // 3 words: low byte comp., high byte comp. measurement
constexpr uint16_t CMD_SET_EXCITATION_LEVEL = 6;  // 3 words: level 0..255
constexpr uint16_t CMD_SET_INPUT_GAIN = 7;        // 3 words: bits 0-1 CH-A, bits 2-3 CH-B gain code
constexpr uint16_t CMD_AFE_EEPROM = 8;            // 7 words (address frame) or 5 (read request)
constexpr uint16_t CMD_SET_EXTERNAL_TRIGGER = 9;  // 3 words: 1 on, 0 off
constexpr uint16_t CMD_SET_BATTERY_SUPPLY = 10;   // 3 words: 1 on, 0 off
constexpr uint16_t CMD_GET_CONF_DATA = 11;        // 2 words; FRAME_CONF_DATA
constexpr uint16_t CMD_SET_SAMPLING_DIVIDER = 12; // 3 words: divider device code
constexpr uint16_t CMD_SET_GPIO = 14;             // 3 words: (first << 3) | second
constexpr uint16_t CMD_STOP = 255;                // 2 words

// Kinds of incoming frames (bytes 2-3) and their lengths, header included.
constexpr uint16_t FRAME_DATA_LINE = 0x01DD;
constexpr uint16_t FRAME_DEVICE_INFO = 0x02CC;
constexpr uint16_t FRAME_EEPROM_DATA = 0x02DD;
constexpr uint16_t FRAME_CONF_DATA = 0x03DD;
constexpr uint16_t FRAME_GPIO_STATE = 0x04DD;

constexpr uint32_t FRAME_DATA_LINE_LENGTH = 192;
constexpr uint32_t FRAME_DEVICE_INFO_LENGTH = 58;
constexpr uint32_t FRAME_EEPROM_DATA_LENGTH = 192;
constexpr uint32_t FRAME_CONF_DATA_LENGTH = 276;
constexpr uint32_t FRAME_GPIO_STATE_LENGTH = 6;

// Where each reply's payload starts inside its frame (what replyData points to).
constexpr uint32_t DEVICE_INFO_PAYLOAD_OFFSET = 4;   // 54 bytes of text
constexpr uint32_t DEVICE_INFO_TEXT_LENGTH = 54;
constexpr uint32_t EEPROM_DATA_PAYLOAD_OFFSET = 10;  // 16-bit words, data in the low bytes
constexpr uint32_t CONF_DATA_PAYLOAD_OFFSET = 4;     // ConfData, 272 bytes
constexpr uint32_t GPIO_STATE_PAYLOAD_OFFSET = 4;    // state byte: bits 5-3 first, 2-0 second

constexpr uint32_t BIN_COUNT = 15;          // frequency bins per line, table and upload
constexpr uint32_t DATA_LINE_SIZE = 192;    // one data line, sync word included
constexpr uint32_t MAX_LINES_PER_READ = 4;  // a bulk read carries at most four lines
constexpr uint32_t RX_BUFFER_SIZE = 768;    // MAX_LINES_PER_READ * DATA_LINE_SIZE

// DataLine byte offsets (the frame as the instrument sends it).
constexpr uint32_t LINE_SYS_ERRORS = 6;        // u16
constexpr uint32_t LINE_CYCLE_COUNT = 8;       // u32
constexpr uint32_t LINE_CYCLE_PERIOD = 12;     // u32
constexpr uint32_t LINE_MAX_CH_A = 16;         // u16
constexpr uint32_t LINE_MIN_CH_A = 18;         // u16
constexpr uint32_t LINE_MAX_CH_B = 20;         // u16
constexpr uint32_t LINE_MIN_CH_B = 22;         // u16
constexpr uint32_t LINE_MODULE = 24;           // 15 x float
constexpr uint32_t LINE_PHASE = 84;            // 15 x float
constexpr uint32_t LINE_BATTERY_LEVEL = 144;   // u16
constexpr uint32_t LINE_CHARGER_STATUS = 146;  // u16
constexpr uint32_t LINE_GPIO_STATE = 148;      // u16

// ConfData payload offsets (from replyData, frame offset 4).
constexpr uint32_t CONF_FREQUENCY_COUNT = 0;   // u16
constexpr uint32_t CONF_FREQUENCY_BINS = 2;    // 15 x u16
constexpr uint32_t CONF_SHUNT_REAL = 32;       // 15 x float
constexpr uint32_t CONF_SHUNT_IMAG = 92;
constexpr uint32_t CONF_COMP_REAL = 152;
constexpr uint32_t CONF_COMP_IMAG = 212;
constexpr uint32_t CONF_DATA_SIZE = 272;

// The analog front end's EEPROM image and its calibration table.
constexpr uint16_t AFE_EEPROM_ADDRESS = 80;    // device address word of every CMD_AFE_EEPROM frame
constexpr uint32_t AFE_READ_CHUNK = 90;        // largest byte count of one read request
constexpr uint32_t AFE_IMAGE_SIZE = 8064;
constexpr uint32_t AFE_LENGTH_OFFSET = 1000;   // u16 L: CRC over bytes 0..L-2, stored at L-1
constexpr uint32_t AFE_TABLE_OFFSET = 1008;
constexpr uint32_t AFE_TABLE_POINTS = 21;
constexpr uint32_t AFE_POINT_SIZE = 12;        // frequency, magnitude, phaseDeg: 3 x float

// Sampling-rate divider table: divider values and device codes, searched
// from index 0 upward. Dividers below 6 carry 4 - index lines per read.
constexpr uint32_t DIVIDER_COUNT = 37;
constexpr uint16_t dividerValues[DIVIDER_COUNT] = {
    1,   2,   4,   6,   8,   10,  12,  14,  16,  20,  24,  28,   32,   40,   48,   56,   64,   80,  96,
    112, 128, 160, 192, 196, 224, 256, 320, 384, 448, 512, 640, 768, 896, 1024, 1280, 1536, 1792};
constexpr uint16_t dividerCodes[DIVIDER_COUNT] = {
    0x00, 0x01, 0x03, 0x06, 0x08, 0x0B, 0x0C, 0x0E, 0x0F, 0x13, 0x14, 0x16, 0x17,
    0x1B, 0x1C, 0x1E, 0x1F, 0x23, 0x24, 0x26, 0x27, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F,
    0x32, 0x33, 0x35, 0x36, 0x38, 0x39, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F};

// Lines per bulk read for the divider at table index `index`.
constexpr uint8_t LinesPerReadForDivider(uint32_t index, uint32_t value) {
    return value < 6 ? static_cast<uint8_t>(4 - index) : 1;
}

// Little-endian accessors for wire data.
inline uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline void WriteU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void WriteU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
