#pragma once
// A payables screen shown on the fixture's data, driven as a person would: typing in boxes,
// Enter to move on, clicking buttons; what it prints is kept as text lines.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <type_traits>
#include <vector>

#include "payables_fixture.h"
#include "reports/engine/generator.h"
#include "reports/engine/preview.h"
#include "reports/page_text.h"
#include "support/qt_scripted_dialogs.h"

namespace payablestest {

template <typename Screen>
class ScreenTest : public PayablesTest {
  protected:
    void SetUp() override {
        screen.show();
        QApplication::setActiveWindow(&screen);
    }
    QLineEdit* box(const char* name) {
        return screen.template findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) {
        return screen.template findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void type(const char* name, const char* text) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Enter in a box: on to the next one, which may look the code up.
    void enter(const char* name) {
        QTest::keyClick(box(name), Qt::Key_Return);
        QApplication::processEvents();
    }
    QWidget* focus() {
        QApplication::processEvents();
        return QApplication::focusWidget();
    }

    testsupport::ScriptedDialogs dialogs;
    std::string printedName;  // the last report printed, and its lines
    std::vector<std::string> printed;
    Screen screen{make()};

  private:
    Screen make() {
        if constexpr (std::is_constructible_v<Screen, data::Tdm&, QWidget*, reports::ReportOutput>)
            return Screen(dm, nullptr, [this](const reports::Report& report) {
                printedName = report.name;
                printed = reportstest::allLines(reports::generate(report, {}));
            });
        else
            return Screen(dm);
    }
};

}  // namespace payablestest
