// Writing an archive: TBackupFile::BackupFiles.
#include <stdlib.h>

#include <limits>
#include <system_error>

#include "maintenance/archive_attribute.h"
#include "maintenance/archive_writer.h"
#include "maintenance/backup_file.h"
#include "maintenance/block_codec.h"
#include "maintenance/dos_date_time.h"
#include "maintenance/file_selection.h"

namespace maintenance {

namespace fs = std::filesystem;

namespace {

// Blocks read from a file at a time: fewer, larger reads, because on a virtual machine each
// system call costs more than the copy.
constexpr std::size_t kBlocksPerRead = 16;
constexpr auto kBlock = static_cast<std::size_t>(format::kBlockSize);

int zlibLevel(TCompressionLevel level) {
    switch (level) {
        case TCompressionLevel::clFastest:
            return 1;
        case TCompressionLevel::clNone:
            return 0;
        case TCompressionLevel::clDefault:
            return Z_DEFAULT_COMPRESSION;
        case TCompressionLevel::clMax:
            return 9;
    }
    return Z_DEFAULT_COMPRESSION;
}

}  // namespace

// A private temporary folder for the consistent copies a file source makes, created on
// first use and removed with everything in it at the end of the backup.
class TBackupFile::ScratchFile {
  public:
    ScratchFile() = default;
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ignored;
        if (!folder_.empty()) fs::remove_all(folder_, ignored);
    }

    // An unused path for the next copy.
    fs::path next(const fs::path& file) {
        if (folder_.empty()) {
            std::string pattern = (fs::temp_directory_path() / "velmora-backup-XXXXXX").string();
            if (mkdtemp(pattern.data()) == nullptr)
                throw JobError(BackupError::CannotReadFile, file.string());
            folder_ = pattern;
        }
        const fs::path copy = folder_ / "copy";
        std::error_code ignored;
        fs::remove(copy, ignored);
        return copy;
    }

  private:
    fs::path folder_;
};

bool TBackupFile::BackupFiles(const std::vector<std::string>& masks, const fs::path& archive) {
    beginJob();
    try {
        if (OnProgress) OnProgress("", 0);
        const Selection selection = selectFiles(masks, archive, BackupMode == TBackupMode::bmIncremental);
        totalBytes_ = static_cast<std::int64_t>(selection.totalBytes);
        fileCount_ = static_cast<std::int64_t>(selection.files.size());
        // The header's sizes are 32-bit: refuse rather than write a total that lies.
        if (selection.totalBytes > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) ||
            selection.files.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
            throw JobError(BackupError::DataTooLarge, std::to_string(selection.totalBytes) + " bytes");

        ArchiveWriter writer(archive, MaxSize, BackupTitle,
                             [this](int volume) { return !OnNeedDisk || OnNeedDisk(volume); });
        writer.writeHeader(BackupTitle, static_cast<std::int32_t>(totalBytes_),
                           static_cast<std::int32_t>(fileCount_));
        BlockCompressor compressor(zlibLevel(CompressionLevel));
        ScratchFile scratch;
        // Marked only once the archive is complete: a failed backup must not hide a change
        // from the next incremental one.
        std::vector<std::pair<fs::path, fs::file_time_type>> stored;
        std::int64_t bytesRead = 0;
        for (const auto& file : selection.files) {
            if (!continue_) throw JobStopped{};
            if (auto written = storeFile(writer, compressor, file, scratch, bytesRead)) {
                stored.emplace_back(file.path, *written);
                ++filesDone_;
            }
        }
        writer.finish();
        sectionBytes_ = writer.sectionBytes();
        if (SetArchiveFlag || BackupMode == TBackupMode::bmIncremental)
            for (const auto& [path, written] : stored) clearArchiveAttribute(path, written);
    } catch (const JobError& error) {
        fail(error);
    } catch (const JobStopped&) {
        continue_ = false;
    } catch (const std::exception& error) {
        fail(JobError(BackupError::CannotWriteArchive, error.what()));
    }
    return endJob();
}

std::optional<fs::file_time_type> TBackupFile::storeFile(ArchiveWriter& writer, BlockCompressor& compressor,
                                                         const SelectedFile& selected, ScratchFile& scratch,
                                                         std::int64_t& bytesRead) {
    const fs::path& file = selected.path;
    // The date is taken before the bytes, so a change made while they are read shows as a
    // change again at the next incremental backup.
    std::error_code error;
    const auto written = fs::last_write_time(file, error);
    if (error) {
        if (!fs::exists(file)) return std::nullopt;  // gone since the selection was made
        throw JobError(BackupError::CannotReadFile, file.string());
    }
    fs::path source = file;
    if (SourceOfFile) {
        try {
            source = SourceOfFile(file, scratch.next(file));
        } catch (const JobError&) {
            throw;
        } catch (const std::exception& failure) {
            throw JobError(BackupError::CannotReadFile, file.string() + ": " + failure.what());
        }
    }
    FileHandle input(std::fopen(source.c_str(), "rb"));
    if (!input) throw JobError(BackupError::CannotReadFile, file.string());
    writer.beginFile(selected.storedName, toDosDateTime(written));
    // Requests this large bypass the stream's own buffer; only the file's end gives a short
    // read, so the blocks are cut exactly as one block per read would cut them.
    std::vector<std::uint8_t> blocks(kBlocksPerRead * kBlock);
    for (;;) {
        const std::size_t size = std::fread(blocks.data(), 1, blocks.size(), input.get());
        if (size == 0) break;
        for (std::size_t at = 0; at < size; at += kBlock) {
            const std::size_t length = std::min(kBlock, size - at);
            writer.writeBlock(compressor.compress({blocks.data() + at, length}));
            bytesRead += static_cast<std::int64_t>(length);
            reportProgress(file.string(), bytesRead);
        }
    }
    if (std::ferror(input.get())) throw JobError(BackupError::CannotReadFile, file.string());
    writer.endFile();
    return written;
}

}  // namespace maintenance
