#pragma once

#include <QMenu>
#include <array>
#include <functional>

#include "render/window_size.h"

namespace tallowen {

// Which items can be chosen, read each time a menu opens.
struct PopupMenuState {
    bool undo = true;  // TZ(1), TZ(2)
    WindowSizeCommands windowSize;
};

// What the items do; the owner of the menus supplies them.
struct PopupActions {
    std::function<void()> restart;   // NG
    std::function<void()> newGame;   // UNG
    std::function<void(int)> undo;   // TZ(index)
    std::function<void()> music;     // SND
    std::function<void()> about;     // About
    std::function<void()> exit;      // EDN
    std::function<void()> smaller;   // HGM
    std::function<void()> bigger;    // HGV
    std::function<PopupMenuState()> state;
};

// The popup menus the game window shows: Hght with the window size commands and Ppm with the game
// commands, each command behind its confirmation where it has one. The confirmation menus also
// pop up on their own (the title bar's restart, new game and exit buttons, a close request).
class PopupMenus {
public:
    explicit PopupMenus(PopupActions actions);
    PopupMenus(const PopupMenus&) = delete;
    PopupMenus& operator=(const PopupMenus&) = delete;

    QMenu& Hght() { return hght_; }
    QMenu& Ppm() { return ppm_; }
    QMenu& NGc() { return *ngc_; }    // "Opravdu?" › "Restart game"
    QMenu& UNGc() { return *ungc_; }  // "Opravdu?" › "New game"
    QMenu& EDNc() { return *ednc_; }  // "Really exit?" › "Really exit!"

private:
    // A submenu of `parent` named `title` with one item `item` that calls `action`.
    static QMenu* confirmation(QMenu& parent, const QString& title, const QString& item, std::function<void()>& action);
    void refresh();

    PopupActions actions_;
    QMenu hght_;
    QMenu ppm_;
    QMenu* ngc_ = nullptr;
    QMenu* ungc_ = nullptr;
    QMenu* ednc_ = nullptr;
    QAction* HGM_ = nullptr;
    QAction* HGV_ = nullptr;
    std::array<QAction*, 2> TZ_{};
};

}  // namespace tallowen
