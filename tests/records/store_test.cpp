#include <sqlite3.h>

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/settings_store.h"
#include "test_store.h"

namespace tallowen {
namespace {

using ::testing::HasSubstr;
using testing::TempDir;

constexpr const char* kKey = "Software\\Brenholt\\Tallowen";

bool missing(const SettingValue& value) { return std::holds_alternative<std::monostate>(value); }

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> keptAside(const TempDir& dir) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) found.push_back(entry.path());
    return found;
}

TEST(SettingsStoreTest, MissingReadsEmptyATextReadsBackWithOneNulAndOnlyTwoTypesAreWritten) {
    TempDir dir;
    SettingsStore store(dir / "s.sqlite3");
    store.WriteSetting(kKey, "x", std::string("lost"), kTextType);  // no key: nothing is written
    EXPECT_FALSE(store.openKey(kKey));
    EXPECT_TRUE(missing(store.ReadSetting(kKey, "x")));
    store.CreateSettingKey(kKey);
    EXPECT_TRUE(missing(store.ReadSetting(kKey, "")));

    store.WriteSetting(kKey, "Hráč1", std::string("Eva"), kTextType);
    EXPECT_EQ(std::get<std::string>(store.ReadSetting(kKey, "Hráč1")), std::string("Eva\0", 4));
    store.WriteSetting(kKey, "blank", std::string(), kTextType);
    EXPECT_EQ(std::get<std::string>(store.ReadSetting(kKey, "blank")), std::string(1, '\0'));
    store.WriteSetting(kKey, "low", std::int32_t{-2147483647 - 1}, kIntType);
    EXPECT_EQ(std::get<std::int32_t>(store.ReadSetting(kKey, "low")), -2147483647 - 1);
    // A value takes the type it is written as; a text holding no number is no integer.
    store.WriteSetting(kKey, "n", std::string(" 42 "), kIntType);
    store.WriteSetting(kKey, "n", std::string("many"), kIntType);
    EXPECT_EQ(std::get<std::int32_t>(store.ReadSetting(kKey, "n")), 42);

    const auto key = store.openKey(kKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(store.WriteOpenValue(*key, "b", 3, std::string("binary")), kStoreOk);
    SettingValue out = std::int32_t{99};
    EXPECT_EQ(store.ReadOpenValue(*key, "b", out), kStoreMissing);
    EXPECT_EQ(std::get<std::int32_t>(out), 99);
    EXPECT_TRUE(store.takeMessages().empty());
}

TEST(SettingsStoreTest, KeysFormTreesKeptAcrossRuns) {
    TempDir dir;
    {
        SettingsStore store(dir / "s.sqlite3");
        for (const char* key : {"A\\B\\c1\\deep", "A\\B\\c2", "A\\Bc"}) {
            store.CreateSettingKey(key);
            store.WriteSetting(key, "PočetTahů", std::string(key), kTextType);
        }
        store.CreateSettingKey("A\\Bc");  // an existing key keeps its values
        EXPECT_EQ(store.SubKeys("A\\B"), (std::vector<std::string>{"c1", "c2"}));
        EXPECT_EQ(store.SubKeys("A"), (std::vector<std::string>{"B", "Bc"}));
        store.DeleteSettingKey("A\\B");
        EXPECT_FALSE(store.transaction([&] {
            store.DeleteSettingKey("A");
            return false;
        }));
    }
    SettingsStore store(dir / "s.sqlite3");
    EXPECT_FALSE(store.openKey("A\\B\\c1\\deep"));
    EXPECT_FALSE(store.openKey("A\\B"));
    EXPECT_EQ(storedText(store.ReadSetting("A\\Bc", "PočetTahů")), "A\\Bc");
    EXPECT_TRUE(store.takeMessages().empty());
}

TEST(SettingsStoreTest, ADamagedFileIsKeptAsideAndAFreshStoreStarted) {
    const std::vector<std::function<void(const std::filesystem::path&)>> damages = {
        [](const auto& file) { std::ofstream(file, std::ios::binary) << std::string(3000, 'G'); },
        [](const auto& file) {  // pages past the header overwritten
            {
                SettingsStore store(file);
                store.CreateSettingKey(kKey);
                for (int i = 0; i < 200; ++i) store.WriteSetting(kKey, std::to_string(i), std::string(100, 'x'), kTextType);
            }
            std::string bytes = readFile(file);
            for (std::size_t i = 4096; i + 1024 < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7919 % 251);
            std::ofstream(file, std::ios::binary) << bytes;
        },
        [](const auto& file) {  // another program's database
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            sqlite3_exec(db, "CREATE TABLE setting_values (x INTEGER);", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        },
    };
    for (std::size_t d = 0; d < damages.size(); ++d) {
        TempDir dir;
        const auto file = dir / "s.sqlite3";
        damages[d](file);
        const std::string damaged = readFile(file);
        SettingsStore store(file);
        const auto aside = keptAside(dir);
        ASSERT_EQ(aside.size(), 1u) << d;
        EXPECT_EQ(readFile(aside[0]), damaged) << d;
        const auto messages = store.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << d;
        EXPECT_THAT(messages[0].text, HasSubstr(aside[0].string())) << d;
        EXPECT_TRUE(missing(store.ReadSetting(kKey, "0"))) << d;
        store.CreateSettingKey(kKey);
        store.WriteSetting(kKey, "v", std::string("fresh"), kTextType);
        SettingsStore again(file);
        EXPECT_EQ(storedText(again.ReadSetting(kKey, "v")), "fresh") << d;
        EXPECT_TRUE(again.takeMessages().empty()) << d;
    }
}

TEST(SettingsStoreTest, AStoreThatCannotBeOpenedRunsInMemoryAndSaysSo) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    SettingsStore store(dir / "folder");
    EXPECT_FALSE(store.persistent());
    EXPECT_EQ(store.takeMessages().size(), 1u);
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "v", std::int32_t{5}, kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "v")), 5);
}

TEST(SettingsStoreTest, AFailedWriteIsReportedOnceAndChangesNothing) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    {
        SettingsStore store(file);
        store.CreateSettingKey(kKey);
        store.WriteSetting(kKey, "v", std::string("before"), kTextType);
    }
    testing::refuseWrites(file, "1");
    SettingsStore store(file);
    store.WriteSetting(kKey, "v", std::string("after"), kTextType);
    store.WriteSetting(kKey, "w", std::string("after"), kTextType);
    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr("Could not write"));
    EXPECT_THAT(messages[0].text, HasSubstr(file.string()));
    EXPECT_EQ(storedText(store.ReadSetting(kKey, "v")), "before");
    EXPECT_TRUE(missing(store.ReadSetting(kKey, "w")));
    EXPECT_TRUE(keptAside(dir).empty());
}

}  // namespace
}  // namespace tallowen
