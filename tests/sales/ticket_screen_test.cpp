// The ticket screen typed as an employee would: ticket, code, password, service, discount,
// Enter onto "OK"; the checks sending the focus back; deleting an item; the day's listing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/ticket_fixture.h"
#include "sales/ticket_screen.h"
#include "support/qt_typing.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/db_grid.h"

namespace {

using testsupport::enter;

using Rows = std::vector<std::string>;

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

class TicketScreenTest : public tickettest::TicketTest {
  protected:
    TicketScreenTest() {
        screen.show();
        QApplication::setActiveWindow(&screen);
    }

    QLineEdit* box(const char* name) {
        auto* found = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The ticket, the employee and the password, as far as the service code.
    void identify(const char* ticket, const char* employee, const char* password) {
        box("Edit1")->setFocus();
        enter(QString::fromLatin1(ticket));
        ASSERT_EQ(focused(), QStringLiteral("DBEdit1"));
        enter(QString::fromLatin1(employee));
        ASSERT_EQ(focused(), QStringLiteral("Edit2"));
        enter(QString::fromLatin1(password));
    }
    // The service and its discount, Enter going on to "OK".
    void serve(const char* service, const char* discount) {
        ASSERT_EQ(focused(), QStringLiteral("DBEdit9"));
        enter(QString::fromLatin1(service));
        ASSERT_EQ(focused(), QStringLiteral("DBEdit3"));
        enter(QString::fromLatin1(discount));
    }
    int gridRows() { return screen.findChild<ui::DbGrid*>(QStringLiteral("DBGrid1"))->model()->rowCount(); }

    testsupport::ScriptedDialogs dialogs;
    reports::PageModel printed;
    sales::TFmComando screen{dm, nullptr, [this](const reports::Report& report) {
                                 printed = reports::generate(report, {.today = core::Date::today()});
                             }};
};

TEST_F(TicketScreenTest, ServicesTypedWithEnterAreRecordedAndTheScreenStartsAgain) {
    identify("15", "20", "abc");  // the register keeps "abc"; the box upper-cases it
    EXPECT_EQ(box("DBEdit2")->text(), QStringLiteral("BIA"));
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("ABC"));
    serve("1", "5");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
    for (const char* name :
         {"Edit1", "DBEdit1", "DBEdit2", "Edit2", "DBEdit9", "DBEdit10", "DBEdit11", "DBEdit3"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    EXPECT_EQ(gridRows(), 0);  // the ticket is closed

    identify("15", "20", "abc");
    EXPECT_EQ(gridRows(), 1);  // typing its number opened it again
    serve("3", "");
    const Rows expected{"1 CORTE 45,00 40 10 20 4,50 13,50", "2 ESCOVA 30,00 50 10 20 3,00 12,00"};
    EXPECT_EQ(rowsOf("TbItemComando", 15), expected);
    EXPECT_EQ(rowsOf("TbHistorico"), expected);
}

TEST_F(TicketScreenTest, APasswordIsThatOfTheEmployeeWhoseCodeIsInTheBox) {
    identify("15", "20", "xyz");  // CAIO's password for BIA
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Senha do Funcionário Incorreta!")});
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));

    // BIA looked up with her password, then CAIO's code put in the box and the name box
    // skipped with the mouse: the work would go to CAIO on BIA's word.
    dialogs.messages.clear();
    enter(QStringLiteral("abc"));
    ASSERT_EQ(focused(), QStringLiteral("DBEdit9"));
    box("DBEdit1")->setText(QStringLiteral("21"));
    box("DBEdit3")->setFocus(Qt::MouseFocusReason);
    box("DBEdit9")->setText(QStringLiteral("1"));
    screen.findChild<QPushButton*>(QStringLiteral("BitBtn6"))->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Senha do Funcionário Incorreta!")});
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));
    EXPECT_TRUE(rowsOf("TbHistorico").empty());
}

TEST_F(TicketScreenTest, ARefusedItemKeepsWhatWasTypedAndSendsTheFocusToTheBoxToCorrect) {
    identify("15", "20", "abc");
    serve("1", "5,01");
    EXPECT_EQ(dialogs.messages,
              QStringList{QStringLiteral("O Desconto Está Acima do Permitido! Desconto Máximo de R$ 5,00")});
    EXPECT_EQ(focused(), QStringLiteral("DBEdit3"));
    EXPECT_EQ(box("DBEdit10")->text(), QStringLiteral("CORTE"));
    EXPECT_EQ(box("DBEdit11")->text(), QStringLiteral("50,00"));
    enter(QStringLiteral("5"));  // corrected
    EXPECT_EQ(rowsOf("TbHistorico").size(), 1u);
}

TEST_F(TicketScreenTest, AnItemIsDeletedFromTheOpenTicketAfterTheQuestion) {
    auto excluir = [&] { screen.findChild<QPushButton*>(QStringLiteral("SpeedButton10"))->click(); };
    excluir();
    identify("15", "20", "abc");
    serve("1", "");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione a Comanda Para Exclusão do Serviço!")});

    box("Edit1")->setFocus();
    enter(QStringLiteral("15"));  // opens it again
    ASSERT_EQ(gridRows(), 1);
    dialogs.answer(true);
    excluir();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Excluir o Serviço?")});
    EXPECT_EQ(gridRows(), 0);
    EXPECT_TRUE(rowsOf("TbHistorico").empty());
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
    excluir();
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Não Existe Serviço Para Exclusão!"));
}

TEST_F(TicketScreenTest, ConsultarPrintsTheEmployeesDayAfterCheckingHisPassword) {
    identify("15", "20", "abc");
    serve("1", "5");
    identify("16", "20", "abc");
    serve("3", "");
    auto consultar = [&] { screen.findChild<QPushButton*>(QStringLiteral("SpeedButton5"))->click(); };
    consultar();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Selecione o Funcionário Para a Pesquisa!")});
    identify("16", "20", "abd");
    dialogs.messages.clear();
    consultar();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Senha do Funcionário Incorreta!")});
    EXPECT_TRUE(printed.pages.empty());

    box("Edit2")->setText(QStringLiteral("ABC"));
    consultar();
    const Rows lines = reportstest::allLines(printed);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "TOTAL COMISSÕES...R$ | 25,50");
    EXPECT_TRUE(box("Edit2")->text().isEmpty());
}

}  // namespace
