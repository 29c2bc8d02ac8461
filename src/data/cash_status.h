#pragma once
// The cash register's state lives only in the last TbCaixa record's Status.
namespace data {

inline constexpr const char* kCashOpenStatus = "ABERTO";
inline constexpr const char* kCashClosedStatus = "FECHADO";
inline constexpr const char* kCashAlreadyOpen = "O Caixa Já Está Aberto no Momento!!!";
inline constexpr const char* kCashNotOpen = "O Caixa Não Está Aberto!!!";

}  // namespace data
