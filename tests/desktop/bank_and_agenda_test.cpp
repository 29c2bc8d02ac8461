// Screens that give way to another and come back: the bank ledger behind its statement, and
// the appointment book keeping the slot the user chose across its printout.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDate>

#include "data/dm.h"
#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"

namespace desktop {
namespace {

class BankAndAgendaTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        logIn();
    }
};

TEST_F(BankAndAgendaTest, TheLedgerComesBackAfterTheStatementItGaveWayTo) {
    auto dm = stored();
    dm->TbConta.open();
    dm->TbConta.first();
    ASSERT_FALSE(dm->TbConta.eof()) << "the demo salon has a bank account";
    const std::string account = dm->TbConta.field("Conta").asString();

    clickButton(QStringLiteral("Banco"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmControleBancario")));
    // Wide enough for either operation.
    EXPECT_TRUE(onGui([] {
        auto* box = QApplication::activeWindow()->findChild<QComboBox*>(QStringLiteral("DBComboBox1"));
        int widest = 0;
        for (int i = 0; i < box->count(); ++i)
            widest = std::max(widest, box->fontMetrics().horizontalAdvance(box->itemText(i)));
        return box->width() > widest;
    })) << "\"Operação:\" cuts its operations";

    key('e', Alt);  // "&EXTRATO"
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmDataExtrato")));
    click(QStringLiteral("Edit1"));
    enter(account);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit1")));
    key(XK_Home);
    enter(typedDate(-60));
    key(XK_Home);
    enter(typedDate());
    key('i', Alt);  // "&Imprimir"
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    screenshot("statement-preview");
    key('f', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmDataExtrato")));
    key('f', Alt);
    // The ledger is there again, and takes the keyboard.
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmControleBancario")));
    key('n', Alt);  // "&NOVO"
    EXPECT_TRUE(waitFor([] { return QApplication::focusWidget() &&
                                    QApplication::focusWidget()->window()->objectName() ==
                                        QLatin1String("TFmControleBancario"); },
                        "the ledger taking the keyboard"));
}

TEST_F(BankAndAgendaTest, PrintingTheAppointmentBookKeepsTheChosenSlot) {
    ASSERT_TRUE(pressByAlt(QStringLiteral("&Agenda")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));
    click(QStringLiteral("BitBtn1"));  // TODAS AGENDAS
    ASSERT_TRUE(waitFor([] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
        return grid && grid->model()->rowCount() > 4;
    }, "the day's slots"));
    clickCell(QStringLiteral("DBGrid1"), 2, 1);
    const auto chosen = [] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
        const QModelIndex at = grid->currentIndex();
        return QStringList{QString::number(at.row()), grid->model()->index(at.row(), 0).data().toString(),
                           grid->model()->index(at.row(), 1).data().toString(),
                           grid->model()->index(at.row(), 2).data().toString()};
    };
    ASSERT_TRUE(waitFor([&] { return chosen().front() == QLatin1String("2"); }, "the third slot chosen"));
    const QStringList before = onGui(chosen);
    click(QStringLiteral("SpeedButton2"));  // Imprimir
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    key('f', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));
    EXPECT_EQ(onGui(chosen), before);
}

