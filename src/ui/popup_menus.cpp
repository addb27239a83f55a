#include "ui/popup_menus.h"

namespace tallowen {

namespace {

// Runs an action that may be missing.
void run(const std::function<void()>& action) {
    if (action) action();
}

}  // namespace

PopupMenus::PopupMenus(PopupActions actions) : actions_(std::move(actions)) {
    HGM_ = hght_.addAction("Smaller window", [this] { run(actions_.smaller); });
    HGV_ = hght_.addAction("Bigger window", [this] { run(actions_.bigger); });

    ngc_ = confirmation(*ppm_.addMenu("&Restart hry"), "Opravdu?", "Restart game", actions_.restart);
    ungc_ = confirmation(*ppm_.addMenu("&Nová hra"), "Opravdu?", "New game", actions_.newGame);
    ppm_.addSeparator();
    TZ_[0] = ppm_.addAction("&Zpět", [this] {
        if (actions_.undo) actions_.undo(1);
    });
    TZ_[1] = ppm_.addAction("Tah &zpět", [this] {
        if (actions_.undo) actions_.undo(2);
    });
    ppm_.addSeparator();
    ppm_.addAction("&Hudba", [this] { run(actions_.music); });
    ppm_.addAction("&O programu", [this] { run(actions_.about); });
    ppm_.addSeparator();
    ednc_ = confirmation(*ppm_.addMenu("&Konec"), "Really exit?", "Really exit!", actions_.exit);

    for (QMenu* menu : {&hght_, &ppm_}) QObject::connect(menu, &QMenu::aboutToShow, [this] { refresh(); });
}

QMenu* PopupMenus::confirmation(QMenu& parent, const QString& title, const QString& item,
                                std::function<void()>& action) {
    QMenu* menu = parent.addMenu(title);
    menu->addAction(item, [&action] { run(action); });
    return menu;
}

void PopupMenus::refresh() {
    if (!actions_.state) return;
    const PopupMenuState state = actions_.state();
    for (QAction* tz : TZ_) tz->setEnabled(state.undo);
    HGM_->setEnabled(state.windowSize.smaller);
    HGV_->setEnabled(state.windowSize.bigger);
}

}  // namespace tallowen
