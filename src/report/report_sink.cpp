#include "report/report_sink.h"

#include "report/report_texts.h"

namespace {

void WriteWhole(std::FILE* stream, std::string_view line) {
    if (stream && !line.empty()) std::fwrite(line.data(), line.size(), 1, stream);
}

}  // namespace

bool OpenReportFile(ReportSink& sink) {
    sink.file = std::fopen(texts::kReportFileName, "wt");
    return sink.file != nullptr;
}

void WriteLine(ReportSink& sink, std::string_view line) {
    WriteFileOnly(sink, line);
    WriteWhole(sink.console, line);
    std::fflush(sink.console);
}

void WriteFileOnly(ReportSink& sink, std::string_view line) {
    sink.LastLineLength = line.size();
    WriteWhole(sink.file, line);
}

void CloseReportFile(ReportSink& sink) {
    if (sink.file) std::fclose(sink.file);
    sink.file = nullptr;
}
