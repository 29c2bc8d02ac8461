// The receipt printer at the till, through the screens the cashier uses: the payment screen
// sends the receipt and the drawer pulse to a network printer; a printer that is off costs
// the receipt, never the sale, and the receipt prints again from the sale query.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "app/receipt_printer_output.h"
#include "cash/closing_screen.h"
#include "receipts/escpos_decoder.h"
#include "receipts/fake_printer.h"
#include "receipts/printer_settings.h"
#include "receipts/receipt_fixture.h"
#include "receipts/transport.h"
#include "sales/note_settlement_screen.h"
#include "sales/payment_screen.h"
#include "sales/receipt_printing.h"
#include "sales/sales_screen.h"
#include "support/qt_typing.h"
#include "support/qt_scripted_dialogs.h"
#include "support/temp_dir.h"

namespace receiptstest {
namespace {

using testsupport::enter;

const std::string kDrawerPulse{'\x1B', 'p', '\0', '\x19', '\xFA'};

template <typename T = QWidget>
T* child(QObject& screen, const char* name) {
    auto* found = screen.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return found;
}


// The minute the receipt was printed in is the one thing a test cannot fix in advance.
std::string withoutPrintTime(const std::string& bytes) {
    static const std::regex printed("Emitido em [0-9/]+ \\S+ [0-9]{2}:[0-9]{2}");
    return std::regex_replace(bytes, printed, "Emitido em");
}

class ReceiptPrinterTest : public ReceiptDataTest {
  protected:
    void usePrinter(int port, bool drawer) {
        receipts::PrinterSettings settings;
        settings.transport = receipts::Transport::Network;
        settings.host = "127.0.0.1";
        settings.port = port;
        settings.openDrawer = drawer;
        store::Table& config = dm.TbConfig;
        config.first();
        config.edit();
        receipts::writePrinterSettings(config, settings);
        config.post();
    }

    // Two items, paid in cash on the payment screen with 100,00 handed over.
    std::int64_t payInCash() {
        prepareSale({{21, 1}, {22, 4, 2}});  // 80,00 + 2 x 9,90
        sales::TFmPagamento payment(dm);
        payment.show();
        payment.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&payment));
        enter("1");
        enter("100,00");
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "BitBtn11");
        dialogs.answer(true);
        child<QPushButton>(payment, "BitBtn11")->click();
        EXPECT_EQ(payment.result(), QDialog::Accepted);
        return dm.TbServico.field("Contador").asInteger();
    }

    // What the receipt of the current sale is, as the till lays it out now.
    std::string expectedReceipt(std::optional<core::Currency> handedOver, bool drawer) {
        return withoutPrintTime(sales::currentSaleReceipt(dm, app::receiptPrinter(dm), handedOver, drawer));
    }

    // The sale as another station reads it: stored, paid in cash, in the cash record.
    void expectStored(std::int64_t number) {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        fresh.TbServico.open();
        ASSERT_TRUE(fresh.TbServico.findKey({number}));
        EXPECT_EQ(fresh.TbServico.field("TipoPG").asString(), "DINHEIRO");
        fresh.TbCaixa.open();
        fresh.TbCaixa.last();
        EXPECT_EQ(fresh.TbCaixa.field("Dinheiro").asCurrency(), reais("99,80"));
    }

    testsupport::ScriptedDialogs dialogs;
};

TEST_F(ReceiptPrinterTest, CashPaymentSendsExactlyTheReceiptWithTheDrawerPulse) {
    FakePrinter printer;
    usePrinter(printer.port(), true);
    const std::int64_t number = payInCash();
    const auto jobs = printer.jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("\n").toStdString();
    const std::string expected = expectedReceipt(reais("100,00"), true);
    EXPECT_EQ(withoutPrintTime(jobs[0]), expected) << joined(decodeEscPos(jobs[0]));
    EXPECT_EQ(jobs[0].substr(5, kDrawerPulse.size()), kDrawerPulse) << "the pulse follows ESC @ and ESC t";
    const auto lines = decodeEscPos(jobs[0]);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "[L B] TROCO R$" + std::string(48 - 8 - 4, ' ') + "0,20"),
              lines.end())
        << joined(lines);
    expectStored(number);
}

