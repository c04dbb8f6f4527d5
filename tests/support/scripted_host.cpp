#include "tests/support/scripted_host.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace scripted {
namespace {

constexpr long kAccessDenied = 5;
constexpr long kFileNotFound = 2;
constexpr std::uint32_t kWow64_64Key = 0x0100;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;

constexpr char kProductPath[] = "SOFTWARE\\Pervasive Software\\Products";

Host& State() {
    static Host host;
    return host;
}

struct OpenKey {
    const Key* key;
    std::map<std::uint32_t, int> more_data_given;  // per entry index
};

std::map<platform::KeyHandle, OpenKey>& Handles() {
    static std::map<platform::KeyHandle, OpenKey> handles;
    return handles;
}

platform::KeyHandle NextHandle() {
    static platform::KeyHandle next = 0x1000;
    return next += 4;
}

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Characters of a code page 932 text, as RegQueryInfoKeyA counts name lengths.
std::uint32_t Characters(const std::string& bytes) {
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i, ++count) {
        if (IsLeadByte(static_cast<unsigned char>(bytes[i]))) ++i;
    }
    return count;
}

platform::KeyFacts TrueFacts(const Key& key) {
    platform::KeyFacts facts;
    facts.subkey_count = static_cast<std::uint32_t>(key.subkeys.size());
    facts.value_count = static_cast<std::uint32_t>(key.values.size());
    for (const Key& subkey : key.subkeys) {
        facts.longest_subkey_name = std::max(facts.longest_subkey_name, Characters(subkey.name));
    }
    for (const Value& value : key.values) {
        facts.longest_value_name = std::max(facts.longest_value_name, Characters(value.name));
        facts.longest_value_data =
            std::max(facts.longest_value_data, static_cast<std::uint32_t>(value.data.size()));
    }
    return facts;
}

const Key* FindRoot(const char* path, std::uint32_t access) {
    if (FoldedName(path) != FoldedName(kProductPath)) return nullptr;
    const std::optional<Key>& root =
        (access & kWow64_64Key) ? State().product64 : State().product32;
    return root ? &*root : nullptr;
}

const Key* FindSubkey(const Key& parent, const char* name) {
    for (const Key& subkey : parent.subkeys) {
        if (FoldedName(subkey.name) == FoldedName(name)) return &subkey;
    }
    return nullptr;
}

// True while the entry is still to answer ERROR_MORE_DATA.
bool OwesMoreData(OpenKey& open, std::uint32_t index) {
    return open.more_data_given[index]++ < open.key->more_data_answers;
}

// BOOL-and-size calls: the size needed when the buffer is too small.
platform::SizedCall SizedText(const std::optional<std::string>& text, char* buffer,
                              std::uint32_t size, std::uint32_t too_small_error,
                              bool size_counts_nul) {
    platform::SizedCall call;
    if (!text) {
        call.last_error = kAccessDenied;
        call.size = size;
        return call;
    }
    const auto needed = static_cast<std::uint32_t>(text->size() + 1);
    if (needed > size) {
        call.last_error = too_small_error;
        call.size = needed;
        return call;
    }
    std::memcpy(buffer, text->c_str(), needed);
    call.result = 1;
    call.size = size_counts_nul ? needed : needed - 1;
    return call;
}

// Count-style calls: the length written, the size needed, or 0.
std::uint32_t CountedText(const std::optional<std::string>& text, char* buffer,
                          std::uint32_t size) {
    if (!text || text->empty()) return 0;
    const auto needed = static_cast<std::uint32_t>(text->size() + 1);
    if (needed > size) return needed;
    std::memcpy(buffer, text->c_str(), needed);
    return needed - 1;
}

}  // namespace

std::string FoldedName(const std::string& name) {
    std::string folded = name;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const auto byte = static_cast<unsigned char>(folded[i]);
        if (IsLeadByte(byte)) {
            ++i;  // a double-byte character is compared as it is
        } else if (byte >= 'A' && byte <= 'Z') {
            folded[i] = static_cast<char>(byte - 'A' + 'a');
        }
    }
    return folded;
}

Key MakeKey(std::string name, std::vector<Value> values, std::vector<Key> subkeys) {
    Key key;
    key.name = std::move(name);
    key.values = std::move(values);
    key.subkeys = std::move(subkeys);
    return key;
}

Host& Current() { return State(); }

void Reset() {
    State() = Host{};
    Handles().clear();
}

}  // namespace scripted

