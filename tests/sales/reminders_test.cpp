// Appointment reminders: which slots get one, the message made from the salon's template,
// the marks kept per slot, and the "Lembretes" screen with its clipboard and WhatsApp link.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QUrlQuery>

#include "data/client_consent.h"
#include "data/refusal.h"
#include "sales/agenda_book.h"
#include "sales/agenda_fixture.h"
#include "sales/agenda_screen.h"
#include "sales/reminders.h"
#include "sales/reminders_screen.h"
#include "support/qt_scripted_dialogs.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"

namespace {

using sales::ReminderMark;

class RemindersTest : public agendatest::AgendaTest {
  protected:
    RemindersTest() {
        dm.TbCliente.open();
        addClient(1, "ANA LIMA", "(11) 98765-4321", "", true);
        addClient(2, "BRUNO DIAS", "", "3456-7890", true);  // a landline only, no area code
        addClient(3, "CARLA NUNES", "(11) 97777-0000", "", false);
        addClient(4, "DÉBORA REIS", "+351 912 345 678", "", true);
        dm.TbCliente.close();
        dm.TbConfig.edit();
        dm.TbConfig.field("Nome").setString("Studio Flor");
        dm.TbConfig.post();
    }

    void addClient(std::int64_t code, const char* nome, const char* celular, const char* fone, bool accepts) {
        data::addRow(dm.TbCliente, {{"Codigo", code},
                                    {"Nome", nome},
                                    {"Celular", celular},
                                    {"Fone", fone},
                                    {"Lembretes", accepts ? data::kConsentGiven : ""}});
    }

    sales::SlotSeen slot(std::int64_t employee, const char* hora, const core::Date& on) {
        return {employee, on, hora, "", ""};
    }

    // BIA 09:00 ANA, 10:00 blocked, 11:00 CARLA (no consent); CAIO 09:00 a walk-in not in the
    // register, 14:00 BRUNO; and DÉBORA with BIA the day after.
    void bookTheDay() {
        sales::openWholeDay(dm, day);
        sales::openWholeDay(dm, day.addDays(1));
        sales::bookSlot(dm, slot(kBia, "09:00", day), "ANA LIMA", {"CORTE", std::nullopt});
        sales::blockSlot(dm, slot(kBia, "10:00", day), {});
        sales::bookSlot(dm, slot(kBia, "11:00", day), "CARLA NUNES", {"ESCOVA", std::nullopt});
        sales::bookSlot(dm, slot(kCaio, "09:00", day), "VISITANTE", {"BARBA", std::nullopt});
        sales::bookSlot(dm, slot(kCaio, "14:00", day), "BRUNO DIAS", {"PÉ E MÃO", std::nullopt});
        sales::bookSlot(dm, slot(kBia, "09:00", day.addDays(1)), "DÉBORA REIS", {"CORTE", std::nullopt});
    }

    static std::vector<std::string> rows(const std::vector<sales::Reminder>& reminders) {
        std::vector<std::string> out;
        for (const sales::Reminder& r : reminders)
            out.push_back(r.slot.hora + " " + r.funcionario + " " + r.slot.cliente + " " +
                          (r.phone.ok() ? r.phone.number : "(" + r.phone.reason + ")") +
                          (r.enviado ? " ENVIADO" : "") + (r.confirmado ? " CONFIRMADO" : ""));
        return out;
    }

