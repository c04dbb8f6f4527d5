#include "survey/host_facts.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/host_platform.h"
#include "report/report_sink.h"
#include "report/report_texts.h"

namespace {

// Room for the first try; a longer text is asked for again at the size
// Windows says it needs.
constexpr std::uint32_t kFirstCapacity = 256;

// Bounds the asking again for a text that keeps growing between calls.
constexpr int kMaxTries = 4;

// No name, folder or environment value of Windows is longer; a larger size
// asked for is taken as a failed call rather than allocated.
constexpr std::uint32_t kLongestText = 1 << 20;

std::string TextBefore(const std::vector<char>& buffer) {
    std::size_t length = 0;
    while (length < buffer.size() && buffer[length] != '\0') ++length;
    return std::string(buffer.data(), length);
}

// For calls that return a BOOL and, when the buffer is too small, leave the
// size they need in their size argument. A failure reads as empty text.
template <typename Call>
std::string ReadSizedText(Call call, std::uint32_t capacity) {
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        std::vector<char> buffer(capacity, '\0');
        const platform::SizedCall result = call(buffer.data(), capacity);
        if (result.result) return TextBefore(buffer);
        if (result.size <= capacity || result.size > kLongestText) return {};
        capacity = result.size;
    }
    return {};
}

// For calls that return the length of the text, 0 on failure, or the size
// they need when it does not fit.
template <typename Call>
std::string ReadCountedText(Call call) {
    std::uint32_t capacity = kFirstCapacity;
    for (int attempt = 0; attempt < kMaxTries; ++attempt) {
        std::vector<char> buffer(capacity, '\0');
        const std::uint32_t count = call(buffer.data(), capacity);
        if (count < capacity) return std::string(buffer.data(), count);
        if (count > kLongestText) return {};
        capacity = count;
    }
    return {};
}

std::string DateLine() {
    const platform::LocalTime now = platform::QueryLocalTime();
    const int year = now.tm_year + 1900, month = now.tm_mon + 1;
    const std::pair<int, const char*> fields[] = {
        {year, texts::kYear},        {month, texts::kMonth},       {now.tm_mday, texts::kDay},
        {now.tm_hour, texts::kHour}, {now.tm_min, texts::kMinute}, {now.tm_sec, texts::kSecond}};
    std::string line = texts::kDateLabel;
    for (const auto& [value, unit] : fields) {
        if (unit == texts::kHour) line += ' ';
        // A clock that cannot be read shows zeros rather than a made-up date.
        line += std::to_string(now.valid ? value : 0) + unit;
    }
    return line + "\n";
}

std::string VersionLine() {
    platform::VersionInfo version = platform::QueryVersion();
    if (!version.result) version = {};
    using std::to_string;
    return "OS Ver " + to_string(static_cast<std::int32_t>(version.major)) + "." +
           to_string(static_cast<std::int32_t>(version.minor)) + " Build " +
           to_string(static_cast<std::int32_t>(version.build)) + " " + version.service_pack + "\n";
}

// NetBIOS names have at most 15 characters and the NUL.
std::string NetBiosLine() {
    return texts::kNetBiosLabel + ReadSizedText(platform::QueryNetBiosName, 16) + "\n";
}

std::string UserLine() {
    return texts::kUserLabel + ReadSizedText(platform::QueryUserName, kFirstCapacity) + "\n";
}

std::string WindowsFolderLine() {
    return texts::kWindowsFolderLabel + ReadCountedText(platform::QueryWindowsFolder) + "\n";
}

std::string MemoryLine() {
    platform::MemoryStatus memory = platform::QueryMemoryStatus();
    if (!memory.result) memory = {};
    using std::to_string;
    return texts::kPhysicalLabel + to_string(memory.total_physical) + texts::kFreePhysicalLabel +
           to_string(memory.available_physical) + texts::kVirtualLabel +
           to_string(memory.total_virtual) + texts::kFreeVirtualLabel +
           to_string(memory.available_virtual) + "\n";
}

std::string ProductPath() {
    return ReadCountedText([](char* buffer, std::uint32_t size) {
        return platform::QueryEnvironmentVariable("PERVASIVE_PATH", buffer, size);
    });
}

}  // namespace

void WriteHostFacts(ReportSink& sink) {
    WriteLine(sink, DateLine());
    WriteLine(sink, VersionLine());
    WriteLine(sink, NetBiosLine());
    WriteLine(sink, UserLine());
    WriteLine(sink, WindowsFolderLine());
    WriteLine(sink, MemoryLine());
    const std::string product_path = ProductPath();
    if (!product_path.empty()) {
        WriteLine(sink, texts::kProductPathLabel + product_path + "\n");
    }
}
