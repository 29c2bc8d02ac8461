#include "sales/reminders_screen.h"

#include <algorithm>

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "sales/whatsapp_link.h"
#include "ui/date_box.h"
#include "ui/dialogs.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace sales {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString phoneText(const Reminder& r) {
    if (r.phone.ok()) return QStringLiteral("+") + q(r.phone.number);
    return (r.phoneTyped.empty() ? QString() : q(r.phoneTyped) + QStringLiteral(" — ")) + q(r.phone.reason);
}

QString markText(bool on) {
    return on ? QStringLiteral("SIM") : QString();
}

}  // namespace

bool openInBrowser(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

TFmLembretes::TFmLembretes(data::Tdm& dm, QWidget* parent, UrlOpener opener)
    : QDialog(parent), dm_(dm), opener_(std::move(opener)) {
    setObjectName(QStringLiteral("TFmLembretes"));
    setWindowTitle(QStringLiteral("::.. Lembretes"));

    data_ = new ui::DateBox(this);
    data_->setObjectName(QStringLiteral("EdData"));
    data_->setDate(core::Date::today().addDays(1));
    funcionario_ = new QComboBox(this);
    funcionario_->setObjectName(QStringLiteral("CbFuncionario"));
    funcionario_->addItem(QStringLiteral("TODOS"));
    ui::runGuarded([this] {
        store::Table employees(dm_.DbVelmora, dm_.TbFuncionario.definition(), dm_.TbFuncionario.name());
        employees.open();
        employees.setIndexName("siNome");
        for (employees.first(); !employees.eof(); employees.next()) {
            funcionario_->addItem(q(employees.field("Nome").asString()));
            employeeCodes_.push_back(employees.field("Codigo").asInteger());
        }
    });
    auto* mostrarButton = new QPushButton(QStringLiteral("&Mostrar"), this);
    mostrarButton->setObjectName(QStringLiteral("BtMostrar"));

    auto* top = new QHBoxLayout;
    auto* dataLabel = new QLabel(QStringLiteral("&Data:"), this);
    dataLabel->setBuddy(data_);
    auto* funcLabel = new QLabel(QStringLiteral("F&uncionário:"), this);
    funcLabel->setBuddy(funcionario_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{dataLabel, data_, funcLabel, funcionario_, mostrarButton})
        top->addWidget(w);
    top->addStretch();

    grid_ = new QTableWidget(0, 8, this);
    grid_->setObjectName(QStringLiteral("GrLembretes"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Cliente"), QStringLiteral("Telefone"),
                                      QStringLiteral("Hora"), QStringLiteral("Serviço"),
                                      QStringLiteral("Funcionário"), QStringLiteral("Mensagem"),
                                      QStringLiteral("Enviado"), QStringLiteral("Confirmado")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(5, QHeaderView::Stretch);

    modelo_ = new QPlainTextEdit(this);
    modelo_->setObjectName(QStringLiteral("MmModelo"));
    modelo_->setMaximumHeight(70);
    ddd_ = new QLineEdit(this);
    ddd_->setObjectName(QStringLiteral("EdDDD"));
    ddd_->setMaxLength(2);
    ddd_->setMaximumWidth(50);
    auto* gravarModelo = new QPushButton(QStringLiteral("&Gravar Modelo"), this);
    gravarModelo->setObjectName(QStringLiteral("BtGravarModelo"));
    auto* modeloRow = new QHBoxLayout;
    auto* modeloLabel =
        new QLabel(QStringLiteral("Modelo:\n{nome} {data} {hora}\n{servico} {profissional}\n{salao}"), this);
    modeloLabel->setBuddy(modelo_);
    auto* dddLabel = new QLabel(QStringLiteral("DDD do Salão:"), this);
    dddLabel->setBuddy(ddd_);
    modeloRow->addWidget(modeloLabel);
    modeloRow->addWidget(modelo_, 1);
    modeloRow->addWidget(dddLabel);
    modeloRow->addWidget(ddd_);
    modeloRow->addWidget(gravarModelo);

    auto* bar = new QHBoxLayout;
    auto* copiar = ui::addButton(*bar, QStringLiteral("&Copiar Mensagem"), QStringLiteral("BtCopiar"));
    auto* whatsapp = ui::addButton(*bar, QStringLiteral("Abrir no &WhatsApp"), QStringLiteral("BtWhatsApp"));
    auto* enviado = ui::addButton(*bar, QStringLiteral("&Enviado"), QStringLiteral("BtEnviado"));
    auto* confirmado = ui::addButton(*bar, QStringLiteral("Con&firmado"), QStringLiteral("BtConfirmado"));
    bar->addStretch();
    auto* fechar = ui::addButton(*bar, QStringLiteral("Fechar"), QStringLiteral("BtFechar"));
    for (QPushButton* b : {mostrarButton, gravarModelo, copiar, whatsapp, enviado, confirmado, fechar})
        b->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(modeloRow);
    layout->addLayout(bar);
    resize(1000, 520);

    ui::runGuarded([this] {
        const ReminderSettings settings = reminderSettings(dm_);
        modelo_->setPlainText(q(settings.messageTemplate));
        ddd_->setText(q(settings.salonAreaCode));
    });

    connect(mostrarButton, &QPushButton::clicked, this, &TFmLembretes::mostrar);
    connect(funcionario_, &QComboBox::activated, this, &TFmLembretes::mostrar);
    connect(data_, &QLineEdit::returnPressed, this, &TFmLembretes::mostrar);
    connect(gravarModelo, &QPushButton::clicked, this, &TFmLembretes::gravarModelo);
    connect(copiar, &QPushButton::clicked, this, &TFmLembretes::copiarMensagem);
    connect(whatsapp, &QPushButton::clicked, this, &TFmLembretes::abrirWhatsApp);
    connect(enviado, &QPushButton::clicked, this, [this] { toggle(ReminderMark::Enviado); });
    connect(confirmado, &QPushButton::clicked, this, [this] { toggle(ReminderMark::Confirmado); });
    connect(fechar, &QPushButton::clicked, this, &QDialog::reject);
    mostrar();
}

void TFmLembretes::mostrar() {
    std::optional<core::Date> day;
    if (!ui::runGuarded([&] { day = data_->date(); })) return;
    if (day->isNull()) {
        ui::Dialogs::current().message(QStringLiteral("Digite a Data dos Lembretes!"));
        return data_->setFocus();
    }
    const int entry = funcionario_->currentIndex();
    const std::optional<std::int64_t> employee =
        entry > 0 ? std::optional(employeeCodes_[static_cast<std::size_t>(entry - 1)]) : std::nullopt;
    const int row = grid_->currentRow();
    ui::runGuarded([&] { reminders_ = remindersOf(dm_, *day, employee); });
    fillGrid();
    if (!reminders_.empty()) grid_->selectRow(std::clamp(row, 0, static_cast<int>(reminders_.size()) - 1));
}

void TFmLembretes::fillGrid() {
    grid_->setRowCount(static_cast<int>(reminders_.size()));
    for (std::size_t i = 0; i < reminders_.size(); ++i) {
        const Reminder& r = reminders_[i];
        const QString cells[] = {q(r.slot.cliente),   phoneText(r),          q(r.slot.hora),
                                 q(r.slot.servico),   q(r.funcionario),      q(r.message),
                                 markText(r.enviado), markText(r.confirmado)};
        for (int column = 0; column < 8; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 5) item->setToolTip(cells[column]);
            grid_->setItem(static_cast<int>(i), column, item);
        }
    }
    grid_->resizeColumnToContents(0);
    grid_->resizeColumnToContents(1);
}

const Reminder* TFmLembretes::selected() {
    const int row = grid_->currentRow();
    if (row < 0 || row >= static_cast<int>(reminders_.size())) return nullptr;
    return &reminders_[static_cast<std::size_t>(row)];
}

void TFmLembretes::gravarModelo() {
    const ReminderSettings settings{modelo_->toPlainText().toStdString(),
                                    ddd_->text().trimmed().toStdString()};
    if (!ui::runGuarded([&] { saveReminderSettings(dm_, settings); })) return ddd_->setFocus();
    mostrar();
}

void TFmLembretes::copiarMensagem() {
    if (const Reminder* r = selected()) QGuiApplication::clipboard()->setText(q(r->message));
}

void TFmLembretes::abrirWhatsApp() {
    const Reminder* r = selected();
    if (!r) return;
    if (!r->phone.ok()) return ui::Dialogs::current().message(q(r->slot.cliente + ": " + r->phone.reason));
    if (!opener_(whatsappLink(q(r->phone.number), q(r->message))))
        return ui::Dialogs::current().message(QStringLiteral("Não Foi Possível Abrir o Navegador!"));
    if (!r->enviado) toggle(ReminderMark::Enviado);
}

void TFmLembretes::toggle(ReminderMark mark) {
    const Reminder* r = selected();
    if (!r) return;
    const bool on = !(mark == ReminderMark::Enviado ? r->enviado : r->confirmado);
    const SlotSeen slot = r->slot;
    ui::runGuarded([&] { setReminderMark(dm_, slot, mark, on); });
    mostrar();
}

void showLembretes(data::Tdm& dm, QWidget* parent) {
    ui::runGuarded([&] {
        TFmLembretes screen(dm, parent);
        ui::Dialogs::current().exec(screen);
    });
}

}  // namespace sales
