// GetShuntData: the EEPROM read frame by frame, where it stops, the image
// check, and the interpolated shunt against a computation of our own from
// the same calibration table.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstring>
#include <limits>

#include "data/afe_eeprom.h"
#include "data/data_test_support.h"
#include "host/command_error.h"
#include "host/standalone/spline.h"
#include "link/link.h"
#include "link/protocol.h"
#include "sim/sim_instrument.h"
#include "platform/platform.h"
#include "support/module_fixture.h"

namespace {

using datatest::Bytes;
using fixture::ErrorOf;
using standalone::Call;
using standalone::Double;
using standalone::String;
using Image = std::vector<uint8_t>;

const std::string kCrcError = "\tAFE data CRC error.\n";
const std::string kBadFrequencies = "\tIncorrect frequency values.\n";
const std::string kInaccessible = "\tAFE EEPROM is inaccessible, AFE is disconnected.\n";

float FloatAt(const Image& image, size_t offset) {
    float f;
    std::memcpy(&f, image.data() + offset, 4);
    return f;
}

// Widened to double, as the module computes with it.
double TableValue(const Image& image, uint32_t point, uint32_t field) {
    return FloatAt(image, AFE_TABLE_OFFSET + AFE_POINT_SIZE * point + 4 * field);
}

// Stores L and the CRC that covers bytes 0 .. L-2 at L-1.
void SetLengthAndCrc(Image& image, uint16_t length) {
    WriteU16(image.data() + AFE_LENGTH_OFFSET, length);
    WriteU16(image.data() + length - 1, sim::Crc16Xmodem(image.data(), length - 1u));
}

// The shunt at the frequencies, computed here from the image's table with
// the standalone host's spline and pi/180.
std::vector<std::complex<double>> ExpectedShunt(const Image& image, const std::vector<double>& hz) {
    double x[21], logMagnitude[21], phase[21], xi[15], m[15], phi[15];
    for (uint32_t i = 0; i < 21; ++i) {
        x[i] = std::log10(TableValue(image, i, 0));
        logMagnitude[i] = std::log10(TableValue(image, i, 1));
        phase[i] = TableValue(image, i, 2);
    }
    for (size_t i = 0; i < 15; ++i) xi[i] = std::log10(hz[i]);
    std::string error;
    standalone::CubicSpline(x, logMagnitude, 21, xi, 15, m, &error);
    standalone::CubicSpline(x, phase, 21, xi, 15, phi, &error);
    std::vector<std::complex<double>> z;
    for (size_t i = 0; i < 15; ++i) z.push_back(std::polar(std::pow(10.0, m[i]), phi[i] * M_PI / 180.0));
    return z;
}

// 15 frequencies spread over the table's range, none of them a table point.
std::vector<double> SomeFrequencies() {
    std::vector<double> hz;
    for (int i = 0; i < 15; ++i) hz.push_back(700.0 * std::pow(1.6, i));
    return hz;
}

void ExpectShunt(const mxArray* result, const std::vector<std::complex<double>>& expected) {
    ASSERT_EQ(standalone::ClassOf(result), mxDOUBLE_CLASS);
    ASSERT_TRUE(mxIsComplex(result));
    ASSERT_EQ(mxGetM(result), 1u);
    ASSERT_EQ(mxGetN(result), 15u);
    const double* re = mxGetPr(result);
    const double* im = mxGetPi(result);
    for (size_t i = 0; i < 15; ++i) {
        const double scale = std::abs(expected[i]);
        EXPECT_NEAR(re[i], expected[i].real(), 1e-12 * scale) << i;
        EXPECT_NEAR(im[i], expected[i].imag(), 1e-12 * scale) << i;
    }
}

std::vector<uint8_t> ReadRequest(uint16_t count) {
    return Bytes({0x03, 0xFF, 0x08, 0x00, 0x00, 0x00, 0x50, 0x00, count & 0xFF, count >> 8});
}

const std::vector<uint8_t> kAddressFrame =
    Bytes({0x03, 0xFF, 0x08, 0x00, 0x01, 0x00, 0x50, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00});

TEST(AfeImage, CrcIsXmodem) {
    const char* check = "123456789";
    EXPECT_EQ(AfeCrc16(reinterpret_cast<const uint8_t*>(check), 9), 0x31C3);
    Image data(300);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 131 + (i >> 3));
    for (size_t n = 0; n <= data.size(); n += 7) {
        EXPECT_EQ(AfeCrc16(data.data(), n), sim::Crc16Xmodem(data.data(), n)) << n;
    }
}

