#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "records/game_records.h"
#include "records/setting_paths.h"
#include "records/settings_store.h"
#include "test_store.h"

namespace tallowen {
namespace {

using ::testing::HasSubstr;
using testing::runSql;
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
    store.CreateSettingKey(kKey);
    EXPECT_TRUE(missing(store.ReadSetting(kKey, "x")));

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
        for (const char* key : {"A\\B\\c1\\deep", "A\\B\\c2", "A\\B1"}) {
            store.CreateSettingKey(key);
            store.WriteSetting(key, "PočetTahů", std::string(key), kTextType);
        }
        store.CreateSettingKey("A\\B1");  // an existing key keeps its values
        EXPECT_EQ(store.SubKeys("A\\B"), (std::vector<std::string>{"c1", "c2"}));
        EXPECT_EQ(store.SubKeys("A"), (std::vector<std::string>{"B", "B1"}));
        const auto gone = store.openKey("A\\B\\c2");
        ASSERT_TRUE(gone);
        store.DeleteSettingKey("A\\B");
        EXPECT_EQ(store.WriteOpenValue(*gone, "v", kTextType, std::string("x")), kStoreMissing);  // a key gone since
        EXPECT_FALSE(store.transaction([&] {
            store.DeleteSettingKey("A");
            return false;
        }));
    }
    SettingsStore store(dir / "s.sqlite3");
    EXPECT_FALSE(store.openKey("A\\B\\c1\\deep"));
    EXPECT_FALSE(store.openKey("A\\B"));
    EXPECT_EQ(storedText(store.ReadSetting("A\\B1", "PočetTahů")), "A\\B1");
    EXPECT_TRUE(store.takeMessages().empty());
}

// A store of `records` game records, written at once.
void storeRecords(const std::filesystem::path& file, int records) {
    SettingsStore store(file);
    store.transaction([&] {
        for (int i = 1; i <= records; ++i) writeRecord(store, i, testing::decidedGame("P" + std::to_string(i), "Q", 40, 24));
        return true;
    });
}

TEST(SettingsStoreTest, ADamagedFileIsKeptAsideAndAFreshStoreStarted) {
    const std::vector<std::function<void(const std::filesystem::path&)>> damages = {
        [](const auto& file) { std::ofstream(file, std::ios::binary) << std::string(3000, 'G'); },
        [](const auto& file) {  // pages past the header overwritten
            storeRecords(file, 40);
            std::string bytes = readFile(file);
            for (std::size_t i = 4096; i + 1024 < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7919 % 251);
            std::ofstream(file, std::ios::binary) << bytes;
        },
        [](const auto& file) {  // one digit of a record's key changed inside a page: the quick check passes
            storeRecords(file, 40);
            std::string bytes = readFile(file);
            bytes[bytes.rfind("Hry\\00012") + 7] = '9';
            std::ofstream(file, std::ios::binary) << bytes;
            ASSERT_EQ(runSql(file, "PRAGMA quick_check"), "ok");
        },
        [](const auto& file) {  // other programs' databases
            runSql(file, "CREATE TABLE setting_values (x INTEGER);");
        },
        [](const auto& file) { runSql(file, "CREATE TABLE other (x); CREATE TABLE setting_keys (path TEXT);"); },
    };
    for (std::size_t d = 0; d < damages.size(); ++d) {
        TempDir dir;
        const auto file = dir / "s.sqlite3";
        damages[d](file);
        const std::string damaged = readFile(file);
        SettingsStore store(file);
        const auto aside = keptAside(dir);
        ASSERT_EQ(aside.size(), 1u) << d;
        const auto messages = store.takeMessages();
        ASSERT_EQ(messages.size(), 1u) << d;
        EXPECT_THAT(messages[0].text, HasSubstr(aside[0].string())) << d;
        EXPECT_TRUE(store.SubKeys("").empty()) << d;
        store.CreateSettingKey(kKey);
        store.WriteSetting(kKey, "v", std::string("fresh"), kTextType);
        SettingsStore again(file);
        EXPECT_EQ(storedText(again.ReadSetting(kKey, "v")), "fresh") << d;
        EXPECT_TRUE(again.takeMessages().empty()) << d;
        EXPECT_EQ(readFile(aside[0]), damaged) << d;
    }
}

