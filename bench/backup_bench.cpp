// Backup and restore throughput against zlib alone: a generated folder is archived at
// the fastest level and restored, and the same bytes are deflated and inflated in 16 KiB
// blocks with zlib directly, in the same run. The folder is measured in groups of 20 MB,
// each group's four measurements taken one after another and the best of several rounds
// kept, so that a machine shared with others disturbs both sides alike. Prints the ratios
// (1.0 = as fast as zlib alone) and the peak memory of a job on one group and on all.
//   bench_backup [MEGABYTES] [FOLDER]
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "maintenance/backup_file.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kFileSize = 2 << 20;
constexpr std::size_t kBlock = 16384;
constexpr int kRepeats = 3;

// Records of a salon's tables as text: names, services, amounts and dates, compressible as
// real table files are, with random numbers so the compressor has work to do.
Bytes tableFile(std::uint32_t seed) {
    static const char* const words[] = {"Maria",     "Ana",    "Joana",    "Silva",    "Souza",
                                        "corte",     "escova", "manicure", "pedicure", "hidratação",
                                        "coloração", "pago",   "fiado",    "cartão",   "dinheiro"};
    std::mt19937 generator(seed);
    std::string text;
    text.reserve(kFileSize + 64);
    while (text.size() < kFileSize) {
        text += words[generator() % std::size(words)];
        text += ';';
        text += words[generator() % std::size(words)];
        text += ';' + std::to_string(generator() % 100000) + ',' + std::to_string(generator() % 100) + ';';
        text += std::to_string(1 + generator() % 28) + '/' + std::to_string(1 + generator() % 12) + "/2024\n";
    }
    return Bytes(text.begin(), text.begin() + kFileSize);
}

constexpr std::size_t kFilesPerGroup = 10;

std::string groupPrefix(std::size_t group) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "g%03zu-", group);
    return prefix;
}

// Files named by group, so that the mask "gNNN-*.*" takes one group.
std::vector<std::vector<fs::path>> generate(const fs::path& folder, std::size_t megabytes) {
    fs::create_directories(folder);
    const std::size_t files = std::max<std::size_t>(kFilesPerGroup, megabytes * (1 << 20) / kFileSize);
    std::vector<std::vector<fs::path>> groups((files + kFilesPerGroup - 1) / kFilesPerGroup);
    for (std::size_t i = 0; i < files; ++i) {
        const fs::path path = folder / (groupPrefix(i / kFilesPerGroup) + std::to_string(i) + ".dat");
        const Bytes content = tableFile(static_cast<std::uint32_t>(i));
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()),
                   static_cast<std::streamsize>(content.size()));
        groups[i / kFilesPerGroup].push_back(path);
    }
    return groups;
}

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// zlib alone on the same bytes, in the archive's blocks: one stream per 16 KiB block, level 1.
struct ZlibTimes {
    double deflate = 0;
    double inflate = 0;
};

ZlibTimes zlibAlone(const std::vector<fs::path>& files) {
    ZlibTimes times;
    z_stream deflater{}, inflater{};
    deflateInit2(&deflater, 1, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY);
    inflateInit2(&inflater, 15);
    Bytes out(kBlock), back(kBlock);
    for (const auto& file : files) {
        Bytes content = readAll(file);
        std::vector<Bytes> streams;
        auto deflateBlocks = [&](bool keep) {
            for (std::size_t at = 0; at < content.size(); at += kBlock) {
                deflateReset(&deflater);
                deflater.next_in = content.data() + at;
                deflater.avail_in = static_cast<uInt>(std::min(kBlock, content.size() - at));
                deflater.next_out = out.data();
                deflater.avail_out = static_cast<uInt>(out.size());
                if (deflate(&deflater, Z_FINISH) == Z_STREAM_END && keep)
                    streams.emplace_back(out.begin(),
                                         out.begin() + static_cast<std::ptrdiff_t>(deflater.total_out));
            }
        };
        const auto start = Clock::now();
        deflateBlocks(false);
        times.deflate += seconds(Clock::now() - start);
        deflateBlocks(true);  // the streams to inflate, kept outside the timing
        const auto middle = Clock::now();
        for (auto& stream : streams) {
            inflateReset(&inflater);
            inflater.next_in = stream.data();
            inflater.avail_in = static_cast<uInt>(stream.size());
            inflater.next_out = back.data();
            inflater.avail_out = static_cast<uInt>(back.size());
            inflate(&inflater, Z_FINISH);
        }
        times.inflate += seconds(Clock::now() - middle);
    }
    deflateEnd(&deflater);
    inflateEnd(&inflater);
    return times;
}

