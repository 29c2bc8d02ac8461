// A client's history of purchases and the before/after photographs.
#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <vector>

#include "registers/client_history.h"
#include "registers/client_photos.h"
#include "registers/picture_file.h"
#include "ui/ui_fixture.h"

namespace {

using registers::TFmFotografias;
using Side = TFmFotografias::Side;

class ClientHistoryTest : public uitest::UiTest {
  protected:
    void SetUp() override {
        dm.TbCliente.open();
        for (auto [code, nome] : {std::pair{1, "MARIA"}, std::pair{2, "ANA"}}) {
            dm.TbCliente.insert();
            dm.TbCliente.field("Codigo").setInteger(code);
            dm.TbCliente.field("Nome").setString(nome);
            dm.TbCliente.post();
        }
        dm.TbCliente.findKey({store::Value{std::int64_t{1}}});
    }

    // Sale items are written as the sales screen leaves them: unlinked from a sale here,
    // so the test needs no sale.
    void addItems(const std::vector<std::tuple<int, std::string, std::string>>& items) {
        store::Table& t = dm.TbItensServico;
        t.setMasterSource(nullptr, {});
        t.open();
        for (const auto& [client, date, descricao] : items) {
            t.insert();
            t.field("Contador").setInteger(1);
            t.field("CodCli").setInteger(client);
            t.field("Data").setString(date);
            t.field("Descricao").setString(descricao);
            t.post();
        }
        t.close();
        t.setIndexFieldNames("Contador");
        t.setMasterSource(&dm.TbServico, "Contador");
    }

