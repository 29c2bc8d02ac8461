#include "sales/sales_screen.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/access.h"
#include "core/date.h"
#include "data/access_areas.h"
#include "data/refusal.h"
#include "registers/client_search.h"
#include "registers/employee_search.h"
#include "sales/agenda_screen.h"
#include "sales/note_settlement_screen.h"
#include "sales/payment_screen.h"
#include "sales/receipt_panel.h"
#include "sales/sale_deletion.h"
#include "sales/sale_lifecycle.h"
#include "sales/sale_query_screen.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/desktop.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/focus_arrival.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

std::function<void(data::Tdm&)>& withdrawalScreen() {
    static std::function<void(data::Tdm&)> screen;
    return screen;
}

const QString kInProgress = QStringLiteral("Registro em Andamento! Grave ou Cancele o Lançamento.");

QPushButton* hinted(QPushButton* button, const QString& hint) {
    button->setToolTip(hint);
    return button;
}

}  // namespace

TFmModuloVENDA::TFmModuloVENDA(data::Tdm& dm, QWidget* parent, reports::ReportOutput receiptOutput)
    : QDialog(parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmModuloVENDA"));
    tables_.open(dm.TbCliente);
    tables_.open(dm.TbFuncionario);
    tables_.open(dm.TbProdutos);

    auto* layout = new QVBoxLayout(this);
    buildButtons(*layout);
    layout->addWidget(buildEntryLine());

    itens_ = new ui::DbGrid(dm.TbItensServico,
                            {{"Codigo", QStringLiteral("CÓD.")},
                             {"Descricao", QStringLiteral("PRODUTOS E SERVIÇOS")},
                             {"Total", QStringLiteral("VALOR R$")}},
                            this);
    itens_->setObjectName(QStringLiteral("DBGrid1"));
    itens_->setFocusPolicy(Qt::ClickFocus);

    auto* totals = new QGroupBox(QStringLiteral("CAIXA"), this);
    totals->setObjectName(QStringLiteral("PnCaixa"));
    auto* subTotal = new ui::DbEdit(dm.DsServico, "SubTotal", totals);
    subTotal->setObjectName(QStringLiteral("DBEdit2"));
    auto* saldo = new ui::DbEdit(dm.DsServico, "Saldo", totals);
    saldo->setObjectName(QStringLiteral("DBEdit1"));
    QFormLayout* totalRows = ui::labelledRows(totals);
    for (auto [caption, edit] :
         {std::pair{QStringLiteral("TOTAL R$"), subTotal}, std::pair{QStringLiteral("CRÉDITO R$"), saldo}}) {
        edit->setFieldReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        ui::addLabelledRow(*totalRows, caption, edit);
    }

    excluirItem_ = hinted(new QPushButton(QStringLiteral("F8 - Excluir Serviço"), this),
                          QStringLiteral("Excluir Produto ou Serviço"));
    excluirItem_->setObjectName(QStringLiteral("BitBtn5"));
    auto* buscar = hinted(new QPushButton(QStringLiteral("F4 - Buscar"), this),
                          QStringLiteral("Consultar Produtos e Serviços"));
    buscar->setObjectName(QStringLiteral("SpeedButton1"));
    auto* side = new QVBoxLayout;
    side->addWidget(totals);
    side->addWidget(excluirItem_);
    side->addWidget(buscar);
    auto* agenda = hinted(new QPushButton(QStringLiteral("Agenda"), this), QStringLiteral("Agenda Diária"));
    agenda->setObjectName(QStringLiteral("SpeedButton5"));
    side->addWidget(agenda);
    auto* retirada = hinted(new QPushButton(QStringLiteral("Retirada"), this),
                            QStringLiteral("Retirada de Dinheiro do Caixa"));
    retirada->setObjectName(QStringLiteral("SpeedButton10"));
    retirada->setEnabled(static_cast<bool>(withdrawalScreen()));
    side->addWidget(retirada);
    connect(retirada, &QPushButton::clicked, this, &TFmModuloVENDA::retirada);
    auto* acerto =
        hinted(new QPushButton(QStringLiteral("Acerto"), this), QStringLiteral("Acerto de Notinhas"));
    acerto->setObjectName(QStringLiteral("SpeedButton11"));
    side->addWidget(acerto);
    side->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(itens_, 1);
    middle->addLayout(side);
    layout->addLayout(middle, 1);
    layout->addWidget(buildLookupPanel());
    receiptPanel_ = new ReceiptPanel(dm, std::move(receiptOutput), this);
    layout->addWidget(receiptPanel_);

    dateLine_ = new QLabel(this);
    dateLine_->setObjectName(QStringLiteral("LbData"));
    dateLine_->setAlignment(Qt::AlignRight);
    dateLine_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(dateLine_);

    connect(novo_, &QPushButton::clicked, this, &TFmModuloVENDA::novo);
    connect(gravar_, &QPushButton::clicked, this, &TFmModuloVENDA::gravar);
    connect(cancelar_, &QPushButton::clicked, this, &TFmModuloVENDA::cancelar);
    connect(fechar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(excluirItem_, &QPushButton::clicked, this, &TFmModuloVENDA::removeItem);
    connect(buscar, &QPushButton::clicked, this, &TFmModuloVENDA::showLookupPanel);
    connect(acerto, &QPushButton::clicked, this, &TFmModuloVENDA::acerto);
    connect(excluir_, &QPushButton::clicked, this, &TFmModuloVENDA::excluir);
    connect(consultar_, &QPushButton::clicked, this, &TFmModuloVENDA::consultar);
    connect(recibo_, &QPushButton::clicked, this, &TFmModuloVENDA::recibo);
    connect(receiptPanel_, &ReceiptPanel::closed, this, [this] { novo_->setFocus(); });
    connect(agenda, &QPushButton::clicked, this, &TFmModuloVENDA::openAgenda);

    ui::installEnterAsTab(this);
    qApp->installEventFilter(this);
    applySettings();
    setIdle(true);
}

TFmModuloVENDA::~TFmModuloVENDA() {
    qApp->removeEventFilter(this);
    dm_.TbServico.close();
    dm_.TbItensServico.close();
}

void TFmModuloVENDA::buildButtons(QBoxLayout& layout) {
    auto* bar = new QHBoxLayout;
    const auto button = [&](const QString& caption, const char* name, const QString& hint) {
        return hinted(ui::addButton(*bar, caption, QString::fromLatin1(name)), hint);
    };
    novo_ = button(QStringLiteral("&Novo"), "BitBtn2", QStringLiteral("Inserir Novo Lançamento"));
    gravar_ = button(QStringLiteral("&Gravar"), "BitBtn3", QStringLiteral("Gravar Lançamento"));
    excluir_ = button(QStringLiteral("E&xcluir"), "BitBtn4", QStringLiteral("Excluir Lançamento"));
    consultar_ = button(QStringLiteral("&Consultar"), "BitBtn7", QStringLiteral("Consultar Lançamentos"));
    cancelar_ = button(QStringLiteral("Ca&ncelar"), "BitBtn15", QStringLiteral("Cancelar a Venda"));
    recibo_ = button(QStringLiteral("&Recibo"), "BitBtn9", QStringLiteral("Emitir Recibo"));
    bar->addStretch();
    fechar_ = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BitBtn8"));
    layout.addLayout(bar);
}

QWidget* TFmModuloVENDA::buildEntryLine() {
    entry_ = new QWidget(this);
    const auto edit = [&](const char* field, const char* name) {
        auto* box = new ui::DbEdit(dm_.DsServico, field, entry_);
        box->setObjectName(QString::fromLatin1(name));
        return box;
    };
    codFun_ = edit("CodFun", "DBEdit4");
    funcionario_ = edit("Funcioario", "DBEdit5");
    funcionario_->setFieldReadOnly(true);
    auto* cliente = edit("Cliente", "DBEdit3");
    cliente->setFieldReadOnly(true);
    cliente->setFocusPolicy(Qt::NoFocus);
    codigo_ = edit("Codigo", "DBEdit9");
    descricao_ = edit("Descricao", "DBEdit10");
    descricao_->setFieldReadOnly(true);
    valor_ = edit("Valor", "DBEdit11");
    quantidade_ = edit("CodTipo", "DBEdit6");
    comissao_ = edit("COM", "DBEdit12");

    const auto speed = [&](const QString& caption, const char* name, const QString& hint) {
        auto* button = new QToolButton(entry_);
        button->setText(caption);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    QToolButton* f2 = speed(QStringLiteral("F2"), "SpeedButton2", QStringLiteral("Consultar Funcionário"));
    QToolButton* f7 = speed(QStringLiteral("F7"), "SpeedButton4", QStringLiteral("Selecionar Cliente"));
    alterarValor_ = speed(QString(), "SpeedButton3", QStringLiteral("Alterar Valor"));
    alterarValor_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    inserir_ = new QPushButton(QStringLiteral("Inserir"), entry_);
    inserir_->setObjectName(QStringLiteral("BitBtn6"));

    auto* grid = new QGridLayout(entry_);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto captioned = [&](const QString& caption, QWidget* box, int row, int column, int span = 1) {
        auto* label = new QLabel(caption, entry_);
        label->setBuddy(box);
        grid->addWidget(label, row, column, 1, span);
        grid->addWidget(box, row + 1, column, 1, span);
    };
    captioned(QStringLiteral("Código:"), codFun_, 0, 0);
    grid->addWidget(f2, 1, 1);
    captioned(QStringLiteral("Funcionário"), funcionario_, 0, 2, 2);
    captioned(QStringLiteral("Cliente:"), cliente, 0, 4, 2);
    grid->addWidget(f7, 1, 6);
    captioned(QStringLiteral("Código:"), codigo_, 2, 0);
    captioned(QStringLiteral("Descrição: ( Tecle F4 - Para Consultar Produtos e Serviços)"), descricao_, 2, 1,
              3);
    captioned(QStringLiteral("Valor R$"), valor_, 2, 4);
    grid->addWidget(alterarValor_, 3, 5);
    auto* small = new QHBoxLayout;
    for (auto [caption, box] :
         {std::pair{QStringLiteral("Qtde."), quantidade_}, std::pair{QStringLiteral("Com.%"), comissao_}}) {
        auto* label = new QLabel(caption, entry_);
        label->setBuddy(box);
        small->addWidget(label);
        small->addWidget(box);
    }
    small->addWidget(inserir_);
    grid->addLayout(small, 3, 6, 1, 2);
    grid->setColumnStretch(3, 1);

    setTabOrder(codFun_, funcionario_);
    setTabOrder(funcionario_, codigo_);
    setTabOrder(codigo_, descricao_);
    setTabOrder(descricao_, valor_);
    setTabOrder(valor_, quantidade_);
    setTabOrder(quantidade_, comissao_);
    setTabOrder(comissao_, inserir_);

    connect(f2, &QToolButton::clicked, this, &TFmModuloVENDA::chooseEmployee);
    connect(f7, &QToolButton::clicked, this, &TFmModuloVENDA::chooseClient);
    connect(alterarValor_, &QToolButton::clicked, this, &TFmModuloVENDA::unlockValue);
    return entry_;
}

QGroupBox* TFmModuloVENDA::buildLookupPanel() {
    lookupPanel_ = new QGroupBox(QStringLiteral("CONSULTAR PRODUTOS E SERVIÇOS"), this);
    lookupPanel_->setObjectName(QStringLiteral("PnConsulta"));
    nomeProduto_ = new QLineEdit(lookupPanel_);
    nomeProduto_->setObjectName(QStringLiteral("EdNomeProduto"));
    produtos_ = new ui::DbGrid(dm_.TbProdutos,
                               {{"Descricao", QStringLiteral("Descrição dos Produtos e Serviços")},
                                {"Valor", QStringLiteral("Valor R$")}},
                               lookupPanel_);
    produtos_->setObjectName(QStringLiteral("DBGrid2"));
    ui::allowEnterIn(produtos_);
    auto* take = hinted(new QPushButton(QStringLiteral("F5 - Inserir  "), lookupPanel_),
                        QStringLiteral("Inserir Produto"));
    take->setObjectName(QStringLiteral("BtnInserirConsulta"));
    auto* hide = hinted(new QPushButton(QStringLiteral("F6 - Ocultar"), lookupPanel_),
                        QStringLiteral("Ocultat Consulta"));
    hide->setObjectName(QStringLiteral("BtnOcultarConsulta"));

    auto* search = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Nome do Produto:"), lookupPanel_);
    caption->setBuddy(nomeProduto_);
    search->addWidget(caption);
    search->addWidget(nomeProduto_, 1);
    search->addWidget(take);
    search->addWidget(hide);
    auto* layout = new QVBoxLayout(lookupPanel_);
    layout->addLayout(search);
    layout->addWidget(produtos_);
    setTabOrder(nomeProduto_, produtos_);

    connect(nomeProduto_, &QLineEdit::textEdited, this, &TFmModuloVENDA::searchByName);
    connect(produtos_, &ui::DbGrid::chosen, this, &TFmModuloVENDA::takeFromLookupPanel);
    connect(take, &QPushButton::clicked, this, &TFmModuloVENDA::takeFromLookupPanel);
    connect(hide, &QPushButton::clicked, this, [this] { hideLookupPanel(codigo_); });
    lookupPanel_->hide();
    return lookupPanel_;
}

void TFmModuloVENDA::retirada() {
    if (inProgress()) return ui::Dialogs::current().message(kInProgress);
    if (!app::accessCheck(dm_, data::area::kRetirada)) return;
    hide();
    withdrawalScreen()(dm_);
    show();
}

bool TFmModuloVENDA::inProgress() const {
    return gravar_->isEnabled();
}

void TFmModuloVENDA::done(int result) {
    if (inProgress()) return ui::Dialogs::current().message(kInProgress);
    QDialog::done(result);
}

// Each time the screen comes to the front: the salon's name, today, and the switches, which
// another station may have changed meanwhile.
bool TFmModuloVENDA::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) applySettings();
    return QDialog::event(event);
}

