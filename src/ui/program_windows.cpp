#include "ui/program_windows.h"

#include <QApplication>
#include <QScreen>

#include "ui/after_first_paint.h"
#include "ui/frm_about.h"
#include "ui/frm_splash.h"
#include "ui/game_session.h"
#include "ui/picture_store.h"
#include "ui/screen_fitting_area.h"
#include "ui/system_palette.h"

namespace tallowen {

ProgramWindows::ProgramWindows(SettingsStore& store, GameSession& session, PictureStore& pictures,
                               std::function<void()> end)
    : session_(session),
      setup_(store, session.game()),
      form1_(setup_, pictures, session.popupActions(end)),
      network_(session, setup_, form1_) {
    session_.window().setMenus(&form1_.menus());
    session_.window().setPointerPictures([&pictures](int n) { return pictures.cursor(n); });
    session_.setOnAbout([this] { form1_.about().present(&session_.window()); });
    session_.game().setOnNewGame([this] {
        setup_.showAgain();
        form1_.mirror();
        form1_.tellStoreMessages();
    });
    form1_.setOnStart([this] {
        if (!network_.start()) session_.startGame();
    });
    form1_.setOnNetwork([this] { network_.follow(); });
    form1_.setOnJoin([this] { network_.join(); });
    form1_.setOnEnd(std::move(end));
}

void ProgramWindows::startUp(frmSplash* splash, StartUpHooks hooks) {
    auto graphics = [this, more = std::move(hooks.graphics)] {
        form1_.applyDesktopColours(systemColoursOf(form1_.palette()));
        if (more) more();
    };
    hooks.graphics = graphics;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const StartUpStep& step : startUpSteps(setup_, std::move(hooks))) {
        if (splash) splash->setStatus(QString::fromStdString(step.status));
        step.run();
    }
    QApplication::restoreOverrideCursor();
    if (splash) splash->hide();
    form1_.adjustSize();
    if (const QScreen* screen = form1_.screen()) {
        QRect frame = form1_.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form1_.move(placedInside(screen->availableGeometry(), frame));
    }
    form1_.mirror();
    form1_.tellStoreMessages();
    afterFirstPaint(form1_, [this] { session_.tellStartMessages(); });
}

}  // namespace tallowen
