#pragma once
// Fields that take capitals only turn letters into capitals as they are typed, the Brazilian
// way ("ç" to "Ç"), with the cursor staying where it was; a stored upper-case password then
// matches whatever case the user types in.
#include <QString>

class QLineEdit;

namespace ui {

// Turns the edit's text into capitals now; gives the text as it then stands.
QString raiseToUpperCase(QLineEdit* edit);
// The same after every change the user makes.
void typeInUpperCase(QLineEdit* edit);

}  // namespace ui
