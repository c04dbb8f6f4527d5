// Which registry view a product key and all keys below it are opened in.
#pragma once

#include <cstdint>

enum class RegistryView { ViewNative = 0, View32 = 1, View64 = 2 };

// Read access (KEY_READ) with the view's flag. The program never writes to
// the registry, and read access is what an ordinary user is granted on the
// machine's keys; asking for more makes the open fail without elevation.
inline std::uint32_t AccessMask(RegistryView view) {
    constexpr std::uint32_t kKeyRead = 0x20019;
    constexpr std::uint32_t kWow64_64Key = 0x0100;
    constexpr std::uint32_t kWow64_32Key = 0x0200;
    switch (view) {
        case RegistryView::View32: return kKeyRead | kWow64_32Key;
        case RegistryView::View64: return kKeyRead | kWow64_64Key;
        case RegistryView::ViewNative: break;
    }
    return kKeyRead;
}
