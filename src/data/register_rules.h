#pragma once
// Rules the register screens apply to a record just before they post it.
#include <cstdint>

namespace store {
class Table;
}

namespace data {

// The code for a new client, employee, supplier, product or user: the highest code on file
// + 1, so 1 in an empty register. Read from the file as it is now, on the primary index,
// whatever index, range or position a screen has set on `table`.
std::int64_t nextCode(const store::Table& table);

// TbCliente: when Dia and Mes are both above 0, Aniversario becomes the birthday key
// ("7/9" for 7 September); otherwise it keeps whatever it held. The record must be in
// insert or edit state.
void applyBirthdayKey(store::Table& cliente);

// TbDuplicado: remembers a product code as taken for good, once; deleting the product
// later does not free it.
void rememberProductCode(store::Table& duplicado, std::int64_t code);

}  // namespace data
