#include "reports/engine/report_file.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include "reports/engine/output_error.h"

namespace reports {

namespace {

constexpr std::string_view kMagic = "VELMORA-RELATORIO\n";
constexpr qsizetype kHashSize = 32;
constexpr auto kStreamVersion = QDataStream::Qt_6_0;

enum class Kind : quint8 { Text = 1, Line = 2, Rect = 3, Image = 4 };

[[noreturn]] void damaged() {
    throw OutputError("O arquivo do relatório está danificado e não pode ser aberto.");
}

QByteArray hashOf(const QByteArray& body) {
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

void write(QDataStream& out, const RectMm& box) {
    out << box.x << box.y << box.width << box.height;
}

void write(QDataStream& out, const std::string& text) {
    out << QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

struct ElementWriter {
    QDataStream& out;
    void operator()(const PageText& text) const {
        out << quint8(Kind::Text);
        write(out, text.box);
        write(out, text.text);
        out << quint8(text.align) << text.font.points << text.font.bold;
    }
    void operator()(const PageLine& line) const {
        out << quint8(Kind::Line) << line.x1 << line.y1 << line.x2 << line.y2 << quint8(line.pen);
    }
    void operator()(const PageRect& rect) const {
        out << quint8(Kind::Rect);
        write(out, rect.box);
        out << rect.filled << quint8(rect.pen);
    }
    void operator()(const PageImage& image) const {
        out << quint8(Kind::Image);
        write(out, image.box);
        out << qint32(image.image);
    }
};

class BodyReader {
  public:
    explicit BodyReader(const QByteArray& body) : body_(body), buffer_(&body_), in_(&buffer_) {
        buffer_.open(QIODevice::ReadOnly);
        in_.setVersion(kStreamVersion);
    }

    PageModel read() {
        PageModel model;
        in_ >> model.paperWidthMm >> model.paperHeightMm >> model.landscape;
        if (!(model.paperWidthMm > 0 && model.paperWidthMm < 10000 && model.paperHeightMm > 0 &&
              model.paperHeightMm < 10000))
            damaged();
        const quint32 images = count();
        for (quint32 i = 0; i < images; ++i) model.images.push_back(bytes());
        const quint32 pages = count();
        for (quint32 p = 0; p < pages; ++p) {
            Page& page = model.pages.emplace_back();
            const quint32 elements = count();
            for (quint32 e = 0; e < elements; ++e) page.elements.push_back(element(model));
        }
        if (in_.status() != QDataStream::Ok || !in_.atEnd()) damaged();
        return model;
    }

  private:
    // A count can never exceed the bytes left: it would only make the reader allocate.
    quint32 count() {
        quint32 n = 0;
        in_ >> n;
        if (in_.status() != QDataStream::Ok || n > buffer_.bytesAvailable()) damaged();
        return n;
    }

    std::string bytes() {
        QByteArray data;
        in_ >> data;
        if (in_.status() != QDataStream::Ok) damaged();
        return data.toStdString();
    }

    RectMm box() {
        RectMm r;
        in_ >> r.x >> r.y >> r.width >> r.height;
        return r;
    }

    template <typename Enum>
    Enum small(quint8 last) {
        quint8 value = 0;
        in_ >> value;
        if (value > last) damaged();
        return static_cast<Enum>(value);
    }

    PageElement element(const PageModel& model) {
        quint8 kind = 0;
        in_ >> kind;
        switch (static_cast<Kind>(kind)) {
            case Kind::Text: {
                PageText text;
                text.box = box();
                text.text = bytes();
                text.align = small<Align>(quint8(Align::Right));
                in_ >> text.font.points >> text.font.bold;
                if (!(text.font.points > 0 && text.font.points < 200)) damaged();
                return text;
            }
            case Kind::Line: {
                PageLine line;
                in_ >> line.x1 >> line.y1 >> line.x2 >> line.y2;
                line.pen = small<PenStyle>(quint8(PenStyle::Dotted));
                return line;
            }
            case Kind::Rect: {
                PageRect rect;
                rect.box = box();
                in_ >> rect.filled;
                rect.pen = small<PenStyle>(quint8(PenStyle::Dotted));
                return rect;
            }
            case Kind::Image: {
                PageImage image;
                image.box = box();
                qint32 index = -1;
                in_ >> index;
                if (index < 0 || index >= static_cast<qint32>(model.images.size())) damaged();
                image.image = index;
                return image;
            }
        }
        damaged();
    }

    QByteArray body_;
    QBuffer buffer_;
    QDataStream in_;
};

}  // namespace

std::string encodeReportFile(const PageModel& model) {
    QByteArray body;
    {
        QDataStream out(&body, QIODevice::WriteOnly);
        out.setVersion(kStreamVersion);
        out << model.paperWidthMm << model.paperHeightMm << model.landscape;
        out << quint32(model.images.size());
        for (const std::string& image : model.images) write(out, image);
        out << quint32(model.pages.size());
        for (const Page& page : model.pages) {
            out << quint32(page.elements.size());
            for (const PageElement& element : page.elements) std::visit(ElementWriter{out}, element);
        }
    }
    QByteArray file(kMagic.data(), static_cast<qsizetype>(kMagic.size()));
    {
        QDataStream out(&file, QIODevice::Append);
        out.setVersion(kStreamVersion);
        out << quint32(kReportFileVersion) << quint64(body.size());
    }
    file += body;
    file += hashOf(body);
    return file.toStdString();
}

PageModel decodeReportFile(std::string_view bytes) {
    if (!bytes.starts_with(kMagic))
        throw OutputError("O arquivo escolhido não é um relatório salvo pelo Velmora.");
    const QByteArray file = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QDataStream header(file.mid(static_cast<qsizetype>(kMagic.size()), 12));
    header.setVersion(kStreamVersion);
    quint32 version = 0;
    quint64 length = 0;
    header >> version >> length;
    if (header.status() != QDataStream::Ok) damaged();
    if (version > kReportFileVersion)
        throw OutputError(
            "O relatório foi salvo por uma versão mais nova do programa e não pode ser aberto.");
    if (version == 0) damaged();
    const qsizetype start = static_cast<qsizetype>(kMagic.size()) + 12;
    if (file.size() < start + kHashSize || length != static_cast<quint64>(file.size() - start - kHashSize))
        damaged();
    const QByteArray body = file.mid(start, static_cast<qsizetype>(length));
    if (hashOf(body) != file.right(kHashSize)) damaged();
    return BodyReader(body).read();
}

void saveReportFile(const PageModel& model, const std::filesystem::path& path) {
    const std::string bytes = encodeReportFile(model);
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.commit())
        throw OutputError("Não foi possível gravar o relatório em " + path.string() + ".");
}

PageModel loadReportFile(const std::filesystem::path& path) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly))
        throw OutputError("Não foi possível abrir o arquivo " + path.string() + ".");
    const QByteArray bytes = file.readAll();
    return decodeReportFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace reports
