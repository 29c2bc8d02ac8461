#include "sales/sale_lifecycle.h"

#include "core/date.h"
#include "data/dm.h"
#include "data/least_amount.h"
#include "data/store/posting.h"
#include "sales/sale_payment.h"

namespace sales {

void startSale(data::Tdm& dm, const core::Date& day) {
    for (store::Table* table : {&dm.TbServico, &dm.TbItensServico})
        if (!table->isOpen()) table->open();
    store::Table& sale = dm.TbServico;
    sale.insert();
    sale.field("Data").setDate(day);
    sale.field("DataPG").setDate(day);
    sale.field("Total").setCurrency({});
    sale.field("Saldo").setCurrency({});
}

bool saleInProgress(data::Tdm& dm) {
    return dm.TbServico.state() == store::TableState::Insert;
}

void cancelSale(data::Tdm& dm) {
    store::Table& items = dm.TbItensServico;
    if (saleInProgress(dm) && items.isOpen()) {
        store::post({&items}, [&] {
            for (items.first(); !items.isEmpty(); items.first()) items.deleteRecord();
        });
    }
    dm.TbServico.cancel();
    dm.TbServico.close();
    items.close();
}

std::optional<EntryProblem> prepareForPayment(data::Tdm& dm) {
    store::Table& sale = dm.TbServico;
    if (sale.field("Total").asCurrency() < data::kLeastAmount)
        return EntryProblem{EntryBox::ItemCode, "Não Houve Lançamento de Produtos ou Serviços!"};
    if (sale.field("CodFun").asInteger() < 1)
        return EntryProblem{EntryBox::Employee, "Selecione o Funcionário Para o Lançamento!"};

    const std::string client = sale.field("Cliente").asString();
    store::Table& items = dm.TbItensServico;
    store::post({&items}, [&] {
        for (items.first(); !items.eof(); items.next()) {
            items.edit();
            items.field("Cliente").setString(client.empty() ? kNoClient : client);
            items.post();
        }
    });
    sale.field("PGTotal").setCurrency(sale.field("Total").asCurrency());
    return std::nullopt;
}

}  // namespace sales
