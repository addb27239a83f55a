#include "records/settings_store.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace tallowen {
namespace {

using testing::TempDir;

constexpr const char* kKey = "Software\\Brenholt\\Tallowen";

class SettingsStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    SettingsStore store{dir / "settings.sqlite3"};
};

TEST_F(SettingsStoreTest, MissingKeysAndValuesReadAsEmpty) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting("Software\\Nowhere", "x")));
    EXPECT_EQ(settingText(store.ReadSetting("Software\\Nowhere", "x")), "");
    store.CreateSettingKey(kKey);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting(kKey, "absent")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting(kKey, "")));
    EXPECT_TRUE(store.takeMessages().empty());
}

TEST_F(SettingsStoreTest, TextsReadBackWithOneNulAndIntegersAsThemselves) {
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "name", std::string("abc"), kTextType);
    const SettingValue text = store.ReadSetting(kKey, "name");
    ASSERT_TRUE(std::holds_alternative<std::string>(text));
    EXPECT_EQ(std::get<std::string>(text), std::string("abc\0", 4));
    EXPECT_EQ(storedText(text), "abc");

    store.WriteSetting(kKey, "zero", std::int32_t{0}, kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "zero")), 0);
    store.WriteSetting(kKey, "low", std::int32_t{-2147483647 - 1}, kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "low")), -2147483647 - 1);

    // The empty text is a present value: it reads as its terminator alone.
    store.WriteSetting(kKey, "blank", std::string(), kTextType);
    EXPECT_EQ(settingText(store.ReadSetting(kKey, "blank")), std::string(1, '\0'));
}

TEST_F(SettingsStoreTest, ValuesConvertToTheTypeTheyAreWrittenAs) {
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "n", std::string(" 42 "), kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "n")), 42);
    store.WriteSetting(kKey, "t", std::int32_t{7}, kTextType);
    EXPECT_EQ(storedText(store.ReadSetting(kKey, "t")), "7");
    // A text that holds no number is not written as an integer; the old value stays.
    store.WriteSetting(kKey, "n", std::string("many"), kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "n")), 42);
    // Rewriting with the other type replaces the value.
    store.WriteSetting(kKey, "n", std::string("forty-two"), kTextType);
    EXPECT_EQ(storedText(store.ReadSetting(kKey, "n")), "forty-two");
}

TEST_F(SettingsStoreTest, OtherTypeCodesAndMissingKeysWriteNothing) {
    store.WriteSetting(kKey, "x", std::string("lost"), kTextType);
    EXPECT_FALSE(store.openKey(kKey));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting(kKey, "x")));

    store.CreateSettingKey(kKey);
    const auto key = store.openKey(kKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(store.WriteOpenValue(*key, "x", 3, std::string("binary")), kStoreOk);
    SettingValue out = std::int32_t{99};
    EXPECT_EQ(store.ReadOpenValue(*key, "x", out), kStoreMissing);
    EXPECT_EQ(storedInt(out), 99);  // untouched
    EXPECT_EQ(store.WriteOpenValue(*key, "x", kTextType, std::string("kept")), kStoreOk);
    EXPECT_EQ(store.ReadOpenValue(*key, "x", out), kStoreOk);
    EXPECT_EQ(storedText(out), "kept");
}

TEST_F(SettingsStoreTest, CreatingKeysMakesTheWholePathAndKeepsValues) {
    store.CreateSettingKey("Software\\Brenholt\\Tallowen\\HracíPole\\07");
    EXPECT_TRUE(store.openKey("Software\\Brenholt"));
    EXPECT_TRUE(store.openKey("Software\\Brenholt\\Tallowen\\HracíPole\\"));
    store.WriteSetting("Software\\Brenholt\\Tallowen\\HracíPole\\07", "Mapa", std::string("XX+-"), kTextType);
    store.CreateSettingKey("Software\\Brenholt\\Tallowen\\HracíPole\\07");
    EXPECT_EQ(storedText(store.ReadSetting("Software\\Brenholt\\Tallowen\\HracíPole\\07", "Mapa")), "XX+-");
}

