// Each data set's own master password: made at random, kept only as a slow salted hash,
// renewed by `velmora --senha-master`.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

#include "data/command_line.h"
#include "data/initial_data.h"
#include "data/master_password.h"
#include "support/data_fixture.h"

namespace {

using data::MasterCheck;
using testsupport::RecordingMessages;
using testsupport::TempDir;

struct CommandResult {
    std::optional<int> code;
    std::string out;
    std::string err;
};

CommandResult run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CommandResult result;
    result.code = data::runDataCommandLine(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// The password a command printed: the ten characters after "Senha Master destes dados: ".
std::string printedPassword(const std::string& out) {
    std::smatch match;
    if (!std::regex_search(out, match, std::regex("Senha Master destes dados: ([A-Z0-9]{10})\n"))) return {};
    return match[1];
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

MasterCheck check(const std::filesystem::path& directory, const std::string& typed) {
    RecordingMessages messages;
    data::Tdm dm(directory, messages);
    return data::checkMasterPassword(dm, typed);
}

TEST(MasterPassword, IsTenRandomCapitalsAndDigits) {
    const std::regex form("[A-Z0-9]{10}");
    std::set<std::string> seen;
    for (int i = 0; i < 20; ++i) {
        const std::string password = data::newMasterPassword();
        EXPECT_TRUE(std::regex_match(password, form)) << password;
        seen.insert(password);
    }
    EXPECT_EQ(seen.size(), 20u);
}

TEST(MasterPassword, InitDataShowsItOnceAndKeepsOnlyASlowSaltedHash) {
    TempDir parent;
    const auto first = parent / "Um";
    const auto second = parent / "Dois";
    const CommandResult one = run({"--init-data", first.string()});
    const CommandResult two = run({"--init-data", second.string(), "--demo"});
    ASSERT_EQ(one.code, 0) << one.err;
    ASSERT_EQ(two.code, 0) << two.err;
    const std::string password = printedPassword(one.out);
    const std::string other = printedPassword(two.out);
    ASSERT_FALSE(password.empty()) << one.out;
    ASSERT_FALSE(other.empty()) << two.out;
    EXPECT_NE(password, other) << "every data set has a password of its own";
    EXPECT_NE(one.out.find("Guarde-a em lugar seguro"), std::string::npos);

    struct Case {
        std::string typed;
        MasterCheck expected;
    };
    std::string lower = password;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Case& c : {Case{password, MasterCheck::Right}, Case{lower, MasterCheck::Right},
                          Case{"QT48215937", MasterCheck::Wrong}, Case{other, MasterCheck::Wrong},
                          Case{password.substr(0, 9), MasterCheck::Wrong}, Case{"", MasterCheck::Wrong}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(check(first, c.typed), c.expected);
    }
    EXPECT_EQ(check(second, other), MasterCheck::Right);

    // Nothing in the settings file gives the password away: only an Argon2 hash is there.
    const std::string settings = fileBytes(first / "Configuracoes.DAT");
    EXPECT_EQ(settings.find(password), std::string::npos);
    EXPECT_EQ(settings.find(lower), std::string::npos);
    RecordingMessages messages;
    data::Tdm dm(first, messages);
    EXPECT_TRUE(dm.TbConfig.field("SenhaMaster").asString().starts_with("$argon2id$"))
        << dm.TbConfig.field("SenhaMaster").asString();
}

TEST(MasterPassword, ADataSetMadeWithoutOneHasNone) {
    testsupport::InitialDataDirectory older;
    EXPECT_EQ(check(older.path(), "QT48215937"), MasterCheck::NotSet);
    EXPECT_EQ(check(older.path(), ""), MasterCheck::NotSet);
}

TEST(MasterPassword, SenhaMasterReplacesItAndARunningStationSeesTheNewOne) {
    testsupport::InitialDataDirectory directory;
    RecordingMessages messages;
    data::Tdm station(directory.path(), messages);  // open before the change, as a running program
    ASSERT_EQ(data::checkMasterPassword(station, "QT48215937"), MasterCheck::NotSet);

    const CommandResult first = run({"--senha-master", directory.path().string()});
    ASSERT_EQ(first.code, 0) << first.err;
    const std::string old = printedPassword(first.out);
    ASSERT_FALSE(old.empty()) << first.out;
    EXPECT_EQ(data::checkMasterPassword(station, old), MasterCheck::Right);

    const CommandResult second = run({"--senha-master", directory.path().string()});
    ASSERT_EQ(second.code, 0) << second.err;
    const std::string renewed = printedPassword(second.out);
    EXPECT_NE(renewed, old);
    EXPECT_EQ(data::checkMasterPassword(station, old), MasterCheck::Wrong);
    EXPECT_EQ(data::checkMasterPassword(station, renewed), MasterCheck::Right);
    EXPECT_EQ(station.TbConfig.field("Nome").asString(), "Salão de Beleza") << "the rest of the record stays";
}

TEST(MasterPassword, SenhaMasterRefusesWhatItCannotUse) {
    TempDir empty;
    testsupport::InitialDataDirectory directory;
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string says;
    };
    for (const Case& c :
         {Case{{"--senha-master"}, 2, "falta o diretório de --senha-master"},
          Case{{"--senha-master", "--demo"}, 2, "falta o diretório"},
          Case{{"--senha-master", directory.path().string(), "--demo"}, 2, "argumento desconhecido"},
          Case{{"--senha-master", directory.path().string(), "--init-data", "x"}, 2, "não os dois"},
          Case{{"--senha-master", empty.path().string()}, 1, "não tem as tabelas"}}) {
        SCOPED_TRACE(c.says);
        const CommandResult result = run(c.args);
        EXPECT_EQ(result.code, c.code);
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
    EXPECT_EQ(check(directory.path(), ""), MasterCheck::NotSet) << "nothing was set by a refused command";
}

}  // namespace
