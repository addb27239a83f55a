#include "app/command_line.h"

#include <algorithm>
#include <map>

#include "app/option_value.h"
#include "engine/field_strings.h"
#include "engine/game_window.h"
#include "engine/option_word.h"
#include "engine/player_names.h"
#include "engine/quoted_input.h"
#include "net/code_proof.h"
#include "net/join_address.h"
#include "net/protocol.h"
#include "setup/field_library.h"
#include "setup/setup_window.h"

namespace tallowen {

const char* const kUsage =
    "usage: tallowen [--store PATH] [--field NAME | --game GAMESTRING] [--rule star|cross]\n"
    "                [--p1 NAME] [--p2 NAME] [--time1 0..4] [--time2 0..4]\n"
    "       tallowen [--store PATH] --host [PORT] [--code NNNNNN] [--field NAME] [--rule star|cross]\n"
    "                [--p1 NAME] [--time1 0..4] [--time2 0..4]\n"
    "       tallowen [--store PATH] --join HOST[:PORT] --code NNNNNN [--p2 NAME]\n"
    "Without game options the setup window opens. Any of the options below but --store starts a\n"
    "game at once: \"Original\", Star, \"Player 1\" against \"Player 2\", no time limit, unless the\n"
    "options choose otherwise.\n"
    "  --field NAME       a field of the library: \"Original\", \"Draughts\", \"Quick atack\",\n"
    "                     \"Big battle\" or one of your own\n"
    "  --game GAMESTRING  a field string followed by the first mover, 1 or 2\n"
    "  --rule star|cross  the movement rule (star by default)\n"
    "  --p1 NAME, --p2 NAME\n"
    "                     the players; \"PC Beginner\", \"PC Professional\", \"PC Genius\" or\n"
    "                     \"PC Master\" makes that side the computer\n"
    "  --time1 N, --time2 N\n"
    "                     a person's thinking time: 0 none, 1 90, 2 60, 3 30, 4 10 minutes\n"
    "  --host [PORT]      play player 1 against a person at another computer: the setup window\n"
    "                     opens with \"Network\" and \"Host\" chosen, listening on PORT (47256\n"
    "                     by default); the game options fill in its choices\n"
    "  --join HOST[:PORT] play player 2 of the game hosted at HOST (a name, an IPv4 address, an\n"
    "                     IPv6 address, or [IPv6]:PORT); --p2 gives your name\n"
    "  --code NNNNNN      the host's six-digit code (a host makes one up without it)\n"
    "  --store PATH       the settings file (else $TALLOWEN_STORE, else\n"
    "                     $XDG_DATA_HOME/tallowen/settings.sqlite3)\n"
    "  --help, --version\n";

namespace {

// The options that take a value, and what each value may be.
struct ValuedOption {
    std::string_view name;
    ValueRules rules;
};
constexpr ValueRules kName{true, kMostNameCharacters};
constexpr ValuedOption kValued[] = {{"store", {}}, {"field", {true}}, {"game", {}},    {"rule", {}},
                                    {"p1", kName},   {"p2", kName},     {"time1", {}}, {"time2", {}},
                                    {"host", {}},    {"join", {}},      {"code", {}}};

// The game options each side of a network game may give: the host chooses the game, the joiner only
// its own name.
constexpr std::string_view kHostOptions[] = {"field", "rule", "p1", "time1", "time2"};
constexpr std::string_view kJoinOptions[] = {"p2"};

const ValuedOption* valuedOption(std::string_view name) {
    for (const ValuedOption& option : kValued)
        if (option.name == name) return &option;
    return nullptr;
}

constexpr const char* kTitlePrefix = "Tallowen - ";
// The title of a game whose field the library does not hold.
constexpr const char* kUnlistedField = "Custom field";

std::optional<std::string> parseTime(const std::string& text, int& time) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '4') return "a thinking time is 0, 1, 2, 3 or 4, not " + quotedInput(text);
    time = text[0] - '0';
    return std::nullopt;
}

std::optional<std::string> parsePort(const std::string& text, std::uint16_t& port) {
    const bool digits = !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
    const long value = digits ? std::stol(text) : 0;
    if (value < 1 || value > 65535) return "a port is a number 1 ... 65535, not " + quotedInput(text);
    port = static_cast<std::uint16_t>(value);
    return std::nullopt;
}

