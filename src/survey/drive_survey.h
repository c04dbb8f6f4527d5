// The report's drive lines: one for every present drive letter, A upwards,
// with its type and its total and free bytes.
#pragma once

struct ReportSink;

void WriteDriveSurvey(ReportSink& sink);
