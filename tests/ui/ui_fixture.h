#pragma once
// Screen tests over a fresh data directory: scripted dialogs installed, a few products
// on file, and helpers to show a widget as the active window and to type into it.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <string>

#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace uitest {

class UiTest : public testsupport::DataTest {
  protected:
    void addProduct(std::int64_t code, const std::string& descricao, double valor) {
        store::Table& t = dm.TbProdutos;
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Descricao").setString(descricao);
        t.field("Tipo").setString("SERVIÇO");
        t.field("Valor").setFloat(valor);
        t.post();
    }

    testsupport::ScriptedDialogs dialogs;
};

// Shows `widget` as the active window, so focus and keys behave as for a user.
inline void showActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

// Types text a character at a time; accented characters too, which QTest::keyClicks
// cannot send.
inline void type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

}  // namespace uitest
