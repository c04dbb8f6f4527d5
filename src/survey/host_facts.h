// The report's host lines: date and time, Windows version, NetBIOS name,
// user, Windows folder, memory and, when set, PERVASIVE_PATH.
#pragma once

struct ReportSink;

void WriteHostFacts(ReportSink& sink);
