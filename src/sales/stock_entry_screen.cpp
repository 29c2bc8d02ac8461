#include "sales/stock_entry_screen.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/access.h"
#include "core/format.h"
#include "data/access_areas.h"
#include "registers/product_search.h"
#include "registers/supplier_search.h"
#include "sales/stock_entry_query_screen.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/focus_arrival.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

const QString kInEdit = QStringLiteral("Registro em Edição. Grave ou Cancele a Entrada!");

QLineEdit* box(const char* name, QWidget* parent, bool readOnly = false) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setReadOnly(readOnly);
    return b;
}

QPushButton* button(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// Read as the cost beside it is: "1.000" is a thousand, "1,5" one and a half.
double quantityOf(const QString& text) {
    return core::Currency::parse(text.trimmed().toStdString()).value_or(core::Currency{}).toDouble();
}

}  // namespace

TFmEntrada::TFmEntrada(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmEntrada"));
    setWindowTitle(QStringLiteral("::.. Entrada de Produtos"));
    tables_.open(dm.TbProdutos);
    tables_.open(dm.TbFornec);

    auto* banner = new QLabel(QStringLiteral("CONTROLE DE ENTRADAS"), this);
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = banner->font();
    bannerFont.setBold(true);
    bannerFont.setPointSize(bannerFont.pointSize() + 4);
    banner->setFont(bannerFont);

    data_ = new ui::DateBox(this);
    data_->setObjectName(QStringLiteral("Data"));
    nota_ = box("Nota", this);
    codFor_ = box("CodFor", this);
    f_ = button(QStringLiteral("&F"), "BtFornecedor", QStringLiteral("Selecionar Fornecedor"), this);
    fornecedor_ = box("Fornecedor", this);
    codigo_ = box("Codigo", this);
    produtos_ = button(QStringLiteral("&Produtos"), "BtProdutos", QStringLiteral("Consultar Produtos"), this);
    produto_ = box("Produto", this, true);
    custo_ = box("Custo", this);
    qt_ = box("QT", this);
    // Reaching it from "Qtde.:" adds the line; it shows nothing.
    addLine_ = new QWidget(this);
    addLine_->setObjectName(QStringLiteral("AdicionaItem"));
    addLine_->setFixedSize(1, 1);
    addLine_->setFocusPolicy(Qt::TabFocus);

    grid_ = new ui::DbGrid(dm.TbItemEntrada,
                           {{"Codigo", QStringLiteral("Código")},
                            {"Descricao", QStringLiteral("Descrição dos Produtos")},
                            {"Custo", QStringLiteral("Custo R$")},
                            {"Quant", QStringLiteral("Qtde.")},
                            {"Total", QStringLiteral("Total R$")}},
                           this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setFocusPolicy(Qt::NoFocus);

    novo_ = button(QStringLiteral("&Novo"), "BtNovo", QStringLiteral("Inserir Nova Entrada"), this);
    gravar_ = button(QStringLiteral("&Gravar"), "BtGravar", QStringLiteral("Gravar Entrada"), this);
    excluir_ = button(QStringLiteral("&Excluir"), "BtExcluir", QStringLiteral("Excluir Entrada"), this);
    consultar_ =
        button(QStringLiteral("&Consultar"), "BtConsultar", QStringLiteral("Consultar Entradas"), this);
    auto* fechar = button(QStringLiteral("&Fechar"), "BtFechar", QString(), this);
    totalizar_ =
        button(QStringLiteral("&Totalizar"), "BtTotalizar", QStringLiteral("Totalizar Entrada"), this);
    total_ = box("Total", this, true);
    total_->setFocusPolicy(Qt::NoFocus);
    excluiItem_ = button(QStringLiteral("E&xclui Item"), "BtExcluiItem",
                         QStringLiteral("Excluir Ítem da Entrada"), this);
    cancelar_ = button(QStringLiteral("Ca&ncelar"), "BtCancelar", QStringLiteral("Cancelar Entrada"), this);
    alterar_ = button(QStringLiteral("&Alterar"), "BtAlterar", QStringLiteral("Alterar Registro"), this);
    // "&Gravar" and "&Novo" are where the focus is sent after totalling and saving.
    for (QPushButton* b : {novo_, gravar_, totalizar_}) b->setFocusPolicy(Qt::ClickFocus);

    QFormLayout* rows = ui::labelledRows();
    auto* first = new QHBoxLayout;
    first->addWidget(data_);
    first->addWidget(new QLabel(QStringLiteral("Nº Nota:"), this));
    first->addWidget(nota_);
    first->addStretch();
    rows->addRow(QStringLiteral("Dt. Entrada:"), first);
    auto* supplier = new QHBoxLayout;
    supplier->addWidget(codFor_);
    supplier->addWidget(f_);
    supplier->addWidget(new QLabel(QStringLiteral("Fornecedor:"), this));
    supplier->addWidget(fornecedor_, 1);
    rows->addRow(QStringLiteral("Código:"), supplier);
    auto* product = new QHBoxLayout;
    product->addWidget(codigo_);
    product->addWidget(produtos_);
    product->addWidget(new QLabel(QStringLiteral("Nome do Produto:"), this));
    product->addWidget(produto_, 1);
    rows->addRow(QStringLiteral("Código:"), product);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(custo_);
    amounts->addWidget(new QLabel(QStringLiteral("Qtde.:"), this));
    amounts->addWidget(qt_);
    amounts->addWidget(addLine_);
    amounts->addStretch();
    rows->addRow(QStringLiteral("Custo R$"), amounts);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {novo_, gravar_, excluir_, consultar_, fechar, totalizar_}) side->addWidget(b);
    side->addWidget(new QLabel(QStringLiteral("Total R$"), this));
    side->addWidget(total_);
    for (QPushButton* b : {excluiItem_, cancelar_, alterar_}) side->addWidget(b);
    side->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(banner);
    left->addLayout(rows);
    left->addWidget(grid_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
    resize(760, 480);

    setTabOrder(data_, nota_);
    setTabOrder(nota_, codFor_);
    setTabOrder(codFor_, fornecedor_);
    setTabOrder(fornecedor_, codigo_);
    setTabOrder(codigo_, produto_);
    setTabOrder(produto_, custo_);
    setTabOrder(custo_, qt_);
    setTabOrder(qt_, addLine_);
    for (QWidget* watched : std::initializer_list<QWidget*>{fornecedor_, produto_, addLine_})
        watched->installEventFilter(this);
    // A code changed after its look-up names no product until it is looked up again.
    connect(codigo_, &QLineEdit::textEdited, this, [this] {
        productFound_.reset();
        produto_->clear();
    });
    connect(novo_, &QPushButton::clicked, this, &TFmEntrada::novo);
    connect(gravar_, &QPushButton::clicked, this, &TFmEntrada::gravar);
    connect(excluir_, &QPushButton::clicked, this, &TFmEntrada::excluir);
    connect(fechar, &QPushButton::clicked, this, &TFmEntrada::close);
    connect(consultar_, &QPushButton::clicked, this, &TFmEntrada::consultar);
    connect(totalizar_, &QPushButton::clicked, this, &TFmEntrada::totalizar);
    connect(excluiItem_, &QPushButton::clicked, this, &TFmEntrada::excluiItem);
    connect(cancelar_, &QPushButton::clicked, this, &TFmEntrada::cancelar);
    connect(alterar_, &QPushButton::clicked, this, &TFmEntrada::alterar);
    connect(f_, &QPushButton::clicked, this, &TFmEntrada::chooseSupplier);
    connect(produtos_, &QPushButton::clicked, this, &TFmEntrada::chooseProduct);
    ui::installEnterAsTab(this);
    setButtons(Step::Opened);
}

TFmEntrada::~TFmEntrada() {
    ui::runGuarded([this] {
        dm_.TbItemEntrada.close();
        dm_.TbEntrada.close();
    });
}

bool TFmEntrada::eventFilter(QObject* watched, QEvent* event) {
    if (ui::arrivedByMove(event)) {
        if (watched == fornecedor_) lookUpSupplier();
        if (watched == produto_) lookUpProduct();
        if (watched == addLine_) addLine();
    }
    return QDialog::eventFilter(watched, event);
}

bool TFmEntrada::refusedWhileEditing() {
    if (editing_) ui::Dialogs::current().message(kInEdit);
    return editing_;
}

void TFmEntrada::closeEvent(QCloseEvent* event) {
    if (refusedWhileEditing()) return event->ignore();
    QDialog::closeEvent(event);
}

void TFmEntrada::reject() {
    if (!refusedWhileEditing()) QDialog::reject();
}

void TFmEntrada::setButtons(Step step) {
    struct States {
        bool novo, gravar, excluir, cancelar, excluiItem, totalizar, produtos;
        std::optional<bool> alterar;  // unchanged when empty
    };
    const auto states = [step]() -> States {
        switch (step) {
            case Step::Opened:
                return {true, false, true, false, false, false, false, true};
            case Step::Novo:
                return {false, true, false, true, true, true, true, false};
            case Step::Alterar:
                return {false, true, false, false, true, true, true, false};
            case Step::Gravar:
                return {true, false, true, false, false, false, false, true};
            case Step::Cancelar:
                return {true, false, true, false, false, false, false, false};
            case Step::Excluir:
                return {true, false, true, false, false, false, false, std::nullopt};
        }
        return {};
    }();
    novo_->setEnabled(states.novo);
    gravar_->setEnabled(states.gravar);
    excluir_->setEnabled(states.excluir);
    cancelar_->setEnabled(states.cancelar);
    excluiItem_->setEnabled(states.excluiItem);
    totalizar_->setEnabled(states.totalizar);
    produtos_->setEnabled(states.produtos);
    if (states.alterar) alterar_->setEnabled(*states.alterar);
}

// The focus goes first, so that it is where the user must correct once the message closes.
void TFmEntrada::refuse(QWidget* box, const QString& message) {
    box->setFocus();
    ui::Dialogs::current().message(message);
}

void TFmEntrada::refuse(const StockEntryProblem& problem) {
    QWidget* boxes[] = {data_, codigo_, qt_, custo_, totalizar_};
    refuse(boxes[static_cast<int>(problem.box)], QString::fromStdString(problem.message));
}

std::optional<EntryHeader> TFmEntrada::header() {
    EntryHeader typed{{},
                      nota_->text().toStdString(),
                      codFor_->text().trimmed().toLongLong(),
                      fornecedor_->text().toStdString()};
    try {
        typed.data = data_->date();
    } catch (const core::DateError& error) {
        refuse(data_, QString::fromUtf8(error.what()));
        return std::nullopt;
    }
    return typed;
}

EntryLine TFmEntrada::line() const {
    return {productFound_, produto_->text().toStdString(),
            core::Currency::parse(custo_->text().trimmed().toStdString()).value_or(core::Currency{}),
            quantityOf(qt_->text())};
}

void TFmEntrada::showLines() {
    ui::runGuarded([this] { dm_.TbItemEntrada.refresh(); });
}

void TFmEntrada::clearBoxes() {
    for (QLineEdit* b : {nota_, codFor_, fornecedor_, codigo_, produto_, custo_, qt_, total_}) b->clear();
    data_->setDate({});
    productFound_.reset();
}

void TFmEntrada::forgetEntry() {
    entry_.reset();
    clearBoxes();
    ui::runGuarded([this] {
        dm_.TbItemEntrada.close();
        dm_.TbEntrada.close();
    });
}

void TFmEntrada::novo() {
    const core::Date today = core::Date::today();
    if (!ui::runGuarded([&] { entry_ = createEntry(dm_, today); })) return;
    editing_ = true;
    clearBoxes();
    data_->setDate(today);
    showLines();
    setButtons(Step::Novo);
    data_->setFocus();
}

void TFmEntrada::lookUpSupplier() {
    const std::int64_t code = codFor_->text().trimmed().toLongLong();
    if (!gravar_->isEnabled() || !entry_ || code == 0) return;
    bool found = false;
    ui::runGuarded([&] {
        dm_.TbFornec.setIndexName("");
        found = dm_.TbFornec.findKey({code});
    });
    if (!found) return refuse(codFor_, QStringLiteral("Não Existe Fornecedor Com Este Código!"));
    fornecedor_->setText(QString::fromStdString(dm_.TbFornec.field("NomeFantasia").asString()));
    codigo_->setFocus();
}

void TFmEntrada::chooseSupplier() {
    if (!gravar_->isEnabled()) return;
    std::optional<std::int64_t> chosen;
    ui::runGuarded([&] { chosen = registers::chooseSupplier(dm_, this); });
    if (chosen) codFor_->setText(QString::number(*chosen));
    codFor_->setFocus();
}

void TFmEntrada::lookUpProduct() {
    if (!gravar_->isEnabled()) return;
    productFound_.reset();
    produto_->clear();
    bool found = false;
    const std::int64_t code = codigo_->text().trimmed().toLongLong();
    ui::runGuarded([&] {
        dm_.TbProdutos.setIndexName("");
        found = code > 0 && dm_.TbProdutos.findKey({code});
    });
    if (!found) return refuse(codigo_, QStringLiteral("Não Existe Produto Com Este Código!"));
    productFound_ = code;
    produto_->setText(QString::fromStdString(dm_.TbProdutos.field("Descricao").asString()));
    custo_->setFocus();
}

void TFmEntrada::chooseProduct() {
    hide();
    registers::showConsProduto(dm_);
    show();
    if (dm_.TbProdutos.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbProdutos.field("Codigo").asInteger()));
    ui::moveFocusTo(produto_);
}

