#pragma once
// The period reports count only what was paid: a sale is stored with its payment form, and
// its items receive the form when it is paid. Items of a sale still open at another station,
// or abandoned by a crash, carry none and stay out of every sum and commission.
namespace store {
class Table;
}

namespace reports {

// TbServico restricted to the sales with a payment form.
void keepPaidSales(store::Table& sales);
// TbItensServico restricted to the items whose sale was paid.
void keepPaidItems(store::Table& items);

}  // namespace reports
