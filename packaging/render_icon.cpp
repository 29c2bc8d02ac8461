// Draws the program's SVG icon as a square PNG of the given size, for the icon theme's
// fixed-size folders (menus that cannot scale an SVG pick those).
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    bool sized = false;
    const int size = argc == 4 ? QString(argv[2]).toInt(&sized) : 0;
    if (!sized || size <= 0) {
        std::fprintf(stderr, "uso: %s ICONE.svg TAMANHO SAIDA.png\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: não foi possível gravar\n", argv[3]);
        return 1;
    }
    return 0;
}
