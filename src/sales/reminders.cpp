#include "sales/reminders.h"

#include "core/text.h"
#include "data/client_consent.h"
#include "data/dm.h"
#include "data/refusal.h"
#include "data/store/posting.h"

namespace sales {

namespace {

constexpr const char* kMarked = "SIM";

const char* fieldOf(ReminderMark mark) {
    return mark == ReminderMark::Enviado ? "Enviado" : "Confirmado";
}

bool isAreaCode(const std::string& code) {
    return code.size() == 2 && code[0] >= '1' && code[0] <= '9' && code[1] >= '1' && code[1] <= '9';
}

struct Client {
    std::string phoneTyped;
    bool hasNamesake = false;  // another client with the very same name: whose phone is it?
};

// The registered client of that name who accepts reminders, if there is one.
std::optional<Client> reminderClient(store::Table& clientes, const std::string& nome) {
    if (!clientes.findKey({nome}) || !data::hasConsent(clientes, data::kReminderConsent)) return std::nullopt;
    Client client;
    client.phoneTyped = core::trimmed(clientes.field("Celular").asString());
    if (client.phoneTyped.empty()) client.phoneTyped = core::trimmed(clientes.field("Fone").asString());
    clientes.next();
    client.hasNamesake = !clientes.eof() && clientes.field("Nome").asString() == nome;
    return client;
}

}  // namespace

std::string fillTemplate(const std::string& text, const TemplateFields& fields) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = open == std::string::npos ? open : text.find('}', open);
        if (close == std::string::npos) break;
        out.append(text, at, open - at);
        const auto known = fields.find(text.substr(open + 1, close - open - 1));
        if (known != fields.end())
            out += known->second;
        else
            out.append(text, open, close - open + 1);
        at = close + 1;
    }
    out.append(text, std::min(at, text.size()));
    return out;
}

ReminderSettings reminderSettings(data::Tdm& dm) {
    store::Table& config = dm.TbConfig;
    if (!config.isEditing()) config.refresh();
    std::string text = config.field("Lembrete").asString();
    if (core::trimmed(text).empty()) text = kDefaultReminderTemplate;
    return {text, core::trimmed(config.field("DDD").asString())};
}

void saveReminderSettings(data::Tdm& dm, const ReminderSettings& settings) {
    const std::string areaCode = core::trimmed(settings.salonAreaCode);
    if (!areaCode.empty() && !isAreaCode(areaCode))
        throw data::Refusal("DDD do Salão Inválido! Digite os Dois Números do DDD.");
    store::Table& config = dm.TbConfig;
    store::post({&config}, [&] {
        config.editExisting();
        config.field("Lembrete").setString(settings.messageTemplate);
        config.field("DDD").setString(areaCode);
        config.post();
    });
}

std::vector<Reminder> remindersOf(data::Tdm& dm, const core::Date& day,
                                  std::optional<std::int64_t> employeeCode) {
    const ReminderSettings settings = reminderSettings(dm);
    const std::string salao = core::trimmed(dm.TbConfig.field("Nome").asString());
    store::Table agenda(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name());
    store::Table clientes(dm.DbVelmora, dm.TbCliente.definition(), dm.TbCliente.name());
    agenda.open();
    clientes.open();
    clientes.setIndexName("siNome");
    agenda.setIndexName("siData");
    agenda.setRange({day.toIso()}, {day.toIso()});
    std::vector<Reminder> found;
    for (agenda.first(); !agenda.eof(); agenda.next()) {
        const std::string cliente = agenda.field("Cliente").asString();
        const std::int64_t code = agenda.field("Codigo").asInteger();
        if (cliente.empty() || cliente == kBlockedSlot || (employeeCode && code != *employeeCode)) continue;
        const std::optional<Client> client = reminderClient(clientes, cliente);
        if (!client) continue;
        Reminder reminder;
        reminder.slot = {code, day, agenda.field("Hora").asString(), cliente,
                         agenda.field("Servico").asString()};
        reminder.funcionario = agenda.field("Funcionario").asString();
        reminder.phoneTyped = client->phoneTyped;
        reminder.phone =
            client->hasNamesake
                ? NormalisedPhone{"", "Há mais de um cliente com este nome: confira o telefone no cadastro."}
                : normaliseBrazilPhone(client->phoneTyped, settings.salonAreaCode);
        reminder.message = fillTemplate(settings.messageTemplate, {{"nome", cliente},
                                                                   {"data", core::shortDate(day)},
                                                                   {"hora", reminder.slot.hora},
                                                                   {"servico", reminder.slot.servico},
                                                                   {"profissional", reminder.funcionario},
                                                                   {"salao", salao}});
        reminder.enviado = agenda.field("Enviado").asString() == kMarked;
        reminder.confirmado = agenda.field("Confirmado").asString() == kMarked;
        found.push_back(std::move(reminder));
    }
    return found;
}

void setReminderMark(data::Tdm& dm, const SlotSeen& slot, ReminderMark mark, bool on) {
    store::Table agenda(dm.DbVelmora, dm.TbAgenda.definition(), dm.TbAgenda.name());
    agenda.open();
    store::post({&agenda}, [&] {
        if (!agenda.findKey({slot.employeeCode, slot.day.toIso(), slot.hora}))
            throw data::Refusal("O Horário Não Existe Mais! Carregue a Agenda Novamente.");
        agenda.editExisting();
        if (agenda.field("Cliente").asString() != slot.cliente)
            throw data::Refusal("O Horário Foi Alterado em Outra Estação! Carregue a Agenda Novamente.");
        agenda.field(fieldOf(mark)).setString(on ? kMarked : "");
        agenda.post();
    });
}

}  // namespace sales
