#include "sales/agenda_screen.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "registers/client_search.h"
#include "registers/employee_search.h"
#include "registers/product_search.h"
#include "reports/agenda_report.h"
#include "sales/reminders_screen.h"
#include "ui/calendar_popup.h"
#include "ui/date_box.h"
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

QPushButton* button(const QString& caption, const char* name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    return b;
}

QLineEdit* box(const char* name, QWidget* parent) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::string text(const QLineEdit* box) {
    return box->text().trimmed().toStdString();
}

}  // namespace

TFmAgenda::TFmAgenda(data::Tdm& dm, QWidget* parent, reports::ReportOutput output)
    : QDialog(parent), dm_(dm), output_(std::move(output)) {
    setObjectName(QStringLiteral("TFmAgenda"));
    setWindowTitle(QStringLiteral("::.. AGENDA"));
    tables_.open(dm.TbFuncionario);
    tables_.open(dm.TbHora);
    tables_.open(dm.TbCliente);
    tables_.open(dm.TbProdutos);

    auto* banner = new QLabel(QStringLiteral("AGENDAMENTO DE HORÁRIOS"), this);
    banner->setObjectName(QStringLiteral("LbTitulo"));
    banner->setAlignment(Qt::AlignCenter);
    QFont bannerFont = banner->font();
    bannerFont.setBold(true);
    bannerFont.setPointSize(bannerFont.pointSize() + 4);
    banner->setFont(bannerFont);

    data_ = new ui::DateBox(this);
    data_->setObjectName(QStringLiteral("MaskEdit1"));
    auto* calendarButton =
        button(QStringLiteral("..."), "SpeedButton3", QStringLiteral("Exibir Calendário"), this);
    codigo_ = box("Edit2", this);
    auto* escolherFunc =
        button(QStringLiteral("&F"), "SpeedButton1", QStringLiteral("Selecionar Funcionário"), this);
    funcionario_ = box("Edit3", this);
    funcionario_->setReadOnly(true);
    auto* todas = button(QStringLiteral("TODAS AGENDAS"), "BitBtn1",
                         QStringLiteral("Mostra Agenda de Todos Funcionários"), this);
    cliente_ = box("Edit1", this);
    ui::typeInUpperCase(cliente_);
    auto* f2 = button(QStringLiteral("F2"), "SpeedButton5", QStringLiteral("Selecionar Cliente"), this);
    servicos_ = box("Edit4", this);
    ui::typeInUpperCase(servicos_);
    auto* f3 = button(QStringLiteral("F3"), "SpeedButton6", QStringLiteral("Selecionar Serviço"), this);
    gravar_ = button(QStringLiteral("&Gravar"), "BitBtn3", QString(), this);
    reservar_ = button(QStringLiteral("&Reservar"), "BitBtn7", QStringLiteral("Reservar Horário"), this);
    reservar_->setEnabled(false);
    auto* imprimir =
        button(QStringLiteral("Imprimir"), "SpeedButton2", QStringLiteral("Imprimir Agenda"), this);
    auto* excluir =
        button(QStringLiteral("Excluir"), "SpeedButton4", QStringLiteral("Desmarcar Horário"), this);
    auto* lembretes =
        button(QStringLiteral("Lembretes"), "BtLembretes", QStringLiteral("Lembretes por WhatsApp"), this);
    auto* calendario = button(QStringLiteral("Calendário"), "BtCalendario",
                              QStringLiteral("Gravar os Horários Marcados Para o Celular (.ics)"), this);
    auto* fechar = button(QStringLiteral("Fechar"), "BitBtn8", QString(), this);
    for (QPushButton* b : {calendarButton, escolherFunc, f2, f3, imprimir, excluir, lembretes, calendario})
        b->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* b : {todas, gravar_, reservar_, fechar}) b->setAutoDefault(false);

    grid_ = new ui::DbGrid(dm.TbAgenda,
                           {{"Data", QStringLiteral("Data")},
                            {"Hora", QStringLiteral("Hora")},
                            {"Funcionario", QStringLiteral("Funcionário")},
                            {"Cliente", QStringLiteral("Clientes Agendados")},
                            {"Servico", QStringLiteral("Tipo de Serviço")},
                            {"Enviado", QStringLiteral("Env.")},
                            {"Confirmado", QStringLiteral("Conf.")}},
                           this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setFocusPolicy(Qt::ClickFocus);
    calendario_ = new ui::CalendarPopup(*data_, codigo_, this);

    aviso_ = new QLabel(QStringLiteral("Criando a Agenda! Aguarde..."), this);
    aviso_->setObjectName(QStringLiteral("LbAviso"));
    aviso_->hide();

    auto* rows = new QGridLayout;
    const auto caption = [&](const QString& text, QWidget* buddy, int row, int column) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        rows->addWidget(label, row, column);
    };
    caption(QStringLiteral("Data:"), data_, 0, 0);
    rows->addWidget(data_, 0, 1);
    rows->addWidget(calendarButton, 0, 2);
    caption(QStringLiteral("Código:"), codigo_, 0, 3);
    rows->addWidget(codigo_, 0, 4);
    rows->addWidget(escolherFunc, 0, 5);
    caption(QStringLiteral("Funcionário:"), funcionario_, 0, 6);
    rows->addWidget(funcionario_, 0, 7);
    rows->addWidget(todas, 0, 8);
    caption(QStringLiteral("Cliente:"), cliente_, 1, 0);
    rows->addWidget(cliente_, 1, 1, 1, 4);
    rows->addWidget(f2, 1, 5);
    caption(QStringLiteral("Serviços:"), servicos_, 1, 6);
    rows->addWidget(servicos_, 1, 7);
    rows->addWidget(f3, 1, 8);
    rows->setColumnStretch(7, 1);

    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {gravar_, reservar_, imprimir, excluir, lembretes, calendario}) bar->addWidget(b);
    bar->addStretch();
    bar->addWidget(aviso_);
    bar->addWidget(fechar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addLayout(rows);
    layout->addWidget(calendario_);
    layout->addWidget(grid_, 1);
    layout->addLayout(bar);
    resize(860, 520);

    setTabOrder(data_, codigo_);
    setTabOrder(codigo_, funcionario_);
    setTabOrder(funcionario_, todas);
    setTabOrder(todas, cliente_);
    setTabOrder(cliente_, servicos_);
    setTabOrder(servicos_, gravar_);
    setTabOrder(gravar_, reservar_);
    setTabOrder(reservar_, fechar);

    data_->installEventFilter(this);
    funcionario_->installEventFilter(this);
    connect(servicos_, &QLineEdit::textEdited, this, [this] { chosenService_.reset(); });
    connect(calendarButton, &QPushButton::clicked, calendario_, &ui::CalendarPopup::showToday);
    connect(escolherFunc, &QPushButton::clicked, this, &TFmAgenda::chooseEmployee);
    connect(todas, &QPushButton::clicked, this, &TFmAgenda::loadWholeDay);
    connect(f2, &QPushButton::clicked, this, &TFmAgenda::chooseClientAndService);
    connect(f3, &QPushButton::clicked, this, &TFmAgenda::chooseService);
    connect(new QShortcut(Qt::Key_F2, this), &QShortcut::activated, this, &TFmAgenda::chooseClientAndService);
    connect(new QShortcut(Qt::Key_F3, this), &QShortcut::activated, this, &TFmAgenda::chooseService);
    connect(gravar_, &QPushButton::clicked, this, &TFmAgenda::gravar);
    connect(reservar_, &QPushButton::clicked, this, &TFmAgenda::reservar);
    connect(excluir, &QPushButton::clicked, this, &TFmAgenda::excluir);
    connect(imprimir, &QPushButton::clicked, this, &TFmAgenda::imprimir);
    connect(calendario, &QPushButton::clicked, this, &TFmAgenda::exportarCalendario);
    connect(lembretes, &QPushButton::clicked, this, [this] {
        showLembretes(dm_, this);
        // The marks set there show here.
        if (loaded_) reread();
    });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    ui::installEnterAsTab(this);
    data_->setFocus();
}