TEST_F(BankAndAgendaTest, AnAppointmentIsBookedFromTheKeyboardInAFreeSlot) {
    auto dm = stored();
    dm->TbFuncionario.open();
    for (dm->TbFuncionario.first(); dm->TbFuncionario.field("Codigo").asInteger() == 1;) dm->TbFuncionario.next();
    const std::string employee = std::to_string(dm->TbFuncionario.field("Codigo").asInteger());
    dm.reset();

    ASSERT_TRUE(pressByAlt(QStringLiteral("&Agenda")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("MaskEdit1")));
    key(XK_Home);
    enter(typedDate(2));
    ASSERT_TRUE(waitForFocus(QStringLiteral("Edit2")));
    enter(employee);
    ASSERT_TRUE(waitForFocus(QStringLiteral("Edit1")));  // the employee's day is shown
    enter("JOANA TESTE");
    ASSERT_TRUE(waitForFocus(QStringLiteral("Edit4")));
    type("CORTE");
    int free = -1;
    ASSERT_TRUE(waitFor([&] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, 3).data().toString().trimmed().isEmpty()) {
                free = row;
                return true;
            }
        return false;
    }, "a free slot"));
    clickCell(QStringLiteral("DBGrid1"), free, 1);
    const QString time = onGui([free] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
        return grid->model()->index(free, 1).data().toString();
    });
    key('g', Alt);
    ASSERT_TRUE(answer(QStringLiteral("Reservar o Horário?")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));
    EXPECT_TRUE(waitFor([&] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"));
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, 1).data().toString() == time)
                return grid->model()->index(row, 3).data().toString() == QLatin1String("JOANA TESTE");
        return false;
    }, "the slot of " + time.toStdString() + " booked for the client"));
    dm = stored();
    dm->TbAgenda.open();
    int booked = 0;
    for (dm->TbAgenda.first(); !dm->TbAgenda.eof(); dm->TbAgenda.next())
        booked += dm->TbAgenda.field("Cliente").asString() == "JOANA TESTE";
    EXPECT_EQ(booked, 1);
}

// The reminders screen opens from the book over it, shows the demo week's clients of a day,
// takes a mark from the keyboard and gives the book back, which shows the mark.
TEST_F(BankAndAgendaTest, RemindersOpenFromTheBookAndTheirMarkShowsThere) {
    ASSERT_TRUE(pressByAlt(QStringLiteral("&Agenda")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));
    click(QStringLiteral("BtLembretes"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmLembretes")));
    EXPECT_EQ(shown(QStringLiteral("EdData")).remove(QLatin1Char('/')).toStdString(), typedDate(1));
    // A day of the demo week that is not a Sunday: the salon is closed then.
    const int offset = QDate::currentDate().addDays(2).dayOfWeek() == Qt::Sunday ? 3 : 2;
    click(QStringLiteral("EdData"));
    key(XK_Home);
    enter(typedDate(offset));
    const auto rows = [] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("GrLembretes"));
        return grid ? grid->model()->rowCount() : -1;
    };
    ASSERT_TRUE(waitFor([&] { return rows() > 0; }, "the day's reminders"));
    screenshot("lembretes");
    clickCell(QStringLiteral("GrLembretes"), 0, 0);
    const QString client = onGui([] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("GrLembretes"));
        return grid->model()->index(0, 0).data().toString();
    });
    key('e', Alt);  // "&Enviado"
    ASSERT_TRUE(waitFor([] {
        auto* grid = QApplication::activeWindow()->findChild<QAbstractItemView*>(QStringLiteral("GrLembretes"));
        return grid->model()->index(0, 6).data().toString() == QLatin1String("SIM");
    }, "the row marked sent"));
    click(QStringLiteral("BtFechar"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmAgenda")));

    auto dm = stored();
    dm->TbAgenda.open();
    int sent = 0;
    for (dm->TbAgenda.first(); !dm->TbAgenda.eof(); dm->TbAgenda.next())
        sent += dm->TbAgenda.field("Enviado").asString() == "SIM";
    EXPECT_EQ(sent, 1);
    dm->TbAgenda.setIndexName("siData");
    const std::string day = QDate::currentDate().addDays(offset).toString(Qt::ISODate).toStdString();
    dm->TbAgenda.setRange({day}, {day});
    bool found = false;
    for (dm->TbAgenda.first(); !dm->TbAgenda.eof(); dm->TbAgenda.next())
        found |= dm->TbAgenda.field("Enviado").asString() == "SIM" &&
                 dm->TbAgenda.field("Cliente").asString() == client.toStdString();
    EXPECT_TRUE(found) << client.toStdString();
}

}  // namespace
}  // namespace desktop
