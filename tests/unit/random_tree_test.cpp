// Thousands of random product trees, each listed and checked (see
// random_tree.h). Each tree comes from its own seed. A failure names the seed;
// replay it with TARQUEN_TREE_SEED=N (and TARQUEN_TREES=N runs more or fewer).
#include "tests/support/random_tree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

std::uint64_t Setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text ? std::strtoull(text, nullptr, 10) : fallback;
}

void CheckTree(std::uint64_t seed) {
    ASSERT_EQ(ListingProblem(MakeRandomTree(SeededDraw(seed))), "") << "seed " << seed;
}

TEST(RandomTrees, ListEveryValueOnceAndReleaseEverything) {
    if (const char* seed = std::getenv("TARQUEN_TREE_SEED")) {
        CheckTree(std::strtoull(seed, nullptr, 10));
        return;
    }
    const std::uint64_t trees = Setting("TARQUEN_TREES", 3000);
    for (std::uint64_t seed = 1; seed <= trees && !HasFatalFailure(); ++seed) CheckTree(seed);
}

}  // namespace
