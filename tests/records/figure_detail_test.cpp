#include "records/figure_detail.h"

#include <gtest/gtest.h>

#include "records/setting_paths.h"
#include "test_store.h"

namespace tallowen {
namespace {

// The detail and whether the person was told, read as the game window does at its start.
std::pair<int, bool> read(SettingsStore& settings) {
    const FigureDetailRead read = readFigureDetail(settings);
    if (!read.message) return {read.FigureDetail, false};
    EXPECT_EQ(*read.message, (UserMessage{"Apologize my English, please.", "Aldar Brenholt"}));
    return {read.FigureDetail, true};
}

TEST(FigureDetailTest, StoredLevelsGiveTheDetailAndOthersAreRepaired) {
    testing::TempDir dir;
    SettingsStore settings(dir / "s.sqlite3");
    settings.CreateSettingKey(kProgramKey);
    const int detail[] = {0, 0, 1, 1, 1, 2, 2, 2, 3, 3};
    for (int level = 1; level <= 10; ++level) {
        settings.WriteSetting(kProgramKey, kFigureDetailValue, std::to_string(level), kTextType);
        EXPECT_EQ(read(settings), std::make_pair(detail[level - 1], false)) << level;
    }
    settings.WriteSetting(kProgramKey, kFigureDetailValue, std::int32_t{10}, kIntType);
    EXPECT_EQ(read(settings).first, 3);

    for (const char* bad : {"absent", "0", "11", "abc"}) {
        if (bad == std::string("absent"))
            settings.DeleteSettingKey(kProgramKey);
        else
            settings.WriteSetting(kProgramKey, kFigureDetailValue, std::string(bad), kTextType);
        const SettingValue before = settings.ReadSetting(kProgramKey, kFigureDetailValue);
        EXPECT_EQ(read(settings), std::make_pair(2, true)) << bad;
        EXPECT_EQ(settings.ReadSetting(kProgramKey, kFigureDetailValue), before) << bad;  // told first
        EXPECT_EQ(read(settings), std::make_pair(2, true)) << bad;
        repairFigureDetail(settings);
        EXPECT_EQ(settings.ReadSetting(kProgramKey, kFigureDetailValue), SettingValue(std::string("5\0", 2))) << bad;
        EXPECT_EQ(read(settings), std::make_pair(1, false)) << bad;  // the repaired value, at the next start
    }
}

}  // namespace
}  // namespace tallowen
