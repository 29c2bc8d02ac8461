#pragma once
// Sales items are a detail of TbServico; what reads a client's items across his sales lifts
// that link while it works and puts it back when it is done.
#include "data/dm.h"

namespace registers {

class ItemsByClient {
  public:
    explicit ItemsByClient(data::Tdm& dm) : dm_(dm) { dm_.TbItensServico.setMasterSource(nullptr, {}); }
    ~ItemsByClient() {
        dm_.TbItensServico.setIndexFieldNames(kSaleLink);
        dm_.TbItensServico.setMasterSource(&dm_.TbServico, kSaleLink);
    }
    ItemsByClient(const ItemsByClient&) = delete;
    ItemsByClient& operator=(const ItemsByClient&) = delete;

  private:
    static constexpr const char* kSaleLink = "Contador";
    data::Tdm& dm_;
};

}  // namespace registers
