#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <stdexcept>
#include <vector>

#include "app/about.h"
#include "app/access.h"
#include "app/artwork.h"
#include "app/button_mnemonics.h"
#include "app/login.h"
#include "app/login_rules.h"
#include "app/master_password.h"
#include "app/menu_entries.h"
#include "app/own_password.h"
#include "app/settings_screen.h"
#include "app/users_screen.h"
#include "data/dm.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace app {

namespace {

const QString kCaption = QStringLiteral("::.. VELMORA - Sistema de Controle Para Salões");
const QString kCloseReminder = QStringLiteral("Não Esqueça de Fechar o Caixa e Efetuar o Backup!");

// Takes controls off the window while a screen is open, and puts them back however the
// screen ends.
class OutOfSight {
  public:
    OutOfSight(QWidget* bar, std::vector<QAction*> menus) : bar_(bar), menus_(std::move(menus)) {
        if (bar_) bar_->hide();
        for (QAction* menu : menus_) menu->setVisible(false);
    }
    ~OutOfSight() {
        if (bar_) bar_->show();
        for (QAction* menu : menus_) menu->setVisible(true);
    }
    OutOfSight(const OutOfSight&) = delete;
    OutOfSight& operator=(const OutOfSight&) = delete;

  private:
    QWidget* bar_;
    std::vector<QAction*> menus_;
};

template <class Screen>
void showScreen(data::Tdm& dm, QWidget* parent) {
    Screen screen(dm, parent);
    ui::Dialogs::current().exec(screen);
}

}  // namespace

TFmMenu::TFmMenu(QWidget* parent) : QMainWindow(parent), buttonBar_(new QToolBar(this)) {
    setObjectName(QStringLiteral("FmMenu"));
    setWindowTitle(kCaption);
    setWindowState(Qt::WindowMaximized);

    buttonBar_->setObjectName(QStringLiteral("BarraBotoes"));
    buttonBar_->setMovable(false);
    buttonBar_->setFloatable(false);
    buttonBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buttonBar_->setStyleSheet(QStringLiteral("QToolButton { font-weight: bold; padding: 8px 10px; }"));
    addToolBar(Qt::TopToolBarArea, buttonBar_);

    for (const MenuEntry& entry : menuEntries()) addEntry(entry);
    new ButtonMnemonics(*buttonBar_, *menuBar());
    buildBackground();
    wireOwnScreens();
    setEntriesUsable(false);
}

void TFmMenu::setEntriesUsable(bool usable) {
    buttonBar_->setEnabled(usable);
    menuBar()->setEnabled(usable);
}

void TFmMenu::attach(data::Tdm& dm) {
    dm_ = &dm;
    // Which data set this station works on: a folder, or a database on a server.
    auto* where =
        new QLabel(QStringLiteral("Dados: ") + QString::fromStdString(dm.DbVelmora.location()), this);
    where->setObjectName(QStringLiteral("LocalDados"));
    statusBar()->addPermanentWidget(where);
}

void TFmMenu::buildBackground() {
    auto* background = new GradientPanel(this);
    background->setObjectName(QStringLiteral("Fundo"));
    auto* layout = new QVBoxLayout(background);
    layout->addStretch();
    for (const QString& line :
         {QStringLiteral(
              "DICA: Para consulta dos relatórios de contas a pagar, receber, balancete e outros, "),
          QStringLiteral("utilize as data inicial e final: 01/01/01  e  31/12/12"),
          QStringLiteral("Clique no Menu SOBRE e imprima uma cópia do manual do programa.")}) {
        auto* label = new QLabel(line, background);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: white; font-size: 12pt; font-weight: bold;"));
        layout->addWidget(label);
    }
    layout->addSpacing(16);
    setCentralWidget(background);
}

QMenu* TFmMenu::menuAt(const QStringList& path) {
    QMenu* parent = nullptr;
    QString key;
    for (const QString& title : path) {
        key += QLatin1Char('/') + title;
        auto found = menus_.find(key);
        if (found == menus_.end()) {
            QMenu* menu = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
            found = menus_.emplace(key, menu).first;
        }
        parent = found->second;
    }
    return parent;
}

