#include <QCoreApplication>
#include <iostream>

#include "cli/arguments.h"
#include "cli/built_in_game.h"
#include "cli/commands.h"
#include "cli/computer_host.h"
#include "engine/quoted_input.h"
#include "engine/player_names.h"
#include "net/code_proof.h"
#include "net/protocol.h"
#include "setup/built_in_fields.h"

namespace tallowen::cli {

namespace {

constexpr Option kOptions[] = {{"level"}, {"port"}, {"code"}, {"field"}, {"game"}, {"rule"}, {"games"}};

// The built-in field's name for a game string of one, else nothing.
std::string builtInName(const std::string& gameString) {
    for (const BuiltInField& f : builtInFields())
        if (f.field + gameString.back() == gameString) return f.name;
    return {};
}

}  // namespace

int runHost(int argc, char** argv) {
    const Arguments args = parseArguments(argc, argv, kOptions);
    refuseExtraPositional(args, 0);
    HostedGame hosted;
    requiredOption(args, "level");
    hosted.level = intOption(args, "level", 1, 1, kMasterLevel);
    const int port = intOption(args, "port", net::kDefaultPort, 0, 65535);
    const std::string code = args.option("code").value_or(net::newCode());
    if (!net::isCode(code)) throw UsageError{"--code must be six digits, not " + quotedInput(code)};
    hosted.rule = args.option("rule") ? ruleOption(args) : MoveRule::Star;
    hosted.games = intOption(args, "games", 0, 1, 1000000);
    const auto field = args.option("field");
    const auto game = args.option("game");
    if (field && game) throw UsageError{"give either --field or --game"};
    if (game) {
        hosted.gameString = *game;
    } else {
        const auto builtIn = builtInGame(field.value_or("Original"));
        if (!builtIn)
            throw UsageError{"unknown field " + quotedInput(*field) + " (built-in fields: " + builtInNames() + ")"};
        hosted.gameString = *builtIn;
    }
    refuseUnplayable(hosted.gameString);
    hosted.fieldName = builtInName(hosted.gameString);

    int qtArgc = 1;
    char name[] = "tallowen-engine";
    char* qtArgv[] = {name, nullptr};
    QCoreApplication app(qtArgc, qtArgv);
    int exitCode = 0;
    {
        ComputerHost host(hosted, code, std::cout, std::cerr);
        if (const auto error = host.listen(static_cast<std::uint16_t>(port))) {
            std::cerr << "tallowen-engine host: " << *error << "\n";
            return 1;
        }
        host.setOnDone([&exitCode](int code) {
            exitCode = code;
            QCoreApplication::exit(code);
        });
        std::cout << "host port " << host.port() << " code " << host.code() << std::endl;
        QCoreApplication::exec();
        // Connections let go through the event loop go before the timers that drive them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return exitCode;
}

}  // namespace tallowen::cli