    QString writePicture(const QString& name) {
        const QString path = QString::fromStdString((dataDir() / name.toStdString()).string());
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(Qt::red);
        EXPECT_TRUE(picture.save(path));
        return path;
    }

    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The photo row of client 1 as stored on disk, read with the screen gone.
    std::string storedPhoto(const char* field) {
        store::Table& fotos = dm.TbFoto;
        fotos.open();
        fotos.first();
        std::string bytes = fotos.field(field).asBlob();
        fotos.close();
        return bytes;
    }
};

TEST_F(ClientHistoryTest, ShowsOnlyTheClientsItemsFrom2011InDateOrder) {
    addItems({{1, "31/12/2010", "CORTE ANTIGO"},
              {1, "15/06/2013", "ESCOVA"},
              {1, "01/01/2011", "MANICURE"},
              {2, "05/03/2012", "PEDICURE"},
              {1, "05/03/2012", "TINTURA"}});
    {
        registers::TFmHistorico history(dm);
        history.show();
        EXPECT_EQ(history.heading()->text(), QStringLiteral("MARIA"));
        store::Table& items = dm.TbItensServico;
        std::vector<std::string> seen;
        for (items.first(); !items.eof(); items.next()) seen.push_back(items.field("Descricao").asString());
        EXPECT_EQ(seen, (std::vector<std::string>{"MANICURE", "TINTURA", "ESCOVA"}));
        EXPECT_EQ(history.grid()->gridModel().rowCount(), 3);
    }
    // Gone: the items are closed and linked to their sale again.
    store::Table& items = dm.TbItensServico;
    EXPECT_FALSE(items.isOpen());
    EXPECT_EQ(items.indexFields().front(), "Contador");
    items.open();
    EXPECT_EQ(items.recordCount(), 0);  // no sale is current, so no item is visible
}

TEST_F(ClientHistoryTest, PhotosAreStoredAtOnceForTheCurrentClient) {
    const QString antes = writePicture("antes.png");
    const QString depois = writePicture("depois.bmp");
    {
        TFmFotografias photos(dm);
        photos.novo();
        EXPECT_EQ(dm.TbFoto.field("Codigo").asInteger(), 1);
        EXPECT_EQ(dm.TbFoto.field("Data").asDate(), core::Date::today());
        dialogs.answerOpenFile(antes);
        photos.inserirFoto(Side::Antes);
        dialogs.answerOpenFile(depois);
        photos.inserirFoto(Side::Depois);
        EXPECT_EQ(dm.TbFoto.state(), store::TableState::Browse);
        EXPECT_TRUE(photos.picture(Side::Antes)->hasPicture());
        // Another client sees none of them.
        dm.TbCliente.findKey({store::Value{std::int64_t{2}}});
        EXPECT_EQ(dm.TbFoto.recordCount(), 0);
        EXPECT_FALSE(photos.picture(Side::Antes)->hasPicture());
        dm.TbCliente.findKey({store::Value{std::int64_t{1}}});
        EXPECT_TRUE(photos.picture(Side::Depois)->hasPicture());
    }
    EXPECT_FALSE(dm.TbFoto.isOpen());
    EXPECT_EQ(QByteArray::fromStdString(storedPhoto("Antes")), fileBytes(antes));
    EXPECT_EQ(QByteArray::fromStdString(storedPhoto("Depois")), fileBytes(depois));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ClientHistoryTest, AFileThatIsNotAReadablePictureIsRefusedAndStoresNothing) {
    const QString good = writePicture("antes.png");
    const QString notAPicture = QString::fromStdString((dataDir() / "notas.jpg").string());
    {
        QFile file(notAPicture);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("isto nao e uma foto");
    }
    const QString missing = QString::fromStdString((dataDir() / "sumiu.png").string());
    TFmFotografias photos(dm);
    photos.novo();
    dialogs.answerOpenFile(good);
    photos.inserirFoto(Side::Antes);
    for (const QString& bad : {notAPicture, missing}) {
        SCOPED_TRACE(bad.toStdString());
        dialogs.messages.clear();
        dialogs.answerOpenFile(bad);
        photos.inserirFoto(Side::Antes);
        EXPECT_EQ(dialogs.messages, QStringList{registers::unreadablePictureMessage(bad)});
        EXPECT_TRUE(dialogs.messages.front().contains(QFileInfo(bad).fileName()));
        EXPECT_EQ(dm.TbFoto.state(), store::TableState::Browse);
        EXPECT_EQ(QByteArray::fromStdString(dm.TbFoto.field("Antes").asBlob()), fileBytes(good));
    }
    // Cancelling the chooser changes nothing either.
    dialogs.answerOpenFile({});
    photos.inserirFoto(Side::Depois);
    EXPECT_TRUE(dm.TbFoto.field("Depois").isNull());
}

TEST_F(ClientHistoryTest, ExcluirFotoClearsOnePictureAndExcluirRemovesTheRow) {
    const QString picture = writePicture("foto.png");
    {
        TFmFotografias photos(dm);
        photos.novo();
        for (Side side : {Side::Antes, Side::Depois}) {
            dialogs.answerOpenFile(picture);
            photos.inserirFoto(side);
        }
        dialogs.answer(false);
        photos.excluirFoto(Side::Antes);
        EXPECT_FALSE(dm.TbFoto.field("Antes").isNull());
        dialogs.answer(true);
        photos.excluirFoto(Side::Antes);
        EXPECT_EQ(dialogs.questions,
                  QStringList({QStringLiteral("Excluir a Foto?"), QStringLiteral("Excluir a Foto?")}));
    }
    EXPECT_TRUE(storedPhoto("Antes").empty());
    EXPECT_FALSE(storedPhoto("Depois").empty());
    TFmFotografias photos(dm);
    dm.TbFoto.first();
    dialogs.answer(true);
    photos.excluir();
    EXPECT_EQ(dialogs.questions.back(), QStringLiteral("Excluir Fotografias?"));
    EXPECT_EQ(dm.TbFoto.recordCount(), 0);
}

TEST_F(ClientHistoryTest, NoPhotoRowIsMadeWithoutAClientOrWithoutNovo) {
    {
        TFmFotografias photos(dm);
        // No file is queued: asking for one would fail the test.
        photos.inserirFoto(Side::Antes);
        EXPECT_EQ(dialogs.messages,
                  QStringList{QStringLiteral("Inclua as Fotografias com \"Novo\" Primeiro!")});
        dm.TbCliente.emptyTable();
        photos.novo();
        EXPECT_EQ(dialogs.messages.back(), QStringLiteral("Nenhum Cliente Escolhido!"));
    }
    dm.TbFoto.setMasterSource(nullptr, {});
    dm.TbFoto.open();
    EXPECT_EQ(dm.TbFoto.recordCount(), 0);
}

TEST_F(ClientHistoryTest, FotografiasOpensOverTheHistory) {
    registers::TFmHistorico history(dm);
    dialogs.expectScreen("TFmFotografias", [](QDialog& photos) {
        EXPECT_EQ(photos.windowTitle(), QStringLiteral("::.. Histórico de Fotografias"));
        return QDialog::Accepted;
    });
    history.fotografiasButton()->click();
    EXPECT_FALSE(dm.TbFoto.isOpen());
}

}  // namespace
