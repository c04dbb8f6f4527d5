// libFuzzer over random product trees: the input's bytes are the draws that
// shape the tree; any listing that breaks a promise aborts.
#include <cstdio>
#include <cstdlib>

#include "tests/support/random_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = ListingProblem(MakeRandomTree(InputDraw(data, size)));
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
