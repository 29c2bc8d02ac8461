// The appointment book: slots made from the employees' hours, booked, blocked and freed,
// with other stations working on the same day.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>

#include "data/refusal.h"
#include "sales/agenda_book.h"
#include "sales/agenda_fixture.h"
#include "support/processes.h"

namespace {

using agendatest::AgendaTest;
using sales::SlotSeen;
using Rows = std::vector<std::string>;

std::string refusalOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const data::Refusal& refusal) {
        return refusal.what();
    }
    return "(aceito)";
}

class AgendaBookTest : public AgendaTest {
  protected:
    SlotSeen freeSlot(std::int64_t code, const char* hora) { return {code, day, hora, "", ""}; }
};

// With other stations as real processes: on a data directory and on a server.
using AgendaBookStationsTest = testsupport::OnEveryBackend<AgendaBookTest>;
DATA_ON_EVERY_BACKEND(AgendaBookStationsTest);

TEST_F(AgendaBookTest, ADayIsMadeFromTheHoursOnceAndKeepsItsBookingsWhenHoursAreAdded) {
    sales::openEmployeeDay(dm, kBia, day);
    EXPECT_EQ(slotsOnDisk(kBia), (Rows{"09:00 BIA", "10:00 BIA", "11:00 BIA"}));

    sales::bookSlot(dm, freeSlot(kBia, "10:00"), "MARIA", {"CORTE", 1});
    sales::blockSlot(dm, freeSlot(kBia, "11:00"), {});
    addHour(kBia, "12:00");
    sales::openEmployeeDay(dm, kBia, day);
    EXPECT_EQ(slotsOnDisk(kBia),
              (Rows{"09:00 BIA", "10:00 BIA MARIA CORTE", "11:00 BIA \" \" \" \"", "12:00 BIA"}));

    // the whole day: every employee with hours, by time; DORA has none
    sales::openWholeDay(dm, day);
    EXPECT_EQ(slotsOnDisk(), (Rows{"09:00 BIA", "09:00 CAIO", "10:00 BIA MARIA CORTE",
                                   "11:00 BIA \" \" \" \"", "12:00 BIA", "14:00 CAIO"}));
    sales::openWholeDay(dm, day);  // again: nothing doubled
    EXPECT_EQ(slotsOnDisk().size(), 6u);
}

TEST_F(AgendaBookTest, ADayIsNotOpenedForAnUnknownEmployeeOrOneWithoutHours) {
    const struct {
        std::int64_t code;
        const char* refusal;
    } cases[] = {{99, "Não Existe Funcionário Com Este Código!"},
                 {22, "O Funcionário Não Possui Agenda Definida no Seu Cadastro!"}};
    for (const auto& c : cases) {
        EXPECT_EQ(refusalOf([&] { sales::openEmployeeDay(dm, c.code, day); }), c.refusal) << c.code;
        EXPECT_TRUE(slotsOnDisk(c.code).empty());
    }
}

TEST_F(AgendaBookTest, ABookedOrBlockedSlotIsNeitherBookedNorBlockedAgain) {
    sales::openEmployeeDay(dm, kBia, day);
    sales::bookSlot(dm, freeSlot(kBia, "09:00"), "MARIA", {"CORTE", 1});
    sales::blockSlot(dm, freeSlot(kBia, "10:00"), {"ESCOVA", 3});
    const Rows before = slotsOnDisk(kBia);
    EXPECT_EQ(before[1], "10:00 BIA \" \" ESCOVA");
    for (const char* hora : {"09:00", "10:00"}) {
        // the slot as a grid drawn before the booking showed it: free
        EXPECT_EQ(refusalOf([&] {
                      sales::bookSlot(dm, freeSlot(kBia, hora), "JOANA", {"CORTE", 1});
                  }),
                  "O Horário Já Está Reservado!")
            << hora;
        EXPECT_EQ(refusalOf([&] { sales::blockSlot(dm, freeSlot(kBia, hora), {}); }),
                  "O Horário Já Está Reservado!")
            << hora;
    }
    EXPECT_EQ(slotsOnDisk(kBia), before);
}

