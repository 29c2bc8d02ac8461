#include "ui/upper_case_input.h"

#include <QLineEdit>

#include "core/text.h"

namespace ui {

QString raiseToUpperCase(QLineEdit* edit) {
    const QString upper = QString::fromStdString(core::upperPtBr(edit->text().toStdString()));
    if (upper != edit->text()) {
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    }
    return upper;
}

void typeInUpperCase(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { raiseToUpperCase(edit); });
}

}  // namespace ui
