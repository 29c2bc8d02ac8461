#pragma once
// Small builders for screens laid out in code, so every screen looks the same: captioned
// rows of fields and a bar of buttons.
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {

// A column of "caption: field" rows.
QFormLayout* labelledRows(QWidget* parent = nullptr);
// Adds a row whose caption's mnemonic (&Nome) focuses `field`. Returns the caption.
QLabel* addLabelledRow(QFormLayout& rows, const QString& caption, QWidget* field);
// A row with two captioned fields side by side ("Cidade:" … "U.F.:" …), each as wide as it
// asks to be.
void addLabelledRow(QFormLayout& rows, const QString& caption, QWidget* field, const QString& caption2,
                    QWidget* field2);

// A push button with its caption and objectName, added to `bar`.
QPushButton* addButton(QBoxLayout& bar, const QString& caption, const QString& objectName);

// "&Imprimir" (BitBtn1) and "&Fechar" (BitBtn2) of a report screen, added to `bar`. "&Fechar"
// closes `screen` through close(), so that a long walk still reading sees it and stops first.
struct PrintButtons {
    QPushButton* imprimir;
    QPushButton* fechar;
};
PrintButtons addPrintButtons(QBoxLayout& bar, QWidget& screen);

// The buttons of a register screen, in bar order. A screen leaves out those it lacks.
struct RegisterButtons {
    QPushButton* novo = nullptr;       // "&Novo"
    QPushButton* gravar = nullptr;     // "&Gravar"
    QPushButton* alterar = nullptr;    // "&Alterar"
    QPushButton* excluir = nullptr;    // "&Excluir"
    QPushButton* consultar = nullptr;  // "&Consultar"
    QPushButton* fechar = nullptr;     // "&Fechar"
};

struct RegisterButtonSet {
    bool gravar = true;
    bool alterar = true;
    bool consultar = true;
};

// The standard bar: "&Novo", "&Gravar", "&Alterar", "&Excluir", "&Consultar", "&Fechar"
// (named BtnNovo, BtnGravar, …; screens rename them to their own control names).
RegisterButtons addRegisterButtons(QBoxLayout& bar, RegisterButtonSet set = {});

}  // namespace ui
