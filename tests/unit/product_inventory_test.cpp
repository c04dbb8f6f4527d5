#include "inventory/product_inventory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

using scripted::MakeKey;
using scripted::Value;

constexpr std::uint16_t kAmd64 = 9, kIa64 = 6, kArm64 = 12, kIntel = 0;
constexpr std::uint32_t kNative = 0x20019, kView32 = 0x20219, kView64 = 0x20119;

enum class Product { None, Only32, Only64, Both };

struct Case {
    const char* name;
    platform::Wow64Machines wow64;
    platform::NativeArchitecture native;
    Product product;
    const char* expected;              // the whole section, as readable UTF-8
    std::vector<std::uint32_t> masks;  // of the product key opens, in order
};

void PrintTo(const Case& test, std::ostream* out) { *out << test.name; }

const platform::Wow64Machines kNoWow64Process2{};
const platform::Wow64Machines kOnX64{true, 1, 0x014C, 0x8664};
const platform::Wow64Machines kOnArm64{true, 1, 0x014C, 0xAA64};
const platform::Wow64Machines kOn32BitWindows{true, 1, 0, 0x014C};
const platform::Wow64Machines kCallFailed{true, 0, 0, 0xAA64};

const char kOs64[] = "OSは64ビットです。\n";
const char kOs32[] = "OSは32ビットです。\n";

class ProductInventoryTest : public ::testing::TestWithParam<Case> {};

TEST_P(ProductInventoryTest, ChoosesViewsFromWhatWindowsIs) {
    const Case& test = GetParam();
    scripted::Reset();
    scripted::Host& host = scripted::Current();
    host.wow64 = test.wow64;
    host.native = test.native;
    const auto product = [](const char* value) {
        return MakeKey("Products", {Value{"View", 1, value}});
    };
    if (test.product == Product::Only32 || test.product == Product::Both)
        host.product32 = product("32");
    if (test.product == Product::Only64 || test.product == Product::Both)
        host.product64 = product("64");

    CapturedSink captured;
    const InventoryResult result = WriteProductInventory(captured.sink());

    EXPECT_EQ(captured.Text(), Sjis(test.expected));
    EXPECT_EQ(result.NestingDepth, 0);
    EXPECT_EQ(host.open_handles, 0);
    std::vector<std::uint32_t> masks;
    for (const scripted::OpenCall& open : host.opens) masks.push_back(open.access);
    EXPECT_EQ(masks, test.masks);
}

const std::string k32Listing = "\n\nPSQL インストール情報\n  View=32\n";
const std::string k64Listing = "\n\nPSQL インストール情報(64ビットキー)\n  View=64\n";
const std::string kNotInstalled = "\n\nPervasive製品はインストールされていません。\n";

const std::string kOnly32 = kOs64 + k32Listing;
const std::string kBoth = kOs64 + k32Listing + k64Listing;
const std::string kOnly64 = kOs64 + k64Listing;
const std::string kNone64 = kOs64 + kNotInstalled;
const std::string kNone32 = kOs32 + kNotInstalled;
const std::string k32Bit = kOs32 + k32Listing;

// One host a line.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Hosts, ProductInventoryTest,
    ::testing::Values(
        Case{"x64_only_32bit_view", kOnX64, {true, kAmd64}, Product::Only32, kOnly32.c_str(), {kView32, kView64}},
        Case{"x64_both_views", kOnX64, {true, kAmd64}, Product::Both, kBoth.c_str(), {kView32, kView64}},
        Case{"x64_only_64bit_view", kOnX64, {true, kAmd64}, Product::Only64, kOnly64.c_str(), {kView32, kView64}},
        Case{"x64_no_product", kOnX64, {true, kAmd64}, Product::None, kNone64.c_str(), {kView32, kView64}},
        Case{"x64_without_IsWow64Process2", kNoWow64Process2, {true, kAmd64}, Product::Both, kBoth.c_str(), {kView32, kView64}},
        Case{"arm64_shows_x86_to_GetNativeSystemInfo", kOnArm64, {true, kIntel}, Product::Both, kBoth.c_str(), {kView32, kView64}},
        Case{"arm64_without_IsWow64Process2", kNoWow64Process2, {true, kArm64}, Product::Only64, kOnly64.c_str(), {kView32, kView64}},
        Case{"itanium", kNoWow64Process2, {true, kIa64}, Product::Only32, kOnly32.c_str(), {kView32, kView64}},
        Case{"IsWow64Process2_failed", kCallFailed, {true, kAmd64}, Product::Only32, kOnly32.c_str(), {kView32, kView64}},
        Case{"32bit_windows", kOn32BitWindows, {true, kIntel}, Product::Only32, k32Bit.c_str(), {kNative}},
        Case{"32bit_without_IsWow64Process2", kNoWow64Process2, {true, kIntel}, Product::Both, k32Bit.c_str(), {kNative}},
        Case{"no_GetNativeSystemInfo", kNoWow64Process2, {false, kAmd64}, Product::Both, k32Bit.c_str(), {kNative}},
        Case{"32bit_no_product", kOn32BitWindows, {true, kIntel}, Product::None, kNone32.c_str(), {kNative}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
