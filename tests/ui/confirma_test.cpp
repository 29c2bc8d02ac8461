// The Yes/No question with real windows: only "&Sim" (clicked or by Enter) answers yes.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

#include "support/qt_modal.h"
#include "ui/confirma.h"
#include "ui/qt_dialogs.h"

namespace {

struct ConfirmaCase {
    const char* name;
    std::function<void(ui::TFmConfirma&)> act;
    bool expected;
};

class ConfirmaAnswers : public ::testing::TestWithParam<ConfirmaCase> {};

TEST_P(ConfirmaAnswers, OnlySimAnswersYes) {
    const ConfirmaCase& c = GetParam();
    QString title;
    QString question;
    testsupport::onNextModal([&](QWidget& modal) {
        auto* dialog = qobject_cast<ui::TFmConfirma*>(&modal);
        ASSERT_NE(dialog, nullptr) << modal.metaObject()->className();
        title = dialog->windowTitle();
        question = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        c.act(*dialog);
    });
    ui::QtDialogs dialogs;
    EXPECT_EQ(dialogs.confirma(QStringLiteral("Grava o Registro?")), c.expected);
    EXPECT_EQ(title, QStringLiteral("Confirmação!"));
    EXPECT_EQ(question, QStringLiteral("Grava o Registro?"));
}

INSTANTIATE_TEST_SUITE_P(
    Confirma, ConfirmaAnswers,
    ::testing::Values(
        ConfirmaCase{"SimClicked", [](ui::TFmConfirma& d) { QTest::mouseClick(d.sim(), Qt::LeftButton); },
                     true},
        ConfirmaCase{"EnterChoosesSim", [](ui::TFmConfirma& d) { QTest::keyClick(&d, Qt::Key_Return); },
                     true},
        ConfirmaCase{"NaoClicked", [](ui::TFmConfirma& d) { QTest::mouseClick(d.nao(), Qt::LeftButton); },
                     false},
        ConfirmaCase{"EscapeIsNao", [](ui::TFmConfirma& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false},
        ConfirmaCase{"CloseButtonIsNao", [](ui::TFmConfirma& d) { d.close(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Confirma, SimIsTheDefaultAndNaoTheOtherButton) {
    ui::TFmConfirma dialog(QStringLiteral("Exclui o Registro?"));
    EXPECT_TRUE(dialog.sim()->isDefault());
    EXPECT_FALSE(dialog.nao()->isDefault());
    EXPECT_EQ(dialog.sim()->text(), QStringLiteral("&Sim"));
    EXPECT_EQ(dialog.nao()->text(), QStringLiteral("&Não"));
}

}  // namespace
