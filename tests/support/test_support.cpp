#include "tests/support/test_support.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

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
    if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
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