TFmAgenda::~TFmAgenda() {
    // The book goes back to its primary index, unrestricted, for whoever opens it next.
    if (dm_.TbAgenda.isOpen()) ui::runGuarded([this] { dm_.TbAgenda.setIndexName(""); });
}

bool TFmAgenda::eventFilter(QObject* watched, QEvent* event) {
    if (watched == data_ && event->type() == QEvent::FocusIn) data_->setDate(core::Date::today());
    if (watched == funcionario_ && ui::arrivedByMove(event)) loadEmployeeDay();
    return QDialog::eventFilter(watched, event);
}

std::optional<core::Date> TFmAgenda::typedDate() {
    if (data_->isEmpty()) {
        ui::Dialogs::current().message(QStringLiteral("Digite a Data Para o Agendamento!"));
        return std::nullopt;
    }
    std::optional<core::Date> day;
    ui::runGuarded([&] { day = data_->date(); });
    return day;
}

void TFmAgenda::loadEmployeeDay() {
    const std::optional<core::Date> day = typedDate();
    if (!day) return;
    const std::int64_t code = codigo_->text().trimmed().toLongLong();
    aviso_->show();
    const bool made = ui::runGuarded([&] { openEmployeeDay(dm_, code, *day); });
    aviso_->hide();
    if (!made) return codigo_->setFocus();
    reservar_->setEnabled(false);
    funcionario_->setText(QString::fromStdString(dm_.TbFuncionario.field("Nome").asString()));
    showDay("siFUNC", {code, day->toIso()});
    shownSlots_ = {*day, 1, code};
    cliente_->setFocus();
}

