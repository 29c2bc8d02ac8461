// File dates in the packed DOS form the archive keeps.
#include <gtest/gtest.h>

#include "archive_test_support.h"
#include "maintenance/dos_date_time.h"

namespace maintenance {
namespace {

using namespace archive_test;

TEST(DosDateTime, PacksLocalTimeToTheEvenSecond) {
    EXPECT_EQ(toDosDateTime(localTime(2024, 3, 8, 17, 45, 30)), dosDateTime(2024, 3, 8, 17, 45, 30));
    EXPECT_EQ(toDosDateTime(localTime(2024, 3, 8, 17, 45, 31)), dosDateTime(2024, 3, 8, 17, 45, 30));
    // Date in the high half, time in the low half: 2024-03-08 is (44 << 9 | 3 << 5 | 8).
    EXPECT_EQ(toDosDateTime(localTime(2024, 3, 8, 0, 0, 0)), std::uint32_t{44 << 9 | 3 << 5 | 8} << 16);
}

TEST(DosDateTime, ClampsDatesTheFormatCannotHold) {
    EXPECT_EQ(toDosDateTime(localTime(1975, 6, 1, 12, 0, 0)), dosDateTime(1980, 1, 1, 0, 0, 0));
    EXPECT_EQ(toDosDateTime(localTime(2110, 6, 1, 12, 0, 0)), dosDateTime(2107, 12, 31, 23, 59, 58));
}

TEST(DosDateTime, UnpacksToTheSameLocalTime) {
    for (const auto& time : {localTime(1980, 1, 1, 0, 0, 0), localTime(2000, 2, 29, 23, 59, 58),
                             localTime(2024, 7, 15, 3, 4, 6)})
        EXPECT_EQ(fromDosDateTime(toDosDateTime(time)), time);
}

TEST(DosDateTime, RefusesValuesThatNameNoTime) {
    for (std::uint32_t packed : {dosDateTime(2023, 2, 29, 0, 0, 0), dosDateTime(2024, 0, 1, 0, 0, 0),
                                 dosDateTime(2024, 13, 1, 0, 0, 0), dosDateTime(2024, 1, 0, 0, 0, 0),
                                 dosDateTime(2024, 1, 1, 24, 0, 0), dosDateTime(2024, 1, 1, 0, 60, 0),
                                 dosDateTime(2024, 1, 1, 0, 0, 60)})
        EXPECT_FALSE(fromDosDateTime(packed)) << std::hex << packed;
}

}  // namespace
}  // namespace maintenance
