// Renders every screen of the program on the demo salon into OUTDIR, one PNG per screen
// named after its class, for looking at the screens without a display.
#include <QApplication>
#include <QDir>

#include <filesystem>
#include <iostream>
#include <random>

#include "data/dm.h"
#include "data/initial_data.h"
#include "screen_catalogue.h"
#include "ui/dialogs.h"

namespace {

// The demo salon in a directory of its own, removed afterwards.
class DemoDirectory {
  public:
    DemoDirectory()
        : path_(std::filesystem::temp_directory_path() /
                ("velmora-screenshots-" + std::to_string(std::random_device{}()))) {
        data::createInitialData(path_, true);
    }
    ~DemoDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velmora_screenshots OUTDIR\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora..."));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::cerr << "cannot create " << argv[1] << "\n";
        return 1;
    }

    DemoDirectory demo;
    data::Tdm dm(demo.path(), ui::Dialogs::current());
    bool allSaved = true;
    forEachScreen(dm, [&out, &allSaved](QWidget& screen, const QString& name) {
        const bool saved = screen.grab().save(out.filePath(name + QStringLiteral(".png")));
        std::cout << (saved ? "  " : "  FAILED ") << name.toStdString() << ".png\n";
        allSaved &= saved;
    });
    return allSaved ? 0 : 1;
}
