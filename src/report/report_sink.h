// The one place where report lines leave the program: the report file and
// the console, with the same bytes, file first.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

struct ReportSink {
    std::FILE* file = nullptr;     // the report file; null when it could not be created
    std::FILE* console = nullptr;  // standard output
    std::size_t LastLineLength = 0;
};

// Creates (or truncates) the report file in the current folder, text mode,
// so that every line feed is stored as CR LF. Returns false, with errno set,
// when the file cannot be created; the sink then writes to the console only.
bool OpenReportFile(ReportSink& sink);

// Writes one line to the file, then the same bytes to the console as one
// write, so that the console shows each line as it is produced.
void WriteLine(ReportSink& sink, std::string_view line);

// Writes a line to the report file alone (the banner, which the console
// received before the file existed).
void WriteFileOnly(ReportSink& sink, std::string_view line);

void CloseReportFile(ReportSink& sink);
