// GetData: lines out of the ring in order, the per-line time-out, the
// structure's fields, and counts that name no usable number of lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "data/data_test_support.h"
#include "link/protocol.h"
#include "platform/platform.h"
#include "support/module_fixture.h"

namespace {

using fixture::ErrorOf;
using standalone::Call;
using standalone::Double;
using standalone::GetField;
using standalone::String;

template <typename T>
T Element(const mxArray* a, size_t i) {
    T value;
    std::memcpy(&value, static_cast<const uint8_t*>(mxGetData(a)) + i * sizeof(T), sizeof(T));
    return value;
}

uint32_t CycleOfRow(const mxArray* result, size_t row) {
    return Element<uint32_t>(GetField(result, "MeasurementCycleCount"), row);
}

class GetDataTest : public fixture::ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        Connect();
    }
    void TearDown() override {
        Connection()->mode.store(MODE_IDLE);
        ModuleTest::TearDown();
    }
    void StoreLines(uint32_t first, uint32_t count) {
        std::vector<DataLine> lines;
        for (uint32_t i = 0; i < count; ++i) lines.push_back(datatest::MakeLine(first + i));
        datatest::StoreMeasuredLines(Connection(), lines);
    }
};

TEST_F(GetDataTest, UnreadLinesComeOutOldestFirstAcrossCalls) {
    StoreLines(100, 5);
    standalone::CallResult first = Call(1, {String("GetData"), Double(3)});
    standalone::CallResult second = Call(1, {String("GetData"), Double(2)});
    EXPECT_EQ(mxGetM(GetField(first[0], "SysErrors")), 3u);
    EXPECT_EQ(mxGetM(GetField(second[0], "SysErrors")), 2u);
    for (size_t row = 0; row < 3; ++row) EXPECT_EQ(CycleOfRow(first[0], row), 100 + row);
    for (size_t row = 0; row < 2; ++row) EXPECT_EQ(CycleOfRow(second[0], row), 103 + row);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(GetDataTest, TimeOutIsPrintedOnceAndLeavesTheRemainingRowsZero) {
    StoreLines(7, 4);
    standalone::CallResult out = Call(1, {String("GetData"), Double(10)});
    EXPECT_EQ(standalone::TakePrinted(), "\tData collection timeout, polling period 24 ms.\n");
    const mxArray* result = out[0];
    for (const std::string& name : standalone::FieldNames(result)) {
        const mxArray* field = GetField(result, name.c_str());
        ASSERT_EQ(mxGetM(field), 10u) << name;
        const size_t columns = mxGetN(field);
        const size_t size = standalone::ClassOf(field) == mxUINT16_CLASS ? 2 : 4;
        const auto* data = static_cast<const uint8_t*>(mxGetData(field));
        for (size_t column = 0; column < columns; ++column) {
            for (size_t row = 0; row < 10; ++row) {
                const uint8_t* element = data + (column * 10 + row) * size;
                const bool zero = std::all_of(element, element + size, [](uint8_t b) { return b == 0; });
                // Every field of the four lines has non-zero bytes (MakeLine).
                EXPECT_EQ(zero, row >= 4) << name << " row " << row << " column " << column;
            }
        }
    }
    for (size_t row = 0; row < 4; ++row) EXPECT_EQ(CycleOfRow(result, row), 7 + row);
}

TEST_F(GetDataTest, PollingPeriodFollowsTheDivider) {
    ASSERT_EQ(ErrorOf(0, {String("SetSamplingDivider"), Double(2)}), "");
    StoreLines(0, 1);
    standalone::CallResult out = Call(1, {String("GetData"), Double(2)});
    EXPECT_EQ(standalone::TakePrinted(), "\tData collection timeout, polling period 26 ms.\n");
}

TEST_F(GetDataTest, FractionalCountIsTruncated) {
    StoreLines(0, 3);
    standalone::CallResult out = Call(1, {String("GetData"), Double(2.9)});
    EXPECT_EQ(mxGetM(GetField(out[0], "GPIOState")), 2u);
    EXPECT_EQ(mxGetM(GetField(out[0], "ImpedanceModule")), 2u);
    EXPECT_EQ(standalone::TakePrinted(), "");
}

TEST_F(GetDataTest, FieldsComeInOrderWithTheirClassesAndShapes) {
    StoreLines(0, 2);
    standalone::CallResult out = Call(1, {String("GetData"), Double(2)});
    const std::vector<std::string> names = {
        "SysErrors", "MeasurementCycleCount", "MeasurementCyclePeriod", "MaxChA", "MinChA", "MaxChB",
        "MinChB", "ImpedanceModule", "ImpedancePhase", "BatteryLevel", "ChargerStatus", "GPIOState"};
    ASSERT_EQ(standalone::FieldNames(out[0]), names);
    for (const std::string& name : names) {
        const mxArray* field = GetField(out[0], name.c_str());
        mxClassID expected = mxUINT16_CLASS;
        size_t columns = 1;
        if (name == "MeasurementCycleCount" || name == "MeasurementCyclePeriod") expected = mxUINT32_CLASS;
        if (name == "ImpedanceModule" || name == "ImpedancePhase") {
            expected = mxSINGLE_CLASS;
            columns = BIN_COUNT;
        }
        EXPECT_EQ(standalone::ClassOf(field), expected) << name;
        EXPECT_FALSE(mxIsComplex(field)) << name;
        EXPECT_EQ(mxGetN(field), columns) << name;
    }
}

TEST_F(GetDataTest, ValuesAreCopiedBitForBitIntoTheirRowsAndBins) {
    DataLine a = datatest::MakeLine(0);
    DataLine b = datatest::MakeLine(0);
    const auto put = [](DataLine& line, uint32_t offset, std::initializer_list<int> bytes) {
        uint32_t i = offset;
        for (int v : bytes) line.bytes[i++] = static_cast<uint8_t>(v);
    };
    put(b, LINE_CYCLE_COUNT, {0x01, 0x00, 0x01, 0x00});
    put(b, LINE_MODULE, {0x00, 0x00, 0x80, 0x3F});           // 1.0f, bin 1
    put(b, LINE_PHASE, {0x00, 0x00, 0x34, 0x42});            // 45.0f, bin 1
    put(b, LINE_MODULE + 4 * 14, {0x00, 0x00, 0xC0, 0x7F});  // a NaN payload, bin 15
    put(b, LINE_GPIO_STATE, {0x34, 0x12});
    datatest::StoreMeasuredLines(Connection(), {a, b});

    standalone::CallResult out = Call(1, {String("GetData"), Double(2)});
    const mxArray* module = GetField(out[0], "ImpedanceModule");
    const mxArray* phase = GetField(out[0], "ImpedancePhase");
    // Line 2, bin j sits at element 1 + (j - 1) * 2.
    EXPECT_EQ(Element<float>(module, 1), 1.0f);
    EXPECT_EQ(Element<float>(phase, 1), 45.0f);
    EXPECT_EQ(Element<uint32_t>(module, 1 + 14 * 2), 0x7FC00000u);
    EXPECT_EQ(Element<uint32_t>(GetField(out[0], "MeasurementCycleCount"), 1), 65537u);
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "GPIOState"), 1), 0x1234);
    // Every field of line 1, bin by bin, against its bytes.
    const auto& bytes = a.bytes;
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "SysErrors"), 0), ReadU16(bytes + LINE_SYS_ERRORS));
    EXPECT_EQ(Element<uint32_t>(GetField(out[0], "MeasurementCyclePeriod"), 0), ReadU32(bytes + LINE_CYCLE_PERIOD));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "MaxChA"), 0), ReadU16(bytes + LINE_MAX_CH_A));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "MinChA"), 0), ReadU16(bytes + LINE_MIN_CH_A));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "MaxChB"), 0), ReadU16(bytes + LINE_MAX_CH_B));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "MinChB"), 0), ReadU16(bytes + LINE_MIN_CH_B));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "BatteryLevel"), 0), ReadU16(bytes + LINE_BATTERY_LEVEL));
    EXPECT_EQ(Element<uint16_t>(GetField(out[0], "ChargerStatus"), 0), ReadU16(bytes + LINE_CHARGER_STATUS));
    for (size_t bin = 0; bin < BIN_COUNT; ++bin) {
        EXPECT_EQ(Element<uint32_t>(module, bin * 2), ReadU32(bytes + LINE_MODULE + 4 * bin)) << bin;
        EXPECT_EQ(Element<uint32_t>(phase, bin * 2), ReadU32(bytes + LINE_PHASE + 4 * bin)) << bin;
    }
}

