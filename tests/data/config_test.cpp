// config.ini names the data directory: where it is looked for, what it says, and where the
// data lives without one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>

#include "data/config.h"
#include "support/temp_dir.h"

namespace {

using testsupport::TempDir;

void writeIni(const std::filesystem::path& directory, const std::string& text) {
    std::filesystem::create_directories(directory);
    std::ofstream(directory / "config.ini", std::ios::binary) << text;
}

class ConfigTest : public ::testing::Test {
  protected:
    void writeConfig(const std::string& text) { writeIni(program_.path(), text); }
    std::filesystem::path configured() { return data::locateDataDirectory(places_).dataDirectory; }

    TempDir program_{"velmora-program"};
    TempDir user_{"velmora-user-config"};
    TempDir system_{"velmora-system-config"};
    data::ConfigPlaces places_{.programDirectory = program_.path(),
                               .userConfigDirectory = user_.path(),
                               .systemConfigDirectory = system_.path(),
                               .defaultDataDirectory = program_.path() / "Dados"};
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

TEST_F(ConfigTest, FirstConfigFoundWinsBesideTheProgramThenUserThenMachine) {
    writeIni(system_.path(), "[Dados]\ndiretorio=/srv/maquina\n");
    writeIni(user_.path(), "[Dados]\ndiretorio=/srv/usuario\n");
    writeConfig("[Dados]\ndiretorio=/srv/portatil\n");
    struct Step {
        std::filesystem::path file;  // the config.ini to be found
        const char* directory;
    };
    for (const Step& step :
         {Step{program_ / "config.ini", "/srv/portatil"}, Step{user_ / "config.ini", "/srv/usuario"},
          Step{system_ / "config.ini", "/srv/maquina"}}) {
        SCOPED_TRACE(step.file);
        const data::DataLocation location = data::locateDataDirectory(places_);
        EXPECT_EQ(location.configFile, step.file);
        EXPECT_EQ(location.dataDirectory, std::filesystem::path(step.directory));
        std::filesystem::remove(step.file);
    }
    const data::DataLocation none = data::locateDataDirectory(places_);
    EXPECT_EQ(none.configFile, std::nullopt);
    EXPECT_EQ(none.dataDirectory, program_.path() / "Dados");
    EXPECT_EQ(data::configSearchOrder(places_),
              (std::vector{program_ / "config.ini", user_ / "config.ini", system_ / "config.ini"}));
}

TEST_F(ConfigTest, ServidorConexaoPutsTheDataSetOnAServer) {
    struct Case {
        const char* text;
        std::optional<std::string> server;
    };
    for (const Case& c : {
             Case{"[Servidor]\nconexao=host=servidor dbname=velmora user=estacao\n",
                  "host=servidor dbname=velmora user=estacao"},
             Case{"[Dados]\ndiretorio=/srv/salao\n[servidor]\n CONEXAO = service=velmora \n",
                  "service=velmora"},
             Case{"[Servidor]\nconexao=\n[Dados]\ndiretorio=/srv/salao\n", std::nullopt},
             Case{"[Dados]\ndiretorio=/srv/salao\n", std::nullopt},
         }) {
        SCOPED_TRACE(c.text);
        writeConfig(c.text);
        EXPECT_EQ(data::locateDataDirectory(places_).server, c.server);
    }
}

TEST_F(ConfigTest, TheFileFoundIsTheOneReadEvenWithoutTheKey) {
    // A later file is not consulted: which config.ini is in charge stays plain to see.
    writeIni(user_.path(), "[Dados]\ndiretorio=/srv/usuario\n");
    writeConfig("[Outros]\nx=1\n");
    const data::DataLocation location = data::locateDataDirectory(places_);
    EXPECT_EQ(location.configFile, program_ / "config.ini");
    EXPECT_EQ(location.dataDirectory, program_.path() / "Dados");
}

TEST_F(ConfigTest, AFolderNamedConfigIniIsNotAConfigFile) {
    std::filesystem::create_directories(program_ / "config.ini");
    writeIni(user_.path(), "[Dados]\ndiretorio=/srv/usuario\n");
    EXPECT_EQ(data::locateDataDirectory(places_).configFile, user_ / "config.ini");
}

// Sets environment variables for one test and puts the old values back after it.
class Environment {
  public:
    void set(const std::string& name, const std::optional<std::string>& value) {
        if (!saved_.contains(name)) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        }
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

