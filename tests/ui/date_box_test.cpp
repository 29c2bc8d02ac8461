// The unbound date box: empty reads as no date, a typed date reads back, an impossible one
// is refused with the user's message, and it is as wide as its mask.
#include <gtest/gtest.h>
#include <QTest>

#include "ui/date_box.h"
#include "ui/field_width.h"

namespace {

TEST(DateBox, ReadsWhatIsTypedAndRefusesImpossibleDates) {
    ui::DateBox box;
    EXPECT_TRUE(box.isEmpty());
    EXPECT_TRUE(box.date().isNull());
    EXPECT_EQ(box.value(), QStringLiteral("  /  /  "));

    QTest::keyClicks(&box, "050304");
    EXPECT_FALSE(box.isEmpty());
    EXPECT_EQ(box.date(), (core::Date{2004, 3, 5}));

    box.clear();
    QTest::keyClicks(&box, "310224");
    EXPECT_THROW(box.date(), core::DateError);

    box.setDate({2026, 12, 10});
    EXPECT_EQ(box.value(), QStringLiteral("10/12/26"));
    box.setDate({});
    EXPECT_TRUE(box.isEmpty());
    EXPECT_GE(box.minimumWidth(), ui::widthToShow(box, QStringLiteral("00/00/00")));
}

}  // namespace
