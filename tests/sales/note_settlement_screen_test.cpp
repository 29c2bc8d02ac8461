// The IOU settlement screen: listing a client's notes against its credit, the list going
// with the client it belongs to, the refusals of "&BAIXAR", settling through the payment
// screen, and the "RECIBO" of the notes.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <tuple>

#include "data/rows.h"
#include "reports/engine/generator.h"
#include "reports/page_text.h"
#include "sales/note_settlement_screen.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace {

using core::Currency;

// ELAINE (7) has 20,00 of credit and notes of 50,00 (sale 101) and 70,00 (sale 105);
// FABIANA (8) has one note of 15,00.
class NoteSettlementScreenTest : public testsupport::DataTest {
  protected:
    void SetUp() override {
        for (auto* table : {&dm.TbCliente, &dm.TbCaixa, &dm.TbReceber}) table->open();
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{7}}, {"Nome", "ELAINE"}, {"Saldo", 20.0}});
        data::addRow(dm.TbCliente, {{"Codigo", std::int64_t{8}}, {"Nome", "FABIANA"}});
        data::addRow(dm.TbCaixa, {{"Contador", std::int64_t{1}}, {"Status", "ABERTO"}});
        for (auto [client, name, value, document, item] :
             {std::tuple{7, "ELAINE", 50.0, "101", "CORTE \\ "},
              std::tuple{7, "ELAINE", 70.0, "105", "ESCOVA \\ "},
              std::tuple{8, "FABIANA", 15.0, "106", "XAMPU \\ "}})
            data::addRow(dm.TbReceber, {{"CodCliente", std::int64_t{client}},
                                        {"Cliente", name},
                                        {"Valor", value},
                                        {"DataLan", "2026-11-20"},
                                        {"Vendedor", "NOTINHA"},
                                        {"SubNome", "ANA"},
                                        {"Descricao", item},
                                        {"Documento", document}});
        for (auto* table : {&dm.TbCliente, &dm.TbCaixa, &dm.TbReceber}) table->close();
        screen = std::make_unique<sales::TFmDataRC>(dm, [this](const reports::Report& report) {
            printed = reportstest::allLines(reports::generate(report, {.today = {2026, 12, 1}}));
        });
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }

    QLineEdit* box(const char* name) { return screen->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return screen->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    // Types the code and moves on with Enter, which looks the client up.
    void enterClient(const char* code) {
        box("Edit1")->setFocus();
        box("Edit1")->selectAll();
        QTest::keyClicks(box("Edit1"), code);
        QTest::keyClick(box("Edit1"), Qt::Key_Return);
    }
    void typePaid(const char* amount) {
        box("DBEdit2")->setFocus();
        box("DBEdit2")->selectAll();
        QTest::keyClicks(box("DBEdit2"), amount);
    }

    testsupport::ScriptedDialogs dialogs;
    std::unique_ptr<sales::TFmDataRC> screen;
    std::vector<std::string> printed;
};

TEST_F(NoteSettlementScreenTest, ListingSumsTheClientsNotesLessItsCredit) {
    enterClient("7");
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("ELAINE"));
    EXPECT_EQ(focused(), QStringLiteral("BitBtn4"));
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    button("BitBtn4")->click();
    EXPECT_EQ(box("DBEdit1")->text(), QStringLiteral("120,00"));
    EXPECT_EQ(box("DBEdit3")->text(), QStringLiteral("20,00"));
    EXPECT_EQ(box("Edit3")->text(), QStringLiteral("100,00"));
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(focused(), QStringLiteral("DBEdit2"));
    EXPECT_EQ(dm.TbReceber.recordCount(), 2);
}

TEST_F(NoteSettlementScreenTest, WithoutAClientNothingIsListed) {
    button("BitBtn4")->click();
    button("BitBtn3")->click();
    enterClient("99");
    EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Selecione o Cliente Para o Relatório!"),
                                             QStringLiteral("Selecione o Cliente Para o Relatório!"),
                                             QStringLiteral("Não Existe Cliente Com Este Código!")}));
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
    EXPECT_TRUE(printed.empty());
}

// Listed for ELAINE, then another code typed: paying would have deleted ELAINE's notes and
// put the difference and the credit on FABIANA.
TEST_F(NoteSettlementScreenTest, ChangingTheClientClearsTheListAndBaixar) {
    enterClient("7");
    button("BitBtn4")->click();
    enterClient("8");
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(box("Edit3")->text(), QStringLiteral("0,00"));
    EXPECT_EQ(dm.TbReceber.recordCount(), 0);
    EXPECT_EQ(box("Edit2")->text(), QStringLiteral("FABIANA"));
    box("Edit1")->setFocus();
    QTest::keyClicks(box("Edit1"), "0");  // 80: no client any more
    EXPECT_TRUE(box("Edit2")->text().isEmpty());
}

