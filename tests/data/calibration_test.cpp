// SetShuntVal / SetCompVal uploads and GetConfData: the upload frame byte
// for byte, the refusals of tables that do not hold 15 double values, and
// the round trip through the instrument's configuration reply.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>

#include "data/data_test_support.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "support/module_fixture.h"

namespace {

using datatest::Bytes;
using fixture::ErrorOf;
using standalone::Call;
using standalone::Double;
using standalone::GetField;
using standalone::String;

const std::string kSizeMessage = "\tIncorrect complex array size, 15 complex numbers expected.\n";
const std::string kNoResponse = "\tDevice did not respond to command.\n";
const std::string kIdleOnly =
    "\tThis command is allowed only in idle mode. For idle mode send 'Stop' or "
    "'SetExternalTrigger' command.\n";

mxArray* ComplexRow(const std::vector<double>& re, const std::vector<double>& im) {
    return standalone::DoubleMatrix(1, re.size(), re, &im);
}

uint32_t FloatBits(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

class CalibrationTest : public fixture::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        Connect();
    }
};

TEST_F(CalibrationTest, UploadFrameHoldsRealPartsThenImaginaryPartsAsSingles) {
    std::vector<double> re(15, 0.0), im(15, 0.0);
    re[0] = 1.0;
    im[0] = 2.0;
    re[1] = 0.1;
    im[14] = -1e40;  // beyond the single range
    re[2] = 3.4028235e38;  // above the largest single, but nearer to it than to infinity
    re[3] = 3.4028236e38;  // past the halfway point: infinity
    ASSERT_EQ(ErrorOf(0, {String("SetShuntVal"), ComplexRow(re, im)}), "");
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 1u);
    const std::vector<uint8_t>& f = frames[0];
    ASSERT_EQ(f.size(), 124u);
    EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 8),
              Bytes({0x03, 0xFF, 0x03, 0x00, 0x00, 0x00, 0x80, 0x3F}));
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + 8, f.begin() + 12), Bytes({0xCD, 0xCC, 0xCC, 0x3D}));
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + 64, f.begin() + 68), Bytes({0x00, 0x00, 0x00, 0x40}));
    EXPECT_EQ(ReadU32(f.data() + 64 + 4 * 14), FloatBits(-std::numeric_limits<float>::infinity()));
    EXPECT_EQ(ReadU32(f.data() + 4 + 4 * 2), 0x7F7FFFFFu);
    EXPECT_EQ(ReadU32(f.data() + 4 + 4 * 3), 0x7F800000u);

    ASSERT_EQ(ErrorOf(0, {String("SetCompVal"), ComplexRow(re, im)}), "");
    auto comp = TakeFrames();
    ASSERT_EQ(comp.size(), 1u);
    std::vector<uint8_t> expected = f;
    expected[2] = 0x04;
    EXPECT_EQ(comp[0], expected);
}

TEST_F(CalibrationTest, TwoRowTableIsSentInStorageOrder) {
    std::vector<double> re(30), im(30);
    for (size_t e = 0; e < 30; ++e) {
        re[e] = static_cast<double>(e);
        im[e] = -static_cast<double>(e) - 0.5;
    }
    ASSERT_EQ(ErrorOf(0, {String("SetShuntVal"), standalone::DoubleMatrix(2, 15, re, &im)}), "");
    auto frames = TakeFrames();
    ASSERT_EQ(frames.size(), 1u);
    // (1,1), (2,1), (1,2), (2,2), ... (1,8): the first 15 stored elements.
    for (uint32_t k = 0; k < 15; ++k) {
        EXPECT_EQ(ReadU32(frames[0].data() + 4 + 4 * k), FloatBits(static_cast<float>(k))) << k;
        EXPECT_EQ(ReadU32(frames[0].data() + 64 + 4 * k), FloatBits(-static_cast<float>(k) - 0.5f)) << k;
    }
}