TEST(AfeImage, DegreesToRadiansIsTheGivenDouble) {
    uint64_t bits;
    std::memcpy(&bits, &DEG_TO_RAD, sizeof bits);
    EXPECT_EQ(bits, 0x3F91DF46A2529D55u);
    EXPECT_NE(DEG_TO_RAD, M_PI / 180.0);
}

TEST(AfeImage, StoredLengthMustKeepRangeAndCrcInsideTheImage) {
    Image image(AFE_IMAGE_SIZE, 0x5A);
    for (uint16_t length : {0, 8064, 8065, 65535}) {
        WriteU16(image.data() + AFE_LENGTH_OFFSET, length);
        EXPECT_FALSE(AfeImageIsValid(image)) << length;
    }
    SetLengthAndCrc(image, 8063);  // CRC in the last two bytes
    EXPECT_TRUE(AfeImageIsValid(image));
    image[8062] ^= 1;
    EXPECT_FALSE(AfeImageIsValid(image));
    SetLengthAndCrc(image, 2);  // one byte covered, CRC at 1..2
    EXPECT_TRUE(AfeImageIsValid(image));

    // L = 1 covers nothing; the first two bytes are compared with 0xFFFF.
    WriteU16(image.data() + AFE_LENGTH_OFFSET, 1);
    image[0] = 0xFF;
    image[1] = 0xFF;
    EXPECT_TRUE(AfeImageIsValid(image));
    image[1] = 0x00;
    EXPECT_FALSE(AfeImageIsValid(image));
    image[0] = 0x00;
    EXPECT_FALSE(AfeImageIsValid(image));
}

class ShuntDataTest : public fixture::ModuleTest {
protected:
    void ConnectWith(const Image& eeprom, std::vector<uint16_t> silent = {}) {
        sim::SimSettings settings;
        settings.eeprom = eeprom;
        settings.silentOpcodes = std::move(silent);
        sim::SimBusSetInstruments({settings});
        Connect();
    }
    static mxArray* Frequencies(const std::vector<double>& hz) {
        return standalone::DoubleMatrix(1, hz.size(), hz);
    }
    uint32_t ReadRequests() { return sim::SimGetStats(Instrument()).eepromReadRequests; }
    Image image_ = sim::BuildDefaultEeprom();
};

TEST_F(ShuntDataTest, ReadsUpToTheFillAndInterpolatesTheTable) {
    ConnectWith({});
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(SomeFrequencies())});
    ExpectShunt(out[0], ExpectedShunt(image_, SomeFrequencies()));

    // Data (L = 1261) ends in the 15th request of 90 bytes, which holds the
    // first run of 0xFF; nothing more is asked for.
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 16u);
    EXPECT_EQ(frames[0], kAddressFrame);
    for (size_t i = 1; i < frames.size(); ++i) EXPECT_EQ(frames[i], ReadRequest(90)) << i;
    EXPECT_EQ(ReadRequests(), 15u);
    EXPECT_EQ(Connection()->rxLength.load(), FRAME_EEPROM_DATA_LENGTH);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(ShuntDataTest, TablePointsAreReproduced) {
    ConnectWith({});
    std::vector<double> hz;
    for (uint32_t i = 3; i < 18; ++i) hz.push_back(TableValue(image_, i, 0));
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(hz)});
    for (size_t i = 0; i < 15; ++i) {
        const std::complex<double> z(mxGetPr(out[0])[i], mxGetPi(out[0])[i]);
        const double magnitude = TableValue(image_, 3 + i, 1);
        EXPECT_NEAR(std::abs(z), magnitude, 1e-9 * magnitude) << i;
        EXPECT_NEAR(std::arg(z) * 180.0 / M_PI, TableValue(image_, 3 + i, 2), 1e-9) << i;
    }
}

