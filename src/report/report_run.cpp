#include "report/report_run.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "inventory/product_inventory.h"
#include "report/report_sink.h"
#include "report/report_texts.h"
#include "survey/drive_survey.h"
#include "survey/host_facts.h"

namespace {

std::string Banner() { return std::string(texts::kBannerPrefix) + texts::kProgramVersion + "\n"; }

void ReportMissingFile(std::FILE* errors, int reason) {
    std::fprintf(errors, "Tarquen: cannot create %s: %s\n", texts::kReportFileName,
                 std::strerror(reason));
    std::fflush(errors);
}

}  // namespace

int RunReport(std::FILE* console, std::FILE* errors) {
    ReportSink sink;
    sink.console = console;
    const std::string banner = Banner();
    // The console gets the banner before the file exists, so even a run that
    // cannot create its file shows who is speaking.
    WriteLine(sink, banner);

    const bool file_created = OpenReportFile(sink);
    const int reason = errno;
    if (!file_created) ReportMissingFile(errors, reason);
    WriteFileOnly(sink, banner);

    WriteHostFacts(sink);
    WriteDriveSurvey(sink);
    WriteProductInventory(sink);

    CloseReportFile(sink);
    return file_created ? 0 : 1;
}