TEST_F(NoteSettlementScreenTest, ReciboPrintsTheClientsNotesAndListsThemAsPesquisarDoes) {
    enterClient("7");
    button("BitBtn3")->click();
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(box("Edit3")->text(), QStringLiteral("100,00"));
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));
    EXPECT_EQ(dm.TbReceber.recordCount(), 2);
    const auto has = [&](const std::string& text) {
        return std::any_of(printed.begin(), printed.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(has("RECIBO"));
    EXPECT_TRUE(has("CLIENTE: | ELAINE"));
    EXPECT_TRUE(has("CORTE"));
    EXPECT_TRUE(has("ESCOVA"));
    EXPECT_FALSE(has("XAMPU"));
    EXPECT_TRUE(has("TOTAL...R$ | 120,00"));
}

TEST_F(NoteSettlementScreenTest, BaixarRefusesNothingPaidAndNothingOwed) {
    enterClient("7");
    button("BitBtn4")->click();
    for (const char* paid : {"0", "-10", "abc"}) {
        SCOPED_TRACE(paid);
        typePaid(paid);
        button("BitBtn1")->click();
        EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Digite o Valor Pago Pelo Cliente!"));
        EXPECT_EQ(focused(), QStringLiteral("DBEdit2"));
    }
    dm.TbCliente.findKey({std::int64_t{7}});
    dm.TbCliente.edit();
    dm.TbCliente.field("Saldo").setFloat(120);  // the credit covers every note
    dm.TbCliente.post();
    button("BitBtn4")->click();
    typePaid("10");
    button("BitBtn1")->click();
    EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Não Existe Saldo Para Baixa!"));
}

struct SettlementCase {
    const char* paid;
    const char* code;
    const char* handedOver;  // cash only
    const char* cashField;
    std::vector<std::string> notesAfter;  // "Documento:Valor"
    Currency creditAfter;
};

class NoteSettlementPaymentTest : public NoteSettlementScreenTest,
                                  public ::testing::WithParamInterface<SettlementCase> {};

TEST_P(NoteSettlementPaymentTest, BaixarSettlesThroughThePaymentScreen) {
    const SettlementCase& c = GetParam();
    enterClient("7");
    button("BitBtn4")->click();
    typePaid(c.paid);
    dialogs.expectScreen(QStringLiteral("TFmPagamentoBA"), [&](QDialog& payment) {
        payment.show();
        QApplication::setActiveWindow(&payment);
        auto* code = payment.findChild<QLineEdit*>(QStringLiteral("DBEdit7"));
        code->setFocus();
        QTest::keyClicks(code, c.code);
        QTest::keyClick(code, Qt::Key_Return);
        if (c.handedOver) {
            auto* handed = payment.findChild<QLineEdit*>(QStringLiteral("DBEdit9"));
            handed->selectAll();
            QTest::keyClicks(handed, c.handedOver);
            QTest::keyClick(handed, Qt::Key_Return);
            EXPECT_EQ(payment.findChild<QLabel*>(QStringLiteral("Label25"))->text(), QStringLiteral("30,00"));
        }
        dialogs.answer(true);
        payment.findChild<QPushButton*>(QStringLiteral("BitBtn11"))->click();
        return payment.result();
    });
    button("BitBtn1")->click();
    QApplication::setActiveWindow(screen.get());
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    EXPECT_EQ(focused(), QStringLiteral("Edit1"));

    testsupport::RecordingMessages quiet;
    data::Tdm fresh(dataDir(), quiet);
    fresh.TbCaixa.open();
    fresh.TbCaixa.last();
    const Currency paid = *Currency::parse(c.paid);
    EXPECT_EQ(fresh.TbCaixa.field(c.cashField).asCurrency(), paid);
    EXPECT_EQ(fresh.TbCaixa.field("Total").asCurrency(), paid);
    fresh.TbCliente.open();
    fresh.TbCliente.findKey({std::int64_t{7}});
    EXPECT_EQ(fresh.TbCliente.field("Saldo").asCurrency(), c.creditAfter);
    std::vector<std::string> notes;
    fresh.TbReceber.open();
    for (fresh.TbReceber.first(); !fresh.TbReceber.eof(); fresh.TbReceber.next())
        if (fresh.TbReceber.field("CodCliente").asInteger() == 7)
            notes.push_back(fresh.TbReceber.field("Documento").asString() + ":" +
                            fresh.TbReceber.field("Valor").asString());
    EXPECT_EQ(notes, c.notesAfter);
    fresh.TbBaixaR.open();
    EXPECT_EQ(fresh.TbBaixaR.recordCount(), 1);
    fresh.TbBaixaR.last();
    EXPECT_EQ(fresh.TbBaixaR.field("Valor").asCurrency(), paid);
}

INSTANTIATE_TEST_SUITE_P(Cases, NoteSettlementPaymentTest,
                         ::testing::Values(SettlementCase{"70", "1", "100", "Dinheiro", {"DIFERENÇA:30"}, {}},
                                           SettlementCase{
                                               "130", "2", nullptr, "Cheque", {}, Currency::fromReais(30)}));

}  // namespace