std::optional<std::string> setNetworkOption(CommandLine& c, const std::string& name, const std::string& value) {
    if (name == "code") {
        if (!net::isCode(value)) return "the code is six digits, not " + quotedInput(value);
        if (!c.network) c.network.emplace();
        c.network->code = value;
        return std::nullopt;
    }
    const bool host = name == "host";
    if (c.network && (!c.network->address.empty() || c.network->port != 0))
        return "give either --host or --join, not both";
    if (!c.network) c.network.emplace();
    c.network->host = host;
    if (host) {
        c.network->port = net::kDefaultPort;
        return value.empty() ? std::nullopt : parsePort(value, c.network->port);
    }
    const net::ParsedJoinAddress parsed = net::parseJoinAddress(value);
    if (!parsed.address) return "bad address " + quotedInput(value) + ": " + parsed.error;
    c.network->address = value;
    return std::nullopt;
}

// What is wrong with the network options as a whole, if anything.
std::optional<std::string> networkError(const CommandLine& c, const std::map<std::string, int>& seen) {
    if (!c.network) return std::nullopt;
    const bool host = c.network->host && c.network->port != 0;
    const bool join = !c.network->address.empty();
    if (!host && !join) return "--code goes with --host or --join";
    if (join && !c.network->code) return "--join needs --code, the host's six digits";
    for (const auto& [name, count] : seen) {
        if (name == "store" || name == "host" || name == "join" || name == "code" || count == 0) continue;
        const auto* begin = host ? std::begin(kHostOptions) : std::begin(kJoinOptions);
        const auto* end = host ? std::end(kHostOptions) : std::end(kJoinOptions);
        if (std::find(begin, end, name) != end) continue;
        const char* why = !host ? "the host chooses the game"
                          : name == "p2" ? "the other player chooses their own name"
                                         : "a hosted game is played on a field of the library (--field)";
        return "--" + name + " cannot go with " + (host ? "--host: " : "--join: ") + why;
    }
    return std::nullopt;
}

std::optional<std::string> setOption(CommandLine& c, const std::string& name, const std::string& value) {
    if (name == "host" || name == "join" || name == "code") return setNetworkOption(c, name, value);
    if (name == "store") c.store = value;
    if (name != "store") c.gameOptions = true;
    if (name == "field") c.field = value;
    if (name == "game") {
        if (auto error = gameStringError(value)) return "bad game string: " + *error;
        c.game = value;
    }
    if (name == "rule") {
        if (value != "star" && value != "cross") return "the rule is star or cross, not " + quotedInput(value);
        c.rule = value == "star" ? MoveRule::Star : MoveRule::Cross;
    }
    if (name == "p1") c.names[0] = value;
    if (name == "p2") c.names[1] = value;
    if (name == "time1") return parseTime(value, c.times[0]);
    if (name == "time2") return parseTime(value, c.times[1]);
    return std::nullopt;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    CommandLine& c = parsed.options;
    std::map<std::string, int> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "--version") {
            (arg == "--help" ? c.help : c.version) = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            parsed.error = "unexpected argument " + quotedInput(arg);
            return parsed;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const ValuedOption* option = valuedOption(name);
        if (!option) {
            parsed.error = "unknown option " + quotedInput("--" + name);
            return parsed;
        }
        // The host's port may be left out.
        const bool omitted = !value && name == "host" && (i + 1 == args.size() || isOptionWord(args[i + 1]));
        if (omitted) value = "";
        if (!value) {
            if (i + 1 == args.size() || isOptionWord(args[i + 1])) {
                parsed.error = "--" + name + " needs a value";
                return parsed;
            }
            value = args[++i];
        }
        if (seen[name]++ > 0) {
            parsed.error = "--" + name + " is given twice";
            return parsed;
        }
        if (auto error = omitted ? std::nullopt : optionValueError(name, *value, option->rules)) {
            parsed.error = error;
            return parsed;
        }
        if (auto error = setOption(c, name, *value)) {
            parsed.error = error;
            return parsed;
        }
    }
    if (c.field && c.game) parsed.error = "give either --field or --game, not both";
    if (auto error = networkError(c, seen)) parsed.error = error;
    return parsed;
}

