// The Enter-key convention: Enter moves on as Tab would, never reaching the focused field
// or the screen's default button, except where a control is allowed to take it.
#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/enter_as_tab.h"
#include "ui_fixture.h"

namespace {

// A screen with two fields, a memo and a default button that counts its clicks.
struct Screen {
    QDialog dialog;
    QLineEdit* first = new QLineEdit(&dialog);
    QLineEdit* second = new QLineEdit(&dialog);
    QPlainTextEdit* memo = new QPlainTextEdit(&dialog);
    QLineEdit* last = new QLineEdit(&dialog);
    QPushButton* ok = new QPushButton(QStringLiteral("&Gravar"), &dialog);
    int clicks = 0;

    explicit Screen(bool convention) {
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* w :
             {static_cast<QWidget*>(first), static_cast<QWidget*>(second), static_cast<QWidget*>(memo),
              static_cast<QWidget*>(last), static_cast<QWidget*>(ok)})
            layout->addWidget(w);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] { ++clicks; });
        if (convention) ui::installEnterAsTab(&dialog);
    }
};

struct EnterKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

class EnterMovesOn : public ::testing::TestWithParam<EnterKey> {};

TEST_P(EnterMovesOn, FocusGoesToTheNextFieldAndTheDefaultButtonStaysUnpressed) {
    Screen screen(true);
    uitest::showActive(screen.dialog);
    screen.first->setFocus();
    QTest::keyClick(screen.first, GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(screen.second->hasFocus());
    EXPECT_EQ(screen.clicks, 0);
    EXPECT_TRUE(screen.dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(EnterAsTab, EnterMovesOn,
                         ::testing::Values(EnterKey{"Return", Qt::Key_Return, Qt::NoModifier},
                                           EnterKey{"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnterAsTab, WithoutTheConventionEnterPressesTheDefaultButton) {
    Screen screen(false);
    uitest::showActive(screen.dialog);
    screen.first->setFocus();
    QTest::keyClick(screen.first, Qt::Key_Return);
    EXPECT_EQ(screen.clicks, 1);
}

TEST(EnterAsTab, OtherKeysReachTheFieldUnchanged) {
    Screen screen(true);
    uitest::showActive(screen.dialog);
    screen.first->setFocus();
    QTest::keyClicks(screen.first, "ab");
    QTest::keyClick(screen.first, Qt::Key_Tab);
    EXPECT_EQ(screen.first->text(), QStringLiteral("ab"));
    EXPECT_TRUE(screen.second->hasFocus());
}

TEST(EnterAsTab, EnterInAMemoMovesOnWithoutALineBreak) {
    Screen screen(true);
    uitest::showActive(screen.dialog);
    screen.memo->setFocus();
    QTest::keyClicks(screen.memo, "linha");
    QTest::keyClick(screen.memo, Qt::Key_Return);
    EXPECT_EQ(screen.memo->toPlainText(), QStringLiteral("linha"));
    EXPECT_TRUE(screen.last->hasFocus());
}

TEST(EnterAsTab, AMemoAllowedToTakeEnterGetsTheLineBreak) {
    Screen screen(true);
    ui::allowEnterIn(screen.memo);
    uitest::showActive(screen.dialog);
    screen.memo->setFocus();
    QTest::keyClicks(screen.memo, "um");
    QTest::keyClick(screen.memo, Qt::Key_Return);
    QTest::keyClicks(screen.memo, "dois");
    EXPECT_EQ(screen.memo->toPlainText(), QStringLiteral("um\ndois"));
    EXPECT_TRUE(screen.memo->hasFocus());
    // The switch-off belongs to the memo alone.
    screen.first->setFocus();
    QTest::keyClick(screen.first, Qt::Key_Return);
    EXPECT_TRUE(screen.second->hasFocus());
}

TEST(EnterAsTab, EnterOnAFocusedButtonPressesIt) {
    Screen screen(true);
    uitest::showActive(screen.dialog);
    screen.ok->setFocus();
    QTest::keyClick(screen.ok, Qt::Key_Return);
    EXPECT_EQ(screen.clicks, 1);
}

// A button that deletes or reverses is never pressed by Enter: it moves on, as from a field.
TEST(EnterAsTab, EnterOnAFocusedDeletingButtonMovesOnWithoutPressingIt) {
    for (const char* caption : {"&Excluir", "E&xcluir", "Excluir Lançamento", "Estornar"}) {
        Screen screen(true);
        screen.ok->setText(QString::fromUtf8(caption));
        auto* after = new QLineEdit(&screen.dialog);
        screen.dialog.layout()->addWidget(after);
        uitest::showActive(screen.dialog);
        screen.ok->setFocus();
        QTest::keyClick(screen.ok, Qt::Key_Return);
        EXPECT_EQ(screen.clicks, 0) << caption;
        EXPECT_TRUE(after->hasFocus()) << caption;
    }
}

TEST(EnterAsTab, TheLastFieldWrapsToTheFirstInTabOrder) {
    Screen screen(true);
    screen.ok->setFocusPolicy(Qt::NoFocus);
    uitest::showActive(screen.dialog);
    screen.last->setFocus();
    QTest::keyClick(screen.last, Qt::Key_Return);
    EXPECT_TRUE(screen.first->hasFocus());
}

}  // namespace
