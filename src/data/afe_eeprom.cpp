// GetShuntData: reads the analog front end's EEPROM image through the
// instrument, checks its CRC, and interpolates the shunt's complex value at
// the caller's 15 frequencies from the 21-point calibration table in it.
#include "data/afe_eeprom.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "data/data_commands.h"
#include "host/command_error.h"
#include "host/host.h"
#include "link/link.h"
#include "link/protocol.h"
#include "platform/platform.h"

namespace {

const char kInaccessible[] = "\tAFE EEPROM is inaccessible, AFE is disconnected.\n";
const char kCrcError[] = "\tAFE data CRC error.\n";
const char kIncorrectFrequencies[] = "\tIncorrect frequency values.\n";

constexpr uint32_t kRetunePauseMs = 10;
constexpr uint32_t kAddressPauseMs = 10;  // lets the EEPROM take the address pointer
constexpr uint32_t kRequestPauseMs = 1;
constexpr uint32_t kReadReplyTimeoutMs = 1000;

// Words of an EEPROM reply payload: everything after the payload offset up
// to the end of the 192-byte frame. Only these words were received with
// the reply; the look-ahead of the end-of-data test stops at them.
constexpr uint32_t kReplyPayloadWords =
    (FRAME_EEPROM_DATA_LENGTH - EEPROM_DATA_PAYLOAD_OFFSET) / 2;

// A run of this many 0xFF bytes marks the end of the stored data.
constexpr uint32_t kEndRunLength = 4;

// Sends one read request for n bytes and copies the low bytes of the reply's
// payload words into data, while the reply is held. Returns how many words
// the reply holds (the frame's payload, cut at the end of rxBuffer).
uint32_t RequestEepromBytes(ControlData* connection, uint16_t n, uint8_t* data) {
    uint16_t* words = connection->cmdWords;
    words[4] = n;
    platform::SleepMs(kRequestPauseMs);
    words[1] = CMD_AFE_EEPROM;
    words[2] = 0;  // bytes are to be returned
    words[3] = AFE_EEPROM_ADDRESS;
    // A reply that does not come must never be taken for the previous one.
    connection->replyData.store(nullptr);

    uint32_t received = 0;
    {
        ReplyWait wait(connection);
        SendCommand(connection, 5);
        if (!wait.Wait(kReadReplyTimeoutMs)) {
            wait.Release();
            host::FlushPrints();
            Fail(kInaccessible);
        }
        const uint8_t* reply = connection->replyData.load();
        const uint8_t* bufferEnd = connection->rxBuffer + RX_BUFFER_SIZE;
        if (reply && reply >= connection->rxBuffer && reply < bufferEnd) {
            received = std::min<uint32_t>(kReplyPayloadWords,
                                          static_cast<uint32_t>(bufferEnd - reply) / 2);
            for (uint32_t i = 0; i < received; ++i) data[i] = reply[2 * i];
        }
    }
    host::FlushPrints();
    // A hand-off without a whole EEPROM payload is no answer to this request.
    if (received < n) Fail(kInaccessible);
    return received;
}

// The interpolation's temporaries, destroyed in creation order on every
// path, a raise from spline included.
struct SplineTemporaries {
    mxArray* x = nullptr;
    mxArray* y = nullptr;
    mxArray* xi = nullptr;
    mxArray* m = nullptr;
    mxArray* phi = nullptr;
    ~SplineTemporaries() {
        for (mxArray* a : {x, y, xi, m, phi}) host::DestroyArray(a);
    }
};

double* DoubleData(mxArray* array) { return static_cast<double*>(host::RealData(array)); }

// spline's result, which must be a double array with one value per
// requested frequency.
mxArray* Spline(mxArray* x, mxArray* y, mxArray* xi) {
    mxArray* result = host::CallSpline(x, y, xi);
    if (result && !(host::IsDouble(result) && host::ElementCount(result) >= BIN_COUNT)) {
        host::DestroyArray(result);
        result = nullptr;
    }
    if (!result) Fail(kIncorrectFrequencies);
    return result;
}

struct CalibrationPoint {
    float frequency;
    float magnitude;
    float phaseDeg;
};

CalibrationPoint PointAt(const std::vector<uint8_t>& image, uint32_t i) {
    CalibrationPoint point;
    const uint8_t* p = image.data() + AFE_TABLE_OFFSET + AFE_POINT_SIZE * i;
    std::memcpy(&point.frequency, p, 4);
    std::memcpy(&point.magnitude, p + 4, 4);
    std::memcpy(&point.phaseDeg, p + 8, 4);
    return point;
}

}  // namespace

uint16_t AfeCrc16(const uint8_t* data, size_t length) {
    uint16_t crc = 0;
    for (size_t i = 0; i < length; ++i) {
        crc = static_cast<uint16_t>((crc >> 8) | (crc << 8));
        crc = static_cast<uint16_t>(crc ^ data[i]);
        crc = static_cast<uint16_t>(crc ^ ((crc & 0xFF) >> 4));
        crc = static_cast<uint16_t>(crc ^ (crc << 12));
        crc = static_cast<uint16_t>(crc ^ ((crc & 0xFF) << 5));
    }
    return crc;
}