    std::string markOnDisk(std::int64_t employee, const char* hora, const char* field) {
        store::Table agenda(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name());
        agenda.open();
        EXPECT_TRUE(agenda.findKey({employee, day.toIso(), std::string(hora)}));
        return agenda.field(field).asString();
    }
};

using Rows = std::vector<std::string>;

// What is stored runs on each backend.
class RemindersOnEveryBackend : public testsupport::OnEveryBackend<RemindersTest> {};
DATA_ON_EVERY_BACKEND(RemindersOnEveryBackend);

TEST(ReminderTemplate, FieldsAreFilledAndAnythingElseStaysAsWritten) {
    const sales::TemplateFields fields{{"nome", "ANA"}, {"hora", "09:00"}, {"salao", "Studio {nome}"}};
    const std::pair<const char*, const char*> cases[] = {
        {"Olá, {nome}! Às {hora}.", "Olá, ANA! Às 09:00."},
        {"{nome}{nome}", "ANAANA"},
        {"{desconhecido} e {nome}", "{desconhecido} e ANA"},
        {"{salao}", "Studio {nome}"},  // a value is not read again as a template
        {"sem campos", "sem campos"},
        {"aberto {nome", "aberto {nome"},
        {"}{nome}{", "}ANA{"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(sales::fillTemplate(text, fields), expected) << text;
}

TEST_P(RemindersOnEveryBackend, OnlyBookedClientsWhoAcceptRemindersAreListedWithTheirPhoneOrTheReason) {
    bookTheDay();
    EXPECT_EQ(rows(sales::remindersOf(dm, day)), (Rows{"09:00 BIA ANA LIMA 5511987654321",
                                                       "14:00 CAIO BRUNO DIAS (Sem DDD: informe o DDD do "
                                                       "cliente ou o DDD do salão.)"}));
    EXPECT_EQ(rows(sales::remindersOf(dm, day, kCaio)), (Rows{rows(sales::remindersOf(dm, day))[1]}));
    EXPECT_TRUE(sales::remindersOf(dm, day, 22).empty());
    // The salon's own area code completes a local number.
    sales::saveReminderSettings(dm, {sales::kDefaultReminderTemplate, "21"});
    EXPECT_EQ(rows(sales::remindersOf(dm, day, kCaio)), (Rows{"14:00 CAIO BRUNO DIAS 552134567890"}));
    const std::vector<sales::Reminder> next = sales::remindersOf(dm, day.addDays(1));
    ASSERT_EQ(next.size(), 1u);
    EXPECT_FALSE(next[0].phone.ok());
    EXPECT_NE(next[0].phone.reason.find("estrangeiro"), std::string::npos);

    // A second client of the same name: which phone is meant cannot be told.
    dm.TbCliente.open();
    addClient(9, "ANA LIMA", "(21) 99999-0000", "", true);
    dm.TbCliente.close();
    const std::vector<sales::Reminder> shared = sales::remindersOf(dm, day, kBia);
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_FALSE(shared[0].phone.ok());
    EXPECT_NE(shared[0].phone.reason.find("mais de um cliente"), std::string::npos) << shared[0].phone.reason;
}

TEST_P(RemindersOnEveryBackend, TheMessageComesFromTheStoredTemplateAndTheAreaCodeIsChecked) {
    bookTheDay();
    const std::vector<sales::Reminder> byDefault = sales::remindersOf(dm, day, kBia);
    ASSERT_EQ(byDefault.size(), 1u);
    EXPECT_EQ(byDefault[0].message,
              "Olá, ANA LIMA! Lembramos do seu horário no Studio Flor: 14/12/2026 às 09:00, CORTE com BIA. "
              "Por favor, confirme respondendo esta mensagem.");

    sales::saveReminderSettings(dm, {"{salao}\n{nome}: {servico} {data} {hora} ({profissional}) +&?", ""});
    EXPECT_EQ(sales::remindersOf(dm, day, kBia)[0].message,
              "Studio Flor\nANA LIMA: CORTE 14/12/2026 09:00 (BIA) +&?");
    for (const char* bad : {"1", "011", "0A", "10"}) {
        EXPECT_THROW(sales::saveReminderSettings(dm, {"x", bad}), data::Refusal) << bad;
    }
    EXPECT_EQ(sales::reminderSettings(dm).messageTemplate,
              "{salao}\n{nome}: {servico} {data} {hora} ({profissional}) +&?");
    EXPECT_EQ(sales::reminderSettings(dm).salonAreaCode, "");
}

TEST_P(RemindersOnEveryBackend, MarksAreStoredPerSlotAndBelongToTheBookingTheyWereFor) {
    bookTheDay();
    const sales::SlotSeen ana = sales::remindersOf(dm, day, kBia)[0].slot;
    sales::setReminderMark(dm, ana, ReminderMark::Enviado, true);
    sales::setReminderMark(dm, ana, ReminderMark::Confirmado, true);
    EXPECT_EQ(rows(sales::remindersOf(dm, day, kBia)),
              (Rows{"09:00 BIA ANA LIMA 5511987654321 ENVIADO CONFIRMADO"}));
    sales::setReminderMark(dm, ana, ReminderMark::Confirmado, false);
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Enviado"), "SIM");
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Confirmado"), "");

    // Freed and booked for someone else, the slot starts without marks; a mark for the
    // booking shown before is refused.
    sales::freeSlot(dm, {kBia, day, "09:00", "ANA LIMA", "CORTE"});
    sales::bookSlot(dm, slot(kBia, "09:00", day), "BRUNO DIAS", {"CORTE", std::nullopt});
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Enviado"), "");
    EXPECT_THROW(sales::setReminderMark(dm, ana, ReminderMark::Enviado, true), data::Refusal);
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Enviado"), "");
    EXPECT_THROW(sales::setReminderMark(dm, slot(kBia, "18:00", day), ReminderMark::Enviado, true),
                 data::Refusal);
}

class RemindersScreenTest : public RemindersTest {
  protected:
    template <typename T = QWidget>
    static T* child(QWidget& screen, const char* name) {
        T* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString cell(QWidget& screen, int row, int column) {
        QTableWidgetItem* item = child<QTableWidget>(screen, "GrLembretes")->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    static void show(sales::TFmLembretes& screen, const core::Date& on) {
        screen.show();
        child<ui::DateBox>(screen, "EdData")->setDate(on);
        child<QPushButton>(screen, "BtMostrar")->click();
    }
    static void select(QWidget& screen, int row) {
        child<QTableWidget>(screen, "GrLembretes")->selectRow(row);
    }
    static void click(QWidget& screen, const char* name) { child<QPushButton>(screen, name)->click(); }

    testsupport::ScriptedDialogs dialogs;
    std::vector<QUrl> opened;
    sales::UrlOpener opener = [this](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
};

TEST_F(RemindersScreenTest, TomorrowIsShownFirstAndEachRowCarriesItsMessage) {
    const core::Date tomorrow = core::Date::today().addDays(1);
    sales::openWholeDay(dm, tomorrow);
    sales::bookSlot(dm, slot(kCaio, "14:00", tomorrow), "ANA LIMA", {"CORTE", std::nullopt});
    sales::TFmLembretes screen(dm, nullptr, opener);
    EXPECT_EQ(child<QLineEdit>(screen, "EdData")->text(),
              QString::fromStdString(core::shortDateTwoDigitYear(tomorrow)));
    ASSERT_EQ(child<QTableWidget>(screen, "GrLembretes")->rowCount(), 1);
    const QStringList expected{QStringLiteral("ANA LIMA"),
                               QStringLiteral("+5511987654321"),
                               QStringLiteral("14:00"),
                               QStringLiteral("CORTE"),
                               QStringLiteral("CAIO"),
                               QString::fromStdString(screen.shown()[0].message),
                               QString(),
                               QString()};
    for (int column = 0; column < expected.size(); ++column)
        EXPECT_EQ(cell(screen, 0, column), expected[column]) << column;
    EXPECT_TRUE(screen.shown()[0].message.find("ANA LIMA") != std::string::npos);

    // One employee at a time.
    bookTheDay();
    show(screen, day);
    EXPECT_EQ(child<QTableWidget>(screen, "GrLembretes")->rowCount(), 2);
    auto* funcionario = child<QComboBox>(screen, "CbFuncionario");
    funcionario->setCurrentIndex(funcionario->findText(QStringLiteral("BIA")));
    click(screen, "BtMostrar");
    ASSERT_EQ(child<QTableWidget>(screen, "GrLembretes")->rowCount(), 1);
    EXPECT_EQ(cell(screen, 0, 0), QStringLiteral("ANA LIMA"));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
}

TEST_F(RemindersScreenTest, WhatsappOpensTheLinkAndMarksItSentAndABadPhoneSaysWhy) {
    bookTheDay();
    sales::TFmLembretes screen(dm, nullptr, opener);
    show(screen, day);
    select(screen, 0);
    click(screen, "BtCopiar");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), screen.shown()[0].message);

    click(screen, "BtWhatsApp");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].host(), QStringLiteral("wa.me"));
    EXPECT_EQ(opened[0].path(), QStringLiteral("/5511987654321"));
    EXPECT_EQ(QUrlQuery(opened[0]).queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded).toStdString(),
              screen.shown()[0].message);
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Enviado"), "SIM");
    EXPECT_EQ(cell(screen, 0, 6), QStringLiteral("SIM"));

    // BRUNO's landline has no area code and the salon has none: no link, the reason instead.
    select(screen, 1);
    EXPECT_TRUE(cell(screen, 1, 1).contains(QStringLiteral("3456-7890 — Sem DDD")));
    click(screen, "BtWhatsApp");
    EXPECT_EQ(opened.size(), 1u);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("BRUNO DIAS: Sem DDD")));
    EXPECT_EQ(markOnDisk(kCaio, "14:00", "Enviado"), "");

    // "Confirmado" switches its mark on and off again.
    click(screen, "BtConfirmado");
    EXPECT_EQ(markOnDisk(kCaio, "14:00", "Confirmado"), "SIM");
    EXPECT_EQ(cell(screen, 1, 7), QStringLiteral("SIM"));
    click(screen, "BtConfirmado");
    EXPECT_EQ(markOnDisk(kCaio, "14:00", "Confirmado"), "");
    click(screen, "BtEnviado");
    EXPECT_EQ(markOnDisk(kCaio, "14:00", "Enviado"), "SIM");
}

