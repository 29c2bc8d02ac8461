#include "sales/ticket_screen.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/access.h"
#include "core/format.h"
#include "data/access_areas.h"
#include "registers/employee_search.h"
#include "registers/product_search.h"
#include "reports/ticket_report.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/focus_arrival.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace sales {

namespace {

QLineEdit* box(const char* name, QWidget* parent, bool readOnly = false) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setReadOnly(readOnly);
    return b;
}

QPushButton* toolButton(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

TFmComando::TFmComando(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmComando"));
    setWindowTitle(QStringLiteral("::.. Controle de Serviços"));
    tables_.open(dm.TbFuncionario);
    tables_.open(dm.TbProdutos);
    tables_.open(dm.TbHistorico);

    auto* banner = new QLabel(QStringLiteral("CONTROLE DE SERVIÇOS"), this);
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = banner->font();
    bannerFont.setBold(true);
    bannerFont.setPointSize(bannerFont.pointSize() + 4);
    banner->setFont(bannerFont);

    comanda_ = box("Edit1", this);
    codFun_ = box("DBEdit1", this);
    auto* f2 =
        toolButton(QStringLiteral("F2"), "SpeedButton2", QStringLiteral("Consultar Funcionário"), this);
    funcionario_ = box("DBEdit2", this, true);
    senha_ = box("Edit2", this);
    senha_->setEchoMode(QLineEdit::Password);
    ui::typeInUpperCase(senha_);
    codigo_ = box("DBEdit9", this);
    auto* f3 = toolButton(QStringLiteral("F3"), "SpeedButton1", QStringLiteral("Consultar Serviços"), this);
    servico_ = box("DBEdit10", this, true);
    valor_ = box("DBEdit11", this, true);
    desconto_ = box("DBEdit3", this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("BitBtn6"));
    ok_->setAutoDefault(false);
    auto* consultar = toolButton(QStringLiteral("Consultar"), "SpeedButton5",
                                 QStringLiteral("Consultar Serviços de Funcionário"), this);
    auto* excluir =
        toolButton(QStringLiteral("Excluir"), "SpeedButton10", QStringLiteral("Excluir Serviço"), this);
    grid_ = new ui::DbGrid(dm.TbItemComando,
                           {{"Codigo", QStringLiteral("Código")},
                            {"Servico", QStringLiteral("Descrição dos Serviços")},
                            {"Valor", QStringLiteral("Valor R$")}},
                           this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setFocusPolicy(Qt::NoFocus);

    QFormLayout* rows = ui::labelledRows();
    ui::addLabelledRow(*rows, QStringLiteral("Nº Comanda:"), comanda_);
    auto* employee = new QHBoxLayout;
    employee->addWidget(codFun_);
    employee->addWidget(f2);
    employee->addWidget(new QLabel(QStringLiteral("Funcionário:"), this));
    employee->addWidget(funcionario_, 1);
    rows->addRow(QStringLiteral("Código:"), employee);
    ui::addLabelledRow(*rows, QStringLiteral("Senha:"), senha_);
    auto* service = new QHBoxLayout;
    service->addWidget(codigo_);
    service->addWidget(f3);
    service->addWidget(new QLabel(QStringLiteral("Descrição do Serviço:"), this));
    service->addWidget(servico_, 1);
    rows->addRow(QStringLiteral("Código:"), service);
    auto* amounts = new QHBoxLayout;
    amounts->addWidget(valor_);
    amounts->addWidget(new QLabel(QStringLiteral("Desc. R$"), this));
    amounts->addWidget(desconto_);
    amounts->addWidget(ok_);
    amounts->addStretch();
    rows->addRow(QStringLiteral("Valor R$"), amounts);

    auto* bar = new QHBoxLayout;
    bar->addWidget(consultar);
    bar->addWidget(excluir);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(rows);
    layout->addWidget(grid_, 1);
    layout->addLayout(bar);
    resize(640, 480);

    setTabOrder(comanda_, codFun_);
    setTabOrder(codFun_, funcionario_);
    setTabOrder(funcionario_, senha_);
    setTabOrder(senha_, codigo_);
    setTabOrder(codigo_, servico_);
    setTabOrder(servico_, valor_);
    setTabOrder(valor_, desconto_);
    setTabOrder(desconto_, ok_);
    for (QWidget* watched : std::initializer_list<QWidget*>{codFun_, funcionario_, codigo_, servico_, ok_})
        watched->installEventFilter(this);
    connect(f2, &QPushButton::clicked, this, &TFmComando::chooseEmployee);
    connect(f3, &QPushButton::clicked, this, &TFmComando::chooseService);
    connect(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this, &TFmComando::chooseEmployee);
    connect(new QShortcut(Qt::Key_F3, this), &QShortcut::activated, this, &TFmComando::chooseService);
    connect(consultar, &QPushButton::clicked, this, &TFmComando::consultar);
    connect(excluir, &QPushButton::clicked, this, &TFmComando::excluir);
    ui::installEnterAsTab(this);
    comanda_->setFocus();
}

TFmComando::~TFmComando() {
    closeTicket();
}

bool TFmComando::eventFilter(QObject* watched, QEvent* event) {
    if (ui::arrivedByMove(event)) {
        if (watched == codFun_) openTicketTyped();
        if (watched == funcionario_) lookUpEmployee();
        if (watched == codigo_) checkPassword();
        if (watched == servico_) lookUpService();
        if (watched == ok_) record();
    }
    return QDialog::eventFilter(watched, event);
}

// The focus goes first, so that it is where the user must correct once the message closes.
void TFmComando::refuse(QWidget* box, const QString& message) {
    box->setFocus();
    ui::Dialogs::current().message(message);
}

std::optional<std::int64_t> TFmComando::ticketNumber() {
    bool number = false;
    const qlonglong value = comanda_->text().trimmed().toLongLong(&number);
    if (number && value > 0) return value;
    refuse(comanda_, comanda_->text().trimmed().isEmpty() ? QStringLiteral("Digite o Número da Comanda!")
                                                          : QStringLiteral("Número de Comanda Inválido!"));
    return std::nullopt;
}

std::int64_t TFmComando::employeeCode() const {
    return codFun_->text().trimmed().toLongLong();
}

bool TFmComando::employeeSelected() const {
    return !funcionario_->text().isEmpty();
}

void TFmComando::openTicketTyped() {
    if (comanda_->text().trimmed().isEmpty()) return;
    const std::optional<std::int64_t> number = ticketNumber();
    if (number) ui::runGuarded([&] { openTicket(dm_, *number); });
}

void TFmComando::lookUpEmployee() {
    store::Table& funcionario = dm_.TbFuncionario;
    bool found = false;
    ui::runGuarded([&] {
        funcionario.setIndexName("");
        found = employeeCode() > 0 && funcionario.findKey({employeeCode()});
    });
    if (!found) {
        funcionario_->clear();
        return refuse(codFun_, QStringLiteral("Não Existe Funcionário Com Este Código!"));
    }
    funcionario_->setText(QString::fromStdString(funcionario.field("Nome").asString()));
    senha_->setFocus();
}

// The password is that of the employee of the code in the box now, whoever was looked up.
void TFmComando::checkPassword() {
    if (!employeeSelected()) return;
    store::Table& funcionario = dm_.TbFuncionario;
    bool right = false;
    ui::runGuarded([&] {
        funcionario.setIndexName("");
        right =
            funcionario.findKey({employeeCode()}) &&
            ticketPasswordMatches(funcionario.field("SobreNome").asString(), senha_->text().toStdString());
    });
    if (!right) refuse(senha_, QStringLiteral("Senha do Funcionário Incorreta!"));
}

void TFmComando::lookUpService() {
    if (comanda_->text().trimmed().isEmpty())
        return refuse(comanda_, QStringLiteral("Digite o Número da Comanda!"));
    if (!employeeSelected())
        return refuse(codFun_, QStringLiteral("Selecione o Funcionário Para o Lançamento!"));
    store::Table& produtos = dm_.TbProdutos;
    bool found = false;
    ui::runGuarded([&] {
        produtos.setIndexName("");
        const std::int64_t code = codigo_->text().trimmed().toLongLong();
        found = code > 0 && produtos.findKey({code});
    });
    if (!found) {
        servico_->clear();
        valor_->clear();
        return refuse(codigo_, QStringLiteral("Não Existe Serviço Com Este Código!"));
    }
    showService();
    desconto_->setFocus();
}

void TFmComando::showService() {
    servico_->setText(QString::fromStdString(dm_.TbProdutos.field("Descricao").asString()));
    valor_->setText(QString::fromStdString(core::formatMoney(ticketPrice(dm_))));
}

void TFmComando::chooseEmployee() {
    registers::showConsFunc(dm_);
    if (dm_.TbFuncionario.isEmpty()) return;
    codFun_->setText(QString::number(dm_.TbFuncionario.field("Codigo").asInteger()));
    ui::moveFocusTo(funcionario_);
}

void TFmComando::chooseService() {
    if (!employeeSelected()) return;
    registers::showConsProduto(dm_);
    if (dm_.TbProdutos.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbProdutos.field("Codigo").asInteger()));
    showService();
    valor_->setFocus();
}

TicketEntry TFmComando::entry() {
    return {comanda_->text().trimmed().toLongLong(), employeeCode(), senha_->text().toStdString(),
            codigo_->text().trimmed().toLongLong(),
            core::Currency::parse(desconto_->text().trimmed().toStdString()).value_or(core::Currency{})};
}

QWidget* TFmComando::boxOf(TicketBox box) const {
    switch (box) {
        case TicketBox::Employee:
            return codFun_;
        case TicketBox::Password:
            return senha_;
        case TicketBox::Service:
            return codigo_;
        case TicketBox::Price:
            return valor_;
        case TicketBox::Discount:
            return desconto_;
    }
    return comanda_;
}

void TFmComando::record() {
    if (!employeeSelected())
        return refuse(codFun_, QStringLiteral("Selecione o Funcionário Para o Lançamento!"));
    const std::optional<std::int64_t> number = ticketNumber();
    if (!number) return;
    const QString discount = desconto_->text().trimmed();
    if (!discount.isEmpty() && !core::Currency::parse(discount.toStdString()))
        return refuse(desconto_, QStringLiteral("Desconto Inválido!"));
    const TicketEntry typed = entry();
    std::optional<TicketProblem> problem;
    if (!ui::runGuarded([&] { problem = checkTicketEntry(dm_, typed); })) return;
    if (problem) return refuse(boxOf(problem->box), QString::fromStdString(problem->message));
    if (!ui::runGuarded([&] { recordTicketItem(dm_, typed); })) return;
    closeTicket();
    for (QLineEdit* b : {comanda_, codFun_, funcionario_, senha_, codigo_, servico_, valor_, desconto_})
        b->clear();
    comanda_->setFocus();
}

void TFmComando::closeTicket() {
    ui::runGuarded([this] {
        dm_.TbItemComando.close();
        dm_.TbComando.close();
    });
}

void TFmComando::excluir() {
    store::Table& items = dm_.TbItemComando;
    if (!items.isOpen())
        return refuse(comanda_, QStringLiteral("Selecione a Comanda Para Exclusão do Serviço!"));
    if (items.isEmpty())
        return ui::Dialogs::current().message(QStringLiteral("Não Existe Serviço Para Exclusão!"));
    if (!app::accessCheck(dm_, data::area::kExcluirServicoComanda) ||
        !ui::Confirma(QStringLiteral("Excluir o Serviço?")))
        return;
    const std::int64_t ticket = items.field("Comando").asInteger();
    const std::int64_t ordem = items.field("Ordem").asInteger();
    ui::runGuarded([&] { deleteTicketItem(dm_, ticket, ordem); });
    ui::runGuarded([&] { items.refresh(); });
    comanda_->clear();
    senha_->clear();
    comanda_->setFocus();
}

void TFmComando::consultar() {
    if (!employeeSelected())
        return refuse(codFun_, QStringLiteral("Selecione o Funcionário Para a Pesquisa!"));
    std::optional<TicketProblem> problem;
    if (!ui::runGuarded(
            [&] { problem = checkEmployeeForListing(dm_, employeeCode(), senha_->text().toStdString()); }))
        return;
    if (problem) return refuse(boxOf(problem->box), QString::fromStdString(problem->message));
    closeTicket();
    ui::runGuarded(
        [&] { reports::printEmployeeServices(dm_, employeeCode(), core::Date::today(), output_); });
    senha_->clear();
}

void showComando(data::Tdm& dm) {
    ui::runGuarded([&dm] {
        TFmComando screen(dm);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales
