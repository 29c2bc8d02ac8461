// The employee register driven headless: the empty employee "&Novo" saves at once, the
// editing state that holds the screen open, the photograph and the appointment times.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "registers/employee_hour_rule.h"
#include "registers/employee_hours.h"
#include "registers/employee_screen.h"
#include "registers/picture_file.h"
#include "support/data_fixture.h"
#include "support/qt_scripted_dialogs.h"
#include "support/temp_dir.h"
#include "ui/db_edit.h"
#include "ui/db_grid.h"
#include "ui/db_image.h"
#include "ui/db_mask_edit.h"

namespace {

const QString kRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Registro.");

class EmployeeRegisterTest : public testsupport::DataTest {
  protected:
    // The initial data set already holds employee 1.
    void addEmployee(std::int64_t code, const std::string& nome) {
        store::Table& t = dm.TbFuncionario;
        if (!t.isOpen()) t.open();
        t.insert();
        t.field("Codigo").setInteger(code);
        t.field("Nome").setString(nome);
        t.post();
    }
    store::Table& funcionarios() { return dm.TbFuncionario; }
    bool exists(std::int64_t code) { return funcionarios().findKey({store::Value{code}}); }
    QString writePicture(const char* name, const char* format) {
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = QString::fromStdString((pictures / name).string());
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
    template <typename T>
    T* control(QWidget& screen, const char* name) {
        auto* found = screen.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    testsupport::ScriptedDialogs dialogs;
    testsupport::TempDir pictures{"velmora-pictures"};
};

TEST_F(EmployeeRegisterTest, NovoSavesAnEmptyEmployeeThatExcluirRemoves) {
    addEmployee(5, "MARIA");
    registers::TFmFuncionario screen(dm);
    const int before = funcionarios().recordCount();

    screen.buttons().novo->click();
    EXPECT_EQ(funcionarios().field("Codigo").asInteger(), 6);
    EXPECT_EQ(funcionarios().state(), store::TableState::Edit);  // already on disk, now edited
    EXPECT_EQ(funcionarios().recordCount(), before + 1);
    EXPECT_TRUE(screen.isEditing());
    EXPECT_FALSE(screen.buttons().novo->isEnabled());

    dialogs.answer(true);
    screen.buttons().excluir->click();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Exclui o Funcionário?")});
    EXPECT_EQ(funcionarios().recordCount(), before);
    EXPECT_FALSE(exists(6));
    EXPECT_TRUE(screen.buttons().novo->isEnabled());

    // The highest code, once deleted, is offered again.
    screen.buttons().novo->click();
    EXPECT_EQ(funcionarios().field("Codigo").asInteger(), 6);
    dialogs.answer(true);
    screen.buttons().gravar->click();
    EXPECT_TRUE(exists(6));
}

TEST_F(EmployeeRegisterTest, ClosingIsRefusedUntilGravarAndTheTypedFieldsAreSaved) {
    registers::TFmFuncionario screen(dm);
    auto* nome = control<ui::DbEdit>(screen, "DBEdit2");
    auto* qualificacao = control<ui::DbEdit>(screen, "DBEdit21");
    EXPECT_TRUE(nome->isReadOnly());  // browsing: nothing can be typed
    screen.buttons().novo->click();
    EXPECT_FALSE(nome->isReadOnly());
    QTest::keyClicks(nome, "Joana Prado");
    QTest::keyClicks(qualificacao, "manicure");

    screen.buttons().fechar->click();
    screen.reject();
    screen.buttons().consultar->click();
    EXPECT_EQ(dialogs.messages, QStringList({kRefusal, kRefusal, kRefusal}));
    EXPECT_TRUE(screen.isEditing());

    dialogs.answer(true);
    screen.buttons().gravar->click();
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Grava o Funcionário?")});
    EXPECT_FALSE(screen.isEditing());
    EXPECT_EQ(funcionarios().state(), store::TableState::Browse);
    screen.buttons().fechar->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(dialogs.messages.size(), 3);

    ASSERT_TRUE(exists(2));
    EXPECT_EQ(funcionarios().field("Nome").asString(), "Joana Prado");
    EXPECT_EQ(funcionarios().field("Qualificacao").asString(), "MANICURE");
}

TEST_F(EmployeeRegisterTest, AlterarAsksAndGravarMayBeRefused) {
    registers::TFmFuncionario screen(dm);
    dialogs.answer(false);
    screen.buttons().alterar->click();
    EXPECT_FALSE(screen.isEditing());
    dialogs.answer(true);
    screen.buttons().alterar->click();
    EXPECT_TRUE(screen.isEditing());
    EXPECT_EQ(dialogs.questions, QStringList({QStringLiteral("Alterar Dados do Funcionário?"),
                                              QStringLiteral("Alterar Dados do Funcionário?")}));
    QTest::keyClicks(control<ui::DbEdit>(screen, "DBEdit18"), "Cabeleireira");
    dialogs.answer(false);
    screen.buttons().gravar->click();
    EXPECT_TRUE(screen.isEditing());  // a "no" keeps the edit going
}

TEST_F(EmployeeRegisterTest, AlterarAndExcluirStopAtTheirProtectedAreas) {
    for (double area : {7.0, 8.0}) {
        ASSERT_TRUE(dm.TbAcesso.findKey({store::Value{area}}));
        dm.TbAcesso.edit();
        dm.TbAcesso.field("Status").setString("S");
        dm.TbAcesso.post();
    }
    registers::TFmFuncionario screen(dm);
    for (QPushButton* button : {screen.buttons().alterar, screen.buttons().excluir}) {
        dialogs.expectScreen(QStringLiteral("FmAutorizacao"),
                             [](QDialog&) { return int(QDialog::Rejected); });
        button->click();
    }
    EXPECT_TRUE(dialogs.questions.isEmpty());  // no question once the authorization is cancelled
    EXPECT_FALSE(screen.isEditing());
    EXPECT_TRUE(exists(1));
}

TEST_F(EmployeeRegisterTest, PhotoLoadedIsSavedByMovingToAnotherEmployee) {
    addEmployee(2, "BRUNO");
    for (const char* format : {"JPG", "BMP"}) {
        SCOPED_TRACE(format);
        const QString path = writePicture(format == std::string("JPG") ? "foto.jpg" : "foto.bmp", format);
        registers::TFmFuncionario screen(dm);
        ASSERT_TRUE(exists(1));
        ASSERT_FALSE(screen.photo()->hasPicture());

        dialogs.answerOpenFile(path);
        control<QPushButton>(screen, "BtnIncluiFoto")->click();
        EXPECT_TRUE(screen.photo()->hasPicture());
        EXPECT_FALSE(screen.isEditing());  // "&Consultar" stays open for the move

        dialogs.expectScreen(QStringLiteral("TFmConsFunc"), [](QDialog& search) {
            QTest::keyClicks(search.findChild<QLineEdit*>(QStringLiteral("Edit1")), "BR");
            return int(QDialog::Accepted);
        });
        screen.buttons().consultar->click();
        EXPECT_EQ(funcionarios().field("Nome").asString(), "BRUNO");
        EXPECT_FALSE(screen.photo()->hasPicture());

        ASSERT_TRUE(exists(1));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QByteArray::fromStdString(funcionarios().field("Foto").asBlob()), file.readAll());
        EXPECT_TRUE(screen.photo()->hasPicture());

        // "Exclui Foto" clears it the same way; cleared for the next format.
        dialogs.answer(true);
        control<QPushButton>(screen, "BtnExcluiFoto")->click();
        EXPECT_FALSE(screen.photo()->hasPicture());
        dialogs.answer(true);
        screen.buttons().gravar->click();
        EXPECT_TRUE(funcionarios().field("Foto").isNull());
    }
}

TEST_F(EmployeeRegisterTest, StoredPhotoShowsAgainOnAFreshScreen) {
    const QString path = writePicture("foto.jpg", "JPG");
    {
        registers::TFmFuncionario screen(dm);
        dialogs.answerOpenFile(path);
        control<QPushButton>(screen, "BtnIncluiFoto")->click();
        dialogs.answer(true);
        screen.buttons().gravar->click();
    }
    EXPECT_FALSE(funcionarios().isOpen());
    registers::TFmFuncionario screen(dm);
    ASSERT_TRUE(exists(1));
    EXPECT_TRUE(screen.photo()->hasPicture());
}

TEST_F(EmployeeRegisterTest, UnreadablePictureIsRefusedAndStoresNothing) {
    const QString fake = QString::fromStdString((pictures / "foto.jpg").string());
    QFile file(fake);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();

    registers::TFmFuncionario screen(dm);
    dialogs.answerOpenFile(fake);
    control<QPushButton>(screen, "BtnIncluiFoto")->click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.front(), registers::unreadablePictureMessage(fake));
    EXPECT_EQ(funcionarios().state(), store::TableState::Browse);
    EXPECT_FALSE(screen.photo()->hasPicture());

