#pragma once
// The current cash record, the last TbCaixa record: every amount taken in or paid out of the
// drawer is added to it, and only while it is "ABERTO".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"

namespace data {
class Tdm;
}

namespace cash {

// The TbCaixa field a payment form word feeds ("DINHEIRO" → "Dinheiro"); "" for "CRÉDITO",
// which only counts in Total. Any other word is a programming error (std::invalid_argument).
std::string cashFieldOf(std::string_view paymentWord);

struct CashAddition {
    std::string field;
    core::Currency amount;
};

// What a payment adds: Total, and the field of its form.
std::vector<CashAddition> paymentAdditions(std::string_view paymentWord, core::Currency amount);

// Inside a posting that names TbCaixa: takes the last cash record under its lock, reads it
// again, and refuses (data::Refusal "O Caixa Não Está Aberto!!!", nothing written) unless it
// exists and is "ABERTO" — a new salon has none, and another station may have closed it
// since the screen looked. Then adds each amount to its field in fixed point and posts.
// TbCaixa is left as it was found, open or closed. Returns the cash number (Contador).
std::int64_t addToOpenCash(data::Tdm& dm, const std::vector<CashAddition>& additions);

}  // namespace cash