// SQLite's damage met by a read or a write after the start is dealt with as at the start: the file is
// kept as it is, what it still holds carried over, the person told, and the new file takes what was to
// be written, also from a second copy that had the damaged file open.
TEST(SettingsStoreTest, DamageMetWhileRunningIsKeptAsideAndWhatWasToBeWrittenGoesToAFreshFile) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    storeRecords(file, 40);
    SettingsStore reader(file), writer(file);
    ASSERT_EQ(recordNumbers(reader).size(), 40u);
    // The keys' root page gets an invalid page type, and the file's change counter moves on so that no
    // copy keeps reading its cached pages.
    std::string bytes = readFile(file);
    const std::size_t root = std::stoul(runSql(file, "SELECT rootpage FROM sqlite_schema WHERE name = 'setting_keys'"));
    bytes[(root - 1) * std::stoul(runSql(file, "PRAGMA page_size"))] = '\x7f';
    ++bytes[27];
    std::ofstream(file, std::ios::binary) << bytes;

    EXPECT_TRUE(recordNumbers(reader).empty());
    const auto aside = keptAside(dir);
    ASSERT_EQ(aside.size(), 1u);
    const auto messages = reader.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr(aside[0].string()));
    EXPECT_THAT(messages[0].text, HasSubstr("40 of 40 stored games were recovered."));

    GameRecords(writer).recordGame(testing::decidedGame("Eva", "Adam", 40, 24));
    GameRecords(reader).recordGame(testing::decidedGame("Ida", "Adam", 40, 24));
    EXPECT_TRUE(writer.takeMessages().empty());
    EXPECT_EQ(readFile(aside[0]), bytes);
    EXPECT_EQ(keptAside(dir).size(), 1u);
    SettingsStore fresh(file);
    EXPECT_EQ(recordNumbers(fresh).size(), 42u);
    EXPECT_EQ(storedText(fresh.ReadSetting(recordKey(41), "Hráč1")), "Eva");
}

// Copies of an older program made the tables one at a time; such a file is ours to complete. A value
// that breaks the table's rules (text where a number belongs, written with the checks off) reads as
// missing and leaves the file in place.
TEST(SettingsStoreTest, AFileWithPartOfTheTablesIsCompletedAndABadValueReadsAsMissing) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    runSql(file, "CREATE TABLE setting_keys (path TEXT PRIMARY KEY) STRICT, WITHOUT ROWID;"
                          "INSERT INTO setting_keys VALUES ('Software');");
    {
        SettingsStore store(file);
        EXPECT_TRUE(store.takeMessages().empty());
        EXPECT_TRUE(store.openKey("Software"));
        store.CreateSettingKey(kKey);
        for (const char* name : {"text", "big", "blob", "type"}) store.WriteSetting(kKey, name, std::int32_t{1}, kIntType);
    }
    runSql(file, "PRAGMA ignore_check_constraints = ON;"
                          "UPDATE setting_values SET value = 'many' WHERE name = 'text';"
                          "UPDATE setting_values SET value = 1099511627776 WHERE name = 'big';"
                          "UPDATE setting_values SET value = x'4142' WHERE name = 'blob';"
                          "UPDATE setting_values SET type = 7 WHERE name = 'type';");
    SettingsStore store(file);
    const auto key = store.openKey(kKey);
    ASSERT_TRUE(key);
    for (const char* name : {"text", "big", "blob", "type"}) {
        SettingValue out = std::int32_t{99};
        EXPECT_EQ(store.ReadOpenValue(*key, name, out), kStoreUnsupportedType) << name;
        EXPECT_EQ(out, SettingValue(std::int32_t{99})) << name;
    }
    EXPECT_TRUE(store.takeMessages().empty());
    EXPECT_TRUE(keptAside(dir).empty());
}

