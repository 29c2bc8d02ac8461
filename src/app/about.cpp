#include "app/about.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/artwork.h"
#include "ui/dialogs.h"

namespace app {

namespace {

QString programHome() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/QT-VELMORA");
#else
    return QCoreApplication::applicationDirPath();
#endif
}

QPushButton* closeButton(QDialog* dialog) {
    auto* button = new QPushButton(QStringLiteral("&Fechar"), dialog);
    button->setObjectName(QStringLiteral("BtFechar"));
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

}  // namespace

TFmSobre::TFmSobre(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FmSobre"));
    setWindowTitle(QStringLiteral("Sobre o Programa..."));
    auto* picture = new QToolButton(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setAutoRaise(true);
    const QPixmap pixmap = programPicture(QSize(400, 250));
    picture->setIcon(pixmap);
    picture->setIconSize(pixmap.size());
    picture->setToolTip(QStringLiteral("Fechar Janela Sobre"));
    connect(picture, &QToolButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TFmAjuda::TFmAjuda(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FmAjuda"));
    setWindowTitle(QStringLiteral("Ajuda do Programa..."));
    auto* heading = new QLabel(QStringLiteral("GUIA GERAL DE REFERÊNCIAS DO PROGRAMA."), this);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold;"));

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("Texto"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setText(
        QStringLiteral("Os mesmos botões de controle são usados em todas as telas do programa:\n\n"
                       "  Novo - inicia um novo lançamento ou cadastro.\n"
                       "  Gravar - grava o lançamento ou cadastro iniciado.\n"
                       "  Excluir e Alterar - excluem ou alteram um registro depois de gravado.\n"
                       "  Consultar - abre a janela de consulta para localizar um registro.\n\n"
                       "Todos os botões também respondem à tecla ALT mais a letra sublinhada do seu nome.\n"
                       "Exemplo: Teclando <ALT + G> é o mesmo que clicar no botão Gravar.\n\n"
                       "Os relatórios são sempre exibidos primeiro na tela de visualização; de lá podem ser "
                       "impressos.\n\n"
                       "Antes de começar a usar o programa, cadastre as senhas de todos os usuários em "
                       "Menu Arquivos - Opção - CADASTRAR SENHAS..."));
    text->setMinimumWidth(520);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(text);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);
}

TFmManual::TFmManual(const QString& manual, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FmManual"));
    setWindowTitle(QStringLiteral("Manual do Programa..."));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Manual"));
    text->setOpenExternalLinks(true);
    text->setSource(QUrl::fromLocalFile(manual));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(closeButton(this), 0, Qt::AlignRight);
    resize(900, 680);
    setWindowState(Qt::WindowMaximized);
}

QString manualFile(const QString& programDirectory) {
    const QDir program(programDirectory);
    for (const QString& candidate :
         {program.filePath(QStringLiteral("manual-velmora.html")),
          program.filePath(QStringLiteral("../share/velmora/manual-velmora.html"))})
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(candidate);
    return {};
}

void openManualFile(const QString& manual, const OpenDocument& systemOpen, QWidget* parent) {
    // Doing nothing would read as a menu item that is broken.
    if (manual.isEmpty())
        return ui::Dialogs::current().message(
            QStringLiteral("O Manual do Programa (manual-velmora.html) não foi encontrado junto ao programa."));
    if (systemOpen(QUrl::fromLocalFile(manual))) return;
    TFmManual viewer(manual, parent);
    ui::Dialogs::current().exec(viewer);
}

void openManual(QWidget* parent) {
    openManualFile(manualFile(programHome()), QDesktopServices::openUrl, parent);
}

}  // namespace app
