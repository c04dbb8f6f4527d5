#include "survey/drive_survey.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scripted_host.h"
#include "tests/support/test_support.h"

namespace {

class DriveSurveyTest : public ::testing::Test {
protected:
    void SetUp() override { scripted::Reset(); }

    std::string Report() {
        CapturedSink captured;
        WriteDriveSurvey(captured.sink());
        return captured.Text();
    }

    void AddDrive(char letter, std::uint32_t type, platform::DiskCounters counters = {}) {
        const int index = letter - 'A';
        host.drive_mask |= 1u << index;
        host.drive_types[index] = type;
        host.disk_counters[index] = counters;
    }

    scripted::Host& host = scripted::Current();
};

// 4 KiB clusters; 78,643,200 of them make 300 GiB.
const platform::DiskCounters k300GiB{1, 8, 512, 10000000, 78643200};

TEST_F(DriveSurveyTest, OneLinePerPresentDriveWithItsTypeLabel) {
    struct Case {
        std::uint32_t type;
        const char* label;
        bool sized;
    } cases[] = {
        {0, "UNKNOWN DRIVE TYPE", true},
        {1, "UNKNOWN DRIVE TYPE", true},
        {2, "FLOPPY", false},
        {3, "HARD DISK", true},
        {4, "NETWORK", true},
        {5, "CDROM", false},
        {6, "RAMDISK", true},
        {7, "UNKNOWN DRIVE TYPE", true},
    };
    for (const Case& test : cases) {
        scripted::Reset();
        AddDrive('C', test.type, k300GiB);
        const std::string sizes = test.sized ? "  Disk Space:322122547200  Free:40960000000\n"
                                             : "  Disk Space:0  Free:0\n";
        EXPECT_EQ(Report(), std::string("Drive C type:") + test.label + sizes) << test.type;
        // Removable and CD drives are never asked for their size.
        EXPECT_EQ(host.disk_queries.size(), test.sized ? 1u : 0u) << test.type;
    }
}

TEST_F(DriveSurveyTest, ListsDrivesInLetterOrder) {
    AddDrive('Z', 3);
    AddDrive('A', 2);
    AddDrive('C', 3, {1, 8, 512, 1, 2});
    EXPECT_EQ(Report(),
              "Drive A type:FLOPPY  Disk Space:0  Free:0\n"
              "Drive C type:HARD DISK  Disk Space:8192  Free:4096\n"
              "Drive Z type:HARD DISK  Disk Space:0  Free:0\n");
}

TEST_F(DriveSurveyTest, AFailedSizeQueryShowsZeros) {
    AddDrive('N', 4, {0, 8, 512, 10, 20});
    EXPECT_EQ(Report(), "Drive N type:NETWORK  Disk Space:0  Free:0\n");
}

TEST_F(DriveSurveyTest, NoDrivesNoLines) { EXPECT_EQ(Report(), ""); }

}  // namespace