// What a later version adds to the file, and its newer schema version, this one leaves alone: it reads
// and writes the rest, sets nothing aside and says nothing.
TEST(SettingsStoreTest, AFileALaterVersionAddedToIsUsedAndWhatWasAddedLeftAlone) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    storeRecords(file, 3);
    runSql(file, "CREATE TABLE extra (x); INSERT INTO extra VALUES (42); CREATE INDEX extra_x ON extra (x);"
                 "ALTER TABLE setting_values ADD COLUMN later TEXT; CREATE INDEX later_values ON setting_values (later);"
                 "PRAGMA user_version = 7;");
    {
        SettingsStore store(file);
        EXPECT_EQ(recordNumbers(store).size(), 3u);
        GameRecords(store).recordGame(testing::decidedGame("Eva", "Adam", 40, 24));
        EXPECT_EQ(recordNumbers(store).size(), 4u);
        EXPECT_TRUE(store.takeMessages().empty());
    }
    EXPECT_TRUE(keptAside(dir).empty());
    EXPECT_EQ(runSql(file, "SELECT x FROM extra"), "42");
    EXPECT_EQ(runSql(file, "PRAGMA user_version"), "7");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM sqlite_schema WHERE name IN ('extra_x', 'later_values')"), "2");
    EXPECT_EQ(runSql(file, "PRAGMA integrity_check"), "ok");
}

// A file of the version before gains the second copy of the values that salvaging relies on.
TEST(SettingsStoreTest, AnOlderFileGainsTheCopyOfTheValues) {
    TempDir dir;
    const auto file = dir / "s.sqlite3";
    storeRecords(file, 3);
    runSql(file, "DROP INDEX setting_values_copy; PRAGMA user_version = 0;");
    {
        SettingsStore store(file);
        EXPECT_EQ(recordNumbers(store).size(), 3u);
        EXPECT_TRUE(store.takeMessages().empty());
    }
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM sqlite_schema WHERE name = 'setting_values_copy'"), "1");
    EXPECT_EQ(runSql(file, "PRAGMA user_version"), "1");
    EXPECT_EQ(runSql(file, "PRAGMA integrity_check"), "ok");
    EXPECT_TRUE(keptAside(dir).empty());
}

// A store that cannot be opened runs in memory, and a write the file refuses changes nothing: either is
// told once, and no file is set aside.
TEST(SettingsStoreTest, AStoreThatCannotBeOpenedRunsInMemoryAndAFailedWriteChangesNothing) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    SettingsStore memory(dir / "folder");
    EXPECT_FALSE(memory.persistent());
    EXPECT_EQ(memory.takeMessages().size(), 1u);
    memory.CreateSettingKey(kKey);
    memory.WriteSetting(kKey, "v", std::int32_t{5}, kIntType);
    EXPECT_EQ(storedInt(memory.ReadSetting(kKey, "v")), 5);

    const auto file = dir / "s.sqlite3";
    SettingsStore store(file);
    store.CreateSettingKey(kKey);
    store.WriteSetting(kKey, "v", std::string("before"), kTextType);
    testing::refuseWrites(file, "1");
    store.WriteSetting(kKey, "v", std::string("after"), kTextType);
    store.WriteSetting(kKey, "w", std::string("after"), kTextType);
    const auto messages = store.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0].text, HasSubstr("Could not write to the settings file " + file.string()));
    EXPECT_EQ(storedText(store.ReadSetting(kKey, "v")), "before");
    EXPECT_TRUE(missing(store.ReadSetting(kKey, "w")));
    EXPECT_TRUE(keptAside(dir).empty());
}

}  // namespace
}  // namespace tallowen