void TFmEntrada::addLine() {
    if (!entry_ || !gravar_->isEnabled()) return;
    const EntryLine typed = line();
    if (const auto problem = checkEntryLine(typed)) return refuse(*problem);
    const std::optional<EntryHeader> typedHeader = header();
    if (!typedHeader) return;
    if (!ui::runGuarded([&] { addEntryLine(dm_, *entry_, *typedHeader, typed); })) return codigo_->setFocus();
    for (QLineEdit* b : {codigo_, produto_, custo_, qt_}) b->clear();
    productFound_.reset();
    showLines();
    codigo_->setFocus();
}

void TFmEntrada::excluiItem() {
    store::Table& itens = dm_.TbItemEntrada;
    if (!entry_ || !itens.isOpen() || itens.isEmpty()) return;
    if (!ui::Confirma(QStringLiteral("Exclui o Ítem da Entrada?"))) return;
    const std::int64_t ordem = itens.field("Ordem").asInteger();
    ui::runGuarded([&] { deleteEntryLine(dm_, *entry_, ordem); });
    showLines();
}

void TFmEntrada::totalizar() {
    if (!entry_) return;
    core::Currency total;
    if (!ui::runGuarded([&] { total = totalEntry(dm_, *entry_); })) return;
    total_->setText(QString::fromStdString(core::formatMoney(total)));
    gravar_->setFocus();
}

