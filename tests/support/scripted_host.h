// A scripted Windows host: implements the platform layer from a programmable
// state, and records what the program asked of it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/host_platform.h"

namespace scripted {

struct Value {
    std::string name;  // ANSI bytes
    std::uint32_t type = 1;
    std::string data;  // raw data bytes
};

struct Key {
    std::string name;                         // ANSI bytes
    std::vector<Value> values;                // in enumeration order
    std::vector<Key> subkeys;                 // in enumeration order
    long open_status = 0;                     // what opening this key answers
    long query_status = 0;                    // what querying its facts answers
    std::optional<platform::KeyFacts> facts;  // facts to report instead of the true ones
    int more_data_answers = 0;                // ERROR_MORE_DATA answers before each entry is given
};

// A name as Windows compares key names: ASCII letters without regard to case,
// double-byte characters of code page 932 as they are.
std::string FoldedName(const std::string& name);

Key MakeKey(std::string name, std::vector<Value> values = {}, std::vector<Key> subkeys = {});

struct OpenCall {
    std::string name;  // as asked for: a path below HKLM, or a subkey's name
    std::uint32_t access = 0;
    long status = 0;
};

struct Host {
    // The product key as each registry view holds it.
    std::optional<Key> product32;
    std::optional<Key> product64;

    platform::Wow64Machines wow64;
    platform::NativeArchitecture native{true, 0};

    platform::VersionInfo version{1, 6, 1, 7601, "Service Pack 1"};
    std::optional<std::string> netbios_name = std::string("HOST");
    std::optional<std::string> user_name = std::string("user");
    std::optional<std::string> windows_folder = std::string("C:\\windows");
    std::map<std::string, std::string> environment;
    platform::MemoryStatus memory{1, 0, 0, 0, 0};
    platform::LocalTime clock{true, 109, 0, 5, 9, 3, 7};

    std::uint32_t drive_mask = 0;
    std::array<std::uint32_t, 26> drive_types{};
    std::array<platform::DiskCounters, 26> disk_counters{};

    // What the program did.
    std::vector<OpenCall> opens;
    std::vector<std::string> closes;   // names of the keys closed
    std::vector<std::string> queries;  // names of the keys whose facts were asked
    std::vector<char> disk_queries;    // drive letters asked for their size
    int open_handles = 0;
    int bad_closes = 0;  // closes of handles that were not open
};

// The host the platform layer answers from; reset with Reset().
Host& Current();
void Reset();

}  // namespace scripted
