// The till through a front-desk morning in real windows: the sales screen stays up after each
// payment and after a cancelled one, look-ups fill the names they exist for, and the receipt's
// preview comes up over the till and goes back to it.
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QLineEdit>

#include "data/dm.h"
#include "data/initial_data.h"
#include "desktop/desktop_fixture.h"
#include "desktop/on_gui.h"
#include "sales/sales_screen.h"
#include "ui/db_grid.h"

namespace desktop {
namespace {

sales::TFmModuloVENDA* till() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<sales::TFmModuloVENDA*>(window)) return screen;
    return nullptr;
}

class FrontDeskTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        auto dm = stored();
        dm->TbFuncionario.open();
        // One who earns commission: the till asks for a rate otherwise.
        for (dm->TbFuncionario.first(); dm->TbFuncionario.field("Comissao").asFloat() <= 0;)
            dm->TbFuncionario.next();
        employee_ = std::to_string(dm->TbFuncionario.field("Codigo").asInteger());
        employeeName_ = QString::fromStdString(dm->TbFuncionario.field("Nome").asString());
        dm->TbProdutos.open();
        dm->TbProdutos.first();
        product_ = std::to_string(dm->TbProdutos.field("Codigo").asInteger());
        logIn();
        openCash();
        ASSERT_TRUE(pressByAlt(QStringLiteral("&Caixa")));
        ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    }

    // "&Novo", then one item typed with Enter as far as "Inserir", as a cashier does.
    void sellOne(int itemsBefore = 0) {
        key('n', Alt);
        ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit4")));
        enter(employee_);
        ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit9")));
        enter(product_);
        // The catalogue's value taken, one of it, the employee's commission taken.
        ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit11")));
        key(XK_Return);
        ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit6")));
        enter("1");
        // The commission box only where the settings let the rate be typed.
        if (poll([] { return QApplication::focusWidget()->objectName() == QLatin1String("DBEdit12"); }, 1500))
            key(XK_Return);
        ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit4")));
        ASSERT_TRUE(waitFor([itemsBefore] { return till()->findChild<ui::DbGrid*>("DBGrid1")->model()->rowCount() == itemsBefore + 1; },
                            "the item in the sale's grid"));
    }

    int storedSales() {
        auto dm = stored();
        dm->TbServico.open();
        return static_cast<int>(dm->TbServico.recordCount());
    }

    std::string employee_;
    QString employeeName_;
    std::string product_;
};

TEST_F(FrontDeskTest, TheTillStaysWithTheSaleAfterACancelledPaymentAndIsIdleAfterAPaidOne) {
    const int salesBefore = storedSales();
    sellOne();
    EXPECT_EQ(shown("DBEdit5"), employeeName_);

    // Esc on the payment: the till comes back with the sale still in progress.
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit7")));
    key(XK_Escape);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    EXPECT_TRUE(onGui([] { return till()->inProgress(); }));
    EXPECT_EQ(storedSales(), salesBefore);

    // "CANCELAR" with the mouse: the same.
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    click(QStringLiteral("BitBtn6"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    EXPECT_TRUE(onGui([] { return till()->inProgress(); }));

    // Paid in cash: the till is idle again, waiting on "&Novo".
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit7")));
    enter("1");
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit9")));
    enter("500,00");
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn11")));
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Registrar o Pagamento?")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));
    EXPECT_FALSE(onGui([] { return till()->inProgress(); }));
    screenshot("sales-screen-after-payment");
    EXPECT_EQ(storedSales(), salesBefore + 1);
    auto dm = stored();
    dm->TbServico.open();
    dm->TbServico.last();
    EXPECT_EQ(dm->TbServico.field("TipoPG").asString(), "DINHEIRO");
    EXPECT_EQ(QString::fromStdString(dm->TbServico.field("Funcioario").asString()), employeeName_);

    // The till goes on: a second sale starts at once.
    sellOne();
}

TEST_F(FrontDeskTest, TheReceiptPreviewComesUpOverTheTillAndGoesBackToIt) {
    sellOne();
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    enter("3");  // credit card
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn11")));
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Registrar o Pagamento?")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));

    key('r', Alt);  // "&Recibo" of the sale just paid
    ASSERT_TRUE(waitForFocus(QStringLiteral("EdClienteRecibo")));
    enter("MARIA");
    ASSERT_TRUE(waitForFocus(QStringLiteral("BtImprimirRecibo")));
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Imprimir Recibo?")));
    // No printer on this desktop: said, then the preview instead, in front and usable.
    ASSERT_TRUE(answer(QStringLiteral("Não há impressora instalada neste computador.")));
    ASSERT_TRUE(waitForActive(QStringLiteral("FmPreview")));
    EXPECT_TRUE(waitFor([] { return QApplication::activeModalWidget() == QApplication::activeWindow(); },
                        "the preview to be the modal window in front"));
    EXPECT_TRUE(waitFor([] { return !QApplication::activeWindow()->findChild<QWidget*>("LbPagina")->property(
                                        "text").toString().isEmpty(); }, "the page shown"));
    screenshot("receipt-preview-over-the-till");
    key('f', Alt);  // "&Fechar"
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    EXPECT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));
    auto dm = stored();
    dm->TbServico.open();
    dm->TbServico.last();
    EXPECT_EQ(dm->TbServico.field("Cliente").asString(), "MARIA");
}

