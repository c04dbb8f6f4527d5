#include "report/report_sink.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace {

std::string Contents(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string bytes;
    for (int c; (c = std::fgetc(file)) != EOF;) bytes += static_cast<char>(c);
    return bytes;
}

class ReportSinkTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ReportSinkTest, WritesTheSameBytesToFileAndConsole) {
    CapturedSink captured;
    ReportSink& sink = captured.sink();
    sink.file = std::tmpfile();
    WriteLine(sink, "first\n");
    WriteLine(sink, GetParam());
    WriteLine(sink, "last\n");

    const std::string expected = "first\n" + GetParam() + "last\n";
    EXPECT_EQ(Contents(sink.file), expected);
    EXPECT_EQ(captured.Text(), expected);
    EXPECT_EQ(sink.LastLineLength, 5u);
    std::fclose(sink.file);
}

std::string LineName(const ::testing::TestParamInfo<std::string>& info) {
    const char* names[] = {"empty", "percent_signs", "ten_thousand_bytes", "leading_line_feeds",
                           "inner_nul"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Lines, ReportSinkTest,
                         ::testing::Values(std::string(), std::string("  Name=%s %d %n %%\n"),
                                           std::string(10000, 'x') + "\n",
                                           std::string("\n\nheader\n"), std::string("a\0b\n", 4)),
                         LineName);

TEST(ReportSink, FileOnlyLinesSkipTheConsole) {
    CapturedSink captured;
    ReportSink& sink = captured.sink();
    sink.file = std::tmpfile();
    WriteFileOnly(sink, "banner\n");
    EXPECT_EQ(Contents(sink.file), "banner\n");
    EXPECT_EQ(captured.Text(), "");
    std::fclose(sink.file);
}

TEST(ReportSink, WithoutAFileTheConsoleStillGetsEveryLine) {
    CapturedSink captured;
    WriteLine(captured.sink(), "one\n");
    WriteFileOnly(captured.sink(), "banner\n");
    WriteLine(captured.sink(), "two\n");
    EXPECT_EQ(captured.Text(), "one\ntwo\n");
}

}  // namespace
