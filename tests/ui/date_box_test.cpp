// The unbound date box: empty reads as no date, a typed date reads back, an impossible one
// is refused with the user's message, and it is as wide as its mask.
#include <gtest/gtest.h>
#include <QTest>

#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"
#include "ui/field_width.h"
#include "ui/period_boxes.h"

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

namespace {

// The pair of a period screen: read together, refused together with the screen's message
// and the focus on the first box; a text that is no date gets the conversion error every date
// box gives, with the focus on that box.
TEST(PeriodBoxes, ReadBothDatesOrRefuseWithTheFocusWhereTheFaultIs) {
    struct Case {
        const char* start;
        const char* end;
        const char* message;  // none: the period is read
        const char* error;
        int focused;  // 0 the first box, 1 the second
    };
    const Case cases[] = {{"010326", "310326", nullptr, nullptr, 0},
                          {"", "310326", "Digite o período!", nullptr, 0},
                          {"010326", "", "Digite o período!", nullptr, 0},
                          {"310226", "310326", nullptr, "'31/02/26' não é uma data válida!", 0},
                          {"010326", "310226", nullptr, "'31/02/26' não é uma data válida!", 1},
                          {"", "310226", nullptr, "'31/02/26' não é uma data válida!", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.end);
        testsupport::ScriptedDialogs dialogs;
        QWidget screen;
        auto* start = new ui::DateBox(&screen);
        auto* end = new ui::DateBox(&screen);
        auto* other = new QLineEdit(&screen);
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        other->setFocus();
        QTest::keyClicks(start, c.start);
        QTest::keyClicks(end, c.end);
        const auto period = ui::readPeriod(*start, *end, QStringLiteral("Digite o período!"));
        const bool read = c.message == nullptr && c.error == nullptr;
        EXPECT_EQ(period.has_value(), read);
        const auto expected = [](const char* text) {
            return text == nullptr ? QStringList{} : QStringList{QString::fromUtf8(text)};
        };
        EXPECT_EQ(dialogs.messages, expected(c.message));
        EXPECT_EQ(dialogs.errors, expected(c.error));
        if (read) {
            EXPECT_EQ(period->start, (core::Date{2026, 3, 1}));
            EXPECT_EQ(period->end, (core::Date{2026, 3, 31}));
            EXPECT_EQ(period->startText, "01/03/26");
            EXPECT_EQ(period->endText, "31/03/26");
        } else {
            EXPECT_TRUE((c.focused == 0 ? start : end)->hasFocus());
        }
    }
}

}  // namespace
