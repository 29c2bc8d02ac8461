#include "app/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace app {

namespace {

const QColor kBlue(16, 48, 160);
const QColor kGold(226, 190, 110);

QLinearGradient blueToBlack(const QRect& area) {
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, kBlue);
    gradient.setColorAt(1, Qt::black);
    return gradient;
}

// A stylised pair of scissors: two rings and two crossed blades.
void drawScissors(QPainter& painter, const QRectF& box) {
    const qreal r = box.width() / 6;
    painter.setPen(QPen(kGold, r / 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(box.left() + r * 1.2, box.bottom() - r * 1.2), r, r);
    painter.drawEllipse(QPointF(box.right() - r * 1.2, box.bottom() - r * 1.2), r, r);
    QPainterPath blades;
    blades.moveTo(box.left() + r * 1.9, box.bottom() - r * 1.9);
    blades.lineTo(box.right() - r * 0.4, box.top());
    blades.moveTo(box.right() - r * 1.9, box.bottom() - r * 1.9);
    blades.lineTo(box.left() + r * 0.4, box.top());
    painter.drawPath(blades);
}

}  // namespace

void GradientPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), blueToBlack(rect()));
}

QPixmap programPicture(const QSize& size) {
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(0, 0), size);
    painter.fillRect(area, blueToBlack(area));
    painter.setPen(QPen(kGold, 2));
    painter.drawRect(area.adjusted(4, 4, -5, -5));

    const int emblem = size.height() * 2 / 5;
    drawScissors(painter, QRectF((size.width() - emblem) / 2.0, size.height() / 10.0, emblem, emblem));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(size.height() / 7);
    title.setBold(true);
    title.setLetterSpacing(QFont::PercentageSpacing, 115);
    painter.setFont(title);
    painter.setPen(Qt::white);
    const QRect titleBox(0, size.height() * 11 / 20, size.width(), size.height() / 5);
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("VELMORA"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(size.height() / 18);
    painter.setFont(subtitle);
    painter.setPen(kGold);
    painter.drawText(QRect(0, titleBox.bottom(), size.width(), size.height() / 8), Qt::AlignCenter,
                     QStringLiteral("Sistema de Controle Para Salões"));
    return picture;
}

}  // namespace app
