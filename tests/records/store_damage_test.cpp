#include <sqlite3.h>

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/settings_store.h"
#include "refuse_writes.h"
#include "temp_dir.h"

namespace tallowen {
namespace {

using ::testing::HasSubstr;
using testing::TempDir;

constexpr const char* kKey = "Software\\Brenholt\\Tallowen";

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::filesystem::path> damagedCopies(const TempDir& dir) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().find(".damaged-") != std::string::npos) found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(StoreDamageTest, AFileThatIsNoDatabaseIsKeptAsideAndAFreshOneStarted) {
    TempDir dir;
    const auto file = dir / "settings.sqlite3";
    const std::string garbage(3000, 'G');
    writeFile(file, garbage);

    SettingsStore store(file);
    const auto aside = damagedCopies(dir);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(readFile(aside[0]), garbage);

    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr(file.string()));
    EXPECT_THAT(messages[0].text, HasSubstr(aside[0].string()));

    EXPECT_TRUE(store.persistent());
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "v", std::string("fresh"), kTextType);
    SettingsStore again(file);
    EXPECT_EQ(storedText(again.ReadSetting(kKey, "v")), "fresh");
    EXPECT_TRUE(again.takeMessages().empty());
}

TEST(StoreDamageTest, ADatabaseWithCorruptPagesIsKeptAside) {
    TempDir dir;
    const auto file = dir / "settings.sqlite3";
    {
        SettingsStore store(file);
        for (int i = 0; i < 200; ++i) {
            const std::string key = std::string(kKey) + "\\Hry\\" + std::to_string(10000 + i);
            store.CreateSettingKey(key);
            store.WriteSetting(key, "", std::string(100, 'x'), kTextType);
        }
    }
    // Overwrite the middle of the file, past the header, with noise.
    std::string bytes = readFile(file);
    ASSERT_GT(bytes.size(), 8192u);
    for (std::size_t i = 4096; i < bytes.size() - 1024; ++i) bytes[i] = static_cast<char>(i * 7919 % 251);
    writeFile(file, bytes);

    SettingsStore store(file);
    ASSERT_EQ(damagedCopies(dir).size(), 1u);
    EXPECT_EQ(readFile(damagedCopies(dir)[0]), bytes);
    EXPECT_EQ(store.takeMessages().size(), 1u);
    EXPECT_TRUE(store.SubKeys(std::string(kKey) + "\\Hry").empty());
}

TEST(StoreDamageTest, AnotherProgramsDatabaseIsNotTakenOver) {
    TempDir dir;
    const auto file = dir / "settings.sqlite3";
    sqlite3* raw = nullptr;
    sqlite3_open(file.c_str(), &raw);
    sqlite3_exec(raw, "CREATE TABLE setting_values (x INTEGER); INSERT INTO setting_values VALUES (1);", nullptr,
                 nullptr, nullptr);
    sqlite3_close(raw);

    SettingsStore store(file);
    EXPECT_EQ(damagedCopies(dir).size(), 1u);
    EXPECT_EQ(store.takeMessages().size(), 1u);
    store.CreateSettingKey(kKey);
    EXPECT_TRUE(store.openKey(kKey));
}

TEST(StoreDamageTest, AStoreThatCannotBeOpenedRunsInMemoryAndSaysSo) {
    TempDir dir;
    const auto file = dir / "a-folder";
    std::filesystem::create_directory(file);
    SettingsStore store(file);
    EXPECT_FALSE(store.persistent());
    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr(file.string()));
    EXPECT_TRUE(std::filesystem::is_directory(file));

    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "v", std::int32_t{5}, kIntType);
    EXPECT_EQ(storedInt(store.ReadSetting(kKey, "v")), 5);
}

TEST(StoreDamageTest, AFailedWriteIsReportedOnceAndChangesNothing) {
    TempDir dir;
    const auto file = dir / "settings.sqlite3";
    {
        SettingsStore store(file);
        store.CreateSettingKey(kKey);
        store.WriteSetting(kKey, "v", std::string("before"), kTextType);
    }
    testing::refuseWrites(file, "1");
    SettingsStore store(file);
    EXPECT_TRUE(store.takeMessages().empty());
    store.WriteSetting(kKey, "v", std::string("after"), kTextType);
    store.WriteSetting(kKey, "w", std::string("after"), kTextType);
    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr("Could not write"));
    EXPECT_THAT(messages[0].text, HasSubstr(file.string()));
    EXPECT_EQ(storedText(store.ReadSetting(kKey, "v")), "before");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(store.ReadSetting(kKey, "w")));
    EXPECT_EQ(damagedCopies(dir).size(), 0u);
}

}  // namespace
}  // namespace tallowen
