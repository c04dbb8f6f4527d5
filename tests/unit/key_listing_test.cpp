#include "inventory/key_listing.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

using scripted::MakeKey;
using scripted::Value;

constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4,
                        kRegMultiSz = 7, kRegQword = 11;

class KeyListingTest : public ::testing::Test {
protected:
    void SetUp() override { scripted::Reset(); }

    // The outline of `product` as the root key, listed in the 32-bit view.
    std::string Outline(scripted::Key product) {
        host.product32 = std::move(product);
        const ListedProduct listed = ListProductKey();
        EXPECT_TRUE(listed.root_opened);
        EXPECT_EQ(listed.nesting_depth, 0);
        EXPECT_EQ(host.open_handles, 0) << "a key was left open";
        EXPECT_EQ(host.bad_closes, 0);
        for (const scripted::OpenCall& open : host.opens) {
            EXPECT_EQ(open.access, AccessMask(RegistryView::View32)) << open.name;
        }
        return listed.outline;
    }

    scripted::Host& host = scripted::Current();
};

TEST_F(KeyListingTest, ValueLines) {
    struct Case {
        std::uint32_t type;
        std::string data;
        std::string line;  // empty: the value is not listed
    } cases[] = {
        {kRegDword, std::string("\xF4\x01\x00\x00", 4), "  V=500\n"},
        {kRegDword, "\xFF\xFF\xFF\xFF", "  V=-1\n"},
        {kRegDword, std::string("\x00\x00\x00\x80", 4), "  V=-2147483648\n"},
        {kRegDword, "\x34\x12", "  V=4660\n"},
        {kRegDword, "", "  V=0\n"},
        {kRegDword, std::string("\x01\x00\x00\x00\x09", 5), "  V=1\n"},
        {kRegSz, std::string("C:\\X\0", 5), "  V=C:\\X\n"},
        {kRegSz, "no terminator", "  V=no terminator\n"},
        {kRegSz, std::string("cut\0here\0", 9), "  V=cut\n"},
        {kRegSz, "", "  V=\n"},
        {kRegSz, std::string("%s %d %n\0", 9), "  V=%s %d %n\n"},
        {kRegExpandSz, std::string("%PATH%\0", 7), ""},
        {kRegMultiSz, std::string("a\0b\0\0", 5), ""},
        {kRegBinary, "\x01\x02", ""},
        {kRegQword, std::string(8, '\x01'), ""},
    };
    for (const Case& test : cases) {
        scripted::Reset();
        EXPECT_EQ(Outline(MakeKey("Products", {Value{"V", test.type, test.data}})), test.line)
            << "type " << test.type << " data " << test.data;
    }
}

TEST_F(KeyListingTest, UnnamedValues) {
    const auto product = MakeKey(
        "Products", {Value{"", kRegSz, std::string("default\0", 8)}, Value{"", kRegDword, "\x07"}});
    EXPECT_EQ(Outline(product), "  =7\n");
}

// Structure: values before subkeys, depth-first, indent by depth, the hidden
// "InstallInfo" name (case-sensitive), an empty key, a key that will not open.
TEST_F(KeyListingTest, OutlineOfAProductTree) {
    scripted::Key locked = MakeKey("Locked", {Value{"Secret", kRegSz, "s"}});
    locked.open_status = 5;
    scripted::Key deep = MakeKey("Level40", {Value{"Bottom", kRegDword, "\x28"}});
    std::string deep_lines;
    for (int level = 39; level >= 1; --level) {
        deep = MakeKey("Level" + std::to_string(level), {}, {deep});
    }
    for (int level = 1; level <= 40; ++level) {
        deep_lines += std::string(level + 1, ' ') + "Level" + std::to_string(level) + "\n";
    }
    deep_lines += std::string(42, ' ') + "Bottom=40\n";

    const auto product = MakeKey("Products", {Value{"Path", kRegSz, std::string("C:\\X\0", 5)}},
                                 {MakeKey("A", {Value{"V", kRegDword, "\x01"}},
                                          {MakeKey("installinfo", {Value{"Y", kRegSz, "2"}})}),
                                  MakeKey("B"),
                                  MakeKey("InstallInfo", {Value{"Ver", kRegSz, "13"}},
                                          {MakeKey("Sub", {Value{"Z", kRegSz, "z"}})}),
                                  locked, deep, MakeKey("Last", {Value{"End", kRegSz, "e"}})});

    EXPECT_EQ(Outline(product),
              "  Path=C:\\X\n"
              "  A\n"
              "   V=1\n"
              "   installinfo\n"
              "    Y=2\n"
              "  B\n"
              "   Ver=13\n"
              "   Sub\n"
              "    Z=z\n"
              "  Locked\n" +
                  deep_lines +
                  "  Last\n"
                  "   End=e\n");
}

