#include "app/upper_case_input.h"

#include <QLineEdit>

#include "core/text.h"

namespace app {

void typeInUpperCase(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = QString::fromStdString(core::upperPtBr(text.toStdString()));
        if (upper == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

}  // namespace app