void TFmAgenda::loadWholeDay() {
    const std::optional<core::Date> day = typedDate();
    if (!day) return;
    reservar_->setEnabled(false);
    aviso_->show();
    const bool made = ui::runGuarded([&] { openWholeDay(dm_, *day); });
    aviso_->hide();
    if (!made) return;
    showDay("siData", {day->toIso()});
    shownSlots_ = {*day, 1, std::nullopt};
}

void TFmAgenda::showDay(const std::string& index, const std::vector<store::Value>& key) {
    loaded_ = ui::runGuarded([&] {
        tables_.open(dm_.TbAgenda);
        dm_.TbAgenda.setIndexName(index);
        dm_.TbAgenda.setRange(key, key);
        dm_.TbAgenda.first();
    });
    shownIndex_ = index;
    shownKey_ = key;
}

void TFmAgenda::chooseEmployee() {
    codigo_->setFocus();
    registers::showConsFunc(dm_);
    if (dm_.TbFuncionario.isEmpty()) return;
    codigo_->setText(QString::number(dm_.TbFuncionario.field("Codigo").asInteger()));
    funcionario_->setText(QString::fromStdString(dm_.TbFuncionario.field("Nome").asString()));
    ui::moveFocusTo(funcionario_);
}

void TFmAgenda::chooseClientAndService() {
    if (funcionario_->text().isEmpty()) return;
    registers::chooseClient(dm_, this);
    registers::showConsProduto(dm_);
    takeService();
    if (!dm_.TbCliente.isEmpty())
        cliente_->setText(QString::fromStdString(dm_.TbCliente.field("Nome").asString()));
    servicos_->setFocus();
}

void TFmAgenda::chooseService() {
    registers::showConsProduto(dm_);
    takeService();
    gravar_->setFocus();
}

void TFmAgenda::takeService() {
    if (dm_.TbProdutos.isEmpty()) return;
    chosenService_ =
        SlotService{dm_.TbProdutos.field("Descricao").asString(), dm_.TbProdutos.field("Codigo").asInteger()};
    servicos_->setText(QString::fromStdString(chosenService_->descricao));
}

std::optional<SlotSeen> TFmAgenda::selectedSlot() {
    store::Table& agenda = dm_.TbAgenda;
    if (!loaded_ || !agenda.isOpen() || agenda.isEmpty()) return std::nullopt;
    return SlotSeen{agenda.field("Codigo").asInteger(), agenda.field("Data").asDate(),
                    agenda.field("Hora").asString(), agenda.field("Cliente").asString(),
                    agenda.field("Servico").asString()};
}