TEST_F(KeyListingTest, AKeyWhoseFactsFailListsNothingBelowIt) {
    scripted::Key broken = MakeKey("Broken", {Value{"V", kRegSz, "v"}}, {MakeKey("Child")});
    broken.query_status = 5;
    EXPECT_EQ(
        Outline(MakeKey("Products", {}, {broken, MakeKey("Next", {Value{"N", kRegSz, "n"}})})),
        "  Broken\n  Next\n   N=n\n");
    EXPECT_EQ(host.opens.size(), 3u);  // the root, Broken and Next; never Child
    EXPECT_EQ(host.queries, (std::vector<std::string>{"Products", "Broken", "Next"}));
    EXPECT_EQ(host.closes, (std::vector<std::string>{"Broken", "Next", "Products"}));
}

// Japanese names take two bytes a character, while the key's facts count
// characters; nothing after them may be lost.
TEST_F(KeyListingTest, JapaneseNamesAndEverythingAfterThemAreListed) {
    const std::string name = Sjis("設定値");
    const std::string subkey = Sjis("エンジン");
    const auto product = MakeKey(
        "Products", {Value{name, kRegSz, Sjis("日本語") + '\0'}, Value{"After", kRegDword, "\x02"}},
        {MakeKey(subkey, {Value{name, kRegDword, "\x03"}}),
         MakeKey("Z", {Value{"z", kRegSz, "1"}})});
    EXPECT_EQ(Outline(product), "  " + name + "=" + Sjis("日本語") + "\n  After=2\n  " + subkey +
                                    "\n   " + name + "=3\n  Z\n   z=1\n");
}

TEST_F(KeyListingTest, ReadsAgainWhenWindowsSaysMoreData) {
    scripted::Key grown = MakeKey("Products", {Value{"V", kRegSz, "a longer text than said"}},
                                  {MakeKey("LongerThanSaid", {Value{"W", kRegSz, "w"}})});
    grown.facts = platform::KeyFacts{1, 2, 1, 0, 3};  // names and data longer than the facts
    grown.more_data_answers = 2;                      // and ERROR_MORE_DATA before each entry
    EXPECT_EQ(Outline(grown), "  V=a longer text than said\n  LongerThanSaid\n   W=w\n");
}

TEST_F(KeyListingTest, RetriesOnEveryEntryDoNotAddUp) {
    scripted::Key product = MakeKey("Products");
    std::string expected;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "V" + std::to_string(i);
        product.values.push_back(Value{name, kRegDword, std::string(1, static_cast<char>(i))});
        expected += "  " + name + "=" + std::to_string(i) + "\n";
    }
    product.more_data_answers = 3;
    EXPECT_EQ(Outline(product), expected);
}

TEST_F(KeyListingTest, EndlessMoreDataEndsThePassAfterBoundedTries) {
    scripted::Key stuck = MakeKey("Products", {Value{"V", kRegSz, "v"}}, {MakeKey("S")});
    stuck.more_data_answers = 1000;
    EXPECT_EQ(Outline(stuck), "");
}

TEST_F(KeyListingTest, AValueBufferThatCannotBeHadSkipsTheValuesOnly) {
    scripted::Key huge = MakeKey("Products", {Value{"V", kRegSz, "v"}}, {MakeKey("S")});
    huge.facts = platform::KeyFacts{1, 1, 1, 1, 0xFFFFFFFF};
    EXPECT_EQ(Outline(huge), "  S\n");
}

}  // namespace
