#include "ui/search_gauge.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace ui {

QProgressBar* addSearchGauge(QBoxLayout& layout, QWidget* parent) {
    auto* gauge = new QProgressBar(parent);
    gauge->setObjectName(QStringLiteral("Gauge1"));
    gauge->setRange(0, 1);
    gauge->setValue(0);
    layout.addWidget(new QLabel(QStringLiteral("Conclusão da Pesquisa..."), parent));
    layout.addWidget(gauge);
    return gauge;
}

}  // namespace ui