void TFmModuloVENDA::applySettings() {
    ui::runGuarded([this] {
        switches_ = entrySwitches(dm_);
        setWindowTitle(QStringLiteral("::.. ") +
                       QString::fromStdString(dm_.TbConfig.field("Nome").asString()));
    });
    dateLine_->setText(QString::fromStdString(core::longDate(core::Date::today())) + QStringLiteral("     "));
    if (!valueUnlocked_) lockValue(switches_.lockedValue);
    alterarValor_->setEnabled(switches_.lockedValue);
    comissao_->setFieldReadOnly(switches_.lockedCommission);
    comissao_->setFocusPolicy(switches_.lockedCommission ? Qt::ClickFocus : Qt::StrongFocus);
}

void TFmModuloVENDA::lockValue(bool locked) {
    valor_->setFieldReadOnly(locked);
    // Locked boxes are skipped by Tab and Enter; a click still shows the cursor there.
    valor_->setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
}

void TFmModuloVENDA::setIdle(bool idle) {
    for (QPushButton* b : {gravar_, excluirItem_, cancelar_}) b->setEnabled(!idle);
    for (QPushButton* b : {novo_, excluir_, consultar_, recibo_}) b->setEnabled(idle);
    // While idle the boxes would edit the last stored sale: nothing may be typed there.
    entry_->setEnabled(!idle);
    if (idle) {
        lookup_.reset();
        lookupPanel_->hide();
    } else {
        receiptPanel_->hide();
    }
}

