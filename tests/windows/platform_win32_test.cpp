// What the native platform layer adds to the shared platform suite: the
// ANSI conversion's limits.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<uint16_t> Units(const std::string& ascii) {
    return std::vector<uint16_t>(ascii.begin(), ascii.end());
}

TEST(Win32Text, LongTextIsCutToTheBufferAndTerminated) {
    const std::vector<uint16_t> units = Units(std::string(40, 'S'));
    char out[32];
    std::memset(out, 'x', sizeof out);
    platform::ConvertUtf16Text(units.data(), units.size(), out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(31, 'S'));

    char one[1] = {'x'};
    platform::ConvertUtf16Text(units.data(), units.size(), one, sizeof one);
    EXPECT_EQ(one[0], '\0');
}

TEST(Win32Text, ConversionStopsAtTheUnitCountWithoutAZeroUnit) {
    const std::vector<uint16_t> units = Units("VN2024-0001XYZ");
    char out[32];
    platform::ConvertUtf16Text(units.data(), 11, out, sizeof out);
    EXPECT_STREQ(out, "VN2024-0001");
}

}  // namespace
