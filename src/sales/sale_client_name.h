#pragma once
// The name a receipt prints for a stored sale's client, typed on the receipt panel.
#include <cstdint>
#include <string>

namespace data {
class Tdm;
}

namespace sales {

// Stores `name` in TbServico.Cliente of sale `saleNumber`, in one posting with the sale locked
// and read again first; TbServico (opened if needed) is left on the sale. A sale deleted
// meanwhile is refused (data::Refusal "Lançamento Não Encontrado! Pode Ter Sido Excluído em
// Outra Estação."), nothing written.
void storeSaleClientName(data::Tdm& dm, std::int64_t saleNumber, const std::string& name);

}  // namespace sales