void TFmModuloVENDA::focusBox(EntryBox box) {
    switch (box) {
        case EntryBox::Employee:
            return codFun_->setFocus();
        case EntryBox::ItemCode:
            return codigo_->setFocus();
        case EntryBox::Value:
            return valor_->setFocus();
        case EntryBox::Quantity:
            return quantidade_->setFocus();
        case EntryBox::Commission:
            return comissao_->setFocus();
    }
}

// The focus goes first, so that the box the user must correct is where the focus comes back
// to when the message closes.
void TFmModuloVENDA::refuse(const EntryProblem& problem) {
    focusBox(problem.box);
    ui::Dialogs::current().message(QString::fromStdString(problem.message));
}

bool TFmModuloVENDA::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && isActiveWindow()) {
        auto* target = static_cast<QWidget*>(watched);
        if ((target == this || isAncestorOf(target)) && handleKey(static_cast<QKeyEvent*>(event)->key()))
            return true;
    }
    if (inProgress() && ui::arrivedByMove(event)) {
        if (watched == funcionario_) employeeEntered();
        if (watched == descricao_) itemEntered();
        if (watched == inserir_) insertItem();
    }
    return QDialog::eventFilter(watched, event);
}

bool TFmModuloVENDA::handleKey(int key) {
    if (key == Qt::Key_F6) {
        hideLookupPanel(codigo_);
        return true;
    }
    if (!inProgress())
        return key == Qt::Key_F2 || key == Qt::Key_F4 || key == Qt::Key_F5 || key == Qt::Key_F7 ||
               key == Qt::Key_F8;
    switch (key) {
        case Qt::Key_F2:
            chooseEmployee();
            return true;
        case Qt::Key_F4:
            showLookupPanel();
            return true;
        case Qt::Key_F5:
            takeFromLookupPanel();
            return true;
        case Qt::Key_F7:
            chooseClient();
            return true;
        case Qt::Key_F8:
            removeItem();
            return true;
        default:
            return false;
    }
}