namespace platform {

using scripted::Handles;
using scripted::State;

const KeyHandle kLocalMachine = 0x80000002;

long OpenRegistryKey(KeyHandle parent, const char* path, std::uint32_t access, KeyHandle* opened) {
    const scripted::Key* key = nullptr;
    if (parent == kLocalMachine) {
        key = scripted::FindRoot(path, access);
    } else if (const auto open = Handles().find(parent); open != Handles().end()) {
        key = scripted::FindSubkey(*open->second.key, path);
    }
    const long status = key ? key->open_status : scripted::kFileNotFound;
    State().opens.push_back({path, access, status});
    if (status != kSuccess) return status;
    *opened = scripted::NextHandle();
    Handles()[*opened] = scripted::OpenKey{key, {}};
    ++State().open_handles;
    return kSuccess;
}

long CloseRegistryKey(KeyHandle key) {
    const auto open = Handles().find(key);
    if (open == Handles().end()) {
        ++State().bad_closes;
        return 6;  // ERROR_INVALID_HANDLE
    }
    State().closes.push_back(open->second.key->name);
    Handles().erase(open);
    --State().open_handles;
    return kSuccess;
}

long QueryRegistryKeyFacts(KeyHandle key, KeyFacts* facts) {
    const scripted::OpenKey& open = Handles().at(key);
    State().queries.push_back(open.key->name);
    if (open.key->query_status != kSuccess) return open.key->query_status;
    *facts = open.key->facts ? *open.key->facts : scripted::TrueFacts(*open.key);
    return kSuccess;
}

long EnumRegistryValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t* name_length,
                       std::uint32_t* type, unsigned char* data, std::uint32_t* data_length) {
    scripted::OpenKey& open = Handles().at(key);
    if (index >= open.key->values.size()) return kErrorNoMoreItems;
    const scripted::Value& value = open.key->values[index];
    const auto data_size = static_cast<std::uint32_t>(value.data.size());
    const bool name_fits = value.name.size() + 1 <= *name_length;
    const bool data_fits = data_size <= *data_length;
    if (scripted::OwesMoreData(open, index) || !name_fits || !data_fits) {
        *data_length = data_size;
        return kErrorMoreData;
    }
    std::memcpy(name, value.name.c_str(), value.name.size() + 1);
    *name_length = static_cast<std::uint32_t>(value.name.size());
    *type = value.type;
    if (data_size > 0) std::memcpy(data, value.data.data(), data_size);
    *data_length = data_size;
    return kSuccess;
}

long EnumRegistrySubkey(KeyHandle key, std::uint32_t index, char* name,
                        std::uint32_t* name_length) {
    scripted::OpenKey& open = Handles().at(key);
    if (index >= open.key->subkeys.size()) return kErrorNoMoreItems;
    const std::string& subkey = open.key->subkeys[index].name;
    if (scripted::OwesMoreData(open, index) || subkey.size() + 1 > *name_length) {
        return kErrorMoreData;
    }
    std::memcpy(name, subkey.c_str(), subkey.size() + 1);
    *name_length = static_cast<std::uint32_t>(subkey.size());
    return kSuccess;
}

Wow64Machines QueryWow64Machines() { return State().wow64; }

NativeArchitecture QueryNativeArchitecture() { return State().native; }

VersionInfo QueryVersion() { return State().version; }

SizedCall QueryNetBiosName(char* buffer, std::uint32_t size) {
    return scripted::SizedText(State().netbios_name, buffer, size, kErrorMoreData, false);
}

SizedCall QueryUserName(char* buffer, std::uint32_t size) {
    return scripted::SizedText(State().user_name, buffer, size, scripted::kErrorInsufficientBuffer,
                               true);
}

std::uint32_t QueryWindowsFolder(char* buffer, std::uint32_t size) {
    return scripted::CountedText(State().windows_folder, buffer, size);
}

std::uint32_t QueryEnvironmentVariable(const char* name, char* buffer, std::uint32_t size) {
    const auto entry = State().environment.find(name);
    if (entry == State().environment.end()) return 0;
    return scripted::CountedText(entry->second, buffer, size);
}

MemoryStatus QueryMemoryStatus() { return State().memory; }

LocalTime QueryLocalTime() { return State().clock; }

std::uint32_t QueryLogicalDrives() { return State().drive_mask; }

std::uint32_t QueryDriveType(const char* root) { return State().drive_types.at(root[0] - 'A'); }

DiskCounters QueryDiskFreeSpace(const char* root) {
    State().disk_queries.push_back(root[0]);
    return State().disk_counters.at(root[0] - 'A');
}

}  // namespace platform
