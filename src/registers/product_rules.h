#pragma once
// What decides whether a catalogue item may be saved, kept apart from the screen so it can
// be checked on plain values.
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/currency.h"

namespace store {
class Table;
}

namespace registers {

// TbProdutos.Grupo of an item on promotion: its Custo is charged instead of Valor.
inline constexpr std::string_view kPromocao = "SIM";
bool onPromotion(std::string_view grupo);

// The fields of an item the checks look at.
struct ProductValues {
    std::string descricao;
    std::string tipo;
    core::Currency valor;
    core::Currency custo;
};

// The field the user is sent back to when a check fails.
enum class ProductField { Descricao, Tipo, Valor, Custo };

struct ProductProblem {
    ProductField field;
    QString message;
    bool operator==(const ProductProblem&) const = default;
};

// The checks in the order the user meets them; the first failure, or nothing. Every item
// needs a promotional price, promoted or not, because a sale may charge it at any time.
std::optional<ProductProblem> checkProduct(const ProductValues& item);

// The values of TbProdutos' current record.
ProductValues productValues(store::Table& produtos);

// Whether TbProdutos' file already holds an item with this code, read apart from the
// table's own position and pending insert.
bool productCodeOnFile(const store::Table& produtos, std::int64_t code);

}  // namespace registers