TEST_F(ReceiptPrinterTest, DrawerStaysShutWhenTheSettingsSaySoOrThePaymentIsNotCash) {
    FakePrinter printer;
    usePrinter(printer.port(), false);
    payInCash();
    ASSERT_EQ(printer.jobs().size(), 1u);
    EXPECT_EQ(printer.jobs()[0].find(kDrawerPulse), std::string::npos);

    usePrinter(printer.port(), true);
    sell({{21, 5}}, 4);  // NOTINHA: no money comes in
    EXPECT_EQ(sales::currentSaleReceipt(dm, app::receiptPrinter(dm), std::nullopt, true).find(kDrawerPulse),
              std::string::npos);
}

TEST_F(ReceiptPrinterTest, PrinterOffKeepsTheSaleAndTheSaleQueryPrintsItOnceItListens) {
    const int port = closedPort();
    usePrinter(port, true);
    const std::int64_t number = payInCash();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(
        QStringLiteral(
            "O recibo não foi impresso: A impressora de recibos em 127.0.0.1:%1 recusou a conexão.")
            .arg(port)))
        << dialogs.messages[0].toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("O lançamento está gravado")));
    expectStored(number);

    FakePrinter printer(port);
    sales::TFmModuloVENDA screen(dm, nullptr, [](const reports::Report&) {
        ADD_FAILURE() << "the A4 receipt went out although a receipt printer is set";
    });
    screen.show();
    dialogs.expectScreen("TFmConsServico", [](QDialog&) { return QDialog::Accepted; });
    child<QPushButton>(screen, "BitBtn7")->click();
    child<QPushButton>(screen, "BitBtn9")->click();
    dialogs.answer(true);
    child<QPushButton>(screen, "BtImprimirRecibo")->click();
    const auto jobs = printer.jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(dialogs.messages.size(), 1) << "no new message: " << dialogs.messages.join("\n").toStdString();
    EXPECT_EQ(dm.TbServico.field("Contador").asInteger(), number);
    // Reprinted: the same receipt but for the change (not known any more) and the drawer.
    EXPECT_EQ(withoutPrintTime(jobs[0]), expectedReceipt(std::nullopt, false))
        << joined(decodeEscPos(jobs[0]));
}

TEST_F(ReceiptPrinterTest, SettlementAndClosingPrintTheirNarrowReceiptsThere) {
    twoNotes();
    FakePrinter printer;
    usePrinter(printer.port(), true);
    const auto noA4 = [](const reports::Report&) { ADD_FAILURE() << "the A4 document went out"; };
    {
        sales::TFmDataRC settlement(dm, noA4);
        settlement.show();
        QApplication::setActiveWindow(&settlement);
        auto* code = child<QLineEdit>(settlement, "Edit1");
        code->setFocus();
        QTest::keyClicks(code, "7");
        QTest::keyClick(code, Qt::Key_Return);
        child<QPushButton>(settlement, "BitBtn3")->click();
        ASSERT_EQ(printer.jobs().size(), 1u) << "the settlement's receipt";
    }
    {
        cash::TFmFechar closing(dm, noA4);
        closing.show();
        QApplication::setActiveWindow(&closing);
        dialogs.answer(true);
        child<QPushButton>(closing, "BitBtn1")->click();
        child<QPushButton>(closing, "BitBtn3")->click();
    }
    const auto jobs = printer.jobs(2);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O Caixa Foi Fechado Corretamente!")});
    const receipts::PrinterSettings settings = app::receiptPrinter(dm);
    const reports::PrintedAt now = reports::PrintedAt::now();
    // Neither takes money in: no drawer pulse.
    EXPECT_EQ(withoutPrintTime(jobs[0]),
              withoutPrintTime(reports::clientNotesBytes(dm, kMaria, settings, false, now)))
        << joined(decodeEscPos(jobs[0]));
    EXPECT_EQ(withoutPrintTime(jobs[1]),
              withoutPrintTime(reports::cashClosingBytes(dm, kCash, settings, false, now)))
        << joined(decodeEscPos(jobs[1]));
}