SlotService TFmAgenda::typedService() const {
    // The catalogue code goes with the description only while it is the one looked up.
    if (chosenService_ && chosenService_->descricao == text(servicos_)) return *chosenService_;
    return {text(servicos_), std::nullopt};
}

bool TFmAgenda::refuseBooked(const SlotSeen& slot) {
    if (slot.cliente.empty()) return false;
    ui::Dialogs::current().message(QStringLiteral("O Horário Já Está Reservado!"));
    return true;
}

void TFmAgenda::gravar() {
    const auto refuse = [](QWidget* focus, const QString& message) {
        focus->setFocus();
        ui::Dialogs::current().message(message);
    };
    if (cliente_->text().trimmed().isEmpty())
        return refuse(cliente_, QStringLiteral("Digite ou Selecione o Nome do Cliente!"));
    if (funcionario_->text().isEmpty()) return refuse(codigo_, QStringLiteral("Selecione o Funcionário!"));
    if (servicos_->text().trimmed().isEmpty())
        return refuse(servicos_, QStringLiteral("Selecione o Serviço a Ser Realizado!"));
    const std::optional<SlotSeen> slot = selectedSlot();
    if (!slot || refuseBooked(*slot) || !ui::Confirma(QStringLiteral("Reservar o Horário?"))) return;
    const bool booked = ui::runGuarded([&] { bookSlot(dm_, *slot, text(cliente_), typedService()); });
    reread();
    if (!booked) return;
    for (QLineEdit* b : {static_cast<QLineEdit*>(data_), cliente_, codigo_, funcionario_, servicos_})
        b->clear();
    chosenService_.reset();
    reservar_->setEnabled(true);
    data_->setFocus();
}

void TFmAgenda::reservar() {
    const std::optional<SlotSeen> slot = selectedSlot();
    if (!slot || refuseBooked(*slot) || !ui::Confirma(QStringLiteral("Reservar o Horário?"))) return;
    const bool blocked = ui::runGuarded([&] { blockSlot(dm_, *slot, typedService()); });
    reread();
    if (!blocked) return;
    servicos_->clear();
    chosenService_.reset();
    codigo_->setFocus();
}

void TFmAgenda::excluir() {
    const std::optional<SlotSeen> slot = selectedSlot();
    if (!slot || !ui::Confirma(QStringLiteral("Desmarcar o Horário?"))) return;
    ui::runGuarded([&] { freeSlot(dm_, *slot); });
    reread();
}

void TFmAgenda::imprimir() {
    if (!loaded_) return;
    // The printout walks slots of its own, so the slot selected here stays where the user put
    // it for "&Gravar" while the preview is up, and after.
    ui::runGuarded([this] {
        const store::Table& shown = dm_.TbAgenda;
        store::Table bookSlots(dm_.DbVelmora, shown.definition(), shown.name());
        bookSlots.open();
        bookSlots.setIndexName(shownIndex_);
        bookSlots.setRange(shownKey_, shownKey_);
        output_(reports::agendaReport(dm_, bookSlots));
    });
}

void TFmAgenda::exportarCalendario() {
    if (!loaded_) return;
    const core::Date& day = shownSlots_.first;
    const QString suggested = QStringLiteral("agenda-%1.ics").arg(QString::fromStdString(day.toIso()));
    const QString file = ui::Dialogs::current().saveFile(QStringLiteral("Gravar Calendário"), suggested,
                                                         QStringLiteral("Calendário (*.ics)"));
    if (file.isEmpty()) return;
    if (ui::runGuarded([&] { writeAgendaCalendar(dm_, shownSlots_, file.toStdString()); }))
        ui::Dialogs::current().message(QStringLiteral("Calendário Gravado!"));
}

void TFmAgenda::reread() {
    ui::runGuarded([this] {
        const std::optional<std::int64_t> row = dm_.TbAgenda.bookmark();
        dm_.TbAgenda.refresh();
        if (row) dm_.TbAgenda.gotoBookmark(*row);
    });
}

void showAgenda(data::Tdm& dm, QWidget* parent) {
    ui::runGuarded([&] {
        TFmAgenda screen(dm, parent);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales
