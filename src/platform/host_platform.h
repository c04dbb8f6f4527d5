// The Windows operations the report needs, one function per call.
//
// Each function wraps exactly one Windows call and hands back what Windows
// returned (status, counts and bytes) in plain types; every decision about
// those results is made by the caller. The product implements this layer in
// windows_platform.cpp; the tests implement it with a scripted host.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// ---- Registry -------------------------------------------------------------

using KeyHandle = std::uintptr_t;

// HKEY_LOCAL_MACHINE, the parent of the product key.
extern const KeyHandle kLocalMachine;

// Registry results the caller tests for.
constexpr long kSuccess = 0;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

// RegOpenKeyExA(parent, path, 0, access): the status and, on success, the key.
long OpenRegistryKey(KeyHandle parent, const char* path, std::uint32_t access, KeyHandle* opened);

// RegCloseKey.
long CloseRegistryKey(KeyHandle key);

struct KeyFacts {
    std::uint32_t subkey_count = 0;
    std::uint32_t longest_subkey_name = 0;  // characters, without the NUL
    std::uint32_t value_count = 0;
    std::uint32_t longest_value_name = 0;  // characters, without the NUL
    std::uint32_t longest_value_data = 0;  // bytes
};

// RegQueryInfoKeyA: the status and, on success, the key's facts.
long QueryRegistryKeyFacts(KeyHandle key, KeyFacts* facts);

// RegEnumValueA(key, index, name, name_length, 0, type, data, data_length).
// On entry the lengths are the buffers' capacities in bytes; on return they
// are what Windows wrote there.
long EnumRegistryValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t* name_length,
                       std::uint32_t* type, unsigned char* data, std::uint32_t* data_length);

// RegEnumKeyExA(key, index, name, name_length, 0, 0, 0, 0).
long EnumRegistrySubkey(KeyHandle key, std::uint32_t index, char* name, std::uint32_t* name_length);

// ---- Processor and system -------------------------------------------------

// IsWow64Process2 on the current process, looked up at run time.
struct Wow64Machines {
    bool available = false;     // kernel32 exports the function
    int result = 0;             // what the call returned
    std::uint16_t process = 0;  // IMAGE_FILE_MACHINE_* of this process
    std::uint16_t native = 0;   // IMAGE_FILE_MACHINE_* of the machine
};
Wow64Machines QueryWow64Machines();

// GetNativeSystemInfo, looked up at run time.
struct NativeArchitecture {
    bool available = false;  // kernel32 exports the function
    std::uint16_t processor_architecture = 0;
};
NativeArchitecture QueryNativeArchitecture();

// GetVersionExA with an OSVERSIONINFOA.
struct VersionInfo {
    int result = 0;
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::string service_pack;  // szCSDVersion up to its NUL
};
VersionInfo QueryVersion();

// GetComputerNameExA(ComputerNameNetBIOS, buffer, size).
struct SizedCall {
    int result = 0;          // BOOL the call returned
    std::uint32_t size = 0;  // what it left in its size argument
    std::uint32_t last_error = 0;
};
SizedCall QueryNetBiosName(char* buffer, std::uint32_t size);

// GetUserNameA(buffer, size).
SizedCall QueryUserName(char* buffer, std::uint32_t size);

// GetWindowsDirectoryA(buffer, size): its count.
std::uint32_t QueryWindowsFolder(char* buffer, std::uint32_t size);

// GetEnvironmentVariableA(name, buffer, size): its count.
std::uint32_t QueryEnvironmentVariable(const char* name, char* buffer, std::uint32_t size);

// GlobalMemoryStatusEx.
struct MemoryStatus {
    int result = 0;
    std::uint64_t total_physical = 0;
    std::uint64_t available_physical = 0;
    std::uint64_t total_virtual = 0;
    std::uint64_t available_virtual = 0;
};
MemoryStatus QueryMemoryStatus();

// The C library's time and localtime: the broken-down fields as given.
struct LocalTime {
    bool valid = false;  // localtime gave a result
    int tm_year = 0;     // years since 1900
    int tm_mon = 0;      // months since January
    int tm_mday = 0;
    int tm_hour = 0;
    int tm_min = 0;
    int tm_sec = 0;
};
LocalTime QueryLocalTime();

// ---- Drives ---------------------------------------------------------------

// GetLogicalDrives.
std::uint32_t QueryLogicalDrives();

// GetDriveTypeA(root).
std::uint32_t QueryDriveType(const char* root);

// GetDiskFreeSpaceA(root, ...): its result and the four counters.
struct DiskCounters {
    int result = 0;
    std::uint32_t sectors_per_cluster = 0;
    std::uint32_t bytes_per_sector = 0;
    std::uint32_t free_clusters = 0;
    std::uint32_t total_clusters = 0;
};
DiskCounters QueryDiskFreeSpace(const char* root);

}  // namespace platform
