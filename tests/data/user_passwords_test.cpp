// Users' passwords are kept only as hashes; a data set made before that gives up its clear
// passwords the first time it is opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/initial_data.h"
#include "data/password_hash.h"
#include "data/user_passwords.h"
#include "support/data_fixture.h"

namespace {

using testsupport::DataTest;

constexpr const char* kOldPassword = "SEGREDO99";
constexpr const char* kOtherOldPassword = "QWERTY42";

class ClearPasswords : public DataTest {
  protected:
    // What a data set made before hashing holds: passwords in clear.
    void SetUp() override {
        store::Table& senha = dm.TbSenha;
        ASSERT_TRUE(senha.findKey({std::int64_t{1}}));
        senha.edit();
        senha.field("Senha").setString(kOldPassword);
        senha.post();
        senha.insert();
        senha.field("Codigo").setInteger(2);
        senha.field("Usuario").setString("BRUNA");
        senha.field("Senha").setString(kOtherOldPassword);
        senha.field("CodFUN").setInteger(1);
        senha.post();
    }

    std::string stored(data::Tdm& station, std::int64_t codigo) {
        EXPECT_TRUE(station.TbSenha.findKey({codigo}));
        return station.TbSenha.field("Senha").asString();
    }
};

using ClearPasswordsOnEveryBackend = testsupport::OnEveryBackend<ClearPasswords>;

TEST_P(ClearPasswordsOnEveryBackend, AreHashedWhenTheDataSetIsOpenedAndStillLogIn) {
    data::Tdm reopened(dataSet(), messages);
    for (const auto& [codigo, password] : {std::pair<std::int64_t, const char*>{1, kOldPassword}, {2, kOtherOldPassword}}) {
        EXPECT_TRUE(data::isPasswordHash(stored(reopened, codigo))) << codigo;
        EXPECT_TRUE(data::isUsersPassword(reopened, password)) << codigo;
        EXPECT_FALSE(data::isUsersPassword(reopened, "1234")) << codigo;
    }
    EXPECT_TRUE(messages.said.empty());

    const std::string hash = stored(reopened, 1);
    EXPECT_EQ(data::hashClearPasswords(reopened), 0) << "nothing left in clear";
    EXPECT_EQ(stored(reopened, 1), hash) << "a hash is never hashed again";
}

DATA_ON_EVERY_BACKEND(ClearPasswordsOnEveryBackend);

TEST_F(ClearPasswords, LeaveNoTraceInTheTableFiles) {
    { data::Tdm reopened(dataSet(), messages); }
    dm.TbSenha.close();
    for (const auto& file : std::filesystem::recursive_directory_iterator(dataDir())) {
        if (!file.is_regular_file()) continue;
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const std::string password : {kOldPassword, kOtherOldPassword})
            EXPECT_EQ(bytes.find(password), std::string::npos) << password << " in " << file.path();
    }
}

TEST(PasswordHash, MatchesOnlyItsOwnPasswordAndNeverAClearOne) {
    const std::string hash = data::hashPassword("ABÇ");
    EXPECT_TRUE(data::isPasswordHash(hash));
    EXPECT_NE(hash, data::hashPassword("ABÇ")) << "every hash has its own salt";
    EXPECT_TRUE(data::passwordMatches(hash, "ABÇ"));
    EXPECT_FALSE(data::passwordMatches(hash, "ABC"));
    EXPECT_FALSE(data::passwordMatches(hash, ""));
    EXPECT_FALSE(data::passwordMatches("ABÇ", "ABÇ")) << "a password kept in clear is not a hash";
    EXPECT_FALSE(data::passwordMatches("", ""));
}

class UsersPassword : public DataTest {};

TEST_F(UsersPassword, ChangedInOnePostingAndRefusedForAUserGoneElsewhere) {
    data::changeUsersPassword(dm, 1, "NOVA");
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::isUsersPassword(dm, "NOVA"));
    EXPECT_FALSE(data::onFirstPassword(dm));

    EXPECT_THROW(data::changeUsersPassword(dm, 99, "OUTRA"), std::runtime_error);
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::isUsersPassword(dm, "NOVA")) << "nothing written";
}

TEST_F(UsersPassword, ANewDataSetStartsOnTheFirstPassword) {
    ASSERT_TRUE(dm.TbSenha.findKey({std::int64_t{1}}));
    EXPECT_TRUE(data::onFirstPassword(dm));
    EXPECT_TRUE(data::isPasswordHash(dm.TbSenha.field("Senha").asString()));
}

}  // namespace
