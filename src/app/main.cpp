#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>

#include "app/command_line.h"
#include "records/settings_store.h"
#include "records/store_location.h"
#include "setup/field_library.h"
#include "ui/game_session.h"
#include "ui/popup_menus.h"
#include "ui/program_music.h"

int main(int argc, char** argv) {
    using namespace tallowen;
    const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.error) {
        std::cerr << "tallowen: " << *parsed.error << " (tallowen --help lists the options)\n";
        return 2;
    }
    const CommandLine& options = parsed.options;
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "tallowen " << TALLOWEN_VERSION << "\n";
        return 0;
    }
    if (const auto message =
            noDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM"))) {
        std::cerr << "tallowen: " << *message << "\n";
        return 2;
    }

    SettingsStore store(storePath(options.store));
    FieldLibrary library(store);
    const HandOverResult chosen = handOver(options, library);
    if (chosen.error) {
        std::cerr << "tallowen: " << *chosen.error << "\n";
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallowen");
    QApplication::setWindowIcon(QIcon(":/art/tallowen.svg"));
    GameSession session(store);
    PopupMenus menus(session.popupActions([] { QCoreApplication::quit(); }));
    session.window().setMenus(&menus);

    ProgramMusic music(QCoreApplication::applicationDirPath().toStdString());
    music.joinGame(session);
    music.load(session.game().random);

    // Until the setup window exists, "New game" starts the same game again, as "START" would with
    // the choices unchanged.
    const auto start = [&] {
        applyHandOver(*chosen.game, session.game());
        session.startGame();
    };
    session.game().setOnNewGame(start);
    start();
    return QApplication::exec();
}
