// Tarquen.exe: takes no arguments and reads no input; it writes its report.
#include <cstdio>

#include "report/report_run.h"

int main() {
    // Each line is flushed on its own, so a full buffer turns every line into
    // one console write instead of one per character.
    static char console_buffer[1 << 16];
    std::setvbuf(stdout, console_buffer, _IOFBF, sizeof console_buffer);
    return RunReport(stdout, stderr);
}
