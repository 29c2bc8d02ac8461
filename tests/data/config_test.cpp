// config.ini beside the program names the data directory.
#include <gtest/gtest.h>

#include <fstream>

#include "data/config.h"
#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

class ConfigTest : public ::testing::Test {
  protected:
    void writeConfig(const std::string& text) {
        std::ofstream(program_ / "config.ini", std::ios::binary) << text;
    }
    std::filesystem::path configured() { return data::configuredDataDirectory(program_.path()); }

    TempDir program_{"velmora-program"};
};

TEST_F(ConfigTest, MissingFileSectionKeyOrValueMeansDadosBesideTheProgram) {
    const auto fallback = program_.path() / "Dados";
    EXPECT_EQ(configured(), fallback) << "no config.ini";
    for (const char* text : {"", "[Outros]\ndiretorio=/srv/salao\n", "[Dados]\ncaminho=/srv/salao\n",
                             "[Dados]\ndiretorio=\n", "diretorio=/srv/salao\n[Dados]\n"}) {
        SCOPED_TRACE(text);
        writeConfig(text);
        EXPECT_EQ(configured(), fallback);
    }
}

TEST_F(ConfigTest, ValueIsTakenAsWritten) {
    struct Case {
        const char* text;
        const char* expected;
    };
    for (const Case& c : {
             Case{"[Dados]\ndiretorio=/srv/salao\n", "/srv/salao"},
             Case{"[Dados]\ndiretorio=/srv/salao/\n", "/srv/salao/"},
             Case{"\xEF\xBB\xBF; gerado pela instalação\r\n[dados]\r\n  DIRETORIO = /srv/meu salão \r\n",
                  "/srv/meu salão"},
             Case{"[Geral]\ndiretorio=/outro\n\n[ Dados ]\n# comentário\ndiretorio=/srv/salao", "/srv/salao"},
         }) {
        SCOPED_TRACE(c.text);
        writeConfig(c.text);
        EXPECT_EQ(configured(), std::filesystem::path(c.expected));
    }
}

TEST_F(ConfigTest, TrailingSeparatorNamesTheSameTableFiles) {
    const auto data = program_.path() / "dados do salão";
    std::filesystem::create_directory(data);
    std::ofstream(data / "Clientes.DAT") << "x";
    for (const std::string suffix : {"", "/"}) {
        writeConfig("[Dados]\ndiretorio=" + data.string() + suffix + "\n");
        EXPECT_TRUE(std::filesystem::equivalent(configured() / "Clientes.DAT", data / "Clientes.DAT"));
    }
}

}  // namespace
