#include "inventory/key_listing.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_sink.h"

namespace {

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegDword = 4;

// A subkey of this name is listed without a line of its own.
constexpr std::string_view kUnnamedSubkey = "InstallInfo";

// Names come back in bytes of the ANSI code page while the key's facts count
// characters: on Japanese Windows a character takes up to two bytes.
constexpr std::uint64_t kBytesPerCharacter = 2;

// A registry name has at most 16,383 characters: once a name buffer has
// this room, no proper name is too long for it.
constexpr std::uint64_t kNameRoom = 2 * 16383 + 1;

// How often one entry is read again after Windows said the buffers were too
// small (a name longer in bytes than in characters, or a value that grew).
constexpr int kMaxTries = 8;

// The name room for the given retry of one entry: every proper name on the
// first, twice as much on each later one. It depends on the retry alone, so
// entries that each need a retry never make the buffer grow without end.
std::uint64_t NameRoomForRetry(int retry) { return kNameRoom << (retry - 1); }

// A 32-bit process cannot hold more in one piece; asking for more is
// treated as an allocation that failed.
constexpr std::uint64_t kLargestBuffer = std::numeric_limits<std::int32_t>::max();

// Sizes a work buffer; false when it cannot be had, and the pass is skipped.
template <typename Byte>
bool Resize(std::vector<Byte>& buffer, std::uint64_t size) {
    if (size > kLargestBuffer) return false;
    try {
        buffer.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::uint64_t NameCapacity(std::uint32_t longest_characters) {
    return kBytesPerCharacter * longest_characters + 1;
}

// A buffer's size as the registry calls take it (never above kLargestBuffer).
template <typename Byte>
std::uint32_t Capacity(const std::vector<Byte>& buffer) {
    return static_cast<std::uint32_t>(buffer.size());
}

// The bytes Windows says it wrote, never past the buffer, up to the first NUL.
std::string_view TextIn(const char* bytes, std::uint32_t length, std::uint32_t capacity) {
    const std::string_view written(bytes, length < capacity ? length : capacity);
    return written.substr(0, written.find('\0'));
}

// Little-endian bytes as a signed 32-bit number; missing bytes count as zero
// and bytes after the fourth add nothing.
std::int32_t NumberIn(const unsigned char* bytes, std::uint32_t length) {
    std::uint32_t number = 0;
    for (std::uint32_t i = 0; i < length && i < 4; ++i)
        number |= std::uint32_t{bytes[i]} << (8 * i);
    return static_cast<std::int32_t>(number);
}

struct Value {
    std::string_view name;
    std::uint32_t type;
    const unsigned char* data;
    std::uint32_t data_length;
};

// The line a value gets, or none: the key's unnamed default string and the
// types other than strings and 32-bit numbers are not shown.
std::optional<std::string> ValueLine(const std::string& indent, const Value& value) {
    const std::string prefix = indent + " " + std::string(value.name) + "=";
    if (value.type == kRegDword) {
        return prefix + std::to_string(NumberIn(value.data, value.data_length)) + "\n";
    }
    if (value.type == kRegSz && !value.name.empty()) {
        const auto* text = reinterpret_cast<const char*>(value.data);
        return prefix + std::string(TextIn(text, value.data_length, value.data_length)) + "\n";
    }
    return std::nullopt;
}

struct ValueBuffers {
    std::vector<char> name;
    std::vector<unsigned char> data;
};

// Before retry `retry` of one value: room for any proper name, and for the
// data Windows said it needs. Buffers never shrink.
bool GrowForRetry(ValueBuffers& buffers, int retry, std::uint32_t data_needed) {
    const std::uint64_t name_room =
        std::max<std::uint64_t>(buffers.name.size(), NameRoomForRetry(retry));
    const std::uint64_t data_room =
        std::max<std::uint64_t>(buffers.data.size(), std::uint64_t{data_needed} + 1);
    return Resize(buffers.name, name_room) && Resize(buffers.data, data_room);
}

// Reads value `index`, growing the buffers while Windows says they are too
// small. Returns the final status of the enumeration.
long ReadValue(platform::KeyHandle key, std::uint32_t index, ValueBuffers& buffers, Value& value) {
    long status = platform::kErrorMoreData;
    std::uint32_t data_length = 0;
    for (int retry = 0; retry < kMaxTries && status == platform::kErrorMoreData; ++retry) {
        if (retry > 0 && !GrowForRetry(buffers, retry, data_length)) break;
        std::uint32_t name_length = Capacity(buffers.name);
        data_length = Capacity(buffers.data);
        status = platform::EnumRegistryValue(key, index, buffers.name.data(), &name_length,
                                             &value.type, buffers.data.data(), &data_length);
        if (status == platform::kSuccess) {
            value.name = TextIn(buffers.name.data(), name_length, Capacity(buffers.name));
            value.data = buffers.data.data();
            value.data_length = std::min(data_length, Capacity(buffers.data));
        }
    }
    return status;
}

void ListValues(KeyListing& listing, platform::KeyHandle key, const std::string& indent,
                const platform::KeyFacts& facts) {
    ValueBuffers buffers;
    if (!Resize(buffers.name, NameCapacity(facts.longest_value_name)) ||
        !Resize(buffers.data, std::uint64_t{facts.longest_value_data} + 1)) {
        return;
    }
    Value value{};
    for (std::uint32_t index = 0; ReadValue(key, index, buffers, value) == platform::kSuccess;
         ++index) {
        if (const auto line = ValueLine(indent, value)) WriteLine(listing.sink, *line);
    }
}

// Reads the name of subkey `index`, growing the buffer while Windows says it
// is too small. Returns the final status of the enumeration.
long ReadSubkeyName(platform::KeyHandle key, std::uint32_t index, std::vector<char>& buffer,
                    std::string& name) {
    long status = platform::kErrorMoreData;
    for (int retry = 0; retry < kMaxTries && status == platform::kErrorMoreData; ++retry) {
        if (retry > 0 &&
            !Resize(buffer, std::max<std::uint64_t>(buffer.size(), NameRoomForRetry(retry)))) {
            break;
        }
        std::uint32_t length = Capacity(buffer);
        status = platform::EnumRegistrySubkey(key, index, buffer.data(), &length);
        if (status == platform::kSuccess) name = TextIn(buffer.data(), length, Capacity(buffer));
    }
    return status;
}

void ListSubkey(KeyListing& listing, platform::KeyHandle parent, const std::string& indent,
                const std::string& name) {
    if (name != kUnnamedSubkey) WriteLine(listing.sink, indent + " " + name + "\n");
    platform::KeyHandle subkey = 0;
    if (platform::OpenRegistryKey(parent, name.c_str(), AccessMask(listing.view), &subkey) !=
        platform::kSuccess) {
        return;
    }
    ListKey(listing, subkey);
    platform::CloseRegistryKey(subkey);
}

void ListSubkeys(KeyListing& listing, platform::KeyHandle key, const std::string& indent,
                 const platform::KeyFacts& facts) {
    std::vector<char> buffer;
    if (!Resize(buffer, NameCapacity(facts.longest_subkey_name))) return;
    std::string name;
    for (std::uint32_t index = 0; ReadSubkeyName(key, index, buffer, name) == platform::kSuccess;
         ++index) {
        ListSubkey(listing, key, indent, name);
    }
}

}  // namespace

void ListKey(KeyListing& listing, platform::KeyHandle key) {
    const std::string indent(static_cast<std::size_t>(listing.NestingDepth) + 1, ' ');
    ++listing.NestingDepth;
    platform::KeyFacts facts;
    // A key whose facts cannot be read lists nothing: its sizes are unknown.
    if (platform::QueryRegistryKeyFacts(key, &facts) == platform::kSuccess &&
        (facts.value_count > 0 || facts.subkey_count > 0)) {
        ListValues(listing, key, indent, facts);
        ListSubkeys(listing, key, indent, facts);
    }
    --listing.NestingDepth;
}
