#pragma once
// The "Sobre" menu: the about window, the reference guide and the program manual.
#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

namespace app {

// The program's picture; clicking it or the button closes the window.
class TFmSobre : public QDialog {
    Q_OBJECT
  public:
    explicit TFmSobre(QWidget* parent = nullptr);
};

// How the screens are used, in a few paragraphs.
class TFmAjuda : public QDialog {
    Q_OBJECT
  public:
    explicit TFmAjuda(QWidget* parent = nullptr);
};

// The program manual, read in the program's own window: for a machine that has no
// application to open it with.
class TFmManual : public QDialog {
    Q_OBJECT
  public:
    explicit TFmManual(const QString& manual, QWidget* parent = nullptr);
};

// The manual of a program in `programDirectory`: the HTML manual beside it (a portable
// copy, a source build), else the one the package installs in ../share/velmora. Empty when
// there is none.
QString manualFile(const QString& programDirectory);

// Asks the system to open a document with its application; false when it could not start
// one.
using OpenDocument = std::function<bool(const QUrl&)>;

// Opens `manual` with the system's application for it, or in TFmManual when the system
// could not start one. An empty name opens nothing and says nothing.
void openManualFile(const QString& manual, const OpenDocument& systemOpen, QWidget* parent);

// The program's own manual, through the desktop's services.
void openManual(QWidget* parent);

}  // namespace app