    // A cancelled chooser does nothing at all.
    dialogs.answerOpenFile(QString());
    control<QPushButton>(screen, "BtnIncluiFoto")->click();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(funcionarios().state(), store::TableState::Browse);
    EXPECT_TRUE(funcionarios().field("Foto").isNull());
}

TEST_F(EmployeeRegisterTest, PictureCheckAcceptsWhatCanBeShownAndRefusesTheRest) {
    QFile truncated(QString::fromStdString((pictures / "cortada.jpg").string()));
    QFile whole(writePicture("inteira.jpg", "JPG"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly) && truncated.open(QIODevice::WriteOnly));
    truncated.write(whole.read(whole.size() / 3));
    truncated.close();
    QFile metafile(QString::fromStdString((pictures / "logo.wmf").string()));
    ASSERT_TRUE(metafile.open(QIODevice::WriteOnly));
    metafile.write(QByteArray("\xd7\xcd\xc6\x9a\x00\x00", 6));
    metafile.close();

    struct Case {
        QString path;
        bool accepted;
    };
    const Case cases[] = {
        {writePicture("a.jpg", "JPG"), true},
        {writePicture("a.bmp", "BMP"), true},
        {writePicture("a.ico", "ICO"), true},
        {truncated.fileName(), false},
        {metafile.fileName(), false},
        {QString::fromStdString((pictures / "nao-existe.jpg").string()), false},
        {QString::fromStdString(pictures.path().string()), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(registers::readPictureFile(c.path).has_value(), c.accepted);
    }
}

TEST_F(EmployeeRegisterTest, AppointmentTimesBelongToTheEmployeeAndMayRepeat) {
    addEmployee(2, "BRUNO");
    registers::TFmFuncionario screen(dm);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    ASSERT_TRUE(exists(2));
    registers::EmployeeHours& hours = *screen.hours();
    EXPECT_EQ(control<QPushButton>(screen, "BtnIncluiHora"), hours.addButton());

    for (const char* typed : {"0900", "0900", "1330"}) {
        hours.addButton()->click();
        EXPECT_EQ(QApplication::focusWidget(), hours.hourEdit());
        QTest::keyClicks(hours.hourEdit(), typed);
        QTest::keyClick(hours.hourEdit(), Qt::Key_Return);  // leaves the field: the row is posted
        EXPECT_EQ(dm.TbHora.state(), store::TableState::Browse);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
    ASSERT_EQ(hours.grid()->model()->rowCount(), 3);
    std::vector<std::string> times;
    std::int64_t lastOrdem = 0;
    for (dm.TbHora.first(); !dm.TbHora.eof(); dm.TbHora.next()) {
        EXPECT_EQ(dm.TbHora.field("Codigo").asInteger(), 2);
        EXPECT_GT(dm.TbHora.field("Ordem").asInteger(), lastOrdem);  // slot-number order
        lastOrdem = dm.TbHora.field("Ordem").asInteger();
        times.push_back(dm.TbHora.field("Hora").asString());
    }
    EXPECT_EQ(times, (std::vector<std::string>{"09:00", "09:00", "13:30"}));

    // Another employee sees none of them.
    ASSERT_TRUE(exists(1));
    EXPECT_EQ(hours.grid()->model()->rowCount(), 0);
}

TEST_F(EmployeeRegisterTest, TimesThatAreNoHourAreRefusedAndBlankNewRowsDropped) {
    registers::TFmFuncionario screen(dm);
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    ASSERT_TRUE(exists(1));
    registers::EmployeeHours& hours = *screen.hours();

    hours.addButton()->click();
    QTest::keyClick(hours.hourEdit(), Qt::Key_Return);  // left blank
    EXPECT_EQ(dm.TbHora.state(), store::TableState::Browse);
    EXPECT_EQ(dm.TbHora.recordCount(), 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    hours.addButton()->click();
    QTest::keyClicks(hours.hourEdit(), "2570");
    QTest::keyClick(hours.hourEdit(), Qt::Key_Return);
    EXPECT_EQ(dialogs.messages, QStringList{registers::kInvalidHour});
    EXPECT_EQ(dm.TbHora.state(), store::TableState::Insert);
    hours.addButton()->click();  // no second row while this one is wrong
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dm.TbHora.state(), store::TableState::Insert);

    hours.hourEdit()->selectAll();
    QTest::keyClicks(hours.hourEdit(), "2350");
    QTest::keyClick(hours.hourEdit(), Qt::Key_Return);
    EXPECT_EQ(dm.TbHora.state(), store::TableState::Browse);
    EXPECT_EQ(dm.TbHora.recordCount(), 1);
    EXPECT_EQ(dm.TbHora.field("Hora").asString(), "23:50");
}

TEST(EmployeeHourRule, ChecksWhatTheMaskStores) {
    using registers::HourCheck;
    const std::pair<const char*, HourCheck> cases[] = {
        {"", HourCheck::Blank},        {"  :  ", HourCheck::Blank},   {"00:00", HourCheck::Valid},
        {"09:30", HourCheck::Valid},   {"23:59", HourCheck::Valid},   {"24:00", HourCheck::Invalid},
        {"12:60", HourCheck::Invalid}, {"9 :30", HourCheck::Invalid}, {"09:3 ", HourCheck::Invalid},
        {"0930", HourCheck::Invalid},  {"ab:cd", HourCheck::Invalid},
    };
    for (const auto& [hora, expected] : cases) EXPECT_EQ(registers::checkHour(hora), expected) << hora;
}

}  // namespace
