#include "registers/employee_code_boxes.h"

#include <QLineEdit>

#include <string>

#include "data/dm.h"
#include "registers/employee_search.h"
#include "ui/dialogs.h"
#include "ui/guarded.h"

namespace registers {

bool lookUpEmployeeCode(data::Tdm& dm, QLineEdit& code, QLineEdit& name) {
    std::string found;
    if (!ui::runGuarded([&] {
            store::Table& employees = dm.TbFuncionario;
            employees.open();
            if (!employees.indexName().empty()) employees.setIndexName("");
            if (employees.findKey({code.text().trimmed().toLongLong()}))
                found = employees.field("Nome").asString();
        }))
        return false;
    name.setText(QString::fromStdString(found));
    if (!found.empty()) return true;
    code.setFocus();
    ui::Dialogs::current().message(QStringLiteral("Não Existe Funcionário Com Este Código!"));
    return false;
}

bool chooseEmployee(data::Tdm& dm, QLineEdit& code, QLineEdit& name) {
    dm.TbFuncionario.open();
    showConsFunc(dm);
    if (dm.TbFuncionario.isEmpty()) return false;
    code.setText(QString::number(dm.TbFuncionario.field("Codigo").asInteger()));
    name.setText(QString::fromStdString(dm.TbFuncionario.field("Nome").asString()));
    return true;
}

}  // namespace registers
