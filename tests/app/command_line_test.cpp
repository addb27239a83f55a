#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>

#include "../records/test_store.h"
#include "app/command_line.h"
#include "engine/game_window.h"
#include "engine/player_names.h"
#include "setup/field_library.h"

namespace tallowen {
namespace {

ParsedCommandLine parse(std::vector<std::string> args) { return parseCommandLine(args); }

TEST(CommandLine, ChoosesTheGameAndRefusesWhatItCannotUse) {
    const CommandLine defaults = parse({}).options;
    EXPECT_EQ(defaults.rule, MoveRule::Star);
    EXPECT_EQ(defaults.names, (std::array<std::string, 2>{"Player 1", "Player 2"}));
    EXPECT_EQ(defaults.times, (std::array<int, 2>{0, 0}));
    EXPECT_FALSE(defaults.gameOptions);
    const CommandLine stored = parse({"--store=/x", "--help"}).options;
    EXPECT_EQ(stored.store, "/x");
    EXPECT_TRUE(stored.help);
    EXPECT_FALSE(stored.gameOptions);  // the setup window opens
    EXPECT_TRUE(parse({"--p2", "Player 2"}).options.gameOptions);
    // Every thinking time the usage lists, none to 10 minutes.
    for (int time = 0; time <= 4; ++time) {
        const ParsedCommandLine p = parse({"--time1", std::to_string(time), "--time2=" + std::to_string(4 - time)});
        EXPECT_FALSE(p.error) << time;
        EXPECT_EQ(p.options.times, (std::array<int, 2>{time, 4 - time}));
    }

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--colour", "red"}, {"--time1", "5"}, {"--rule", "diagonal"}, {"--p1"},
          {"--game", "XXXX3"}, {"--field", "Original", "--game", "+XX-1"}, {"--p1", "A", "--p1", "B"}, {"stray"},
          {"--field", ""}, {"--store="}, {"--game", "--p1"}}) {
        const ParsedCommandLine p = parse(bad);
        ASSERT_TRUE(p.error) << bad[0];
        EXPECT_EQ(p.error->find('\n'), std::string::npos) << *p.error;
    }
    // A value is never empty or an option, and a name is what the setup window's name box takes.
    const std::string longest = "Žofie " + std::string(kMostNameCharacters - 6, 'x');
    EXPECT_EQ(parse({"--p1", longest, "--p2=Eva Nováková"}).options.names, (std::array<std::string, 2>{longest, "Eva Nováková"}));
    EXPECT_EQ(parse({"--p1", "--p2", "Bob"}).error, "--p1 needs a value");
    EXPECT_EQ(parse({"--p1=--p2", "Bob"}).error, "--p1 needs a value, not the option '--p2'");
    EXPECT_EQ(parse({"--store", ""}).error, "--store is given an empty value");
    EXPECT_EQ(parse({"--p2", longest + "y"}).error,
              "--p2 takes at most " + std::to_string(kMostNameCharacters) + " characters, not '" + longest + "y'");
    EXPECT_EQ(parse({"--p1", std::string(128 * 1024, 'A')}).error,
              "--p1 takes at most " + std::to_string(kMostNameCharacters) + " characters, not '" + std::string(60, 'A') +
                  "'... (131072 bytes)");
    EXPECT_EQ(parse({"--p1", "Ev\xe9"}).error, "--p1 takes printable text in UTF-8, not 'Ev\\xe9'");
    EXPECT_EQ(parse({"--p2", "Eva\tAdam"}).error, "--p2 takes printable text in UTF-8, not 'Eva\\tAdam'");
    // What the message repeats of the input cannot reach the terminal as control characters.
    EXPECT_EQ(parse({"--rule", "st\x1b[2Jar"}).error, "the rule is star or cross, not 'st\\x1b[2Jar'");
    EXPECT_EQ(parse({"--help", "--vers\xe9on"}).error, "unknown option '--vers\\xe9on'");
    EXPECT_EQ(parse({"line\nbreak"}).error, "unexpected argument 'line\\nbreak'");

    // Any one display will do; with none at all the program says how to run it (below).
    EXPECT_TRUE(noDisplayMessage("", "", ""));
    EXPECT_FALSE(noDisplayMessage(":0", nullptr, nullptr) || noDisplayMessage(nullptr, "wayland-0", nullptr) ||
                 noDisplayMessage(nullptr, nullptr, "offscreen"));
}

