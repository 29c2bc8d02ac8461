#pragma once
// The calculated fields, worked out in exact money each time a record is read. The
// maintenance fee comes from the settings record at that moment, so changing it changes
// every Manu and VC shown afterwards; nothing of it is stored.
namespace store {
class Table;
}

namespace data {

// TbItensServico.Comi = Comissao × Total / 100, rounded to the centavo (halves up): the one
// rounding of a commission, which every report adds as it is.
void calcItemCommission(store::Table& itensServico);
// Manu = fee × Valor / 100 and VC = COM × Valor / 100 − Manu, for TbItemComando and
// TbHistorico; `config` is TbConfig, whose current record holds the fee.
void calcTicketService(store::Table& service, store::Table& config);
// TbCaixa.Caixa = Dinheiro + DinheiroDIA − DinheiroTOTAL
void calcCashInDrawer(store::Table& caixa);
// TbItemEntrada.Total = Custo × Quant
void calcEntryItemTotal(store::Table& itemEntrada);
// TbVirtual.Valor = COM − Vale
void calcCommissionLessAdvances(store::Table& virtualComissoes);

}  // namespace data