void TFmModuloVENDA::novo() {
    if (!ui::runGuarded([this] { startSale(dm_); })) return;
    valueUnlocked_ = false;
    applySettings();
    setIdle(false);
    codFun_->setFocus();
}

void TFmModuloVENDA::cancelar() {
    if (!inProgress() || !ui::Confirma(QStringLiteral("Cancelar o Lançamento?"))) return;
    if (!ui::runGuarded([this] { cancelSale(dm_); })) return;
    current_.reset();
    setIdle(true);
    recibo_->setEnabled(false);
    novo_->setFocus();
}

void TFmModuloVENDA::gravar() {
    if (!inProgress()) return;
    std::optional<EntryProblem> problem;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbServico);
            problem = prepareForPayment(dm_);
        }))
        return;
    if (problem) return refuse(*problem);
    TFmPagamento payment(dm_);
    hide();
    const bool paid = ui::Dialogs::current().exec(payment) == QDialog::Accepted;
    show();
    if (!paid) return;
    current_ = dm_.TbServico.field("Contador").asInteger();
    setIdle(true);
    novo_->setFocus();
}

void TFmModuloVENDA::acerto() {
    if (inProgress()) return ui::Dialogs::current().message(kInProgress);
    if (!app::levelCheck(dm_, app::LevelField::Servico)) return;
    showDataRC(dm_);
}