void TFmEntrada::gravar() {
    if (!entry_) return;
    const std::optional<EntryHeader> typed = header();
    if (!typed) return;
    const core::Currency shown =
        core::Currency::parse(total_->text().toStdString()).value_or(core::Currency{});
    if (const auto problem = checkEntrySave(*typed, shown)) return refuse(*problem);
    if (!ui::Confirma(QStringLiteral("Gravar a Entrada?"))) return;
    if (!ui::runGuarded([&] { saveEntry(dm_, *entry_, *typed); })) return;
    editing_ = false;
    setButtons(Step::Gravar);
    novo_->setFocus();
}

void TFmEntrada::cancelar() {
    if (!entry_ || !ui::Confirma(QStringLiteral("Cancelar a Entrada?"))) return;
    setButtons(Step::Cancelar);
    editing_ = false;
    ui::runGuarded([this] { deleteEntry(dm_, *entry_); });
    forgetEntry();
}

void TFmEntrada::alterar() {
    if (!entry_)
        return ui::Dialogs::current().message(QStringLiteral("Seleciona a Entrada a Para Alteração!"));
    if (!app::accessCheck(dm_, data::area::kAlterarEntrada) ||
        !ui::Confirma(QStringLiteral("Alterar a Entrada?")))
        return;
    if (!ui::runGuarded([this] { alterEntry(dm_, *entry_); })) return;
    setButtons(Step::Alterar);
    total_->setText(QString::fromStdString(core::formatMoney(core::Currency{})));
    editing_ = true;
    showLines();
}