  private:
    std::map<std::string, std::optional<std::string>> saved_;
};

class StandardPlacesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment_.set("HOME", home_.path().string());
        environment_.set("XDG_CONFIG_HOME", std::nullopt);
        environment_.set("XDG_DATA_HOME", std::nullopt);
        std::filesystem::create_directories(installed_);
    }

    Environment environment_;
    TempDir home_{"velmora-home"};
    TempDir xdg_{"velmora-xdg"};
    TempDir prefix_{"velmora-prefix"};
    std::filesystem::path installed_ = prefix_ / "bin";
};

TEST_F(StandardPlacesTest, UserConfigFolderFollowsXdgConfigHomeOrHome) {
    struct Case {
        std::optional<std::string> xdgConfigHome;
        std::filesystem::path expected;
    };
    for (const Case& c :
         {Case{std::nullopt, home_ / ".config" / "velmora"}, Case{"", home_ / ".config" / "velmora"},
          Case{"relativa/config", home_ / ".config" / "velmora"},
          Case{xdg_.path().string(), xdg_ / "velmora"}}) {
        SCOPED_TRACE(c.xdgConfigHome.value_or("(unset)"));
        environment_.set("XDG_CONFIG_HOME", c.xdgConfigHome);
        const auto places = data::standardConfigPlaces(installed_, installed_);
        EXPECT_EQ(places.userConfigDirectory, c.expected);
        EXPECT_EQ(places.systemConfigDirectory, std::filesystem::path("/etc/velmora"));
        EXPECT_EQ(places.programDirectory, installed_);
    }
}

TEST_F(StandardPlacesTest, InstalledProgramKeepsItsDataInTheUserDataFolder) {
    EXPECT_EQ(data::standardConfigPlaces(installed_, installed_).defaultDataDirectory,
              home_ / ".local" / "share" / "velmora" / "Dados");
    // The same folder spelled another way is still the installed one.
    EXPECT_EQ(data::standardConfigPlaces(prefix_ / "bin" / ".." / "bin", installed_).defaultDataDirectory,
              home_ / ".local" / "share" / "velmora" / "Dados");
    environment_.set("XDG_DATA_HOME", xdg_.path().string());
    EXPECT_EQ(data::standardConfigPlaces(installed_, installed_).defaultDataDirectory,
              xdg_ / "velmora" / "Dados");
}

TEST_F(StandardPlacesTest, AnyOtherCopyKeepsItsDataBesideItself) {
    const auto portable = prefix_ / "portatil";
    std::filesystem::create_directories(portable);
    for (const std::filesystem::path& installedDirectory :
         {installed_, std::filesystem::path(), prefix_ / "nao-existe"}) {
        SCOPED_TRACE(installedDirectory);
        EXPECT_EQ(data::standardConfigPlaces(portable, installedDirectory).defaultDataDirectory,
                  portable / "Dados");
    }
}

TEST_F(StandardPlacesTest, UserConfigIniNamesTheDataOfAnInstalledProgram) {
    environment_.set("XDG_CONFIG_HOME", xdg_.path().string());
    const auto places = data::standardConfigPlaces(installed_, installed_);
    if (std::filesystem::exists("/etc/velmora/config.ini"))
        GTEST_SKIP() << "this machine has its own config.ini";
    EXPECT_EQ(data::locateDataDirectory(places).dataDirectory,
              home_ / ".local" / "share" / "velmora" / "Dados");
    writeIni(xdg_ / "velmora", "[Dados]\ndiretorio=" + (home_ / "Salao").string() + "\n");
    const data::DataLocation location = data::locateDataDirectory(places);
    EXPECT_EQ(location.configFile, xdg_ / "velmora" / "config.ini");
    EXPECT_EQ(location.dataDirectory, home_ / "Salao");
}

}  // namespace
