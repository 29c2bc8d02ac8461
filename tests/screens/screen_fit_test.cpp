// The screen check itself, on small screens built to break one rule each.
#include <gtest/gtest.h>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>
#include <ostream>

#include "screens/screen_fit.h"
#include "ui/field_width.h"

namespace {

const QSize kDesktop(1000, 700);

QLineEdit* cpfField(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("EdCpf"));
    edit->setInputMask(QStringLiteral("000.000.000-00;_"));
    return edit;
}

struct FitCase {
    const char* name;
    std::function<void(QDialog&)> build;
    const char* problem;  // part of the one line reported; empty when the screen is sound
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class ScreenFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenFit, ReportsEachFaultByTheControlsName) {
    const FitCase& c = GetParam();
    QDialog screen;
    c.build(screen);
    screen.show();
    const QStringList problems = screencheck::fitProblems(screen, kDesktop);
    if (*c.problem == '\0') {
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    } else {
        ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(problems.front().contains(QString::fromUtf8(c.problem)))
            << problems.front().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenFit,
    ::testing::Values(FitCase{"FieldWideEnough",
                              [](QDialog& s) {
                                  QLineEdit* cpf = cpfField(&s);
                                  cpf->setFixedWidth(ui::contentWidth(*cpf));
                              },
                              ""},
                      FitCase{"MaskedFieldSqueezed", [](QDialog& s) { cpfField(&s)->setFixedWidth(40); },
                              "QLineEdit EdCpf is 40 px wide; \"000.000.000-00\" needs"},
                      FitCase{"SizedFieldSqueezed",
                              [](QDialog& s) {
                                  auto* edit = new QLineEdit(&s);
                                  edit->setObjectName(QStringLiteral("EdFone"));
                                  edit->setMaxLength(15);
                                  edit->setFixedWidth(30);
                              },
                              "EdFone is 30 px wide"},
                      FitCase{"UnboundedFieldIsLeftAlone",
                              [](QDialog& s) { (new QLineEdit(&s))->setFixedWidth(20); }, ""},
                      FitCase{"ButtonOutsideTheScreen",
                              [](QDialog& s) {
                                  s.setFixedSize(200, 100);
                                  auto* button = new QPushButton(QStringLiteral("Fechar"), &s);
                                  button->setObjectName(QStringLiteral("BtnFechar"));
                                  button->setGeometry(150, 10, 80, 30);
                              },
                              "QPushButton BtnFechar at (150,10) 80×30 is cut off by QDialog"},
                      FitCase{"ButtonSqueezedByItsLayout",
                              [](QDialog& s) {
                                  auto* bar = new QHBoxLayout(&s);
                                  auto* button = new QPushButton(QStringLiteral("Consultar Histórico"));
                                  button->setObjectName(QStringLiteral("BtnHistorico"));
                                  button->setMaximumWidth(30);
                                  bar->addWidget(button);
                              },
                              "QPushButton BtnHistorico is 30×"},
                      FitCase{"ScreenLargerThanTheDesktop", [](QDialog& s) { s.setFixedSize(1200, 600); },
                              "the screen is 1200×600, more than the desktop's 1000×700"},
                      FitCase{"FieldSqueezedOnAPageNotShowing",
                              [](QDialog& s) {
                                  auto* layout = new QVBoxLayout(&s);
                                  auto* tabs = new QTabWidget;
                                  tabs->addTab(new QWidget, QStringLiteral("Criar"));
                                  auto* page = new QWidget;
                                  (new QVBoxLayout(page))->addWidget(cpfField(nullptr));
                                  page->findChild<QLineEdit*>()->setMaximumWidth(40);
                                  tabs->addTab(page, QStringLiteral("Restaurar"));
                                  layout->addWidget(tabs);
                              },
                              "EdCpf is 40 px wide"},
                      FitCase{"ScrolledContentMayBeLarger",
                              [](QDialog& s) {
                                  auto* layout = new QVBoxLayout(&s);
                                  auto* area = new QScrollArea;
                                  auto* content = new QWidget;
                                  content->setFixedSize(900, 900);
                                  area->setWidget(content);
                                  layout->addWidget(area);
                                  s.setFixedSize(300, 300);
                              },
                              ""}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

}  // namespace
