#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "../records/test_store.h"
#include "engine/headless_game.h"
#include "setup/setup_window.h"
#include "setup/start_up.h"
#include "ui/message_box.h"
#include "ui/picture_store.h"

namespace tallowen::testing {

// The setup window's model after start-up on a fresh temporary store, a game window model on a
// virtual clock, the picture store, and message boxes answered by collecting them.
class SetupFixture : public ::testing::Test {
protected:
    SetupFixture() {
        setMessageAnswerer([this](const UserMessage& message) { messages.push_back(message); });
    }
    ~SetupFixture() override { setMessageAnswerer({}); }

    void startUp() {
        for (const StartUpStep& step : startUpSteps(setup, {})) step.run();
    }

    TempDir dir;
    SettingsStore store{dir / "s.sqlite3"};
    HeadlessGame headless;
    GameWindow& game = headless.game();
    SetupWindow setup{store, game};
    PictureStore pictures;
    std::vector<UserMessage> messages;
};

// The colour of a widget's pixel as it shows on screen.
inline QColor pixelOf(QWidget& widget, QPoint at) { return widget.grab().toImage().pixelColor(at); }

}  // namespace tallowen::testing