TEST_F(AgendaBookTest, FreeingTakesOnlyTheBookingThatWasShown) {
    sales::openEmployeeDay(dm, kBia, day);
    sales::bookSlot(dm, freeSlot(kBia, "09:00"), "MARIA", {"CORTE", 1});

    // shown free, booked since: freeing would drop MARIA's booking
    EXPECT_EQ(refusalOf([&] { sales::freeSlot(dm, freeSlot(kBia, "09:00")); }),
              "O Horário Foi Alterado em Outra Estação! Carregue a Agenda Novamente.");
    // shown as JOANA's, MARIA's now
    EXPECT_EQ(refusalOf([&] {
                  sales::freeSlot(dm, {kBia, day, "09:00", "JOANA", "CORTE"});
              }),
              "O Horário Foi Alterado em Outra Estação! Carregue a Agenda Novamente.");
    EXPECT_EQ(slotsOnDisk(kBia)[0], "09:00 BIA MARIA CORTE");

    sales::freeSlot(dm, {kBia, day, "09:00", "MARIA", "CORTE"});
    sales::freeSlot(dm, freeSlot(kBia, "10:00"));  // a free slot stays free
    EXPECT_EQ(slotsOnDisk(kBia), (Rows{"09:00 BIA", "10:00 BIA", "11:00 BIA"}));
    EXPECT_EQ(refusalOf([&] {
                  sales::bookSlot(dm, freeSlot(kBia, "13:00"), "MARIA", {"CORTE", 1});
              }),
              "O Horário Não Existe Mais! Carregue a Agenda Novamente.");
}

TEST_P(AgendaBookStationsTest, TwoStationsBookingTheSameSlotLeaveOneBookingAndTellTheOther) {
    sales::openEmployeeDay(dm, kBia, day);
    auto station = [&](const char* cliente) {
        return testsupport::spawn([&, cliente] {
            testsupport::RecordingMessages quiet;
            data::Tdm other(dataSet(), quiet);
            try {
                sales::bookSlot(other, freeSlot(kBia, "10:00"), cliente, {"CORTE", 1});
                return 0;
            } catch (const data::Refusal& refusal) {
                return std::string(refusal.what()) == "O Horário Já Está Reservado!" ? 1 : 2;
            }
        });
    };
    const pid_t maria = station("MARIA");
    const pid_t joana = station("JOANA");
    const int mariaExit = testsupport::exitCodeOf(maria);
    const int joanaExit = testsupport::exitCodeOf(joana);
    EXPECT_EQ((std::multiset<int>{mariaExit, joanaExit}), (std::multiset<int>{0, 1}));
    EXPECT_EQ(slotsOnDisk(kBia)[1], mariaExit == 0 ? "10:00 BIA MARIA CORTE" : "10:00 BIA JOANA CORTE");
}

TEST_P(AgendaBookStationsTest, TwoStationsOpeningTheSameNewDayMakeItOnce) {
    auto station = [&] {
        return testsupport::spawn([&] {
            testsupport::RecordingMessages quiet;
            data::Tdm other(dataSet(), quiet);
            sales::openWholeDay(other, day);
            return 0;
        });
    };
    const pid_t a = station();
    const pid_t b = station();
    EXPECT_EQ(testsupport::exitCodeOf(a), 0);
    EXPECT_EQ(testsupport::exitCodeOf(b), 0);
    EXPECT_EQ(slotsOnDisk().size(), 5u);
}

TEST_F(AgendaBookTest, AnEmployeesBookGoesByHisCodeNotHisName) {
    dm.TbFuncionario.open();
    dm.TbHora.open();
    addEmployee(23, "BIA", {"09:00"});  // a namesake
    dm.TbHora.close();
    dm.TbFuncionario.close();
    sales::openEmployeeDay(dm, kBia, day);
    sales::openEmployeeDay(dm, 23, day);
    EXPECT_EQ(slotsOnDisk(kBia).size(), 3u);
    EXPECT_EQ(slotsOnDisk(23).size(), 1u);
}

// The index SQLite keeps for siFUNC, as written in the file.
std::string storedIndex(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, "SELECT sql FROM sqlite_master WHERE type = 'index' AND name LIKE '%siFUNC%'", -1,
                       &query, nullptr);
    std::string sql;
    if (sqlite3_step(query) == SQLITE_ROW) sql = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
    sqlite3_finalize(query);
    sqlite3_close(db);
    return sql;
}

TEST_F(AgendaBookTest, AnOlderDataDirectoryGetsTheBookIndexByCodeWhenOpened) {
    store::TableDef older = dm.TbAgenda.definition();
    for (store::IndexDef& index : older.indexes)
        if (index.name == "siFUNC") index.fields = {"Funcionario", "Data", "Hora", "Codigo"};
    {
        store::Table old(dm.DbVelmora, older, "TbAgenda");
        old.open();  // brings the file to the older definition
    }
    const std::filesystem::path file = dataDir() / older.fileName;
    ASSERT_NE(storedIndex(file).find("(\"Funcionario\""), std::string::npos) << storedIndex(file);
    dm.TbAgenda.open();
    dm.TbAgenda.close();
    EXPECT_NE(storedIndex(file).find("(\"Codigo\""), std::string::npos) << storedIndex(file);
}

}  // namespace
