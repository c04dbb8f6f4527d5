// Helpers shared by the unit tests.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "report/report_sink.h"

// Code page 932 bytes of a readable UTF-8 text, converted by the C library's
// iconv, independently of the program's own byte strings.
std::string Sjis(const std::string& utf8);

// What listing the scripted product key in the 32-bit view gave.
struct ListedProduct {
    std::string outline;
    int nesting_depth = 0;  // after the listing
    bool root_opened = false;
};

// Opens the scripted host's product key in the 32-bit view, lists it with
// ListKey into `sink` and closes it. Returns the nesting depth after the
// listing, or nothing when the key did not open.
std::optional<int> ListProductKeyInto(ReportSink& sink);

// The same, into a captured console.
ListedProduct ListProductKey();

// A sink whose console is a string in memory and which has no report file.
class CapturedSink {
public:
    CapturedSink();
    ~CapturedSink();
    CapturedSink(const CapturedSink&) = delete;
    CapturedSink& operator=(const CapturedSink&) = delete;

    ReportSink& sink() { return sink_; }
    // Everything written to the console so far.
    std::string Text();

private:
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
    ReportSink sink_;
};
