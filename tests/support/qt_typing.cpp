#include "support/qt_typing.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace testsupport {

void enter(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    auto* edit = qobject_cast<QLineEdit*>(focus);
    ASSERT_NE(edit, nullptr) << "the focus is not on a box: "
                             << (focus ? focus->objectName().toStdString() : std::string("nothing"));
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace testsupport