TEST(ReceiptTransport, FailuresAreToldInPortuguese) {
    struct Case {
        receipts::PrinterSettings settings;
        std::string message;
    };
    receipts::PrinterSettings missingDevice{.transport = receipts::Transport::Device,
                                            .device = "/nonexistent/lp9"};
    receipts::PrinterSettings noHost{.transport = receipts::Transport::Network};
    receipts::PrinterSettings noQueue{.transport = receipts::Transport::Cups};
    const Case cases[] = {
        {missingDevice, "A impressora de recibos não foi encontrada em /nonexistent/lp9."},
        {noHost, "Indique o endereço da impressora de recibos."},
        {noQueue, "Indique a fila do CUPS da impressora de recibos."},
    };
    for (const Case& c : cases) {
        try {
            receipts::sendToPrinter(c.settings, "x");
            ADD_FAILURE() << "sent: " << c.message;
        } catch (const receipts::PrinterError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(c.message)) << error.what();
        }
    }
}

TEST(ReceiptTransport, DeviceFileGetsTheBytesAppended) {
    testsupport::TempDir dir;
    const auto device = dir.path() / "lp0";
    receipts::PrinterSettings settings{.transport = receipts::Transport::Device, .device = device.string()};
    std::ofstream(device) << "";
    receipts::sendToPrinter(settings, "um\n");
    receipts::sendToPrinter(settings, std::string("dois\0\n", 6));
    std::ifstream in(device, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(written, std::string("um\ndois\0\n", 9));
}

// A stand-in for CUPS's lp first on PATH: it keeps its arguments and the file it was given,
// and fails for the queue "PARADA".
class FakeLp {
  public:
    FakeLp() : oldPath_(std::getenv("PATH")) {
        const auto script = dir_ / "lp";
        std::ofstream(script) << "#!/bin/sh\n"
                                 "echo \"$@\" > \""
                              << (dir_ / "args").string()
                              << "\"\n"
                                 "for last; do :; done\n"
                                 "cp \"$last\" \""
                              << (dir_ / "job").string()
                              << "\"\n"
                                 "[ \"$3\" != PARADA ]\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        ::setenv("PATH", (dir_.path().string() + ":" + oldPath_).c_str(), 1);
    }
    ~FakeLp() { ::setenv("PATH", oldPath_.c_str(), 1); }

    std::string read(const char* name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    testsupport::TempDir dir_;
    std::string oldPath_;
};

TEST(ReceiptTransport, CupsQueueGetsTheBytesRawThroughLp) {
    FakeLp lp;
    const std::string bytes("\x1B@ recibo \0 fim\n", 16);
    receipts::sendToPrinter({.transport = receipts::Transport::Cups, .queue = "TERMICA"}, bytes);
    EXPECT_EQ(lp.read("job"), bytes);
    EXPECT_TRUE(lp.read("args").starts_with("-s -d TERMICA -o raw ")) << lp.read("args");
    try {
        receipts::sendToPrinter({.transport = receipts::Transport::Cups, .queue = "PARADA"}, bytes);
        ADD_FAILURE() << "a queue lp refuses is reported";
    } catch (const receipts::PrinterError& error) {
        EXPECT_STREQ(error.what(),
                     "O CUPS recusou o recibo na fila PARADA. Verifique se a fila existe e está ativa.");
    }
}

}  // namespace
}  // namespace receiptstest