TEST_F(RemindersScreenTest, ABrowserThatCannotOpenLeavesTheSlotUnsent) {
    bookTheDay();
    sales::TFmLembretes screen(dm, nullptr, [](const QUrl&) { return false; });
    show(screen, day);
    select(screen, 0);
    click(screen, "BtWhatsApp");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Não Foi Possível Abrir o Navegador!")});
    EXPECT_EQ(markOnDisk(kBia, "09:00", "Enviado"), "");
}

TEST_F(RemindersScreenTest, TheTemplateAndAreaCodeAreEditedOnTheScreen) {
    bookTheDay();
    sales::TFmLembretes screen(dm, nullptr, opener);
    show(screen, day);
    EXPECT_EQ(child<QPlainTextEdit>(screen, "MmModelo")->toPlainText().toStdString(),
              sales::kDefaultReminderTemplate);
    child<QPlainTextEdit>(screen, "MmModelo")->setPlainText(QStringLiteral("Oi {nome}, {hora} no {salao}"));
    child<QLineEdit>(screen, "EdDDD")->setText(QStringLiteral("1"));
    click(screen, "BtGravarModelo");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(sales::reminderSettings(dm).messageTemplate, sales::kDefaultReminderTemplate);

    child<QLineEdit>(screen, "EdDDD")->setText(QStringLiteral("21"));
    click(screen, "BtGravarModelo");
    EXPECT_EQ(cell(screen, 0, 5), QStringLiteral("Oi ANA LIMA, 09:00 no Studio Flor"));
    EXPECT_EQ(cell(screen, 1, 1), QStringLiteral("+552134567890"));
    sales::TFmLembretes again(dm, nullptr, opener);
    EXPECT_EQ(child<QLineEdit>(again, "EdDDD")->text(), QStringLiteral("21"));
}

