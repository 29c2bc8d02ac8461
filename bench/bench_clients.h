#pragma once
// The client register of the listing benchmarks: `count` clients with every field the
// listing prints filled, named so that name order is not insertion order.
#include <string>

#include "data/dm.h"

inline void addClients(data::Tdm& dm, int count) {
    static const char* const first[] = {"ANA",   "BEATRIZ", "CAMILA", "DÉBORA",
                                        "ÉRICA", "FLÁVIA",  "GISELE", "HELENA"};
    static const char* const last[] = {"SILVA",   "SOUZA",     "OLIVEIRA", "PEREIRA",
                                       "ALMEIDA", "CONCEIÇÃO", "ROCHA"};
    dm.TbCliente.open();
    for (int i = 0; i < count; ++i) {
        dm.TbCliente.insert();
        auto set = [&](const char* field, store::Value value) {
            dm.TbCliente.field(field).setValue(std::move(value));
        };
        set("Codigo", std::int64_t{i + 1});
        set("Nome", std::string(first[i % 8]) + " " + last[(i / 8) % 7] + " " + std::to_string(count - i));
        set("Endereco", "Rua das Flores, " + std::to_string(i % 2000));
        set("Bairro", "Centro");
        set("Cidade", "Belo Horizonte");
        set("CEP", "30.140-000");
        set("Celular", "(31) 9" + std::to_string(80000000 + i));
        set("Email", "cliente" + std::to_string(i) + "@email.com");
        set("Aniversario", std::to_string(1 + i % 28) + "/" + std::to_string(1 + i % 12));
        dm.TbCliente.post();
    }
    dm.TbCliente.close();
}
