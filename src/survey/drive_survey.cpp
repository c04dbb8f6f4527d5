#include "survey/drive_survey.h"

#include <cstdint>
#include <string>

#include "platform/host_platform.h"
#include "report/report_sink.h"

namespace {

// GetDriveTypeA's codes.
constexpr std::uint32_t kRemovable = 2;
constexpr std::uint32_t kFixed = 3;
constexpr std::uint32_t kRemote = 4;
constexpr std::uint32_t kCdrom = 5;
constexpr std::uint32_t kRamdisk = 6;

const char* TypeLabel(std::uint32_t type) {
    switch (type) {
        case kRemovable: return "FLOPPY";
        case kFixed: return "HARD DISK";
        case kRemote: return "NETWORK";
        case kCdrom: return "CDROM";
        case kRamdisk: return "RAMDISK";
        default: return "UNKNOWN DRIVE TYPE";
    }
}

struct DriveSizes {
    std::uint64_t total = 0;
    std::uint64_t free = 0;
};

// Removable and CD drives are never asked for their size, so that the survey
// never touches (or waits for) a medium; they show 0.
DriveSizes SizesOf(const std::string& root, std::uint32_t type) {
    if (type == kRemovable || type == kCdrom) return {};
    const platform::DiskCounters counters = platform::QueryDiskFreeSpace(root.c_str());
    if (!counters.result) return {};
    const std::uint64_t cluster_bytes =
        std::uint64_t{counters.sectors_per_cluster} * counters.bytes_per_sector;
    return {cluster_bytes * counters.total_clusters, cluster_bytes * counters.free_clusters};
}

std::string DriveLine(char letter) {
    const std::string root = std::string(1, letter) + ":\\";
    const std::uint32_t type = platform::QueryDriveType(root.c_str());
    const DriveSizes sizes = SizesOf(root, type);
    return std::string("Drive ") + letter + " type:" + TypeLabel(type) +
           "  Disk Space:" + std::to_string(sizes.total) + "  Free:" + std::to_string(sizes.free) +
           "\n";
}

}  // namespace

void WriteDriveSurvey(ReportSink& sink) {
    const std::uint32_t mask = platform::QueryLogicalDrives();
    // Bits past Z are never set by Windows; they are not letters.
    for (int bit = 0; bit < 26; ++bit) {
        if (mask & (std::uint32_t{1} << bit))
            WriteLine(sink, DriveLine(static_cast<char>('A' + bit)));
    }
}
