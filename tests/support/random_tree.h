// Random product trees for the scripted host, and the check that listing one
// keeps every promise: every listable value exactly once, at its indent, with
// its bytes unchanged, nothing else, and every key and buffer released.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/scripted_host.h"

// Where a tree's randomness comes from: one 64-bit draw at a time.
using Draw = std::function<std::uint64_t()>;

// The same draws for the same seed on every platform.
Draw SeededDraw(std::uint64_t seed);

// Draws taken from a fuzzer's input.
Draw InputDraw(const std::uint8_t* data, std::size_t size);

// A product key of random names, values, depth (up to 600 keys) and
// failures (keys that will not open, facts that fail, ERROR_MORE_DATA).
scripted::Key MakeRandomTree(Draw draw);

// Lists `tree` as the 32-bit view's product key on a fresh scripted host.
// Returns what went wrong, or an empty text when everything held.
std::string ListingProblem(scripted::Key tree);