void TFmModuloVENDA::excluir() {
    if (!current_)
        return ui::Dialogs::current().message(QStringLiteral("Selecione o Lançamento Para Exclusão!"));
    core::Date day;
    if (!ui::runGuarded([&] {
            store::Table& sale = dm_.TbServico;
            sale.setIndexName("");
            if (!sale.findKey({*current_})) throw data::Refusal(kSaleGone);
            day = sale.field("Data").asDate();
        }))
        return;
    // Refused before the password: a sale of another day is kept whoever asks.
    if (day != core::Date::today())
        return ui::Dialogs::current().message(
            QStringLiteral("Você Poderá Excluir Somente Lançamentos do Dia!"));
    if (!app::accessCheck(dm_, data::area::kExcluirVenda) ||
        !ui::Confirma(QStringLiteral("Excluir o Lançamento?")))
        return;
    if (!ui::runGuarded([this] { deleteSale(dm_, *current_); })) return;
    current_.reset();
    receiptPanel_->hide();
    dm_.TbServico.close();
    dm_.TbItensServico.close();
    novo_->setFocus();
}

void TFmModuloVENDA::consultar() {
    {
        TFmConsServico query(dm_, this);
        ui::Dialogs::current().exec(query);
    }
    current_.reset();
    if (!dm_.TbServico.isEmpty()) current_ = dm_.TbServico.field("Contador").asInteger();
    recibo_->setEnabled(true);
}

void TFmModuloVENDA::recibo() {
    if (!current_)
        return ui::Dialogs::current().message(QStringLiteral("Selecione o Lançamento Para Impressão!"));
    receiptPanel_->open(*current_);
}

void TFmModuloVENDA::removeItem() {
    if (!inProgress()) return;
    if (!hasItems(dm_))
        return ui::Dialogs::current().message(QStringLiteral("Não Existe Ítens Para Excluísão!"));
    if (!ui::Confirma(QStringLiteral("Excluir o Ítem?"))) return;
    ui::runGuarded([this] {
        ui::writeControls(dm_.TbServico);
        removeCurrentItem(dm_);
    });
}

void TFmModuloVENDA::employeeEntered() {
    std::optional<EntryProblem> problem;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbServico);
            problem = lookUpEmployee(dm_);
        }))
        return;
    if (problem) return refuse(*problem);
    codigo_->setFocus();
}

