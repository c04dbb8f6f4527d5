// The inventory's own cost: listing a scripted product tree of 100,000 keys
// against writing the same lines with the same output calls and nothing else.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "report/report_sink.h"
#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

constexpr int kKeys = 100000;

// Ten subkeys a key, each with four strings and four numbers.
scripted::Key MakeTree(int& keys_left, int depth) {
    scripted::Key key = scripted::MakeKey("Key" + std::to_string(keys_left));
    for (int v = 0; v < 8; ++v) {
        key.values.push_back(
            v % 2 ? scripted::Value{"Number" + std::to_string(v), 4, "\x2A\x01\x00\x00"}
                  : scripted::Value{"Setting" + std::to_string(v), 1,
                                    "C:\\Program Files\\Product\\value"});
    }
    for (int child = 0; child < 10 && keys_left > 0 && depth < 6; ++child) {
        --keys_left;
        key.subkeys.push_back(MakeTree(keys_left, depth + 1));
    }
    return key;
}

ReportSink NullSink() {
    ReportSink sink;
    sink.file = std::fopen("/dev/null", "w");
    sink.console = std::fopen("/dev/null", "w");
    return sink;
}

void CloseSink(ReportSink& sink) {
    std::fclose(sink.file);
    std::fclose(sink.console);
}

void PrepareTree() {
    scripted::Reset();
    int keys_left = kKeys - 1;
    scripted::Current().product32 = MakeTree(keys_left, 0);
}

void BM_ListKey(benchmark::State& state) {
    PrepareTree();
    ReportSink sink = NullSink();
    for (auto _ : state) ListProductKeyInto(sink);
    CloseSink(sink);
}
BENCHMARK(BM_ListKey)->Unit(benchmark::kMillisecond);

// The same lines, already made, written with the sink's calls.
void BM_WriteSameLines(benchmark::State& state) {
    PrepareTree();
    char* bytes = nullptr;
    std::size_t size = 0;
    ReportSink capture;
    capture.console = open_memstream(&bytes, &size);
    ListProductKeyInto(capture);
    std::fclose(capture.console);
    const std::string report(bytes, size);
    std::free(bytes);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < report.size(); start = end + 1) {
        end = report.find('\n', start);
        lines.push_back(report.substr(start, end - start + 1));
    }

    ReportSink sink = NullSink();
    for (auto _ : state) {
        for (const std::string& line : lines) WriteLine(sink, line);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    CloseSink(sink);
}
BENCHMARK(BM_WriteSameLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