TEST_F(ShuntDataTest, OnlyTheFirstFifteenRealValuesAreUsed) {
    ConnectWith({});
    std::vector<double> hz = SomeFrequencies();
    std::vector<double> longer = hz;
    longer.push_back(0.0);  // would be refused if it were looked at
    longer.push_back(-5.0);
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(longer)});
    ExpectShunt(out[0], ExpectedShunt(image_, hz));
    std::vector<double> imag(15, 123.0);
    out = Call(1, {String("GetShuntData"), standalone::DoubleMatrix(15, 1, hz, &imag)});
    ExpectShunt(out[0], ExpectedShunt(image_, hz));
}

TEST_F(ShuntDataTest, FrequenciesThatAreNotFifteenDenseDoublesAreRefusedUnsent) {
    ConnectWith({});
    const uint16_t lengthBefore = Connection()->rxLength.load();
    std::vector<double> fourteen = SomeFrequencies();
    fourteen.pop_back();
    std::vector<mxArray*> refused = {
        Frequencies(fourteen),
        standalone::DoubleMatrix(0, 0, {}),
        standalone::Numeric(mxSINGLE_CLASS, 1, 15),
        standalone::Numeric(mxINT32_CLASS, 1, 15),
        standalone::Sparse(1, 15),
        String("frequencies of 15"),
        standalone::Cell(),
    };
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), refused[i]}), kBadFrequencies) << i;
    }
    EXPECT_TRUE(TakeFrames().empty());
    EXPECT_EQ(Connection()->rxLength.load(), lengthBefore);
}

TEST_F(ShuntDataTest, ZeroFrequencyIsRefusedAfterTheRead) {
    ConnectWith({});
    for (double zero : {0.0, -0.0}) {
        std::vector<double> hz = SomeFrequencies();
        hz[3] = zero;
        EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(hz)}), kBadFrequencies);
        EXPECT_EQ(TakeFrames().size(), 16u);
    }
}

TEST_F(ShuntDataTest, CorruptedImageIsACrcError) {
    image_[10] ^= 0x01;
    ConnectWith(image_);
    EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kCrcError);
    EXPECT_EQ(ReadRequests(), 15u);
}

TEST_F(ShuntDataTest, LengthsOutsideTheImageAreCrcErrors) {
    for (uint16_t length : {0, 8064, 9000, 65535}) {
        Image image = image_;
        WriteU16(image.data() + AFE_LENGTH_OFFSET, length);
        ConnectWith(image);
        EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kCrcError)
            << length;
        fixture::ResetModule();
    }
}

TEST_F(ShuntDataTest, LengthOneComparesTheFirstTwoBytesWithFFFF) {
    Image image = image_;
    WriteU16(image.data() + AFE_LENGTH_OFFSET, 1);
    image[0] = 0xFF;
    image[1] = 0xFF;
    ConnectWith(image);
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(SomeFrequencies())});
    ExpectShunt(out[0], ExpectedShunt(image_, SomeFrequencies()));
    fixture::ResetModule();

    image[1] = 0xFE;
    ConnectWith(image);
    EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kCrcError);
}

TEST_F(ShuntDataTest, ImageWithoutAnEndRunIsReadWhole) {
    // No four 0xFF in a row anywhere; L = 8063 puts the CRC in the last two
    // bytes; the table is the default one.
    Image image(AFE_IMAGE_SIZE);
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 % 251);
    std::memcpy(image.data() + AFE_TABLE_OFFSET, image_.data() + AFE_TABLE_OFFSET,
                AFE_TABLE_POINTS * AFE_POINT_SIZE);
    SetLengthAndCrc(image, 8063);
    ConnectWith(image);
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(SomeFrequencies())});
    ExpectShunt(out[0], ExpectedShunt(image_, SomeFrequencies()));
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 91u);
    EXPECT_EQ(frames[1], ReadRequest(90));
    EXPECT_EQ(frames[89], ReadRequest(90));
    EXPECT_EQ(frames[90], ReadRequest(54));
    EXPECT_EQ(frames[90], Bytes({0x03, 0xFF, 0x08, 0x00, 0x00, 0x00, 0x50, 0x00, 0x36, 0x00}));
    EXPECT_EQ(ReadRequests(), 90u);
}

