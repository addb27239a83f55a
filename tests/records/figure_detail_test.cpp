#include "records/figure_detail.h"

#include <gtest/gtest.h>

#include "records/setting_paths.h"
#include "test_store.h"

namespace tallowen {
namespace {

TEST(FigureDetailTest, StoredLevelsGiveTheDetailAndOthersAreRepaired) {
    testing::TempDir dir;
    SettingsStore settings(dir / "s.sqlite3");
    settings.CreateSettingKey(kProgramKey);
    const int detail[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
    for (int level = 1; level <= 10; ++level) {
        settings.WriteSetting(kProgramKey, kFigureDetailValue, std::to_string(level), kTextType);
        const FigureDetailRead read = readFigureDetail(settings);
        EXPECT_EQ(read.FigureDetail, detail[level - 1]) << level;
        EXPECT_FALSE(read.message) << level;
    }
    settings.WriteSetting(kProgramKey, kFigureDetailValue, std::int32_t{10}, kIntType);
    EXPECT_EQ(readFigureDetail(settings).FigureDetail, 3);

    for (const char* bad : {"absent", "0", "11", "abc"}) {
        if (bad == std::string("absent"))
            settings.DeleteSettingKey(kProgramKey);
        else
            settings.WriteSetting(kProgramKey, kFigureDetailValue, std::string(bad), kTextType);
        const FigureDetailRead read = readFigureDetail(settings);
        EXPECT_EQ(read.FigureDetail, 2) << bad;
        EXPECT_EQ(read.message, (UserMessage{"Apologize my English, please.", "Aldar Brenholt"})) << bad;
        EXPECT_EQ(settings.ReadSetting(kProgramKey, kFigureDetailValue), SettingValue(std::string("5\0", 2))) << bad;
        // The repaired value takes effect at the next start.
        EXPECT_EQ(readFigureDetail(settings).FigureDetail, 1) << bad;
        EXPECT_FALSE(readFigureDetail(settings).message) << bad;
    }
}

}  // namespace
}  // namespace tallowen
