#include <gtest/gtest.h>

#include "records/decimal_text.h"
#include "records/figure_text.h"
#include "records/setting_value.h"
#include "records/store_location.h"

namespace tallowen {
namespace {

TEST(DecimalTextTest, WritesAndReadsNumbersWithADecimalPoint) {
    EXPECT_EQ(decimalText(625, 1), "62.5");
    EXPECT_EQ(decimalText(600, 1), "60");
    EXPECT_EQ(decimalText(5714, 2), "57.14");
    EXPECT_EQ(decimalText(5710, 2), "57.1");
    EXPECT_EQ(decimalText(5, 2), "0.05");
    EXPECT_EQ(decimalText(-5, 1), "-0.5");
    EXPECT_EQ(tenthsOf("62.5"), 625);
    EXPECT_EQ(tenthsOf(" 60 "), 600);
    EXPECT_EQ(tenthsOf("-0.5"), -5);
    for (const char* bad : {"", "62.55", "6,5", "x", "5.", ".5", "--5"}) EXPECT_FALSE(tenthsOf(bad)) << bad;
    EXPECT_EQ(leadingInteger("  12abc"), 12);
    EXPECT_EQ(leadingInteger("-3"), -3);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_EQ(leadingInteger(std::string("10\0", 3)), 10);
}

TEST(FigureTextTest, LettersDecodeToTheTopOfTheirBand) {
    const StoredFigure red = decodeFigureText("AEE1");
    EXPECT_EQ(red.colour, rgb(255, 15, 15));
    EXPECT_EQ(red.code, "1");
    EXPECT_EQ(decodeFigureText("BCD7").colour, rgb(195, 135, 75));
    EXPECT_EQ(decodeFigureText("aZ@8").colour, rgb(0, 0, 255));
    EXPECT_EQ(decodeFigureText("AB").code, "");
}

TEST(SettingValueTest, TextFormsOfValues) {
    EXPECT_EQ(settingText(SettingValue{}), "");
    EXPECT_EQ(settingText(std::int32_t{-4}), "-4");
    EXPECT_EQ(storedText(std::string("Eva\0", 4)), "Eva");
    EXPECT_FALSE(storedText(std::int32_t{1}));
    EXPECT_EQ(listText(std::string("AEE1\0", 5)), "AEE1");
    EXPECT_EQ(integerOf(SettingValue{}), 0);
    EXPECT_EQ(integerOf(std::string("+7")), 7);
    EXPECT_FALSE(integerOf(std::string("7.5")));
    EXPECT_FALSE(integerOf(std::string("99999999999")));
}

TEST(StoreLocationTest, CommandLineThenVariableThenDataHome) {
    EXPECT_EQ(storePath("/a/s.db", "/b/s.db", "/x", "/home/u"), "/a/s.db");
    EXPECT_EQ(storePath(std::nullopt, "/b/s.db", "/x", "/home/u"), "/b/s.db");
    EXPECT_EQ(storePath(std::nullopt, "", "/x", "/home/u"), "/x/tallowen/settings.sqlite3");
    EXPECT_EQ(storePath(std::nullopt, nullptr, nullptr, "/home/u"), "/home/u/.local/share/tallowen/settings.sqlite3");
    EXPECT_EQ(storePath(std::nullopt, nullptr, "", "/home/u"), "/home/u/.local/share/tallowen/settings.sqlite3");
}

}  // namespace
}  // namespace tallowen