TEST_F(GetDataTest, CountsThatNameNoLinesAreRefusedAndTheRingIsUntouched) {
    StoreLines(50, 1);
    const std::string message = "\tIncorrect command argument.\n";
    const double inf = std::numeric_limits<double>::infinity();
    for (double count : {0.0, 0.9, -0.5, -1.0, -4294967295.0, std::nan(""), inf, -inf, 2147483648.0,
                         4294967296.0, 1e300}) {
        EXPECT_EQ(ErrorOf(1, {String("GetData"), Double(count)}), message) << count;
    }
    EXPECT_EQ(ErrorOf(1, {String("GetData"), standalone::DoubleMatrix(0, 0, {})}), message);
    standalone::CallResult out = Call(1, {String("GetData"), Double(1)});
    EXPECT_EQ(CycleOfRow(out[0], 0), 50u);
}

TEST_F(GetDataTest, StreamedLinesArriveInOrder) {
    Connection()->mode.store(MODE_IDLE);
    ASSERT_EQ(ErrorOf(0, {String("Start")}), "");
    platform::SleepMs(80);  // some 80 lines wait in the ring
    standalone::CallResult out = Call(1, {String("GetData"), Double(40)});
    ASSERT_EQ(ErrorOf(0, {String("Stop")}), "");
    EXPECT_EQ(standalone::TakePrinted(), "");
    const uint32_t first = CycleOfRow(out[0], 0);
    for (size_t row = 1; row < 40; ++row) EXPECT_EQ(CycleOfRow(out[0], row), first + row);
}

}  // namespace