TEST_F(SettingsStoreTest, DeletingAKeyRemovesItsWholeTreeAndNothingBeside) {
    for (const char* key : {"Software\\Brenholt\\Tallowen\\Hry\\00001", "Software\\Brenholt\\Tallowen\\Hry\\00002",
                            "Software\\Brenholt\\Tallowen\\Hry2", "Software\\Brenholt\\Tallowen\\HracíPole\\01"}) {
        store.CreateSettingKey(key);
        store.WriteSetting(key, "", std::string("v"), kTextType);
    }
    store.DeleteSettingKey("Software\\Brenholt\\Tallowen\\Hry");
    EXPECT_FALSE(store.openKey("Software\\Brenholt\\Tallowen\\Hry"));
    EXPECT_FALSE(store.openKey("Software\\Brenholt\\Tallowen\\Hry\\00002"));
    EXPECT_EQ(storedText(store.ReadSetting("Software\\Brenholt\\Tallowen\\Hry2", "")), "v");
    EXPECT_EQ(storedText(store.ReadSetting("Software\\Brenholt\\Tallowen\\HracíPole\\01", "")), "v");
    // Deleting again, or a key that never was, does nothing.
    store.DeleteSettingKey("Software\\Brenholt\\Tallowen\\Hry");
    store.DeleteSettingKey("Software\\Never");
    EXPECT_TRUE(store.takeMessages().empty());
    // A recreated key starts without the old values.
    store.CreateSettingKey("Software\\Brenholt\\Tallowen\\Hry\\00001");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting("Software\\Brenholt\\Tallowen\\Hry\\00001", "")));
}

TEST_F(SettingsStoreTest, SubKeysAreTheDirectChildrenOnly) {
    store.CreateSettingKey("A\\B\\c1\\deep");
    store.CreateSettingKey("A\\B\\c2");
    store.CreateSettingKey("A\\Bc");
    EXPECT_EQ(store.SubKeys("A\\B"), (std::vector<std::string>{"c1", "c2"}));
    EXPECT_EQ(store.SubKeys("A"), (std::vector<std::string>{"B", "Bc"}));
    EXPECT_TRUE(store.SubKeys("A\\B\\c2").empty());
}

TEST_F(SettingsStoreTest, ValuesSurviveReopeningWithAccentedNames) {
    {
        SettingsStore writer(dir / "other.sqlite3");
        writer.CreateSettingKey(kKey);
        writer.WriteSetting(kKey, "GrafickáPropracovanostFigurek", std::string("Hráč ♞"), kTextType);
        writer.WriteSetting(kKey, "PočetTahů", std::int32_t{42}, kIntType);
    }
    SettingsStore reader(dir / "other.sqlite3");
    EXPECT_EQ(storedText(reader.ReadSetting(kKey, "GrafickáPropracovanostFigurek")), "Hráč ♞");
    EXPECT_EQ(storedInt(reader.ReadSetting(kKey, "PočetTahů")), 42);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(reader.ReadSetting(kKey, "PocetTahu")));
    EXPECT_TRUE(reader.persistent());
    EXPECT_TRUE(reader.takeMessages().empty());
}

TEST_F(SettingsStoreTest, ATransactionThatGivesUpChangesNothing) {
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "v", std::int32_t{1}, kIntType);
    EXPECT_FALSE(store.transaction([&] {
        store.WriteSetting(kKey, "v", std::int32_t{2}, kIntType);
        store.CreateSettingKey("Software\\Other");
        store.DeleteSettingKey(kKey);
        return false;
    }));
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "v")), 1);
    EXPECT_FALSE(store.openKey("Software\\Other"));
    EXPECT_TRUE(store.transaction([&] {
        store.WriteSetting(kKey, "v", std::int32_t{3}, kIntType);
        return true;
    }));
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "v")), 3);
}

}  // namespace
}  // namespace tallowen
