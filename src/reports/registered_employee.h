#pragma once
// An employee code a report was asked for, looked up as registered now (a code typed or
// given on the command line may name nobody).
#include <cstdint>
#include <string>

namespace data {
class Tdm;
}

namespace reports {

// The employee's name; refuses (data::Refusal) "Não Existe Funcionário Com Este Código!".
std::string registeredEmployeeName(data::Tdm& dm, std::int64_t code);

}  // namespace reports
