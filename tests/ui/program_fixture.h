#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QStyleHints>
#include <QTest>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "../records/test_store.h"
#include "records/setting_paths.h"
#include "ui/game_session.h"
#include "ui/message_box.h"
#include "ui/picture_store.h"
#include "ui/program_windows.h"

namespace tallowen::testing {

template <typename T>
T* findWidget(QWidget& root, const std::function<bool(T&)>& matches = [](T&) { return true; }) {
    for (QWidget* w : root.findChildren<QWidget*>())
        if (auto* t = dynamic_cast<T*>(w); t && matches(*t)) return t;
    return nullptr;
}

// The widget a test goes on to use: a missing one fails the test (by an exception, which the test
// reports) instead of crashing it.
template <typename T>
T& theWidget(QWidget& root, const std::string& what, const std::function<bool(T&)>& matches = [](T&) { return true; }) {
    if (T* found = findWidget<T>(root, matches)) return *found;
    throw std::runtime_error("no " + what + " in the window");
}

// A click that follows the last one at once, as a person clicking quickly: Qt delivers its press,
// within the double-click time and distance of the last press of that button, as a double-click.
inline void quickClick(QWindow* window, Qt::MouseButton button, QPoint at) {
    QTest::lastMouseTimestamp -= QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::mouseClick(window, button, {}, at);
}

// Walks a popup menu by the texts a person reads, every step enabled, and chooses the last one.
inline void choose(QMenu& menu, const QStringList& path) {
    QMenu* current = &menu;
    for (int i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* a : current->actions())
            if (a->text() == path[i]) found = a;
        ASSERT_TRUE(found && found->isEnabled()) << path[i].toStdString();
        if (i + 1 == path.size()) return found->trigger();
        ASSERT_TRUE(found->menu()) << path[i].toStdString();
        current = found->menu();
    }
}

inline QMenu* openPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

inline void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// The colour of a widget's pixel as it shows on screen.
inline QColor pixelOf(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }

// The program's windows as they are made without game options, on a store of their own that
// already holds the figure detail unless a fresh store is asked for (then the first start's
// message comes); message boxes are answered by collecting them.
class ProgramFixture : public ::testing::Test {
protected:
    explicit ProgramFixture(bool freshStore = false) : detailStored(!freshStore && storeDetail()) {
        setMessageAnswerer([this](const UserMessage& message) { messages.push_back(message); });
    }
    ~ProgramFixture() override {
        closePopups();
        setMessageAnswerer({});
    }

    // Start-up as the program runs it, until the setup window shows.
    void open() {
        windows.startUp(nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    }

    TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    const bool detailStored;
    std::vector<UserMessage> messages;
    GameSession session{store};
    GameWindow& game = session.game();
    PictureStore pictures;
    int ends = 0;
    ProgramWindows windows{store, session, pictures, [this] { ++ends; }};
    SetupWindow& setup = windows.setup();
    Form1& form1 = windows.form1();

private:
    bool storeDetail() {
        store.CreateSettingKey(kProgramKey);
        store.WriteSetting(kProgramKey, kFigureDetailValue, std::string("5"), kTextType);
        return true;
    }
};

}  // namespace tallowen::testing
