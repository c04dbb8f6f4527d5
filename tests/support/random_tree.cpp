#include "tests/support/random_tree.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

#include "inventory/key_listing.h"
#include "tests/support/test_support.h"

namespace {

using scripted::Key;
using scripted::Value;

constexpr std::uint32_t kRegSz = 1, kRegDword = 4;

// SplitMix64: small, fast, and the same sequence on every platform.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t operator()() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_;
};

class TreeMaker {
public:
    explicit TreeMaker(Draw draw) : random_(std::move(draw)) {}

    Key Product() {
        keys_left_ = Chance(20) ? 700 : 40;
        // Half the trees have no failing keys, so that deep chains stay whole.
        failure_percent_ = Chance(50) ? 0 : 3;
        Key product = MakeKey("Products", Chance(50) ? 600 : 4);
        product.open_status = 0;
        product.query_status = 0;
        return product;
    }

private:
    std::uint32_t Below(std::uint32_t bound) {
        return static_cast<std::uint32_t>(random_() % bound);
    }
    bool Chance(std::uint32_t percent) { return Below(100) < percent; }

    // Random bytes: high bytes, %, backslashes, double-byte characters whose
    // second byte is a backslash, and (in data) NUL bytes.
    std::string Bytes(std::size_t length, bool backslash, bool nul) {
        std::string bytes;
        while (bytes.size() < length) {
            const std::uint64_t draw = random_();
            const auto byte = static_cast<unsigned char>(draw >> 8);
            switch (draw % 7) {
                case 0: bytes += static_cast<char>(0x80 | byte); break;
                case 1: bytes += '%'; break;
                case 2: bytes += backslash ? '\\' : 's'; break;
                case 3: bytes += static_cast<char>(0x81 + byte % 0x1F), bytes += '\\'; break;
                case 4: bytes += nul ? '\0' : 'n'; break;
                default: bytes += static_cast<char>('A' + byte % 58); break;
            }
        }
        return bytes;
    }

    // Mostly short; one in 500 anywhere up to 70,000 bytes.
    std::size_t Length(std::size_t most) {
        if (Below(500) == 0) return Below(70001);
        return Below(static_cast<std::uint32_t>(most) + 1);
    }

    Value MakeValue(std::string name) {
        Value value;
        value.name = std::move(name);
        value.type = Chance(70) ? (Chance(50) ? kRegSz : kRegDword) : Below(12);
        const bool number = value.type == kRegDword || value.type == 5 || value.type == 11;
        value.data = number ? Bytes(Below(9), true, true) : Bytes(Length(30), true, true);
        if (value.type == kRegSz && Chance(50)) value.data += '\0';
        return value;
    }

    // A name no sibling has, as Windows compares names; a name already taken
    // gets a number after it.
    std::string SubkeyName(std::set<std::string>& taken) {
        std::string name = Chance(5) ? (Chance(50) ? "InstallInfo" : "installinfo")
                                     : Bytes(1 + Length(20), false, false);
        for (std::size_t n = 0; !taken.insert(scripted::FoldedName(name)).second; ++n) {
            name += std::to_string(n);
        }
        return name;
    }

    Key MakeKey(std::string name, int depth_left) {
        Key key;
        key.name = std::move(name);
        if (Chance(failure_percent_)) key.open_status = 5;
        if (Chance(failure_percent_)) key.query_status = 1018;
        if (Chance(10)) key.more_data_answers = 1 + static_cast<int>(Below(3));
        std::set<std::string> value_names;
        for (std::uint32_t n = Below(6); n > 0; --n) {
            std::string value_name = Chance(10) ? "" : Bytes(Length(15), true, false);
            if (value_names.insert(value_name).second) key.values.push_back(MakeValue(value_name));
        }
        std::set<std::string> taken;
        const std::uint32_t subkeys = depth_left > 4 ? 1 : Below(4);
        for (std::uint32_t n = 0; n < subkeys && depth_left > 0 && keys_left_ > 0; ++n) {
            --keys_left_;
            key.subkeys.push_back(MakeKey(SubkeyName(taken), depth_left - 1));
        }
        if (Chance(10)) LieAboutSizes(key);
        return key;
    }

    // Facts smaller than the truth, as when a value grows after the query.
    void LieAboutSizes(Key& key) {
        platform::KeyFacts facts;
        facts.subkey_count = static_cast<std::uint32_t>(key.subkeys.size());
        facts.value_count = static_cast<std::uint32_t>(key.values.size());
        facts.longest_subkey_name = Below(3);
        facts.longest_value_name = Below(3);
        facts.longest_value_data = Below(3);
        key.facts = facts;
    }

    Draw random_;
    int keys_left_ = 0;
    std::uint32_t failure_percent_ = 0;
};

std::string UpToNul(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

std::int32_t Number(const std::string& data) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size() && i < 4; ++i) {
        number += static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    }
    return static_cast<std::int32_t>(number);
}

// What the outline of `key` must be, entries of depth d after d + 2 spaces.
void ExpectedOutline(const Key& key, std::size_t depth, std::string& out) {
    if (key.query_status != 0) return;
    const std::string indent(depth + 2, ' ');
    for (const Value& value : key.values) {
        if (value.type == kRegDword) {
            out += indent + value.name + "=" + std::to_string(Number(value.data)) + "\n";
        } else if (value.type == kRegSz && !value.name.empty()) {
            out += indent + value.name + "=" + UpToNul(value.data) + "\n";
        }
    }
    for (const Key& subkey : key.subkeys) {
        if (subkey.name != "InstallInfo") out += indent + subkey.name + "\n";
        if (subkey.open_status == 0) ExpectedOutline(subkey, depth + 1, out);
    }
}

}  // namespace

Draw SeededDraw(std::uint64_t seed) { return SplitMix64(seed); }

Draw InputDraw(const std::uint8_t* data, std::size_t size) {
    return [data, size, offset = std::size_t{0}]() mutable {
        // Past the input every draw is 99: every chance of 50% or less fails,
        // so the rest of the tree stays small and plain.
        std::uint64_t draw = 99;
        const std::size_t take = std::min<std::size_t>(sizeof draw, size - offset);
        if (take > 0) std::memcpy(&draw, data + offset, take);
        offset += take;
        return draw;
    };
}

scripted::Key MakeRandomTree(Draw draw) { return TreeMaker(std::move(draw)).Product(); }

std::string ListingProblem(scripted::Key tree) {
    scripted::Reset();
    scripted::Host& host = scripted::Current();
    host.product32 = std::move(tree);
    const ListedProduct listed = ListProductKey();

    std::string expected;
    ExpectedOutline(*host.product32, 0, expected);
    if (!listed.root_opened) return "the product key did not open";
    if (listed.outline != expected)
        return "outline differs:\n" + listed.outline + "expected:\n" + expected;
    if (listed.nesting_depth != 0) return "nesting depth " + std::to_string(listed.nesting_depth);
    if (host.open_handles != 0) return std::to_string(host.open_handles) + " keys left open";
    if (host.bad_closes != 0) return std::to_string(host.bad_closes) + " bad closes";
    for (const scripted::OpenCall& open : host.opens) {
        if (open.access != AccessMask(RegistryView::View32))
            return "a key opened with another mask";
    }
    return {};
}