void TFmModuloVENDA::itemEntered() {
    lookup_.reset();
    ItemLookupResult found;
    bool noCode = false;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbServico);
            noCode = dm_.TbServico.field("Codigo").asInteger() < 1;
            if (!noCode) found = lookUpItem(dm_, switches_.promotion);
        }))
        return;
    // Enter on an empty code is how the keyboard user finishes the sale.
    if (noCode) return gravar_->setFocus();
    if (found.problem) return refuse(*found.problem);
    lookup_ = found.item;
    if (!valor_->fieldReadOnly()) {
        valor_->setFocus();
    } else if (!switches_.lockedCommission) {
        comissao_->setFocus();
    }
}

void TFmModuloVENDA::insertItem() {
    bool stale = true;
    std::optional<EntryProblem> problem;
    if (!ui::runGuarded([&] {
            ui::writeControls(dm_.TbServico);
            stale = !lookup_ || lookupIsStale(dm_, *lookup_);
            if (!stale) problem = addItem(dm_, *lookup_, valueUnlocked_);
        }))
        return;
    if (stale) {
        // The code or the employee changed since the look-up: look them up again, and let
        // the user see what the item now is before it goes in.
        if (!lookup_ || lookup_->employeeCode != dm_.TbServico.field("CodFun").asInteger()) {
            std::optional<EntryProblem> employee;
            if (!ui::runGuarded([&] { employee = lookUpEmployee(dm_); })) return;
            if (employee) return refuse(*employee);
        }
        descricao_->setFocus();
        return itemEntered();
    }
    if (problem) return refuse(*problem);
    lookup_.reset();
    if (valueUnlocked_) {
        valueUnlocked_ = false;
        lockValue(switches_.lockedValue);
    }
    codFun_->setFocus();
}

void TFmModuloVENDA::openAgenda() {
    if (inProgress()) return ui::Dialogs::current().message(kInProgress);
    // The book takes the screen's place while it is open; the tables this screen opened stay
    // open for it.
    hide();
    showAgenda(dm_);
    show();
}

void TFmModuloVENDA::chooseEmployee() {
    registers::showConsFunc(dm_);
    if (dm_.TbFuncionario.isEmpty()) return;
    if (!ui::runGuarded([this] {
            dm_.TbServico.field("CodFun").setInteger(dm_.TbFuncionario.field("Codigo").asInteger());
        }))
        return;
    ui::moveFocusTo(funcionario_);
}

void TFmModuloVENDA::chooseClient() {
    registers::chooseClient(dm_, this);
    if (dm_.TbCliente.isEmpty()) return;
    if (!ui::runGuarded([this] {
            dm_.TbServico.field("CodCliente").setInteger(dm_.TbCliente.field("Codigo").asInteger());
            dm_.TbServico.field("Cliente").setString(dm_.TbCliente.field("Nome").asString());
        }))
        return;
    codigo_->setFocus();
}

void TFmModuloVENDA::unlockValue() {
    if (!inProgress() || !app::accessCheck(dm_, data::area::kAlterarValor)) return;
    valueUnlocked_ = true;
    lockValue(false);
    valor_->setFocus();
}

void TFmModuloVENDA::showLookupPanel() {
    if (!inProgress()) return;
    ui::runGuarded([this] { dm_.TbProdutos.setIndexName(""); });
    lookupPanel_->show();
    ui::keepOnScreen(*this);
    nomeProduto_->setFocus();
}

void TFmModuloVENDA::hideLookupPanel(QWidget* focusAfter) {
    lookupPanel_->hide();
    if (inProgress()) focusAfter->setFocus();
}

void TFmModuloVENDA::takeFromLookupPanel() {
    if (!inProgress() || !lookupPanel_->isVisible() || dm_.TbProdutos.isEmpty()) return;
    if (!ui::runGuarded(
            [this] { dm_.TbServico.field("Codigo").setInteger(dm_.TbProdutos.field("Codigo").asInteger()); }))
        return;
    // The description box receives the focus and looks the item up.
    hideLookupPanel(descricao_);
}

void TFmModuloVENDA::searchByName(const QString& text) {
    ui::runGuarded([&] {
        store::Table& products = dm_.TbProdutos;
        products.setIndexName("siDescricao");
        products.findNearest({store::Value{text.toStdString()}});
    });
}

void setWithdrawalScreen(std::function<void(data::Tdm&)> screen) {
    withdrawalScreen() = std::move(screen);
}

void showModuloVenda(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmModuloVENDA screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales
