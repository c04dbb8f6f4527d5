#include "report/report_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

// Runs the report in a fresh folder of its own, as a user would.
class ReportRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        scripted::Reset();
        char folder[] = "/tmp/tarquen-run-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
        ASSERT_NE(getcwd(previous_, sizeof previous_), nullptr);
        ASSERT_EQ(chdir(folder), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous_), 0);
        ASSERT_EQ(std::system(("rm -rf " + folder_).c_str()), 0);
    }

    int Run() {
        FILE* console = open_memstream(&console_bytes_, &console_size_);
        FILE* errors = open_memstream(&error_bytes_, &error_size_);
        const int status = RunReport(console, errors);
        std::fclose(console);
        std::fclose(errors);
        console_.assign(console_bytes_, console_size_);
        errors_.assign(error_bytes_, error_size_);
        std::free(console_bytes_);
        std::free(error_bytes_);
        return status;
    }

    static std::string ReportFile() {
        std::ifstream file("Tarquen.txt", std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::string folder_;
    char previous_[PATH_MAX] = {};
    char* console_bytes_ = nullptr;
    std::size_t console_size_ = 0;
    char* error_bytes_ = nullptr;
    std::size_t error_size_ = 0;
    std::string console_;
    std::string errors_;
};

TEST_F(ReportRunTest, WritesTheSectionsInOrderToFileAndConsole) {
    scripted::Current().drive_mask = 1u << 2;
    scripted::Current().drive_types[2] = 3;
    scripted::Current().environment["PERVASIVE_PATH"] = "C:\\PVSW\\BIN";

    EXPECT_EQ(Run(), 0);

    const std::string expected =
        "Tarquen Ver 1.00\n" + Sjis("現在の日時： 2009年1月5日 9時3分7秒\n") +
        "OS Ver 6.1 Build 7601 Service Pack 1\n" + Sjis("NetBIOS名：HOST\n") +
        Sjis("User名：user\n") + Sjis("Windowsフォルダ：C:\\windows\n") +
        Sjis("物理メモリ：0    空き物理メモリ：0   仮想メモリ：0    空き仮想メモリ：0\n") +
        Sjis("環境変数 PERVASIVE_PATH：C:\\PVSW\\BIN\n") +
        "Drive C type:HARD DISK  Disk Space:0  Free:0\n" +
        Sjis("OSは32ビットです。\n\n\nPervasive製品はインストールされていません。\n");
    EXPECT_EQ(ReportFile(), expected);
    EXPECT_EQ(console_, expected);
    EXPECT_EQ(errors_, "");
}

TEST_F(ReportRunTest, TruncatesAnEarlierReport) {
    std::ofstream("Tarquen.txt") << std::string(100000, 'x');
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(ReportFile(), console_);
}

TEST_F(ReportRunTest, WithoutItsFileItStillReportsAndFails) {
    ASSERT_EQ(mkdir("Tarquen.txt", 0755), 0);  // a folder in the file's way

    EXPECT_EQ(Run(), 1);

    EXPECT_EQ(console_.rfind("Tarquen Ver 1.00\n", 0), 0u);
    EXPECT_NE(console_.find(Sjis("Pervasive製品はインストールされていません。\n")),
              std::string::npos);
    EXPECT_EQ(errors_, "Tarquen: cannot create Tarquen.txt: Is a directory\n");
}

}  // namespace
