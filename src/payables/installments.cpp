#include "payables/installments.h"

#include <charconv>

#include "core/text.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/opened_tables.h"
#include "data/refusal.h"
#include "data/store/posting.h"
#include "payables/bill_lock.h"

namespace payables {

using core::Currency;

core::Date addMonth(const core::Date& date) {
    const int month = date.month == 12 ? 1 : date.month + 1;
    const int year = date.month == 12 ? date.year + 1 : date.year;
    return {year, month, std::min(date.day, core::Date::daysInMonth(year, month))};
}

std::vector<Currency> splitAmount(Currency total, int count) {
    if (count < 1) return {};
    const Currency share = Currency::fromUnits(total.units() / count).rounded(2);
    std::vector<Currency> amounts(static_cast<std::size_t>(count), share);
    amounts.back() = total - share.times(count - 1);
    return amounts;
}

namespace {

// A whole number written with digits only (blanks around allowed).
std::optional<std::int64_t> wholeNumber(const std::string& text) {
    const std::string digits = core::trimmed(text);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

core::Date firstDueDate(const std::string& text) {
    core::Date date;
    try {
        date = core::parseDate(text);
    } catch (const core::DateError&) {
    }
    if (date.isNull()) throw data::Refusal("Digite a Data do 1º Vencimento!");
    return date;
}

// The bill fields every installment copies as they are.
constexpr const char* kCopied[] = {"DataLan",  "Tipo",    "Descricao", "CodFor", "Fornecedor",
                                   "CodPlano", "Plano",   "Cheque",    "Conta",  "Banco",
                                   "Agencia",  "FormaPG", "TipoDOC"};

}  // namespace

std::vector<std::int64_t> splitBill(data::Tdm& dm, const InstallmentRun& run) {
    const std::optional<std::int64_t> count = wholeNumber(run.installments);
    if (!count || *count < 1 || *count > 999) throw data::Refusal("Digite o Número de Parcelas!");
    core::Date due = firstDueDate(run.firstDue);
    store::Table& pagar = dm.TbPagar;
    data::OpenedTables open{&pagar};
    std::vector<std::int64_t> numbers;
    store::post({&pagar, &dm.TbContador}, [&] {
        lockBill(pagar, run.bill);
        const std::string supplier = core::trimmed(pagar.field("CodFor").asString());
        if (!supplier.empty() && !wholeNumber(supplier))
            throw data::Refusal("Código de Fornecedor Inválido!");
        const std::vector<Currency> amounts =
            run.typedValue ? std::vector<Currency>(static_cast<std::size_t>(*count), *run.typedValue)
                           : splitAmount(pagar.field("Valor").asCurrency(), static_cast<int>(*count));
        for (const Currency amount : amounts)
            if (amount < data::kLeastAmount) throw data::Refusal("Digite o Valor da Parcela!");

        std::vector<store::Value> copied;
        for (const char* name : kCopied) copied.push_back(pagar.field(name).value());
        const std::string document = core::trimmed(pagar.field("Documento").asString());
        pagar.deleteRecord();

        for (std::int64_t n = 1; n <= *count; ++n) {
            pagar.insert();
            for (std::size_t i = 0; i < copied.size(); ++i) pagar.field(kCopied[i]).setValue(copied[i]);
            if (!supplier.empty()) pagar.field("CodFor").setString(core::plainCode(supplier));
            pagar.field("DataVen").setDate(due);
            // Cut to the field's width like any text stored.
            pagar.field("Documento")
                .setString(core::leftCharacters(
                    document.empty() ? "Parcela - " + std::to_string(n) : document + "/" + std::to_string(n),
                    10));
            pagar.field("Valor").setCurrency(amounts[static_cast<std::size_t>(n - 1)]);
            pagar.field("Dias").setFloat(static_cast<double>(n));
            pagar.post();
            numbers.push_back(pagar.field("Contador").asInteger());
            due = addMonth(due);
        }
    });
    return numbers;
}

}  // namespace payables
