#include "tests/support/test_support.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

#include "inventory/key_listing.h"
#include "platform/host_platform.h"

std::string Sjis(const std::string& utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 in iconv");
    std::vector<char> out(utf8.size() * 2 + 1);
    char* in_bytes = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* out_bytes = out.data();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(converter, &in_bytes, &in_left, &out_bytes, &out_left);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error("not convertible: " + utf8);
    return std::string(out.data(), out.size() - out_left);
}

CapturedSink::CapturedSink() { sink_.console = open_memstream(&buffer_, &size_); }

CapturedSink::~CapturedSink() {
    std::fclose(sink_.console);
    std::free(buffer_);
}

std::string CapturedSink::Text() {
    std::fflush(sink_.console);
    return std::string(buffer_, size_);
}

std::optional<int> ListProductKeyInto(ReportSink& sink) {
    constexpr char kProductPath[] = "SOFTWARE\\Pervasive Software\\Products";
    platform::KeyHandle root = 0;
    if (platform::OpenRegistryKey(platform::kLocalMachine, kProductPath,
                                  AccessMask(RegistryView::View32), &root) != platform::kSuccess) {
        return std::nullopt;
    }
    KeyListing listing{sink, RegistryView::View32};
    ListKey(listing, root);
    platform::CloseRegistryKey(root);
    return listing.NestingDepth;
}

ListedProduct ListProductKey() {
    ListedProduct listed;
    CapturedSink captured;
    const std::optional<int> nesting_depth = ListProductKeyInto(captured.sink());
    listed.root_opened = nesting_depth.has_value();
    listed.nesting_depth = nesting_depth.value_or(0);
    listed.outline = captured.Text();
    return listed;
}
