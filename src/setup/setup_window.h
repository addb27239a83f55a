#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/game_window.h"
#include "records/results_window.h"
#include "records/settings_store.h"
#include "records/survey.h"
#include "records/user_message.h"
#include "setup/field_library.h"
#include "setup/figure_selection.h"
#include "setup/network_setup.h"

namespace tallowen {

// One player's panel: "PC" or "Human", the time and name of a person, the strength of the computer.
// The name box itself is the statistics' Text3(i); the choices the game reads directly (Combo1,
// Option19) are the game window's SetupChoices.
struct PlayerPanel {
    std::string Frame6;                 // "Player 1" / "Player 2"
    bool Frame4Visible = true;          // "Human": name and time
    bool Frame7Visible = false;         // "PC Intelligence"
    bool FrameNetworkVisible = false;   // "Network": player 2 at another computer
    // Option21 "Beginner", Option22 "Professional", Option23 "Genius", then "Master"
    std::array<bool, 4> Level{};
    int Text3SelStart = 0;
    int Text3SelLength = 0;
    int Text3ListIndex = -1;            // the name chosen from the list, or -1
    FigurePreview Picture7;             // the figure preview
};

// The logo strip: it drops to full height, then widens to 320 pixels.
struct LogoStrip {
    double Width = 5;
    double Height = 10;
};

// The setup window's model: both players, the movement rule, the field library, the statistics,
// the figure selection window and the logo strip. "START" hands the choices over to the game
// window's model.
class SetupWindow {
public:
    SetupWindow(SettingsStore& store, GameWindow& game);
    SetupWindow(const SetupWindow&) = delete;
    SetupWindow& operator=(const SetupWindow&) = delete;

    // Both names and panel captions become "Player 1" and "Player 2".
    void NastavNazvy();

    // "PC" for player i (0 or 1): the computer plays at "Professional" without a time limit.
    void Option18_Click(int i);
    // "Human" for player i: the name in the box is handed over.
    void Option19_Click(int i);
    // "Beginner" (1), "Professional" (2), "Genius" (3) or "Master" (4) for player i.
    void Level_Click(int i, int level);
    void Combo1_Click(int i, int index);

    // "Network" for player 2: the other player sits at another computer; this one hosts unless
    // "Join" is chosen. "PC" and "Human" leave it again.
    void OptionNetwork_Click();
    void Host_Click();
    void Join_Click();
    // The joiner's address and code as typed.
    void Address_Change(const std::string& text) { network.Address = text; }
    void Code_Change(const std::string& text) { network.Code = text; }
    // The other player of a network game, or nobody: their looks go to their seat's preview.
    void showPeer(const std::optional<RemotePlayer>& peer);
    // The name player i's box shows: on a joining computer, player 1's is the host's once known.
    const std::string& shownName(int i) const;
    // This computer's own player in a network game: the host plays player 1, the joiner player 2.
    RemotePlayer ownPlayer() const;

    // "Star" and "Cross".
    void Option1_Click();
    void Option2_Click();

    // The name box was clicked: an empty box gets "Player 1" / "Player 2", selected whole; a name
    // chosen from the list brings the figure it played with.
    void Text3_Click(int i);
    // A name chosen from the box's list.
    void Text3_Select(int i, int listIndex);
    // The name was typed: a person whose name is in the list gets the figure of its last entry.
    void Text3_Change(int i, const std::string& text);

    // A field chosen in the list: the game window gets its title and field string.
    void List1_Click(int index);
    // "Yes" under "Delete field", and a field saved in the editor: the library is reloaded.
    void DELMAP_Click();
    void fieldsReloaded(const FieldHandOver& selection);

    // "START": names rewritten and handed over with the figures; the game window starts and shows,
    // this window hides.
    void Command1_Click();

    // " Game  results": the survey runs again; with no stored game the message is returned instead
    // of the results window being prepared.
    std::optional<UserMessage> Check2_Click();

    // The game window's "New game": this window shows again with every choice as it was.
    void showAgain();

    // figur, SetFigur and FigDr: the figure selection window prepared for player i, its choice
    // applied to player cihr (1 or 2), and player i's preview repainted.
    void figur(int i);
    void SetFigur(int cihr);
    void FigDr(int i);

    // Timer2: one step of the logo strip's growth.
    void Timer2_Timer();

    bool isPerson(int i) const { return game_.setup.Option19[static_cast<std::size_t>(i)]; }
    NameBox& Text3(int i) { return statistics.Text3[static_cast<std::size_t>(i)]; }
    const NameBox& Text3(int i) const { return statistics.Text3[static_cast<std::size_t>(i)]; }
    int Combo1(int i) const { return game_.setup.Combo1[static_cast<std::size_t>(i)]; }
    bool Option1() const { return game_.setup.Option1; }
    FigureSelection::Face face(int i) const;

    GameWindow& game() { return game_; }
    SettingsStore& store() { return store_; }

    std::array<PlayerPanel, 2> panels;
    NetworkSetup network;
    FieldLibrary library;
    Statistics statistics;
    ResultsWindow results{statistics};
    FigureSelection frmVyb;
    LogoStrip Check3;
    Timer Timer2{"Timer2", 50};
    std::string PathKv;  // the program's folder
    bool Visible = false;

private:
    Label& nameLabel(int i) { return i == 0 ? game_.Label5 : game_.Label6; }
    Appearance& looks(int i) { return i == 0 ? game_.HR1 : game_.HR2; }
    void applyListedFigure(int i, int k);
    void leaveNetwork(int i);

    SettingsStore& store_;
    GameWindow& game_;
};

}  // namespace tallowen
