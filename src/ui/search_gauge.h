#pragma once
// The progress gauge at the bottom of a period screen, captioned "Conclusão da Pesquisa...".
class QBoxLayout;
class QProgressBar;
class QWidget;

namespace ui {

// Adds the caption and the gauge (`Gauge1`, starting at 0) to `layout`.
QProgressBar* addSearchGauge(QBoxLayout& layout, QWidget* parent);

}  // namespace ui
