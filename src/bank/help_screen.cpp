#include "bank/help_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/form_layout.h"

namespace bank {

namespace {

const char* const kText =
    "<p><b>NOVO</b>: comece um lançamento. Digite o número da conta (ou escolha-a pelo botão "
    "ao lado) e passe para a data: o banco e a agência da conta aparecem.</p>"
    "<p><b>Operação</b>: CRÉDITO para entradas (depósitos), DÉBTO para saídas (cheques, "
    "tarifas, pagamentos).</p>"
    "<p><b>Vencimento</b>: o dia em que o movimento conta no saldo e no extrato.</p>"
    "<p><b>REGISTRAR</b> grava o lançamento; <b>CANCELAR</b> o abandona. <b>EXCLUIR</b> apaga o "
    "lançamento que acabou de ser registrado; outros lançamentos são excluídos em "
    "<b>CONSULTAR</b>.</p>"
    "<p><b>TRANSFERIR</b> passa um valor de uma conta para outra; <b>EXTRATO</b> imprime o "
    "movimento de uma conta num período, com o saldo anterior e o saldo após cada "
    "lançamento.</p>";

}  // namespace

TFmAjudaBanco::TFmAjudaBanco(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFmAjudaBanco"));
    setWindowTitle(QStringLiteral("Ajuda do Programa..."));
    auto* heading = new QLabel(QStringLiteral("CONTROLE BANCÁRIO"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Memo1"));
    text->setHtml(QString::fromUtf8(kText));
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    QPushButton* fechar = ui::addButton(*bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text, 1);
    layout->addLayout(bar);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace bank
