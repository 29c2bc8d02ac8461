#pragma once
// The "Código:" and read-only "Funcionário:" boxes of the report screens that ask for one
// employee. The name shown is always that of the code typed, as registered now.
class QLineEdit;

namespace data {
class Tdm;
}

namespace registers {

// Looks the code typed in `code` up in TbFuncionario. Found: `name` shows the employee's name
// and true is returned. Not found: `name` is emptied, the focus goes back to `code` and the
// user is told "Não Existe Funcionário Com Este Código!".
bool lookUpEmployeeCode(data::Tdm& dm, QLineEdit& code, QLineEdit& name);

// The employee search ("&F"); the employee chosen fills both boxes. False when the register
// is empty.
bool chooseEmployee(data::Tdm& dm, QLineEdit& code, QLineEdit& name);

}  // namespace registers
