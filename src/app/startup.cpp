#include "app/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/main_window.h"
#include "data/dm.h"
#include "data/initial_data.h"
#include "data/master_password.h"
#include "ui/dialogs.h"
#include "ui/fresh_screens.h"
#include "ui/qt_dialogs.h"

namespace app {

namespace {

// Qt's own dialogs and buttons speak Portuguese too.
void installQtTranslation() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

// Puts the production Dialogs in place for the run and takes it away before it goes.
class InstalledDialogs {
  public:
    InstalledDialogs() { ui::Dialogs::install(&dialogs_); }
    ~InstalledDialogs() { ui::Dialogs::install(nullptr); }
    InstalledDialogs(const InstalledDialogs&) = delete;
    InstalledDialogs& operator=(const InstalledDialogs&) = delete;
    ui::Dialogs& operator*() { return dialogs_; }

  private:
    ui::QtDialogs dialogs_;
};

}  // namespace

bool ensureDataSet(const store::Location& dataSet, ui::Dialogs& dialogs) {
    QString problem;
    try {
        if (data::holdsTables(dataSet)) return true;
    } catch (const std::exception& failure) {
        dialogs.error(QString::fromStdString(failure.what()));  // the server cannot be reached
        return false;
    }
    if (dataSet.onServer()) {
        problem = QStringLiteral("O banco de dados do servidor %1 não contém as tabelas do sistema.")
                      .arg(QString::fromStdString(dataSet.server->connection));
    } else {
        const QString directory = QString::fromStdString(dataSet.directory.string());
        problem = (std::filesystem::exists(dataSet.directory)
                       ? QStringLiteral("O diretório de dados %1 não contém as tabelas do sistema.")
                       : QStringLiteral("O diretório de dados %1 não existe."))
                      .arg(directory);
    }
    if (!dialogs.confirma(problem + QStringLiteral("\nCriar um novo conjunto de dados nele?"))) {
        dialogs.message(problem + QStringLiteral("\nO programa será encerrado."));
        return false;
    }
    std::string masterPassword;
    try {
        masterPassword = data::createDataSet(dataSet, false);
    } catch (const std::exception& failure) {
        dialogs.error(QString::fromStdString(failure.what()));
        return false;
    }
    dialogs.message(QString::fromStdString(data::masterPasswordNotice(masterPassword)));
    return true;
}

int runProgram(int& argc, char** argv, const store::Location& dataSet, const ScreenWiring& wireScreens) {
    std::unique_ptr<QApplication> ownApplication;
    if (QApplication::instance() == nullptr) ownApplication = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora..."));
    installQtTranslation();
    InstalledDialogs dialogs;

    // The window comes first and touches no table until the data module exists.
    TFmMenu menu;
    if (!ensureDataSet(dataSet, *dialogs)) return 1;
    std::unique_ptr<data::Tdm> dm;
    try {
        dm = std::make_unique<data::Tdm>(dataSet, *dialogs);
    } catch (const std::exception& failure) {
        (*dialogs).error(QString::fromStdString(failure.what()));  // the server went away meanwhile
        return 1;
    }
    menu.attach(*dm);
    if (wireScreens) wireScreens(menu, *dm);
    ui::FreshScreens freshScreens(dm->DbVelmora);
    menu.showMaximized();
    return QApplication::exec();
}

}  // namespace app