std::optional<std::string> noDisplayMessage(const char* display, const char* waylandDisplay, const char* platform) {
    const auto set = [](const char* v) { return v && *v; };
    if (set(display) || set(waylandDisplay) || set(platform)) return std::nullopt;
    return "no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set): run it on a desktop, "
           "or under a virtual X server with xvfb-run -a tallowen";
}

HandOverResult handOver(const CommandLine& options, FieldLibrary& library) {
    HandOverResult result;
    FieldHandOver field = library.NajitMapy();
    if (options.field) {
        const auto it = std::find(library.List1.begin(), library.List1.end(), *options.field);
        if (it == library.List1.end()) {
            std::string names;
            for (const std::string& name : library.List1) names += (names.empty() ? "" : ", ") + quotedInput(name);
            result.error = "unknown field " + quotedInput(*options.field) + " (the library holds " + names + ")";
            return result;
        }
        field = *library.List1_Click(static_cast<int>(it - library.List1.begin()));
    }
    GameHandOver game;
    game.Label2 = field.Label2;
    game.Label4 = field.Label4 + "1";
    if (options.game) {
        game.Label4 = *options.game;
        const std::string plain = options.game->substr(0, options.game->size() - 1);
        const auto it = std::find(library.List3.begin(), library.List3.end(), plain);
        game.Label2 = it == library.List3.end() ? std::string(kTitlePrefix) + kUnlistedField
                                                : library.List1_Click(static_cast<int>(it - library.List3.begin()))->Label2;
    }
    game.Label8 = options.rule == MoveRule::Star ? "1" : "2";
    game.setup.Option1 = options.rule == MoveRule::Star;
    for (std::size_t i = 0; i < 2; ++i) {
        // A computer side has no thinking time, as the setup window's "PC" choice sets it.
        const bool computer = computerLevelOfName(options.names[i]) != 0;
        const std::string name = computer ? options.names[i] : startName(options.names[i], static_cast<int>(i) + 1);
        (i == 0 ? game.Label5 : game.Label6) = name;
        game.setup.Option19[i] = !computer;
        game.setup.Combo1[i] = computer ? 0 : options.times[i];
    }
    result.game = game;
    return result;
}

void applyHandOver(const GameHandOver& handOver, GameWindow& game) {
    game.Label2.Caption = handOver.Label2;
    game.Label4 = handOver.Label4;
    game.Label5.Caption = handOver.Label5;
    game.Label6.Caption = handOver.Label6;
    game.Label8 = handOver.Label8;
    game.setup.Combo1 = handOver.setup.Combo1;
    game.setup.Option19 = handOver.setup.Option19;
    game.setup.Option1 = handOver.setup.Option1;
}

std::optional<std::string> presetNetworkSetup(const CommandLine& options, SetupWindow& setup) {
    if (!options.network) return std::nullopt;
    const bool host = options.network->host;
    if (options.field) {
        const auto& names = setup.library.List1;
        const auto it = std::find(names.begin(), names.end(), *options.field);
        if (it == names.end()) return "unknown field " + quotedInput(*options.field);
        setup.List1_Click(static_cast<int>(it - names.begin()));
    }
    if (options.rule == MoveRule::Cross) setup.Option2_Click();
    const int own = host ? 0 : 1;
    const std::string& name = options.names[static_cast<std::size_t>(own)];
    if (const int level = computerLevelOfName(name); level != 0 && host) {
        setup.Option18_Click(0);
        setup.Level_Click(0, level);
    } else if (name != (own == 0 ? "Player 1" : "Player 2")) {
        setup.Text3_Change(own, name);
    }
    if (host)
        for (int i = 0; i < 2; ++i)
            if (options.times[static_cast<std::size_t>(i)] != 0) setup.Combo1_Click(i, options.times[static_cast<std::size_t>(i)]);
    setup.OptionNetwork_Click();
    if (host) {
        setup.Host_Click();
    } else {
        setup.Join_Click();
        setup.Address_Change(options.network->address);
        setup.Code_Change(*options.network->code);
    }
    return std::nullopt;
}

}  // namespace tallowen