TEST_F(CalibrationTest, TablesWithoutFifteenDenseDoublesAreRefusedUnsent) {
    struct Case {
        const char* what;
        mxArray* (*make)();
        std::string message;
    };
    const Case cases[] = {
        {"no rows", [] { return standalone::Numeric(mxDOUBLE_CLASS, 0, 15, true); }, kSizeMessage},
        {"sparse", [] { return standalone::Sparse(1, 15, true); }, kSizeMessage},
        {"single", [] { return standalone::Numeric(mxSINGLE_CLASS, 1, 15, true); },
         "\tArgument 2. is not numeric.\n"},
        {"int16", [] { return standalone::Numeric(mxINT16_CLASS, 1, 15, true); },
         "\tArgument 2. is not numeric.\n"},
        {"column", [] { return standalone::Numeric(mxDOUBLE_CLASS, 15, 1, true); }, kSizeMessage},
        {"1 x 16", [] { return standalone::Numeric(mxDOUBLE_CLASS, 1, 16, true); }, kSizeMessage},
        {"real", [] { return standalone::Numeric(mxDOUBLE_CLASS, 1, 15, false); }, "\tNot complex data.\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorOf(0, {String("SetShuntVal"), c.make()}), c.message) << c.what;
        EXPECT_EQ(ErrorOf(0, {String("SetCompVal"), c.make()}), c.message) << c.what;
        EXPECT_TRUE(TakeFrames().empty()) << c.what;
    }
    EXPECT_EQ(ErrorOf(0, {String("SetShuntVal"), standalone::Numeric(mxDOUBLE_CLASS, 1, 15, true),
                          Double(1)}),
              "\tShunt complex data missing.\n");
    EXPECT_TRUE(TakeFrames().empty());
}

TEST_F(CalibrationTest, UploadedTablesComeBackBitForBit) {
    std::vector<double> shuntRe(15), shuntIm(15), compRe(15), compIm(15);
    for (size_t k = 0; k < 15; ++k) {
        shuntRe[k] = 1000.0 / (k + 1) + 0.1;
        shuntIm[k] = -0.3 * k;
        compRe[k] = 1e-3 * k - 2.5;
        compIm[k] = k % 2 ? 1e39 : 1.0 / 3.0;  // one beyond single range
    }
    ASSERT_EQ(ErrorOf(0, {String("SetShuntVal"), ComplexRow(shuntRe, shuntIm)}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetCompVal"), ComplexRow(compRe, compIm)}), "");
    TakeFrames();

    standalone::CallResult out = Call(1, {String("GetConfData")});
    EXPECT_EQ(TakeFrames(), std::vector<std::vector<uint8_t>>({Bytes({0x03, 0xFF, 0x0B, 0x00})}));
    EXPECT_EQ(Connection()->rxLength.load(), FRAME_CONF_DATA_LENGTH);
    const mxArray* conf = out[0];
    EXPECT_EQ(standalone::FieldNames(conf),
              std::vector<std::string>({"FrequencyCount", "FrequencyBins", "ShuntComplexValues",
                                        "CompensationComplexValues"}));
    const mxArray* count = GetField(conf, "FrequencyCount");
    EXPECT_EQ(standalone::ClassOf(count), mxUINT16_CLASS);
    EXPECT_EQ(static_cast<const uint16_t*>(mxGetData(count))[0], 15);
    const mxArray* bins = GetField(conf, "FrequencyBins");
    EXPECT_EQ(standalone::ClassOf(bins), mxUINT16_CLASS);
    EXPECT_EQ(mxGetM(bins), 15u);
    EXPECT_EQ(mxGetN(bins), 1u);

    const auto check = [](const mxArray* table, const std::vector<double>& re,
                          const std::vector<double>& im, const char* name) {
        ASSERT_EQ(standalone::ClassOf(table), mxSINGLE_CLASS) << name;
        ASSERT_TRUE(mxIsComplex(table)) << name;
        ASSERT_EQ(mxGetM(table), 15u) << name;
        const auto* r = static_cast<const uint32_t*>(mxGetData(table));
        const auto* i = static_cast<const uint32_t*>(mxGetImagData(table));
        for (size_t k = 0; k < 15; ++k) {
            EXPECT_EQ(r[k], FloatBits(static_cast<float>(re[k]))) << name << " " << k;
            EXPECT_EQ(i[k], FloatBits(static_cast<float>(im[k]))) << name << " " << k;
        }
    };
    check(GetField(conf, "ShuntComplexValues"), shuntRe, shuntIm, "shunt");
    check(GetField(conf, "CompensationComplexValues"), compRe, compIm, "compensation");
}

TEST_F(CalibrationTest, UploadWhileMeasuringLeavesModeAndStreamAlone) {
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    platform::SleepMs(30);
    ASSERT_EQ(ErrorOf(1, {String("GetData"), Double(2)}), "");
    std::vector<double> re(15, 1.0), im(15, 0.0);
    EXPECT_EQ(ErrorOf(0, {String("SetShuntVal"), ComplexRow(re, im)}), "");
    EXPECT_EQ(Connection()->mode.load(), MODE_MEASURING);
    platform::SleepMs(30);
    EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(8)}), "");
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(CalibrationTest, ConfDataIsRefusedOutsideIdleMode) {
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    TakeFrames();
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), kIdleOnly);
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    ASSERT_EQ(ErrorOf(0, {String("SetExternalTrigger"), String("On")}), "");
    TakeFrames();
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), kIdleOnly);
    EXPECT_TRUE(TakeFrames().empty());
}

TEST_F(CalibrationTest, HandOffWithoutPayloadFails) {
    datatest::EmptyHandOff standIn(Connection());
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), "\tGetConfData() failed.\n");
    EXPECT_TRUE(standIn.HandedOff());
}

class SilentConfTest : public fixture::ModuleTest {};

TEST_F(SilentConfTest, UnansweredRequestRaisesWithinBound) {
    sim::SimSettings settings;
    settings.silentOpcodes = {CMD_GET_CONF_DATA};
    sim::SimBusSetInstruments({settings});
    Connect();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf(1, {String("GetConfData")}), kNoResponse);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(TakeFrames().size(), 1u);
}

}  // namespace
