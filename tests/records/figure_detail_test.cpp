#include "records/figure_detail.h"

#include <gtest/gtest.h>

#include "records/setting_paths.h"
#include "temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;

class FigureDetailTest : public ::testing::Test {
protected:
    void store(const SettingValue& value, int type) {
        settings.CreateSettingKey(kProgramKey);
        settings.WriteSetting(kProgramKey, kFigureDetailValue, value, type);
    }
    TempDir dir;
    SettingsStore settings{dir / "settings.sqlite3"};
};

TEST_F(FigureDetailTest, StoredLevelsOneToTenGiveTheDetailWithoutAMessage) {
    const int expected[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
    for (int level = 1; level <= 10; ++level) {
        store(std::to_string(level), kTextType);
        const FigureDetailRead read = readFigureDetail(settings);
        EXPECT_EQ(read.FigureDetail, expected[level - 1]) << level;
        EXPECT_FALSE(read.message) << level;
    }
    // The leading digits count; an integer value reads the same.
    store(std::string("7 levels"), kTextType);
    EXPECT_EQ(readFigureDetail(settings).FigureDetail, 2);
    store(std::int32_t{10}, kIntType);
    EXPECT_EQ(readFigureDetail(settings).FigureDetail, 3);
    EXPECT_EQ(settingText(settings.ReadSetting(kProgramKey, kFigureDetailValue)), "10");
}

TEST_F(FigureDetailTest, AMissingOrOutOfRangeLevelIsRepaired) {
    auto expectRepair = [&](const char* what) {
        const FigureDetailRead read = readFigureDetail(settings);
        EXPECT_EQ(read.FigureDetail, 2) << what;
        ASSERT_TRUE(read.message) << what;
        EXPECT_EQ(*read.message, (UserMessage{"Apologize my English, please.", "Aldar Brenholt"}));
        const SettingValue stored = settings.ReadSetting(kProgramKey, kFigureDetailValue);
        EXPECT_EQ(std::get<std::string>(stored), std::string("5\0", 2)) << what;
        // The repaired value takes effect at the next load.
        const FigureDetailRead next = readFigureDetail(settings);
        EXPECT_EQ(next.FigureDetail, 1) << what;
        EXPECT_FALSE(next.message) << what;
    };
    expectRepair("absent");
    for (const char* bad : {"0", "11", "-3", "abc", ""}) {
        store(std::string(bad), kTextType);
        expectRepair(bad);
    }
}

}  // namespace
}  // namespace tallowen
