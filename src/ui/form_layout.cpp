#include "ui/form_layout.h"

#include <QLabel>

namespace ui {

QFormLayout* labelledRows(QWidget* parent) {
    auto* rows = new QFormLayout(parent);
    rows->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    return rows;
}

QLabel* addLabelledRow(QFormLayout& rows, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    rows.addRow(label, field);
    return label;
}

void addLabelledRow(QFormLayout& rows, const QString& caption, QWidget* field, const QString& caption2,
                    QWidget* field2) {
    // Each field keeps the width it asks for; a field that stretches takes the rest of
    // the row, otherwise the pair stays together on the left.
    auto* line = new QHBoxLayout;
    line->addWidget(field);
    auto* second = new QLabel(caption2);
    second->setBuddy(field2);
    line->addWidget(second);
    line->addWidget(field2);
    const auto stretches = [](QWidget* w) {
        return bool(w->sizePolicy().expandingDirections() & Qt::Horizontal);
    };
    if (!stretches(field) && !stretches(field2)) line->addStretch();
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    rows.addRow(label, line);
}

QPushButton* addButton(QBoxLayout& bar, const QString& caption, const QString& objectName) {
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    bar.addWidget(button);
    return button;
}

PrintButtons addPrintButtons(QBoxLayout& bar, QWidget& screen) {
    PrintButtons buttons{addButton(bar, QStringLiteral("&Imprimir"), QStringLiteral("BitBtn1")),
                         addButton(bar, QStringLiteral("&Fechar"), QStringLiteral("BitBtn2"))};
    QObject::connect(buttons.fechar, &QPushButton::clicked, &screen, &QWidget::close);
    return buttons;
}

RegisterButtons addRegisterButtons(QBoxLayout& bar, RegisterButtonSet set) {
    RegisterButtons buttons;
    buttons.novo = addButton(bar, QStringLiteral("&Novo"), QStringLiteral("BtnNovo"));
    if (set.gravar) buttons.gravar = addButton(bar, QStringLiteral("&Gravar"), QStringLiteral("BtnGravar"));
    if (set.alterar)
        buttons.alterar = addButton(bar, QStringLiteral("&Alterar"), QStringLiteral("BtnAlterar"));
    buttons.excluir = addButton(bar, QStringLiteral("&Excluir"), QStringLiteral("BtnExcluir"));
    if (set.consultar)
        buttons.consultar = addButton(bar, QStringLiteral("&Consultar"), QStringLiteral("BtnConsultar"));
    bar.addStretch();
    buttons.fechar = addButton(bar, QStringLiteral("&Fechar"), QStringLiteral("BtnFechar"));
    return buttons;
}

}  // namespace ui