TEST_F(FrontDeskTest, F2ChoosesTheEmployeeAndTheNameBoxShowsTheName) {
    key('n', Alt);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit4")));
    key(XK_F2);
    ASSERT_TRUE(waitFor([] { return QApplication::activeModalWidget() != nullptr &&
                                    QApplication::activeModalWidget() != till(); },
                        "the employee look-up"));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmConsFunc")));
    key('f', Alt);  // "&Fechar" leaves the employee the look-up stands on
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    QString code;
    ASSERT_TRUE(waitFor(
        [&] {
            code = till()->findChild<QLineEdit*>("DBEdit4")->text().trimmed();
            return !code.isEmpty();
        },
        "the chosen employee's code"));
    auto dm = stored();
    dm->TbFuncionario.open();
    ASSERT_TRUE(dm->TbFuncionario.findKey({store::Value{static_cast<std::int64_t>(code.toLongLong())}}));
    const QString name = QString::fromStdString(dm->TbFuncionario.field("Nome").asString());
    EXPECT_TRUE(waitFor([&] { return till()->findChild<QLineEdit*>("DBEdit5")->text() == name; },
                        "the name of employee " + code.toStdString() + " in \"Funcionário\""));
}

TEST_F(FrontDeskTest, TheProductLookUpPanelShowsNamesWholeAndTakesTheItemWithF5) {
    key('n', Alt);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit4")));
    enter(employee_);
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit9")));
    key(XK_F4);
    ASSERT_TRUE(waitForFocus(QStringLiteral("EdNomeProduto")));
    // The screen grew by the panel: still whole on the desktop.
    EXPECT_TRUE(waitFor([] { return till()->screen()->availableGeometry().contains(till()->frameGeometry()); },
                        "the till with its look-up panel inside the screen"));
    screenshot("product-look-up-panel");
    ASSERT_TRUE(waitFor([] { return till()->findChild<ui::DbGrid*>("DBGrid2")->model()->rowCount() >= 8; },
                        "the demo's catalogue in the look-up"));
    // Eight rows in view, and the description column as wide as its widest name.
    EXPECT_TRUE(onGui([] {
        auto* grid = till()->findChild<ui::DbGrid*>("DBGrid2");
        return grid->viewport()->height() >= 8 * grid->rowHeight(0);
    })) << "the look-up shows fewer than eight rows";
    EXPECT_TRUE(onGui([] {
        auto* grid = till()->findChild<ui::DbGrid*>("DBGrid2");
        const QFontMetrics metrics(grid->font());
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                if (metrics.horizontalAdvance(grid->model()->index(row, column).data().toString()) >
                    grid->columnWidth(column))
                    return false;
        return true;
    })) << "a name in the look-up is cut";
}

// A NOTINHA names its client on the payment screen; a cheque sale of the same day is then
// deleted with its items and nothing of it stays.
TEST_F(FrontDeskTest, ANotinhaShowsItsClientAndASaleOfTheDayIsDeleted) {
    sellOne();
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("DBEdit7")));
    enter("4");
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmConsClienteNO")));
    key('f', Alt);  // "&Fechar" on the client the look-up stands on
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn11")));
    const QString client = shown(QStringLiteral("DBEditCliente"));
    EXPECT_FALSE(client.isEmpty()) << "the payment screen does not say whose NOTINHA it is";
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Registrar o Pagamento?")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));
    {
        auto dm = stored();
        dm->TbServico.open();
        dm->TbServico.last();
        EXPECT_EQ(dm->TbServico.field("TipoPG").asString(), "NOTINHA");
        EXPECT_EQ(QString::fromStdString(dm->TbServico.field("Cliente").asString()), client);
    }

    const int salesBefore = storedSales();
    sellOne();
    key('g', Alt);
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmPagamento")));
    enter("2");  // cheque
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn11")));
    key(XK_Return);
    ASSERT_TRUE(answer(QStringLiteral("Registrar o Pagamento?")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));
    ASSERT_EQ(storedSales(), salesBefore + 1);

    key('x', Alt);  // "E&xcluir" the sale just paid
    // A protected area asks for a password first.
    ASSERT_TRUE(waitFor([] {
        const QWidget* active = QApplication::activeWindow();
        return active && (active->objectName() == QLatin1String("FmConfirma") ||
                          active->objectName() == QLatin1String("FmAutorizacao"));
    }, "the deletion asked about"));
    if (seen().active == QLatin1String("FmAutorizacao")) {
        key(XK_Tab, Shift);
        key(XK_Down);
        key(XK_Tab);
        enter(data::kFirstPassword);
    }
    ASSERT_TRUE(answer(QStringLiteral("Excluir o Lançamento?")));
    ASSERT_TRUE(waitForActive(QStringLiteral("TFmModuloVENDA")));
    ASSERT_TRUE(waitForFocus(QStringLiteral("BitBtn2")));
    EXPECT_EQ(storedSales(), salesBefore);
}

}  // namespace
}  // namespace desktop
