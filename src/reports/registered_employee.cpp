#include "reports/registered_employee.h"

#include "data/dm.h"
#include "data/refusal.h"
#include "reports/prepared_table.h"

namespace reports {

std::string registeredEmployeeName(data::Tdm& dm, std::int64_t code) {
    PreparedTable employees(dm.TbFuncionario);
    if (!employees->findKey({code})) throw data::Refusal("Não Existe Funcionário Com Este Código!");
    return employees->field("Nome").asString();
}

}  // namespace reports