bool AfeImageIsValid(const std::vector<uint8_t>& image) {
    if (image.size() != AFE_IMAGE_SIZE) return false;
    uint32_t length = ReadU16(image.data() + AFE_LENGTH_OFFSET);
    // The CRC sits at L-1 and L: both must lie inside the image.
    if (length == 0 || length > AFE_IMAGE_SIZE - 1) return false;
    uint16_t computed = length == 1 ? 0xFFFF : AfeCrc16(image.data(), length - 1);
    return computed == ReadU16(image.data() + length - 1);
}

std::vector<uint8_t> ReadAfeEeprom(ControlData* connection) {
    std::vector<uint8_t> image;
    try {
        image.assign(AFE_IMAGE_SIZE, 0);
    } catch (const std::bad_alloc&) {
        Fail("\tUnable to allocate memory for AFE data.\n");
    }

    // Point the EEPROM's address at 0: two address bytes follow in the frame.
    uint16_t* words = connection->cmdWords;
    words[1] = CMD_AFE_EEPROM;
    words[2] = 1;
    words[3] = AFE_EEPROM_ADDRESS;
    words[4] = 2;
    words[5] = 0;
    words[6] = 0;
    SendCommand(connection, 7);
    platform::SleepMs(kAddressPauseMs);

    uint8_t data[kReplyPayloadWords];
    uint32_t offset = 0;
    while (offset < AFE_IMAGE_SIZE) {
        uint32_t n = std::min(AFE_READ_CHUNK, AFE_IMAGE_SIZE - offset);
        uint32_t received = RequestEepromBytes(connection, static_cast<uint16_t>(n), data);
        for (uint32_t i = 0; i < n; ++i) {
            image[offset + i] = data[i];
            // The data ends at the first run of four 0xFF bytes among the
            // words this reply holds; its first byte is the last one kept.
            if (i + kEndRunLength <= received &&
                std::all_of(data + i, data + i + kEndRunLength,
                            [](uint8_t b) { return b == 0xFF; })) {
                return image;
            }
        }
        offset += n;
    }
    return image;
}

void GetShuntData(ControlData* connection, const mxArray* prhs[], mxArray* plhs[]) {
    // The frequencies are read as 15 dense doubles: anything that does not
    // hold them is refused before the instrument is touched.
    const mxArray* requested = prhs[1];
    if (!host::IsDouble(requested) || host::IsSparse(requested) ||
        host::ElementCount(requested) < BIN_COUNT) {
        Fail(kIncorrectFrequencies);
    }
    double frequencies[BIN_COUNT];
    std::memcpy(frequencies, host::RealData(requested), sizeof frequencies);

    // While measuring, the replies are picked out of the measurement reads.
    if (connection->mode.load() == MODE_IDLE) {
        connection->rxLength.store(FRAME_EEPROM_DATA_LENGTH);
        SetUpRxRequest(connection);
        platform::SleepMs(kRetunePauseMs);
    }

    const std::vector<uint8_t> image = ReadAfeEeprom(connection);
    if (!AfeImageIsValid(image)) Fail(kCrcError);

    SplineTemporaries t;
    t.x = host::CreateDoubleMatrix(1, AFE_TABLE_POINTS, false);
    t.y = host::CreateDoubleMatrix(1, AFE_TABLE_POINTS, false);
    t.xi = host::CreateDoubleMatrix(1, BIN_COUNT, false);
    double* x = DoubleData(t.x);
    double* y = DoubleData(t.y);
    double* xi = DoubleData(t.xi);
    for (uint32_t i = 0; i < AFE_TABLE_POINTS; ++i) {
        CalibrationPoint point = PointAt(image, i);
        x[i] = std::log10(static_cast<double>(point.frequency));
        y[i] = std::log10(static_cast<double>(point.magnitude));
        if (i < BIN_COUNT) {
            if (frequencies[i] == 0.0) Fail(kIncorrectFrequencies);
            xi[i] = std::log10(frequencies[i]);
        }
    }
    t.m = Spline(t.x, t.y, t.xi);
    double* m = DoubleData(t.m);
    for (uint32_t i = 0; i < AFE_TABLE_POINTS; ++i) {
        y[i] = static_cast<double>(PointAt(image, i).phaseDeg);
        if (i < BIN_COUNT) m[i] = std::pow(10.0, m[i]);
    }
    t.phi = Spline(t.x, t.y, t.xi);
    const double* phi = DoubleData(t.phi);

    mxArray* result = host::CreateDoubleMatrix(1, BIN_COUNT, true);
    double* real = DoubleData(result);
    double* imag = static_cast<double*>(host::ImagData(result));
    for (uint32_t i = 0; i < BIN_COUNT; ++i) {
        real[i] = std::cos(phi[i] * DEG_TO_RAD) * m[i];
        imag[i] = std::sin(phi[i] * DEG_TO_RAD) * m[i];
    }
    plhs[0] = result;
}
