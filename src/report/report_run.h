// The program's one pass: banner, host facts, drives, product inventory.
#pragma once

#include <cstdio>

// Writes the whole report to Tarquen.txt in the current folder and to
// `console`. Returns the exit status: 0 once the report file is written,
// 1 when it could not be created (the reason then goes to `errors`).
int RunReport(std::FILE* console, std::FILE* errors);
