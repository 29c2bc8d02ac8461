#pragma once
// Every protected area of the program with the name the administrator sees for it.
#include <string>
#include <vector>

namespace data {

struct AccessArea {
    double code;        // 17.01 and 17.1 are different areas
    std::string local;  // at most 35 characters (TbAcesso.Local)
};

// The areas by name, for the screens and the menu that check them.
namespace area {
inline constexpr double kSenhas = 1;
inline constexpr double kManutencao = 1.1;
inline constexpr double kBackup = 1.2;
inline constexpr double kRestaurarBackup = 1.3;
inline constexpr double kPlanoContas = 1.4;
inline constexpr double kAlterarPlano = 1.5;
inline constexpr double kRelatorios = 2;
inline constexpr double kBalancete = 2.1;
inline constexpr double kAgenda = 2.2;
inline constexpr double kAuditoria = 2.3;
inline constexpr double kClientes = 3;
inline constexpr double kAlterarCliente = 4;
inline constexpr double kExcluirCliente = 5;
inline constexpr double kFuncionarios = 6;
inline constexpr double kAlterarFuncionario = 7;
inline constexpr double kExcluirFuncionario = 8;
inline constexpr double kFornecedores = 9;
inline constexpr double kAlterarFornecedor = 10;
inline constexpr double kExcluirFornecedor = 11;
inline constexpr double kProdutos = 12;
inline constexpr double kExcluirProduto = 13;
inline constexpr double kAlterarEstoque = 14;
inline constexpr double kEntradaProdutos = 14.1;
inline constexpr double kAlterarEntrada = 14.2;
inline constexpr double kExcluirServicoComanda = 14.3;
inline constexpr double kAbrirCaixa = 15;
inline constexpr double kFecharCaixa = 16;
inline constexpr double kVendas = 17;
inline constexpr double kVale = 17.01;
inline constexpr double kExcluirVenda = 17.1;
inline constexpr double kAlterarValor = 17.2;
inline constexpr double kCreditoClientes = 18;
inline constexpr double kAcertoNotinhas = 19;
inline constexpr double kRetirada = 20;
inline constexpr double kContasPagar = 21;
inline constexpr double kAlterarContaPagar = 22;
inline constexpr double kExcluirContaPagar = 23;
inline constexpr double kControleBancario = 24;
inline constexpr double kContasBancarias = 26;
}  // namespace area

const std::vector<AccessArea>& accessAreas();

class Tdm;

// Adds to TbAcesso, open, the areas a data set made by an older version lacks, unprotected as
// new areas start, in one posting; an area already there is left as the administrator set it.
// An empty TbAcesso is left alone: it belongs to a data set whose initial data is being written.
void addMissingAccessAreas(Tdm& dm);

}  // namespace data
