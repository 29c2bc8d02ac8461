#pragma once
// The chart of accounts refuses a code that is already taken with its own message, once,
// and drops the refused insert or edit so nothing of it is left half-saved.
#include "data/store/table.h"

namespace data {

class Messages;

inline constexpr const char* kPlanCodeTaken = "Código de Plano de Conta Já Cadastrado!";

// OnPostError of TbPlano. Other errors pass through unchanged.
void refuseDuplicatePlanCode(store::Table& plano, const store::Error& error, store::PostErrorAction& action,
                             Messages& messages);

}  // namespace data
