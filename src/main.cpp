// Velmora: management of a beauty salon.
#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::filesystem::path programDirectory(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path();
}

std::filesystem::path dataDirectory(const std::vector<std::string>& args, const std::filesystem::path& home) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--data") return args[i + 1];
    return home / "Dados";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto home = programDirectory(argv[0]);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velmora...");
    QMessageBox::information(
        nullptr, "Velmora...",
        QString("Velmora %1\nDiretório de dados: %2")
            .arg(VELMORA_VERSION, QString::fromStdString(dataDirectory(args, home).string())));
    return 0;
}