void TFmMenu::addEntry(const MenuEntry& entry) {
    auto* action = new QAction(entry.caption, this);
    action->setObjectName(entry.id);
    action->setToolTip(entry.hint.isEmpty() ? QString(entry.caption).remove(QLatin1Char('&')) : entry.hint);
    action->setStatusTip(entry.hint);
    action->setVisible(!entry.hidden);
    // Until a screen is wired to it, an entry is there to be seen but not used.
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, &entry] { trigger(entry); });

    if (entry.onButtonBar) {
        if (entry.id == entry::Backup) {
            // The backup button sits at the right end of the bar.
            auto* spacer = new QWidget(buttonBar_);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            buttonBar_->addWidget(spacer);
        }
        // A caption set as the button's own text keeps its '&': the letter shows underlined.
        action->setIconText(entry.caption);
        buttonBar_->addAction(action);
        buttonBar_->widgetForAction(action)->setObjectName(entry.id);
    } else if (entry.menus.isEmpty()) {
        menuBar()->addAction(action);
    } else {
        menuAt(entry.menus)->addAction(action);
    }
    actions_.emplace(entry.id, action);
}

QAction* TFmMenu::entryAction(const QString& id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void TFmMenu::wire(const QString& id, std::function<void()> action) {
    QAction* control = entryAction(id);
    if (!control) throw std::invalid_argument("entrada de menu desconhecida: " + id.toStdString());
    handlers_[id] = std::move(action);
    control->setEnabled(true);
}

void TFmMenu::wireOwnScreens() {
    wire(entry::Senhas, [this] { showScreen<TFmSenhas>(*dm_, this); });
    wire(entry::Acesso, [this] { showScreen<TFmConfigurar>(*dm_, this); });
    wire(entry::AcessoAlternativo, [this] { showScreen<TFmAdministradorCP>(*dm_, this); });
    wire(entry::Sair, [this] { close(); });
    wire(entry::Relatorios,
         [this] { menus_.at(QStringLiteral("/&Relatórios"))->menuAction()->setVisible(true); });
    wire(entry::OcultarRelatorios,
         [this] { menus_.at(QStringLiteral("/&Relatórios"))->menuAction()->setVisible(false); });
    wire(entry::OPrograma, [this] {
        TFmSobre about(this);
        ui::Dialogs::current().exec(about);
    });
    wire(entry::GuiaReferencia, [this] {
        TFmAjuda help(this);
        ui::Dialogs::current().exec(help);
    });
    wire(entry::Manual, [this] { openManual(this); });
}

void TFmMenu::trigger(const MenuEntry& entry) {
    const auto handler = handlers_.find(entry.id);
    // Nothing opens before somebody has logged in, however the click or key got here.
    if (handler == handlers_.end() || !dm_ || login_ != Login::Done) return;
    ui::runGuarded([&] {
        if (!cashAllows(*dm_, entry.cash, ui::Dialogs::current())) return;
        if (entry.area && !accessCheck(*dm_, *entry.area)) return;
        std::vector<QAction*> menus;
        if (entry.whileOpen == WhileOpen::ButtonBarAndMenus)
            menus = {menus_.at(QStringLiteral("/&Arquivos"))->menuAction(), actions_.at(entry::Manutencao),
                     menus_.at(QStringLiteral("/Sobre"))->menuAction()};
        OutOfSight whileOpen(entry.whileOpen == WhileOpen::Nothing ? nullptr : buttonBar_, std::move(menus));
        handler->second();
    });
}

bool TFmMenu::event(QEvent* event) {
    // The login opens modal windows: not from inside the event itself. It starts once the
    // window is shown, as a window manager may activate it late or never.
    const bool firstShow = event->type() == QEvent::Show && login_ == Login::Pending;
    if (event->type() == QEvent::WindowActivate || firstShow)
        QTimer::singleShot(0, this, &TFmMenu::onActivated);
    return QMainWindow::event(event);
}

void TFmMenu::onActivated() {
    chaveAniversario_ = birthdayKeyOf(core::Date::today());
    if (login_ == Login::Pending && dm_) login();
}

void TFmMenu::login() {
    login_ = Login::Started;
    if (!runLogin(*dm_, this)) {
        close();
        return;
    }
    login_ = Login::Done;
    setEntriesUsable(true);
    offerOwnPassword(*dm_, this);
    ui::runGuarded([this] { listBirthdays(*dm_, chaveAniversario_, onBirthdaysToday); });
}

void TFmMenu::closeEvent(QCloseEvent* event) {
    ui::Dialogs::current().message(kCloseReminder);
    event->accept();
}

}  // namespace app
