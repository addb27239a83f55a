#include <QApplication>
#include <QIcon>
#include <QWindow>
#include <cstdlib>
#include <future>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "records/settings_store.h"
#include "records/store_location.h"
#include "setup/field_library.h"
#include "ui/after_first_paint.h"
#include "ui/frm_splash.h"
#include "ui/game_session.h"
#include "ui/picture_store.h"
#include "ui/program_help.h"
#include "ui/popup_menus.h"
#include "ui/program_music.h"
#include "ui/program_windows.h"

namespace {

using namespace tallowen;

// Ends the program at once. quit() would first ask every window to close, and the game window
// answers that request with the exit confirmation instead of closing, so the program went on.
void endProgram() { QCoreApplication::exit(0); }

// Every window's icon, drawn from its SVG at each size the window system asks for: work the first
// window's picture does not wait for.
void setProgramIcon() { QApplication::setWindowIcon(QIcon(":/art/tallowen.svg")); }

// Player 2 at another computer, as the command line chose: the setup window shows it, a host
// listens at once (and says where), a joiner dials.
void startNetwork(const CommandLine& options, ProgramWindows& windows) {
    const NetworkStart& start = *options.network;
    windows.network().setHostPort(start.port);
    if (start.code) windows.network().setHostCode(*start.code);
    presetNetworkSetup(options, windows.setup());
    windows.network().follow();
    if (!start.host) windows.network().join();
    const NetworkSetup& shown = windows.setup().network;
    if (start.host && shown.Port != 0)
        std::cout << "tallowen: hosting on port " << shown.Port << ", code " << shown.HostCode << std::endl;
    if (start.host && shown.Port == 0) std::cerr << "tallowen: " << shown.Status << "\n";
}

// The program without game options (or with those of a network game): the splash window and
// start-up, then the setup window. The store is still being opened as the splash window is drawn
// and shown, unless the options needed it already.
int runSetup(std::future<std::unique_ptr<SettingsStore>>& opening, std::unique_ptr<SettingsStore> opened,
             const CommandLine& options) {
    PictureStore pictures;
    frmSplash splash(pictures);
    splash.setStatus(QStringLiteral("Loading..."));
    splash.show();
    // Start-up paints the splash window itself between its steps; it has to be on screen first.
    while (!splash.windowHandle()->isExposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const std::unique_ptr<SettingsStore> owned = opened ? std::move(opened) : opening.get();
    SettingsStore& store = *owned;
    GameSession session(store);
    ProgramWindows windows(store, session, pictures, endProgram);
    // Made after the windows they join, so that they go before them.
    ProgramMusic music(QCoreApplication::applicationDirPath().toStdString());
    music.joinGame(session);
    music.joinSetup(windows.form1());
    ProgramHelp help;
    help.joinGame(session);
    help.joinSetup(windows.form1());
    StartUpHooks hooks;
    hooks.music = [&] { music.load(session.game().random); };
    windows.startUp(&splash, std::move(hooks));
    if (options.network) startNetwork(options, windows);
    afterFirstPaint(windows.form1(), [&music] {
        setProgramIcon();
        music.startSound();
    });
    return QApplication::exec();
}

// A game chosen on the command line starts at once; "New game" starts it again.
int runGame(SettingsStore& store, const GameHandOver& chosen) {
    GameSession session(store);
    PopupMenus menus(session.popupActions(endProgram));
    session.window().setMenus(&menus);
    ProgramMusic music(QCoreApplication::applicationDirPath().toStdString());
    music.joinGame(session);
    music.load(session.game().random);
    ProgramHelp help;
    help.joinGame(session);
    const auto start = [&] {
        applyHandOver(chosen, session.game());
        session.startGame();
    };
    session.game().setOnNewGame(start);
    start();
    afterFirstPaint(session.window(), [&] {
        setProgramIcon();
        music.startSound();
        session.tellStartMessages();
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
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

    // Opening and checking the store (creating it on a first start, with its writes to disk) goes
    // on beside the start of the window system.
    std::future<std::unique_ptr<SettingsStore>> opening =
        std::async(std::launch::async, [path = storePath(options.store)] { return std::make_unique<SettingsStore>(path); });
    std::unique_ptr<SettingsStore> store;
    std::optional<GameHandOver> chosen;
    if (options.gameOptions) {
        store = opening.get();
        FieldLibrary library(*store);
        const HandOverResult result = handOver(options, library);
        if (result.error) {
            std::cerr << "tallowen: " << *result.error << "\n";
            return 2;
        }
        // With another computer the options fill in the setup window instead.
        if (!options.network) chosen = result.game;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tallowen");
    return chosen ? runGame(*store, *chosen) : runSetup(opening, std::move(store), options);
}
