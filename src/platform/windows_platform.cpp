// The host platform on real Windows: each function is one Windows call.
#include <windows.h>

#include <ctime>

#include "platform/host_platform.h"

namespace platform {
namespace {

HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }

// A kernel32 function that older Windows lacks, or null. kernel32 is always
// loaded in a Windows process; the handle is kept for the process's life.
template <typename Function>
Function KernelExport(const char* name) {
    static const HMODULE kernel = LoadLibraryA("kernel32.dll");
    const FARPROC address = kernel ? GetProcAddress(kernel, name) : nullptr;
    // Through the generic function type, which converts to any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

const KeyHandle kLocalMachine = reinterpret_cast<KeyHandle>(HKEY_LOCAL_MACHINE);

long OpenRegistryKey(KeyHandle parent, const char* path, std::uint32_t access, KeyHandle* opened) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(parent), path, 0, access, &key);
    *opened = reinterpret_cast<KeyHandle>(key);
    return status;
}

long CloseRegistryKey(KeyHandle key) { return RegCloseKey(ToHkey(key)); }

long QueryRegistryKeyFacts(KeyHandle key, KeyFacts* facts) {
    DWORD subkeys = 0, longest_subkey = 0, values = 0, longest_name = 0, longest_data = 0;
    const LONG status =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subkeys, &longest_subkey, nullptr,
                         &values, &longest_name, &longest_data, nullptr, nullptr);
    *facts = KeyFacts{subkeys, longest_subkey, values, longest_name, longest_data};
    return status;
}

long EnumRegistryValue(KeyHandle key, std::uint32_t index, char* name, std::uint32_t* name_length,
                       std::uint32_t* type, unsigned char* data, std::uint32_t* data_length) {
    DWORD name_size = *name_length, value_type = 0, data_size = *data_length;
    const LONG status =
        RegEnumValueA(ToHkey(key), index, name, &name_size, nullptr, &value_type, data, &data_size);
    *name_length = name_size;
    *type = value_type;
    *data_length = data_size;
    return status;
}

long EnumRegistrySubkey(KeyHandle key, std::uint32_t index, char* name,
                        std::uint32_t* name_length) {
    DWORD name_size = *name_length;
    const LONG status =
        RegEnumKeyExA(ToHkey(key), index, name, &name_size, nullptr, nullptr, nullptr, nullptr);
    *name_length = name_size;
    return status;
}

Wow64Machines QueryWow64Machines() {
    using IsWow64Process2Fn = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
    const auto call = KernelExport<IsWow64Process2Fn>("IsWow64Process2");
    Wow64Machines machines;
    if (!call) return machines;
    USHORT process = 0, native = 0;
    machines.available = true;
    machines.result = call(GetCurrentProcess(), &process, &native);
    machines.process = process;
    machines.native = native;
    return machines;
}

NativeArchitecture QueryNativeArchitecture() {
    using GetNativeSystemInfoFn = void(WINAPI*)(SYSTEM_INFO*);
    const auto call = KernelExport<GetNativeSystemInfoFn>("GetNativeSystemInfo");
    NativeArchitecture architecture;
    if (!call) return architecture;
    SYSTEM_INFO info{};
    call(&info);
    architecture.available = true;
    architecture.processor_architecture = info.wProcessorArchitecture;
    return architecture;
}

VersionInfo QueryVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    VersionInfo version;
    version.result = GetVersionExA(&info);
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.service_pack.assign(info.szCSDVersion,
                                strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return version;
}

SizedCall QueryNetBiosName(char* buffer, std::uint32_t size) {
    DWORD length = size;
    SizedCall call;
    call.result = GetComputerNameExA(ComputerNameNetBIOS, buffer, &length);
    call.last_error = call.result ? 0 : GetLastError();
    call.size = length;
    return call;
}

SizedCall QueryUserName(char* buffer, std::uint32_t size) {
    DWORD length = size;
    SizedCall call;
    call.result = GetUserNameA(buffer, &length);
    call.last_error = call.result ? 0 : GetLastError();
    call.size = length;
    return call;
}

std::uint32_t QueryWindowsFolder(char* buffer, std::uint32_t size) {
    return GetWindowsDirectoryA(buffer, size);
}

std::uint32_t QueryEnvironmentVariable(const char* name, char* buffer, std::uint32_t size) {
    return GetEnvironmentVariableA(name, buffer, size);
}

MemoryStatus QueryMemoryStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    MemoryStatus memory;
    memory.result = GlobalMemoryStatusEx(&status);
    memory.total_physical = status.ullTotalPhys;
    memory.available_physical = status.ullAvailPhys;
    memory.total_virtual = status.ullTotalVirtual;
    memory.available_virtual = status.ullAvailVirtual;
    return memory;
}

LocalTime QueryLocalTime() {
    const std::time_t now = std::time(nullptr);
    const std::tm* broken_down = std::localtime(&now);
    if (!broken_down) return LocalTime{};
    return LocalTime{true,
                     broken_down->tm_year,
                     broken_down->tm_mon,
                     broken_down->tm_mday,
                     broken_down->tm_hour,
                     broken_down->tm_min,
                     broken_down->tm_sec};
}

std::uint32_t QueryLogicalDrives() { return GetLogicalDrives(); }

std::uint32_t QueryDriveType(const char* root) { return GetDriveTypeA(root); }

DiskCounters QueryDiskFreeSpace(const char* root) {
    DWORD sectors = 0, bytes = 0, free_clusters = 0, total_clusters = 0;
    DiskCounters counters;
    counters.result = GetDiskFreeSpaceA(root, &sectors, &bytes, &free_clusters, &total_clusters);
    counters.sectors_per_cluster = sectors;
    counters.bytes_per_sector = bytes;
    counters.free_clusters = free_clusters;
    counters.total_clusters = total_clusters;
    return counters;
}

}  // namespace platform
