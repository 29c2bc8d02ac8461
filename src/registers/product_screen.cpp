#include "registers/product_screen.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <utility>

#include "app/access.h"
#include "data/access_areas.h"
#include "data/register_rules.h"
#include "registers/product_search.h"
#include "ui/db_combo_box.h"
#include "ui/db_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

namespace {

const QString kRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Produto ou Serviço!");

ui::DbEdit* boundEdit(data::Tdm& dm, const char* field, const QString& name, QWidget* parent) {
    auto* edit = new ui::DbEdit(dm.DsProdutos, field, parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

TFmProdutos::TFmProdutos(data::Tdm& dm, QWidget* parent)
    : RegisterScreen(dm.TbProdutos, {.editingRefusal = kRefusal, .gravarOnlyWhileEditing = false}, parent),
      dm_(dm) {
    tables().open(dm.TbProdutos);
    tables().open(dm.TbFornec);
    tables().open(dm.TbDuplicado);
    buildForm();
    showPromotion();
    ui::installEnterAsTab(this);
}

void TFmProdutos::buildForm() {
    setWindowTitle(QStringLiteral("::.. CADASTRO"));
    auto* heading = new QLabel(QStringLiteral("PRODUTOS E SERVIÇOS"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));

    codigo_ = boundEdit(dm_, "Codigo", QStringLiteral("EdCodigo"), this);
    codigo_->setFieldReadOnly(true);
    // Reached only by clicking into it; leaving it checks that the code is still free.
    codigo_->setFocusPolicy(Qt::ClickFocus);
    codigo_->installEventFilter(this);
    descricao_ = boundEdit(dm_, "Descricao", QStringLiteral("EdDescricao"), this);
    descricao_->setUpperCase(true);
    valor_ = boundEdit(dm_, "Valor", QStringLiteral("EdValor"), this);
    custo_ = boundEdit(dm_, "Custo", QStringLiteral("EdCusto"), this);
    tipo_ = new ui::DbComboBox(dm_.DsProdutos, "Tipo", this);
    tipo_->setObjectName(QStringLiteral("CbTipo"));
    tipo_->setItems({QStringLiteral("PRODUTO"), QStringLiteral("SERVIÇO")});
    saida_ = boundEdit(dm_, "Saida", QStringLiteral("EdSaida"), this);
    estoque_ = boundEdit(dm_, "Estoque", QStringLiteral("EdEstoque"), this);
    estoque_->setFieldReadOnly(true);
    comissao_ = boundEdit(dm_, "CodFor", QStringLiteral("EdComissao"), this);
    promocao_ = new QCheckBox(QStringLiteral("Promoção"), this);
    promocao_->setObjectName(QStringLiteral("CkPromocao"));

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Código"), codigo_);
    ui::addLabelledRow(*rows, QStringLiteral("Descrição do Produto ou Serviços:"), descricao_);
    ui::addLabelledRow(*rows, QStringLiteral("Valor R$"), valor_, QStringLiteral("Promoção R$"), custo_);
    ui::addLabelledRow(*rows, QStringLiteral("Tipo:"), tipo_, QStringLiteral("Desconto R$"), saida_);
    ui::addLabelledRow(*rows, QStringLiteral("Estoque:"), estoque_, QStringLiteral("Comissão %"), comissao_);
    rows->addRow(promocao_);

    auto* arrows = new QHBoxLayout;
    QPushButton* anterior = ui::addButton(*arrows, QStringLiteral("◀"), QStringLiteral("BtnAnterior"));
    anterior->setToolTip(QStringLiteral("Registro Anterior"));
    QPushButton* proximo = ui::addButton(*arrows, QStringLiteral("▶"), QStringLiteral("BtnProximo"));
    proximo->setToolTip(QStringLiteral("Próximo Registro"));
    arrows->addStretch();
    QPushButton* estoque = ui::addButton(*arrows, QStringLiteral("Estoque"), QStringLiteral("BtnEstoque"));
    estoque->setToolTip(QStringLiteral("Alterar Estoque"));

    auto* bar = new QHBoxLayout;
    const ui::RegisterButtons buttons = ui::addRegisterButtons(*bar, {.alterar = false});
    buttons.fechar->setText(QStringLiteral("Fechar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addLayout(rows);
    layout->addLayout(arrows);
    layout->addLayout(bar);

    setTabOrder(descricao_, valor_);
    setTabOrder(valor_, custo_);
    setTabOrder(custo_, tipo_);
    setTabOrder(tipo_, saida_);
    setTabOrder(saida_, estoque_);
    setTabOrder(estoque_, comissao_);
    setTabOrder(comissao_, promocao_);

    setButtons(buttons);
    setFirstField(descricao_);
    // Run after the shared actions, which setButtons connected first.
    connect(buttons.novo, &QPushButton::clicked, this, &TFmProdutos::showPromotion);
    connect(buttons.gravar, &QPushButton::clicked, this, &TFmProdutos::rememberSavedCode);
    connect(buttons.excluir, &QPushButton::clicked, this, &TFmProdutos::showPromotion);
    connect(anterior, &QPushButton::clicked, this, [this] { step(false); });
    connect(proximo, &QPushButton::clicked, this, [this] { step(true); });
    connect(estoque, &QPushButton::clicked, this, &TFmProdutos::unlockEstoque);
}

QWidget* TFmProdutos::fieldFor(ProductField field) const {
    switch (field) {
        case ProductField::Descricao:
            return descricao_;
        case ProductField::Tipo:
            return tipo_;
        case ProductField::Valor:
            return valor_;
        case ProductField::Custo:
            return custo_;
    }
    return descricao_;
}

bool TFmProdutos::validate() {
    const std::optional<ProductProblem> problem = checkProduct(productValues(table()));
    if (!problem) return true;
    ui::Dialogs::current().message(problem->message);
    fieldFor(problem->field)->setFocus();
    return false;
}

void TFmProdutos::setDerivedFields() {
    table().field("Grupo").setString(promocao_->isChecked() ? kPromocao : "");
    postingCode_ = table().field("Codigo").asInteger();
}

void TFmProdutos::rememberSavedCode() {
    const std::optional<std::int64_t> code = std::exchange(postingCode_, std::nullopt);
    // A refused or failed post leaves the item being edited: its code was not taken.
    if (!code || table().isEditing()) return;
    ui::runGuarded([&] { data::rememberProductCode(dm_.TbDuplicado, *code); });
}

bool TFmProdutos::mayDelete() {
    return app::accessCheck(dm_, data::area::kExcluirProduto);
}

bool TFmProdutos::saveCurrent() {
    ui::writeControls(table());
    if (!validate()) return false;
    if (!table().isEditing()) table().edit();
    setDerivedFields();
    postingCode_.reset();
    ui::postRecord(table());
    return true;
}

void TFmProdutos::step(bool forward) {
    if (isEditing()) return ui::Dialogs::current().message(kRefusal);
    ui::runGuarded([&] {
        if (table().isEmpty() || !saveCurrent()) return;
        if (forward) {
            table().next();
        } else {
            table().prior();
        }
        showPromotion();
    });
}

void TFmProdutos::search() {
    bool saved = false;
    ui::runGuarded([&] {
        ui::writeControls(table());
        // Only a change the user made is saved, and only through the checks: an untouched
        // item is never rewritten on the way to the search.
        const bool changed = !table().isEmpty() && (table().isEditing() || promotionDiffers());
        saved = !changed || saveCurrent();
    });
    if (!saved) return;
    showConsProduto(dm_);
    showPromotion();
}

bool TFmProdutos::promotionDiffers() {
    return promocao_->isChecked() != onPromotion(table().field("Grupo").asString());
}

void TFmProdutos::showPromotion() {
    promocao_->setChecked(!table().isEmpty() && onPromotion(table().field("Grupo").asString()));
}

void TFmProdutos::unlockEstoque() {
    if (!app::accessCheck(dm_, data::area::kAlterarEstoque) ||
        !ui::Confirma(QStringLiteral("Alterar o Estoque?")))
        return;
    estoque_->setFieldReadOnly(false);
    estoque_->setFocus();
}

bool TFmProdutos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == codigo_ && event->type() == QEvent::FocusOut &&
        ui::leftByUser(static_cast<QFocusEvent*>(event)->reason()))
        checkCode();
    return RegisterScreen::eventFilter(watched, event);
}

void TFmProdutos::checkCode() {
    // Only a new item can collide: an item on file owns its code, and its pending edit
    // must not be thrown away because the user clicked into the code.
    if (table().state() != store::TableState::Insert) return;
    ui::runGuarded([this] {
        const std::int64_t code = table().field("Codigo").asInteger();
        if (!productCodeOnFile(table(), code)) return;
        ui::Dialogs::current().message(QStringLiteral("Já Existe Produto Com Este Código!"));
        table().cancel();
        setEditing(false);
        table().findKey({store::Value{code}});
        showPromotion();
        buttons().gravar->setFocus();
    });
}

void showProdutos(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmProdutos screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace registers