void TFmEntrada::excluir() {
    if (!entry_) return ui::Dialogs::current().message(QStringLiteral("Seleciona a Entrada Para Exclusão!"));
    if (!app::accessCheck(dm_, data::area::kAlterarEntrada) ||
        !ui::Confirma(QStringLiteral("Excluir a Entrada?")))
        return;
    if (!ui::runGuarded([this] { deleteEntry(dm_, *entry_); })) return;
    setButtons(Step::Excluir);
    editing_ = false;
    forgetEntry();
}

void TFmEntrada::consultar() {
    if (refusedWhileEditing()) return;
    {
        TFmConsEntrada query(dm_, this, output_);
        ui::Dialogs::current().exec(query);
    }
    showChosenEntry();
}

// The header of the entry TbEntrada stands on becomes the entry at hand.
void TFmEntrada::showChosenEntry() {
    store::Table& entrada = dm_.TbEntrada;
    clearBoxes();
    if (entrada.isEmpty()) return entry_.reset();
    entry_ = entrada.field("Contador").asInteger();
    data_->setDate(entrada.field("Data").asDate());
    nota_->setText(QString::fromStdString(entrada.field("Nota").asString()));
    codFor_->setText(QString::number(entrada.field("CodFor").asInteger()));
    fornecedor_->setText(QString::fromStdString(entrada.field("Fornecedor").asString()));
    total_->setText(QString::fromStdString(core::formatMoney(entrada.field("Total").asCurrency())));
}

void showEntrada(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmEntrada screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales
