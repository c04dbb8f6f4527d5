#include "inventory/product_inventory.h"

#include <cstdint>
#include <string>

#include "inventory/key_listing.h"
#include "platform/host_platform.h"
#include "report/report_sink.h"
#include "report/report_texts.h"

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Pervasive Software\\Products";

// IMAGE_FILE_MACHINE_I386, what IsWow64Process2 reports for 32-bit Windows.
constexpr std::uint16_t kMachineI386 = 0x014C;

// PROCESSOR_ARCHITECTURE_* of 64-bit Windows: Itanium, AMD64 and ARM64.
bool Is64BitArchitecture(std::uint16_t architecture) {
    return architecture == 6 || architecture == 9 || architecture == 12;
}

struct Root {
    RegistryView view;
    const char* header;
};

// Opens the product key in the root's view and, when it opens, writes its
// header and its outline.
void ListRoot(ReportSink& sink, const Root& root, InventoryResult& result) {
    platform::KeyHandle key = 0;
    if (platform::OpenRegistryKey(platform::kLocalMachine, kProductKey, AccessMask(root.view),
                                  &key) != platform::kSuccess) {
        return;
    }
    ++result.FoundRoots;
    WriteLine(sink, std::string("\n\n") + root.header + "\n");
    KeyListing listing{sink, root.view};
    ListKey(listing, key);
    result.NestingDepth = listing.NestingDepth;
    platform::CloseRegistryKey(key);
}

// True when Windows itself is 64-bit, whatever this 32-bit program runs as.
bool IsWindows64Bit() {
    // IsWow64Process2 tells the truth on every 64-bit Windows, ARM64 included,
    // where GetNativeSystemInfo shows this x86 program an x86 machine.
    const platform::Wow64Machines machines = platform::QueryWow64Machines();
    if (machines.available && machines.result) return machines.native != kMachineI386;
    const platform::NativeArchitecture native = platform::QueryNativeArchitecture();
    return native.available && Is64BitArchitecture(native.processor_architecture);
}

}  // namespace

InventoryResult WriteProductInventory(ReportSink& sink) {
    const bool windows64 = IsWindows64Bit();
    WriteLine(sink, std::string(windows64 ? texts::kBitness64 : texts::kBitness32) + "\n");

    InventoryResult result;
    if (windows64) {
        ListRoot(sink, {RegistryView::View32, texts::kProductHeader}, result);
        ListRoot(sink, {RegistryView::View64, texts::kProductHeader64}, result);
    } else {
        ListRoot(sink, {RegistryView::ViewNative, texts::kProductHeader}, result);
    }
    if (result.FoundRoots == 0) WriteLine(sink, std::string("\n\n") + texts::kNotInstalled + "\n");
    return result;
}
