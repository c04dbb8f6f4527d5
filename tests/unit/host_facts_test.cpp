#include "survey/host_facts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

class HostFactsTest : public ::testing::Test {
protected:
    void SetUp() override { scripted::Reset(); }

    std::string Report() {
        CapturedSink captured;
        WriteHostFacts(captured.sink());
        return captured.Text();
    }

    // The report's lines, one per element.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        const std::string text = Report();
        for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
            end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }

    scripted::Host& host = scripted::Current();
};

TEST_F(HostFactsTest, WritesSixLinesWithoutTheProductPath) {
    host.memory = {1, 34359738368ull, 4294967296ull + 5, 2147352576ull, 2100000000ull};
    EXPECT_EQ(Report(), Sjis("現在の日時： 2009年1月5日 9時3分7秒\n") +
                            "OS Ver 6.1 Build 7601 Service Pack 1\n" + Sjis("NetBIOS名：HOST\n") +
                            Sjis("User名：user\n") + Sjis("Windowsフォルダ：C:\\windows\n") +
                            Sjis("物理メモリ：34359738368    空き物理メモリ：4294967301   "
                                 "仮想メモリ：2147352576    空き仮想メモリ：2100000000\n"));
}

TEST_F(HostFactsTest, DateAndTimeHaveNoLeadingZeros) {
    host.clock = {true, 126, 11, 31, 0, 0, 0};
    EXPECT_EQ(Lines()[0], Sjis("現在の日時： 2026年12月31日 0時0分0秒"));
    host.clock = {};
    EXPECT_EQ(Lines()[0], Sjis("現在の日時： 0年0月0日 0時0分0秒"));
}

TEST_F(HostFactsTest, VersionLineKeepsItsSpaceWithoutAServicePack) {
    host.version = {1, 10, 0, 19045, ""};
    EXPECT_EQ(Lines()[1], "OS Ver 10.0 Build 19045 ");
    host.version = {0, 10, 0, 19045, "junk"};
    EXPECT_EQ(Lines()[1], "OS Ver 0.0 Build 0 ");
}

TEST_F(HostFactsTest, FailedCallsShowEmptyTextsAndZeros) {
    host.netbios_name.reset();
    host.user_name.reset();
    host.windows_folder.reset();
    host.memory = {0, 1, 2, 3, 4};
    const auto lines = Lines();
    EXPECT_EQ(lines[2], Sjis("NetBIOS名："));
    EXPECT_EQ(lines[3], Sjis("User名："));
    EXPECT_EQ(lines[4], Sjis("Windowsフォルダ："));
    EXPECT_EQ(lines[5],
              Sjis("物理メモリ：0    空き物理メモリ：0   仮想メモリ：0    空き仮想メモリ：0"));
}

TEST_F(HostFactsTest, LongTextsArePrintedWhole) {
    const std::string folder = "C:\\" + std::string(297, 'w');
    const std::string user(300, 'u');
    host.windows_folder = folder;
    host.user_name = user;
    host.netbios_name = "LONGER-THAN-FIFTEEN";
    const auto lines = Lines();
    EXPECT_EQ(lines[2], Sjis("NetBIOS名：") + "LONGER-THAN-FIFTEEN");
    EXPECT_EQ(lines[3], Sjis("User名：") + user);
    EXPECT_EQ(lines[4], Sjis("Windowsフォルダ：") + folder);
}

TEST_F(HostFactsTest, ProductPathLineOnlyWhenSetAndNotEmpty) {
    const std::string label = Sjis("環境変数 PERVASIVE_PATH：");
    const std::string long_path = std::string(296, 'p') + "\\BIN";
    struct Case {
        const char* name;
        std::optional<std::string> value;
        std::optional<std::string> line;
    } cases[] = {
        {"unset", std::nullopt, std::nullopt},
        {"empty", std::string(), std::nullopt},
        {"short", std::string("C:\\PVSW\\BIN"), label + "C:\\PVSW\\BIN"},
        {"255 characters", std::string(255, 'a'), label + std::string(255, 'a')},
        {"300 characters", long_path, label + long_path},
    };
    for (const Case& test : cases) {
        host.environment.clear();
        if (test.value) host.environment["PERVASIVE_PATH"] = *test.value;
        const auto lines = Lines();
        if (test.line) {
            ASSERT_EQ(lines.size(), 7u) << test.name;
            EXPECT_EQ(lines[6], *test.line) << test.name;
        } else {
            EXPECT_EQ(lines.size(), 6u) << test.name;
        }
    }
}

}  // namespace
