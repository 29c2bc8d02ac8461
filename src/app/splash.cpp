#include "app/splash.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/artwork.h"

namespace app {

TFmFigura::TFmFigura(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName(QStringLiteral("FmFigura"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(programPicture(QSize(480, 300)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
}

void TFmFigura::keyPressEvent(QKeyEvent*) {
    emit keyPressed();
    accept();
}

void TFmFigura::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - rect().center());
    }
}

}  // namespace app
