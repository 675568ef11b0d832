// The analog front end's EEPROM image: reading it through the instrument,
// checking it, and the constants of its calibration.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "connection/control_data.h"

// Degrees to radians as the instrument's calibration was computed with: a
// few units in the last place above the double nearest pi/180.
constexpr double DEG_TO_RAD = 0.017453292519943393;

// CRC-16/XMODEM (polynomial 0x1021, initial 0, no reflection, no final XOR),
// with the byte-swap form of the update.
uint16_t AfeCrc16(const uint8_t* data, size_t length);

// True when the image's stored length L and the CRC stored at L-1 describe
// the image: L must leave the covered bytes and the CRC inside it. L = 1
// covers nothing and is compared with 0xFFFF.
bool AfeImageIsValid(const std::vector<uint8_t>& image);

// Reads the whole EEPROM image (AFE_IMAGE_SIZE bytes) through the instrument,
// stopping at the first run of four 0xFF bytes; bytes not read stay 0.
// Throws CommandError when the instrument does not answer.
std::vector<uint8_t> ReadAfeEeprom(ControlData* connection);