TEST(CommandLine, HandsTheGameOverAsTheSetupWindowDoes) {
    testing::TempDir dir;
    SettingsStore store(dir / "settings.sqlite3");
    FieldLibrary library(store);
    CommandLine options = parse({"--field", "Quick atack", "--p1", "pc genius", "--p2", "PC Genius", "--time1", "2",
                                 "--time2", "3", "--rule=cross"})
                              .options;
    const HandOverResult result = handOver(options, library);
    ASSERT_TRUE(result.game);
    const GameHandOver& g = *result.game;
    EXPECT_EQ(g.Label2, "Tallowen - Quick atack");
    EXPECT_EQ(g.Label4.back(), '1');
    EXPECT_EQ(g.Label5, ":-) genius") << "a person never passes for the computer";
    EXPECT_EQ(g.Label6, "PC Genius");
    EXPECT_EQ(g.Label8, "2");
    EXPECT_EQ(g.setup.Option19, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(g.setup.Combo1, (std::array<int, 2>{2, 0})) << "the computer has no thinking time";

    options.field = "Nowhere";
    EXPECT_EQ(handOver(options, library).error,
              "unknown field 'Nowhere' (the library holds 'Original', 'Draughts', 'Quick atack', 'Big battle')");
    options.field.reset();
    options.game = "+XX" "XXX" "XX-" "2";
    EXPECT_EQ(handOver(options, library).game->Label4, "+XXXXXXX-2");
    EXPECT_EQ(handOver(options, library).game->Label2, "Tallowen - Custom field");
}

TEST(CommandLine, HostsOrJoinsWithTheOptionsEachSideMayChoose) {
    const NetworkStart host = *parse({"--host"}).options.network;
    EXPECT_TRUE(host.host);
    EXPECT_EQ(host.port, 47256);
    EXPECT_FALSE(host.code);
    const CommandLine chosen = parse({"--host", "5000", "--code", "012345", "--field", "Quick atack", "--p1", "Ann"}).options;
    EXPECT_EQ(chosen.network->port, 5000);
    EXPECT_EQ(chosen.network->code, "012345");
    EXPECT_EQ(parse({"--host", "--p1", "Ann"}).options.network->port, 47256);  // the port may be left out
    const NetworkStart join = *parse({"--join", "[::1]:5000", "--code", "999999", "--p2", "Eva"}).options.network;
    EXPECT_FALSE(join.host);
    EXPECT_EQ(join.address, "[::1]:5000");
    EXPECT_EQ(join.code, "999999");

    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--host", "0"}, "a port is a number 1 ... 65535, not '0'"},
        {{"--host", "65536"}, "a port is a number 1 ... 65535, not '65536'"},
        {{"--host="}, "--host is given an empty value"},
        {{"--join", "host", "--code", "12345"}, "the code is six digits, not '12345'"},
        {{"--join", "host"}, "--join needs --code, the host's six digits"},
        {{"--code", "123456"}, "--code goes with --host or --join"},
        {{"--host", "--join", "h", "--code", "123456"}, "give either --host or --join, not both"},
        {{"--join", "h", "--code", "123456", "--field", "Original"}, "--field cannot go with --join: the host chooses the game"},
        {{"--host", "--p2", "Eva"}, "--p2 cannot go with --host: the other player chooses their own name"},
        {{"--host", "--game", "+X-X1"}, "--game cannot go with --host: a hosted game is played on a field of the library (--field)"},
    };
    for (const auto& [args, error] : bad) EXPECT_EQ(parse(args).error, error) << args[0];
    EXPECT_TRUE(parse({"--join", "a:b:c:99999", "--code", "123456"}).error);
}

// Runs tallowen with a clean environment plus `env`; its standard error and exit code.
std::pair<std::string, int> runTallowen(const std::string& env, const std::string& arguments) {
    FILE* pipe = popen(("env -i " + env + " " + TALLOWEN_PATH + " " + arguments + " 2>&1 >/dev/null").c_str(), "r");
    std::string err;
    for (int c; (c = fgetc(pipe)) != EOF;) err += static_cast<char>(c);
    const int status = pclose(pipe);
    return {err, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(CommandLine, TheProgramEndsWithOneLineAndCodeTwoBeforeAnyWindow) {
    testing::TempDir dir;
    const std::string store = "--store " + (dir / "s.sqlite3").string();
    for (const auto& [env, args] : {std::pair<std::string, std::string>{"QT_QPA_PLATFORM=offscreen", "--time1 9"},
                                    {"QT_QPA_PLATFORM=offscreen", store + " --field Nowhere"},
                                    {"QT_QPA_PLATFORM=offscreen", store + " --p1 --p2 Bob"},
                                    {"QT_QPA_PLATFORM=offscreen", "--store ''"},
                                    {"QT_QPA_PLATFORM=offscreen", store + " --host --field Nowhere"},
                                    {"QT_QPA_PLATFORM=offscreen", "--join 'bad host' --code 123456"},
                                    {"", store}}) {
        const auto [err, code] = runTallowen(env, args);
        EXPECT_EQ(code, 2) << args;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(err.rfind("tallowen: ", 0), 0u) << err;
    }
}

}  // namespace
}  // namespace tallowen