TEST_F(ShuntDataTest, ReadStopsAtTheFirstRunAndKeepsOnlyItsFirstByte) {
    Image image(AFE_IMAGE_SIZE, 0x11);
    for (size_t i = 0; i < 100; ++i) image[i] = static_cast<uint8_t>(i);
    std::fill(image.begin() + 100, image.begin() + 104, 0xFF);
    ConnectWith(image);
    Connection()->rxLength.store(FRAME_EEPROM_DATA_LENGTH);
    SetUpRxRequest(Connection());
    TakeFrames();
    const Image read = ReadAfeEeprom(Connection());
    EXPECT_EQ(ReadRequests(), 2u);  // bytes 0-89, then 90-179 with the run
    EXPECT_EQ(TakeFrames().size(), 3u);
    ASSERT_EQ(read.size(), AFE_IMAGE_SIZE);
    EXPECT_TRUE(std::equal(read.begin(), read.begin() + 101, image.begin()));
    EXPECT_TRUE(std::all_of(read.begin() + 101, read.end(), [](uint8_t b) { return b == 0; }));

    // Through the command, the cut image holds no length: a CRC error.
    EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kCrcError);
}

TEST_F(ShuntDataTest, SplineErrorLeavesNothingBehind) {
    // Two table points at one frequency: spline refuses the table.
    Image image = image_;
    std::memcpy(image.data() + AFE_TABLE_OFFSET + AFE_POINT_SIZE * 5,
                image.data() + AFE_TABLE_OFFSET + AFE_POINT_SIZE * 4, 4);
    SetLengthAndCrc(image, ReadU16(image.data() + AFE_LENGTH_OFFSET));
    ConnectWith(image);
    const long before = standalone::LiveArrays();
    const std::string message = ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())});
    EXPECT_NE(message, "");
    EXPECT_NE(message, kCrcError);
    EXPECT_EQ(standalone::LiveArrays(), before);
    // The connection goes on working.
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), "");
}

TEST_F(ShuntDataTest, UnansweredReadIsInaccessibleAfterAboutOneSecond) {
    ConnectWith({}, {CMD_AFE_EEPROM});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kInaccessible);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GT(elapsed, std::chrono::milliseconds(500));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
    EXPECT_EQ(TakeFrames(), std::vector<std::vector<uint8_t>>({kAddressFrame, ReadRequest(90)}));
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), "");
}

TEST_F(ShuntDataTest, HandOffWithoutPayloadIsNotTakenForAReply) {
    ConnectWith({});
    datatest::EmptyHandOff standIn(Connection(), 2);  // the address frame, then the request
    EXPECT_EQ(ErrorOf(1, {String("GetShuntData"), Frequencies(SomeFrequencies())}), kInaccessible);
    EXPECT_TRUE(standIn.HandedOff());
}

TEST_F(ShuntDataTest, WhileMeasuringTheResultIsTheSameAndLinesKeepFlowing) {
    ConnectWith({});
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    platform::SleepMs(30);
    standalone::CallResult first = Call(1, {String("GetData"), Double(4)});
    const uint16_t length = Connection()->rxLength.load();
    standalone::CallResult out = Call(1, {String("GetShuntData"), Frequencies(SomeFrequencies())});
    ExpectShunt(out[0], ExpectedShunt(image_, SomeFrequencies()));
    EXPECT_EQ(Connection()->rxLength.load(), length);
    EXPECT_EQ(ReadRequests(), 15u);

    // The lines that came with the replies (one a millisecond, for the tens
    // of milliseconds the read takes) went into the ring, in order: they
    // are there to be taken at once.
    standalone::CallResult lines = Call(1, {String("GetData"), Double(10)});
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    EXPECT_EQ(standalone::TakePrinted(), "");
    const auto* cycles =
        static_cast<const uint32_t*>(mxGetData(standalone::GetField(lines[0], "MeasurementCycleCount")));
    const auto* before =
        static_cast<const uint32_t*>(mxGetData(standalone::GetField(first[0], "MeasurementCycleCount")));
    for (size_t row = 0; row < 10; ++row) EXPECT_EQ(cycles[row], before[3] + 1 + row) << row;
}

}  // namespace
