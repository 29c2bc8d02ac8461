// libFuzzer target over the archive reader: the input is an archive, split into volumes
// wherever "#VOL" occurs. Whatever the bytes, a restore must end cleanly, write only inside
// its folder, and leave the folder untouched when it fails.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "maintenance/archive_format.h"
#include "maintenance/backup_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kVolumeSeparator = "#VOL";
constexpr int kMaxVolumes = 4;
constexpr std::string_view kExistingName = "Clientes.DAT";
constexpr std::string_view kExistingContent = "antigo";

void check(bool condition) {
    if (!condition) std::abort();
}

void write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path workFolder() {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / ("velmora-archive-fuzz-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
}

bool folderUntouched(const fs::path& out) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
        if (entry.path().filename() != kExistingName) return false;
        ++count;
    }
    std::ifstream in(out / kExistingName, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return count == 1 && content == kExistingContent;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path work = workFolder();
    const fs::path in = work / "in";
    const fs::path out = work / "out";
    std::error_code ignored;
    fs::remove_all(in, ignored);
    fs::remove_all(out, ignored);
    fs::create_directories(in);
    fs::create_directories(out);
    write(out / kExistingName, kExistingContent);

    const fs::path archive = in / "a.bck";
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int volume = 1; volume <= kMaxVolumes; ++volume) {
        const std::size_t cut = volume < kMaxVolumes ? rest.find(kVolumeSeparator) : std::string_view::npos;
        write(volume == 1 ? archive : maintenance::format::volumePath(archive, volume), rest.substr(0, cut));
        if (cut == std::string_view::npos) break;
        rest.remove_prefix(cut + kVolumeSeparator.size());
    }

    maintenance::TBackupFile backup;
    backup.ReadArchiveInfo(archive);
    backup.RestoreMode = static_cast<maintenance::TRestoreMode>(size % 5);
    const bool restored = backup.RestoreArchive(archive, out);

    check(!backup.IsBusy());
    check(restored == (backup.ErrorCode() == maintenance::BackupError::None));
    if (!restored) check(folderUntouched(out));
    for (const auto& entry : fs::directory_iterator(work)) check(entry.path() == in || entry.path() == out);
    for (const auto& entry : fs::directory_iterator(out)) {
        check(entry.is_regular_file());
        check(!entry.path().filename().string().starts_with(".velmora-restore-"));
    }
    return 0;
}
