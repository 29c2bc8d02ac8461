// The appointment book screen: loading a day, booking, blocking and freeing the selected
// slot, the refusals, the calendar and the lookups, with another station booking meanwhile.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/agenda_book.h"
#include "sales/agenda_fixture.h"
#include "sales/agenda_screen.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"

namespace {

using Rows = std::vector<std::string>;

template <typename T = QWidget>
T* child(QWidget& screen, const char* name) {
    T* found = screen.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString focused() {
    QWidget* widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

QString shortDay(const core::Date& day) {
    return QString::fromStdString(core::shortDateTwoDigitYear(day));
}

class AgendaScreenTest : public agendatest::AgendaTest {
  protected:
    AgendaScreenTest() {
        // The screen has the catalogue open already.
        data::addRow(dm.TbProdutos,
                     {{"Codigo", std::int64_t{7}}, {"Descricao", "CORTE"}, {"Tipo", "SERVIÇO"}});
        screen.show();
        QApplication::setActiveWindow(&screen);
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(screen, name); }
    void click(const char* name) { child<QPushButton>(screen, name)->click(); }
    // Types into the box, replacing what it shows, then Enter.
    void type(const char* name, const QString& text) {
        QLineEdit* edit = box(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // The day typed in "Data:" and the employee's code, Enter going on to "Funcionário:".
    void loadDay(const char* code) {
        type("MaskEdit1", QStringLiteral("141226"));
        type("Edit2", QString::fromLatin1(code));
    }
    int gridRows() { return child<ui::DbGrid>(screen, "DBGrid1")->model()->rowCount(); }
    void selectRow(int row) { ASSERT_TRUE(dm.TbAgenda.moveToPosition(row)); }

    testsupport::ScriptedDialogs dialogs;
    reports::PageModel printed;
    // The slot the screen shows selected once the preview has its pages, as a user sees it
    // while the preview is up.
    std::string selectedWhilePreviewing;
    sales::TFmAgenda screen{dm, nullptr, [this](const reports::Report& report) {
                                printed = reports::generate(report, {});
                                selectedWhilePreviewing = dm.TbAgenda.field("Hora").asString();
                            }};
};

TEST_F(AgendaScreenTest, EnteringTheDateBoxPutsTodayInIt) {
    box("Edit2")->setFocus();
    box("MaskEdit1")->setFocus();
    EXPECT_EQ(box("MaskEdit1")->text(), shortDay(core::Date::today()));
}

TEST_F(AgendaScreenTest, AnEmployeesDayIsLoadedOnEnteringHisNameAndBookedFromTheSelectedSlot) {
    loadDay("20");
    EXPECT_EQ(box("Edit3")->text(), QStringLiteral("BIA"));
    EXPECT_EQ(gridRows(), 3);
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
    EXPECT_FALSE(child<QPushButton>(screen, "BitBtn7")->isEnabled());

    QTest::keyClicks(box("Edit1"), QStringLiteral("maria"));
    QTest::keyClicks(box("Edit4"), QStringLiteral("corte"));
    selectRow(1);
    dialogs.answer(true);
    click("BitBtn3");
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Reservar o Horário?")});
    EXPECT_EQ(slotsOnDisk(kBia), (Rows{"09:00 BIA", "10:00 BIA MARIA CORTE", "11:00 BIA"}));
    // The boxes are cleared and "Data:" is entered again, showing today; the day stays shown.
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    EXPECT_EQ(focused(), QStringLiteral("MaskEdit1"));
    EXPECT_EQ(box("MaskEdit1")->text(), shortDay(core::Date::today()));
    EXPECT_EQ(gridRows(), 3);

    // "&Reservar", enabled by the booking, blocks the slot after it.
    ASSERT_TRUE(child<QPushButton>(screen, "BitBtn7")->isEnabled());
    selectRow(2);
    dialogs.answer(true);
    click("BitBtn7");
    EXPECT_EQ(slotsOnDisk(kBia)[2], "11:00 BIA \" \" \" \"");
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));

    // "Excluir" frees it again, after its question.
    dialogs.answer(true);
    click("SpeedButton4");
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Desmarcar o Horário?"));
    EXPECT_EQ(slotsOnDisk(kBia)[2], "11:00 BIA");
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(AgendaScreenTest, LoadingADayIsRefusedWithoutDateOrWithAnEmployeeWithoutHours) {
    box("MaskEdit1")->setFocus();
    box("MaskEdit1")->clear();
    box("Edit2")->setText(QStringLiteral("20"));
    box("Edit3")->setFocus(Qt::TabFocusReason);
    click("BitBtn1");
    type("MaskEdit1", QStringLiteral("141226"));
    type("Edit2", QStringLiteral("22"));
    type("Edit2", QStringLiteral("99"));
    EXPECT_EQ(dialogs.messages,
              (QStringList{QStringLiteral("Digite a Data Para o Agendamento!"),
                           QStringLiteral("Digite a Data Para o Agendamento!"),
                           QStringLiteral("O Funcionário Não Possui Agenda Definida no Seu Cadastro!"),
                           QStringLiteral("Não Existe Funcionário Com Este Código!")}));
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));
    EXPECT_EQ(gridRows(), 0);
    EXPECT_TRUE(slotsOnDisk().empty());
}

TEST_F(AgendaScreenTest, BookingIsRefusedUntilClientEmployeeAndServiceAreGiven) {
    const struct {
        const char* cliente;
        bool employee;
        const char* servico;
        QString message;
        QString focus;
    } cases[] = {
        {"", true, "CORTE", QStringLiteral("Digite ou Selecione o Nome do Cliente!"),
         QStringLiteral("Edit1")},
        {"MARIA", false, "CORTE", QStringLiteral("Selecione o Funcionário!"), QStringLiteral("Edit2")},
        {"MARIA", true, "", QStringLiteral("Selecione o Serviço a Ser Realizado!"), QStringLiteral("Edit4")},
    };
    loadDay("20");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        dialogs.messages.clear();
        box("Edit1")->setText(QString::fromLatin1(c.cliente));
        box("Edit3")->setText(c.employee ? QStringLiteral("BIA") : QString());
        box("Edit4")->setText(QString::fromLatin1(c.servico));
        click("BitBtn3");
        EXPECT_EQ(dialogs.messages, QStringList{c.message});
        EXPECT_EQ(focused(), c.focus);
    }
    EXPECT_EQ(slotsOnDisk(kBia), (Rows{"09:00 BIA", "10:00 BIA", "11:00 BIA"}));
}

TEST_F(AgendaScreenTest, ASlotBookedAtAnotherStationAfterItWasShownIsNotTakenOver) {
    loadDay("20");
    selectRow(0);
    {
        testsupport::RecordingMessages quiet;
        data::Tdm other(dataDir(), quiet);
        sales::bookSlot(other, {kBia, day, "09:00", "", ""}, "JOANA", {"ESCOVA", std::nullopt});
    }
    box("Edit1")->setText(QStringLiteral("MARIA"));
    box("Edit4")->setText(QStringLiteral("CORTE"));
    ASSERT_EQ(dm.TbAgenda.field("Cliente").asString(), "");  // as drawn before the other booking
    dialogs.answer(true);
    click("BitBtn3");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Horário Já Está Reservado!")});
    EXPECT_EQ(slotsOnDisk(kBia)[0], "09:00 BIA JOANA ESCOVA");
    EXPECT_EQ(dm.TbAgenda.field("Cliente").asString(), "JOANA");  // the grid shows it now
    EXPECT_EQ(box("Edit1")->text(), QStringLiteral("MARIA"));     // kept, to book another slot
}

TEST_F(AgendaScreenTest, TheWholeDayShowsAndPrintsEveryEmployeeWithHoursByTime) {
    click("SpeedButton2");  // nothing loaded, nothing to print
    EXPECT_TRUE(printed.pages.empty());
    type("MaskEdit1", QStringLiteral("141226"));
    click("BitBtn1");
    EXPECT_EQ(gridRows(), 5);
    selectRow(1);
    click("SpeedButton2");
    const Rows lines = reportstest::allLines(printed);
    EXPECT_EQ(Rows(lines.end() - 5, lines.end()),
              (Rows{"09:00 | BIA", "09:00 | CAIO", "10:00 | BIA", "11:00 | BIA", "14:00 | CAIO"}));
    EXPECT_EQ(dm.TbAgenda.field("Funcionario").asString(), "CAIO");  // the row selected stays
}

TEST_F(AgendaScreenTest, PrintingLeavesTheSelectedSlotForTheNextBooking) {
    loadDay("20");
    QTest::keyClicks(box("Edit1"), QStringLiteral("maria"));
    QTest::keyClicks(box("Edit4"), QStringLiteral("corte"));
    selectRow(0);
    click("SpeedButton2");
    const Rows lines = reportstest::allLines(printed);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(Rows(lines.end() - 3, lines.end()), (Rows{"09:00 | BIA", "10:00 | BIA", "11:00 | BIA"}));
    EXPECT_EQ(selectedWhilePreviewing, "09:00");
    EXPECT_EQ(child<ui::DbGrid>(screen, "DBGrid1")->currentIndex().row(), 0);
    dialogs.answer(true);
    click("BitBtn3");
    EXPECT_EQ(slotsOnDisk(kBia), (Rows{"09:00 BIA MARIA CORTE", "10:00 BIA", "11:00 BIA"}));
}

TEST_F(AgendaScreenTest, TheCalendarPutsTheDayChosenInTheDateBox) {
    auto* popup = child(screen, "Calendario");
    EXPECT_FALSE(popup->isVisible());
    click("SpeedButton3");
    ASSERT_TRUE(popup->isVisible());
    auto* calendar = popup->findChild<QCalendarWidget*>();
    EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
    calendar->setSelectedDate(QDate(2026, 12, 14));
    QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(box("MaskEdit1")->text(), QStringLiteral("14/12/26"));
    EXPECT_EQ(focused(), QStringLiteral("Edit2"));
}

TEST_F(AgendaScreenTest, TheServiceLookupGivesTheDescriptionAndItsCodeToTheBooking) {
    loadDay("20");
    dialogs.expectScreen(QStringLiteral("TFmConsProduto"), [&](QDialog&) {
        dm.TbProdutos.first();
        return int{QDialog::Accepted};
    });
    QTest::keyClick(box("Edit1"), Qt::Key_F3);
    EXPECT_EQ(box("Edit4")->text(), QStringLiteral("CORTE"));
    EXPECT_EQ(focused(), QStringLiteral("BitBtn3"));
    box("Edit1")->setText(QStringLiteral("MARIA"));
    selectRow(0);
    dialogs.answer(true);
    click("BitBtn3");
    testsupport::RecordingMessages quiet;
    data::Tdm fresh(dataDir(), quiet);
    fresh.TbAgenda.open();
    ASSERT_TRUE(fresh.TbAgenda.findKey({kBia, day.toIso(), "09:00"}));
    EXPECT_EQ(fresh.TbAgenda.field("CodPROD").asInteger(), 7);
}

}  // namespace