double timed(const std::function<bool()>& job) {
    const auto start = Clock::now();
    if (!job()) {
        std::fprintf(stderr, "job failed\n");
        std::exit(1);
    }
    return seconds(Clock::now() - start);
}

bool backup(const std::string& mask, const fs::path& archive) {
    maintenance::TBackupFile component;
    component.CompressionLevel = maintenance::TCompressionLevel::clFastest;
    return component.BackupFiles({mask}, archive);
}

bool restore(const fs::path& archive, const fs::path& folder) {
    maintenance::TBackupFile component;
    return component.RestoreArchive(archive, folder);
}

// Peak resident memory, in KiB, of a backup and restore of `mask` run in a child process.
long peakMemory(const std::string& mask, const fs::path& work) {
    fs::remove_all(work / "memory");
    const pid_t child = fork();
    if (child == 0)
        _exit(backup(mask, work / "memory.bck") && restore(work / "memory.bck", work / "memory") ? 0 : 1);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "memory job failed\n");
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t megabytes = argc > 1 ? std::stoul(argv[1]) : 200;
    std::string pattern =
        (argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path()).string() + "/velmora-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) return 1;
    const fs::path work = pattern;
    const fs::path data = work / "Dados";
    const auto groups = generate(data, megabytes);
    const fs::path archive = work / "bench.bck";

    double backupTime = 0, restoreTime = 0, deflateTime = 0, inflateTime = 0, archiveSize = 0;
    std::size_t files = 0;
    for (std::size_t group = 0; group < groups.size(); ++group) {
        const std::string mask = (data / (groupPrefix(group) + "*.*")).string();
        double backupBest = 1e9, restoreBest = 1e9;
        ZlibTimes zlibBest{1e9, 1e9};
        for (int round = 0; round < kRepeats; ++round) {
            backupBest = std::min(backupBest, timed([&] { return backup(mask, archive); }));
            fs::remove_all(work / "restored");
            restoreBest = std::min(restoreBest, timed([&] { return restore(archive, work / "restored"); }));
            const ZlibTimes run = zlibAlone(groups[group]);
            zlibBest.deflate = std::min(zlibBest.deflate, run.deflate);
            zlibBest.inflate = std::min(zlibBest.inflate, run.inflate);
        }
        backupTime += backupBest;
        restoreTime += restoreBest;
        deflateTime += zlibBest.deflate;
        inflateTime += zlibBest.inflate;
        archiveSize += static_cast<double>(fs::file_size(archive));
        files += groups[group].size();
    }
    const double mb = static_cast<double>(files * kFileSize) / (1 << 20);
    std::printf("data: %.0f MB in %zu files, archived in %.1f MB\n", mb, files, archiveSize / (1 << 20));
    std::printf("backup  (clFastest): %7.1f MB/s   zlib deflate alone: %7.1f MB/s   ratio %.2f\n",
                mb / backupTime, mb / deflateTime, deflateTime / backupTime);
    std::printf("restore            : %7.1f MB/s   zlib inflate alone: %7.1f MB/s   ratio %.2f\n",
                mb / restoreTime, mb / inflateTime, inflateTime / restoreTime);
    std::printf("peak memory of a backup and restore: %ld KiB for %.0f MB, %ld KiB for %.0f MB\n",
                peakMemory((data / (groupPrefix(0) + "*.*")).string(), work),
                static_cast<double>(groups[0].size() * kFileSize) / (1 << 20),
                peakMemory((data / "*.*").string(), work), mb);
    fs::remove_all(work);
    return 0;
}
