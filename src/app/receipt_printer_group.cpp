#include "app/receipt_printer_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/receipt_printer_output.h"

#include "core/text.h"
#include "data/dm.h"
#include "receipts/test_page.h"
#include "ui/dialogs.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"

namespace app {

namespace {

using receipts::CodePage;
using receipts::Transport;

QLineEdit* sizedEdit(const QString& objectName, int size, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setMaxLength(size);
    edit->setMinimumWidth(ui::contentWidth(*edit));
    return edit;
}

QComboBox* choices(const QString& objectName, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->addItems(items);
    return box;
}

}  // namespace

ReceiptPrinterGroup::ReceiptPrinterGroup(data::Tdm& dm, QWidget* parent)
    : QGroupBox(QStringLiteral("Impressora de Recibos"), parent),
      dm_(dm),
      transport_(choices(QStringLiteral("CbImpTransporte"),
                         {QStringLiteral("Nenhuma (impressora do sistema)"), QStringLiteral("Rede"),
                          QStringLiteral("Arquivo de dispositivo"), QStringLiteral("Fila do CUPS (raw)")},
                         this)),
      host_(sizedEdit(QStringLiteral("EdImpHost"), 60, this)),
      port_(sizedEdit(QStringLiteral("EdImpPorta"), 5, this)),
      device_(sizedEdit(QStringLiteral("EdImpDispositivo"), 120, this)),
      queue_(sizedEdit(QStringLiteral("EdImpFila"), 60, this)),
      width_(choices(QStringLiteral("CbImpLargura"),
                     {QStringLiteral("80 mm (48 colunas)"), QStringLiteral("58 mm (32 colunas)")}, this)),
      codePage_(choices(QStringLiteral("CbImpCodigo"),
                        {QStringLiteral("PC860 (Português)"), QStringLiteral("WPC1252 (Windows)")}, this)),
      drawer_(new QCheckBox(QStringLiteral("Abrir a gaveta no pagamento em dinheiro"), this)) {
    setObjectName(QStringLiteral("GbImpressoraRecibos"));
    drawer_->setObjectName(QStringLiteral("CkImpGaveta"));
    port_->setValidator(new QIntValidator(1, 65535, port_));

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Enviar para:"), transport_);
    ui::addLabelledRow(*rows, QStringLiteral("Endereço:"), host_);
    ui::addLabelledRow(*rows, QStringLiteral("Porta:"), port_);
    ui::addLabelledRow(*rows, QStringLiteral("Dispositivo:"), device_);
    ui::addLabelledRow(*rows, QStringLiteral("Fila do CUPS:"), queue_);
    ui::addLabelledRow(*rows, QStringLiteral("Papel:"), width_);
    ui::addLabelledRow(*rows, QStringLiteral("Caracteres:"), codePage_);
    rows->addRow(drawer_);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* test =
        ui::addButton(*bar, QStringLiteral("Imprimir Teste"), QStringLiteral("BtImprimirTeste"));
    test->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(bar);

    connect(transport_, &QComboBox::currentIndexChanged, this, &ReceiptPrinterGroup::enableForTransport);
    connect(test, &QPushButton::clicked, this, &ReceiptPrinterGroup::printTest);
    enableForTransport();
}

void ReceiptPrinterGroup::showSettings(const receipts::PrinterSettings& settings) {
    transport_->setCurrentIndex(static_cast<int>(settings.transport));
    host_->setText(QString::fromStdString(settings.host));
    port_->setText(QString::number(settings.port));
    device_->setText(QString::fromStdString(settings.device));
    queue_->setText(QString::fromStdString(settings.queue));
    width_->setCurrentIndex(settings.columns == receipts::kNarrowColumns ? 1 : 0);
    codePage_->setCurrentIndex(settings.codePage == CodePage::WPC1252 ? 1 : 0);
    drawer_->setChecked(settings.openDrawer);
    enableForTransport();
}

receipts::PrinterSettings ReceiptPrinterGroup::settings() const {
    receipts::PrinterSettings settings;
    settings.transport = static_cast<Transport>(transport_->currentIndex());
    settings.host = core::trimmed(host_->text().toStdString());
    bool number = false;
    if (const int port = port_->text().toInt(&number); number && port > 0 && port < 65536)
        settings.port = port;
    settings.device = core::trimmed(device_->text().toStdString());
    settings.queue = core::trimmed(queue_->text().toStdString());
    settings.columns = width_->currentIndex() == 1 ? receipts::kNarrowColumns : receipts::kWideColumns;
    settings.codePage = codePage_->currentIndex() == 1 ? CodePage::WPC1252 : CodePage::PC860;
    settings.openDrawer = drawer_->isChecked();
    return settings;
}

void ReceiptPrinterGroup::enableForTransport() {
    const auto transport = static_cast<Transport>(transport_->currentIndex());
    host_->setEnabled(transport == Transport::Network);
    port_->setEnabled(transport == Transport::Network);
    device_->setEnabled(transport == Transport::Device);
    queue_->setEnabled(transport == Transport::Cups);
    for (QWidget* control : std::initializer_list<QWidget*>{width_, codePage_, drawer_})
        control->setEnabled(transport != Transport::None);
}

void ReceiptPrinterGroup::printTest() {
    const receipts::PrinterSettings shown = settings();
    if (shown.transport == Transport::None) {
        ui::Dialogs::current().message(QStringLiteral("Escolha para onde enviar os recibos."));
        return;
    }
    const bool printed = printOnReceiptPrinter(shown, [&] {
        return receipts::testPageBytes(shown, core::trimmed(dm_.TbConfig.field("Nome").asString()));
    });
    if (printed) ui::Dialogs::current().message(QStringLiteral("O teste foi enviado à impressora de recibos."));
}

}  // namespace app
