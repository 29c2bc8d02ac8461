// "Impressora de Recibos" on the settings screen: what is chosen is recorded in TbConfig only by
// "Atualizar Configurações", and "Imprimir Teste" tries the printer as shown on the screen.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/settings_screen.h"
#include "receipts/fake_printer.h"
#include "receipts/printer_settings.h"
#include "receipts/test_page.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"

namespace receiptstest {
namespace {

template <typename T>
T* control(QObject& screen, const char* name) {
    auto* found = screen.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return found;
}

class PrinterSettingsScreenTest : public testsupport::DataTest {
  protected:
    receipts::PrinterSettings stored() {
        testsupport::RecordingMessages quiet;
        data::Tdm fresh(dataDir(), quiet);
        return receipts::readPrinterSettings(fresh.TbConfig);
    }

    void choose(const char* name, int index) { control<QComboBox>(screen, name)->setCurrentIndex(index); }
    void type(const char* name, const QString& text) { control<QLineEdit>(screen, name)->setText(text); }
    void click(const char* name) { control<QPushButton>(screen, name)->click(); }

    testsupport::ScriptedDialogs dialogs;
    app::TFmConfigurar screen{dm};
};

TEST_F(PrinterSettingsScreenTest, ANewDataSetHasNoReceiptPrinterAndTheControlsFollowTheChoice) {
    EXPECT_EQ(stored(), receipts::PrinterSettings{});
    EXPECT_EQ(control<QComboBox>(screen, "CbImpTransporte")->currentIndex(), 0);
    EXPECT_FALSE(control<QLineEdit>(screen, "EdImpHost")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(screen, "CkImpGaveta")->isEnabled());
    choose("CbImpTransporte", 1);
    EXPECT_TRUE(control<QLineEdit>(screen, "EdImpHost")->isEnabled());
    EXPECT_TRUE(control<QLineEdit>(screen, "EdImpPorta")->isEnabled());
    EXPECT_FALSE(control<QLineEdit>(screen, "EdImpDispositivo")->isEnabled());
    EXPECT_EQ(control<QLineEdit>(screen, "EdImpPorta")->text(), QStringLiteral("9100"));
    choose("CbImpTransporte", 2);
    EXPECT_TRUE(control<QLineEdit>(screen, "EdImpDispositivo")->isEnabled());
    EXPECT_EQ(control<QLineEdit>(screen, "EdImpDispositivo")->text(), QStringLiteral("/dev/usb/lp0"));
    choose("CbImpTransporte", 0);
    click("BtImprimirTeste");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Escolha para onde enviar os recibos.")});
}

TEST_F(PrinterSettingsScreenTest, TestPageGoesToThePrinterShownAndUpdateRecordsIt) {
    FakePrinter printer;
    choose("CbImpTransporte", 1);
    type("EdImpHost", QStringLiteral("127.0.0.1"));
    type("EdImpPorta", QString::number(printer.port()));
    choose("CbImpLargura", 1);
    choose("CbImpCodigo", 1);
    control<QCheckBox>(screen, "CkImpGaveta")->setChecked(true);
    const receipts::PrinterSettings shown{.transport = receipts::Transport::Network,
                                          .host = "127.0.0.1",
                                          .port = printer.port(),
                                          .columns = receipts::kNarrowColumns,
                                          .codePage = receipts::CodePage::WPC1252,
                                          .openDrawer = true};

    click("BtImprimirTeste");
    ASSERT_EQ(printer.jobs().size(), 1u);
    EXPECT_EQ(printer.jobs()[0], receipts::testPageBytes(shown, "Salão de Beleza"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("O teste foi enviado à impressora de recibos.")});
    EXPECT_EQ(stored(), receipts::PrinterSettings{}) << "a test records nothing";

    dialogs.answer(true);
    click("BtAtualizar");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Suas Configurações Foram Atualizadas!"));
    EXPECT_EQ(stored(), shown);

    // Shown again as recorded when the screen opens next.
    app::TFmConfigurar again(dm);
    EXPECT_EQ(control<QComboBox>(again, "CbImpTransporte")->currentIndex(), 1);
    EXPECT_EQ(control<QLineEdit>(again, "EdImpPorta")->text(), QString::number(printer.port()));
    EXPECT_EQ(control<QComboBox>(again, "CbImpLargura")->currentIndex(), 1);
    EXPECT_TRUE(control<QCheckBox>(again, "CkImpGaveta")->isChecked());
}

TEST_F(PrinterSettingsScreenTest, TestPageToAPrinterThatIsOffSaysWhy) {
    const int port = closedPort();
    choose("CbImpTransporte", 1);
    type("EdImpHost", QStringLiteral("127.0.0.1"));
    type("EdImpPorta", QString::number(port));
    click("BtImprimirTeste");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0],
              QStringLiteral(
                  "O recibo não foi impresso: A impressora de recibos em 127.0.0.1:%1 recusou a conexão. "
                  "Verifique se está ligada e conectada à rede.")
                  .arg(port));
}

}  // namespace
}  // namespace receiptstest