TEST_F(RemindersScreenTest, TheAppointmentBookShowsTheMarksAndOpensTheScreen) {
    bookTheDay();
    sales::setReminderMark(dm, {kBia, day, "09:00", "ANA LIMA", "CORTE"}, ReminderMark::Confirmado, true);
    sales::TFmAgenda book(dm);
    book.show();
    child<ui::DateBox>(book, "MaskEdit1")->setDate(day);
    click(book, "BitBtn1");
    auto* grid = child<ui::DbGrid>(book, "DBGrid1");
    QAbstractItemModel* model = grid->model();
    const auto column = [model](const QString& header) {
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == header) return c;
        return -1;
    };
    const int confirmado = column(QStringLiteral("Conf."));
    const int enviado = column(QStringLiteral("Env."));
    ASSERT_GE(confirmado, 0);
    ASSERT_GE(enviado, 0);
    // siData order: 09:00 BIA first.
    EXPECT_EQ(model->data(model->index(0, confirmado)).toString(), QStringLiteral("SIM"));
    EXPECT_EQ(model->data(model->index(1, confirmado)).toString(), QString());

    // "Lembretes" opens the screen; what it marks shows in the book when it closes.
    dialogs.expectScreen("TFmLembretes", [this](QDialog& screen) {
        child<ui::DateBox>(screen, "EdData")->setDate(day);
        click(screen, "BtMostrar");
        select(screen, 0);
        click(screen, "BtEnviado");
        return QDialog::Rejected;
    });
    EXPECT_EQ(model->data(model->index(0, enviado)).toString(), QString());
    click(book, "BtLembretes");
    EXPECT_EQ(model->data(model->index(0, enviado)).toString(), QStringLiteral("SIM"));
}

}  // namespace
