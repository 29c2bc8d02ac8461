// The program's command line, run as a user runs it: what it answers, its exit status,
// and that none of these forms opens a window.
#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>

#include <filesystem>
#include <fstream>

#include "reports/report_command_line.h"
#include "support/temp_dir.h"

namespace {

struct Outcome {
    bool exitedNormally = false;
    int code = -1;
    QString out;
    QString err;
};

Outcome runVelmora(const QStringList& args, const QList<std::pair<QString, QString>>& settings = {}) {
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : settings) environment.insert(name, value);
    // A platform that does not exist: a program that tried to open a window would end
    // abnormally here instead of answering.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nenhuma-janela"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_PROGRAM), args);
    Outcome outcome;
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "velmora did not end: " << args.join(' ').toStdString();
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.exitedNormally = process.exitStatus() == QProcess::NormalExit;
    outcome.code = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

TEST(ProgramCommandLine, HelpListsEveryFormAndEveryReport) {
    const Outcome help = runVelmora({"--help"});
    ASSERT_TRUE(help.exitedNormally) << help.err.toStdString();
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    for (const char* form :
         {"velmora [--data DIRETÓRIO]", "velmora --servidor CONEXAO",
          "velmora --init-data DIRETÓRIO [--demo]", "velmora --init-data --servidor CONEXAO [--demo]",
          "velmora --senha-master DIRETÓRIO", "velmora --pdf RELATÓRIO ARQUIVO.pdf",
          "velmora --txt RELATÓRIO ARQUIVO.txt", "velmora --xlsx RELATÓRIO ARQUIVO.xlsx",
          "velmora --csv RELATÓRIO ARQUIVO.csv", "velmora --recibo NOME SAIDA.bin",
          "velmora --ics SAIDA.ics --data-agenda DD/MM/AAAA", "velmora --verificar-auditoria",
          "velmora --backup ARQUIVO.bck", "velmora --restore ARQUIVO.bck DIRETÓRIO",
          "velmora --archive-info ARQUIVO.bck", "velmora --help", "velmora --version"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(form))) << form << "\n" << help.out.toStdString();
    // Every report --pdf knows, with the options it asks for.
    for (const std::string& name : reports::pdfReportNames())
        EXPECT_TRUE(help.out.contains(QRegularExpression(QStringLiteral("\n +%1[ \\[]").arg(name.c_str()))))
            << name;
    EXPECT_TRUE(help.out.contains("aniversariantes-mes --mes N"));

    const Outcome shortHelp = runVelmora({"-h"});
    EXPECT_EQ(shortHelp.code, 0);
    EXPECT_EQ(shortHelp.out, help.out);
}

TEST(ProgramCommandLine, HelpSaysWhichConfigIniAndDataDirectoryThisRunUses) {
    if (std::filesystem::exists("/etc/velmora/config.ini"))
        GTEST_SKIP() << "this machine has its own config.ini";
    testsupport::TempDir home("velmora-home");
    testsupport::TempDir xdg("velmora-xdg");
    const QList<std::pair<QString, QString>> environment{
        {"HOME", QString::fromStdString(home.path().string())},
        {"XDG_CONFIG_HOME", QString::fromStdString(xdg.path().string())}};
    const auto program = std::filesystem::path(VELMORA_PROGRAM).parent_path();
    if (std::filesystem::exists(program / "config.ini")) GTEST_SKIP() << "the build has its own config.ini";
    const auto userIni = xdg / "velmora" / "config.ini";

    const Outcome none = runVelmora({"--help"}, environment);
    ASSERT_EQ(none.code, 0) << none.err.toStdString();
    // A source build is not the installed program: its data stays beside it.
    for (const auto& line : {std::string("  config.ini: nenhum encontrado; procurado em:\n"),
                             "    " + (program / "config.ini").string() + "\n",
                             "    " + userIni.string() + "\n", std::string("    /etc/velmora/config.ini\n"),
                             "  diretório de dados: " + (program / "Dados").string() + "\n"})
        EXPECT_TRUE(none.out.contains(QString::fromStdString(line))) << line << none.out.toStdString();

    std::filesystem::create_directories(userIni.parent_path());
    std::ofstream(userIni) << "[Dados]\ndiretorio=" << (home / "Salao").string() << "\n";
    const Outcome found = runVelmora({"--help"}, environment);
    EXPECT_TRUE(found.out.contains(QString::fromStdString("  config.ini: " + userIni.string() + "\n")))
        << found.out.toStdString();
    EXPECT_TRUE(found.out.contains(
        QString::fromStdString("  diretório de dados: " + (home / "Salao").string() + "\n")))
        << found.out.toStdString();

    const Outcome option = runVelmora({"--help", "--data", "/srv/outro"}, environment);
    EXPECT_TRUE(option.out.contains(QString::fromUtf8("  diretório de dados: /srv/outro (de --data)\n")))
        << option.out.toStdString();
}

TEST(ProgramCommandLine, VersionIsPrinted) {
    const Outcome version = runVelmora({"--version"});
    ASSERT_TRUE(version.exitedNormally) << version.err.toStdString();
    EXPECT_EQ(version.code, 0);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^velmora \\d+\\.\\d+\\.\\d+\n$")).match(version.out).hasMatch())
        << version.out.toStdString();
}

TEST(ProgramCommandLine, WrongArgumentsSayWhatIsWrongThenTheUsageAndExitWithTwo) {
    testsupport::TempDir home;
    const QString data = QString::fromStdString(home.path().string());
    const QString newDir = QString::fromStdString((home / "Novo").string());
    struct Case {
        QStringList args;
        QString problem;
    };
    for (const Case& c : {
             Case{{"--bogus"}, "velmora: argumento desconhecido: --bogus"},
             Case{{"--data", data, "--bogus"}, "velmora: argumento desconhecido: --bogus"},
             Case{{"salao"}, "velmora: argumento desconhecido: salao"},
             Case{{"--data"}, "velmora: falta o diretório de --data"},
             Case{{"--servidor"}, "velmora: falta a conexão de --servidor"},
             Case{{"--data", data, "--servidor", "dbname=x"},
                  "velmora: use --data ou --servidor, uma vez só"},
             Case{{"--init-data", "--servidor"}, "velmora: falta a conexão de --servidor"},
             Case{{"--pdf", "clientes"}, "velmora: falta o relatório ou o arquivo PDF"},
             Case{{"--pdf", "clientes", "c.pdf", "--bogus", "1"},
                  "velmora: argumento desconhecido para o relatório clientes: --bogus"},
             Case{{"--recibo", "venda", "v.bin", "--largura", "40", "--numero", "1"},
                  "velmora: largura inválida: 40 (use 48 ou 32)"},
             Case{{"--ics", "a.ics"}, "velmora: --ics pede --data-agenda DD/MM/AAAA"},
             Case{{"--init-data", newDir, "--bogus"},
                  "velmora: argumento desconhecido com --init-data: --bogus"},
             Case{{"--init-data", newDir, "--backup", "a.bck"}, "velmora: só uma operação por vez"},
         }) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Outcome outcome = runVelmora(c.args);
        ASSERT_TRUE(outcome.exitedNormally) << outcome.err.toStdString();
        EXPECT_EQ(outcome.code, 2);
        EXPECT_TRUE(outcome.out.isEmpty()) << outcome.out.toStdString();
        const QStringList lines = outcome.err.split('\n');
        ASSERT_GE(lines.size(), 3) << outcome.err.toStdString();
        EXPECT_EQ(lines[0], c.problem);
        EXPECT_EQ(lines[1], "Uso:");
        EXPECT_TRUE(lines[2].startsWith("  velmora ")) << lines[2].toStdString();
    }
    EXPECT_FALSE(std::filesystem::exists(home / "Novo")) << "a refused --init-data writes nothing";
}

}  // namespace
