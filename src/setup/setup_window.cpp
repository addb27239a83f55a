#include "setup/setup_window.h"

#include <algorithm>

#include "engine/number_text.h"
#include "engine/player_names.h"
#include "records/decimal_text.h"
#include "records/figure_text.h"

namespace tallowen {

namespace {

constexpr int kWholeName = 100;
constexpr double kLogoWidth = 320;

int figureCodeNumber(const std::string& caption) {
    const long code = leadingInteger(caption);
    return code >= 1 && code <= 8 ? static_cast<int>(code) : 0;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

SetupWindow::SetupWindow(SettingsStore& store, GameWindow& game) : library(store), store_(store), game_(game) {
    frmVyb.setFaceOf([this](int player) { return face(player); });
    frmVyb.setOnApply([this](int cihr) { SetFigur(cihr); });
    Timer2.setHandler([this] { Timer2_Timer(); });
}

void SetupWindow::NastavNazvy() {
    for (int i = 0; i < 2; ++i) {
        Text3(i).Text = "Player" + withSignBlank(i + 1);
        panels[static_cast<std::size_t>(i)].Frame6 = Text3(i).Text;
    }
}

void SetupWindow::Option18_Click(int i) {
    PlayerPanel& panel = panels[static_cast<std::size_t>(i)];
    leaveNetwork(i);
    game_.setup.Option19[static_cast<std::size_t>(i)] = false;
    panel.Frame7Visible = true;
    panel.Frame4Visible = false;
    Level_Click(i, 1);
    Level_Click(i, 2);
    game_.setup.Combo1[static_cast<std::size_t>(i)] = 0;
    FigDr(i);
}

void SetupWindow::Option19_Click(int i) {
    PlayerPanel& panel = panels[static_cast<std::size_t>(i)];
    leaveNetwork(i);
    game_.setup.Option19[static_cast<std::size_t>(i)] = true;
    panel.Frame7Visible = false;
    panel.Frame4Visible = true;
    nameLabel(i).Caption = Text3(i).Text;
    FigDr(i);
}

void SetupWindow::leaveNetwork(int i) {
    if (i != 1 || !network.Chosen) return;
    network.Chosen = false;
    panels[1].FrameNetworkVisible = false;
    showPeer(std::nullopt);
}

void SetupWindow::OptionNetwork_Click() {
    PlayerPanel& panel = panels[1];
    // The other player is a person wherever they sit.
    game_.setup.Option19[1] = true;
    network.Chosen = true;
    panel.Frame4Visible = false;
    panel.Frame7Visible = false;
    panel.FrameNetworkVisible = true;
    nameLabel(1).Caption = Text3(1).Text;
    FigDr(1);
}

void SetupWindow::Host_Click() { network.role = NetworkSetup::Role::Host; }

void SetupWindow::Join_Click() { network.role = NetworkSetup::Role::Join; }

void SetupWindow::showPeer(const std::optional<RemotePlayer>& peer) {
    network.peer = peer;
    if (!peer || !network.Chosen) return;
    const int seat = network.joining() ? 0 : 1;
    looks(seat) = peer->looks;
    FigDr(seat);
}

const std::string& SetupWindow::shownName(int i) const {
    if (i == 0 && network.joining() && network.peer) return network.peer->name;
    return Text3(i).Text;
}

RemotePlayer SetupWindow::ownPlayer() const {
    const int i = network.joining() ? 1 : 0;
    const std::string name = isPerson(i) ? startName(Text3(i).Text, i + 1) : (i == 0 ? game_.Label5 : game_.Label6).Caption;
    return {name, i == 0 ? game_.HR1 : game_.HR2};
}

void SetupWindow::Level_Click(int i, int level) {
    if (level < 1 || level > kMasterLevel) return;
    panels[static_cast<std::size_t>(i)].Level = {level == 1, level == 2, level == 3, level == kMasterLevel};
    nameLabel(i).Caption = computerName(level);
    FigDr(i);
}

void SetupWindow::Combo1_Click(int i, int index) {
    game_.setup.Combo1[static_cast<std::size_t>(i)] = std::clamp(index, 0, 4);
}

void SetupWindow::Option1_Click() {
    game_.setup.Option1 = true;
    game_.Label8 = "1";
}

void SetupWindow::Option2_Click() {
    game_.setup.Option1 = false;
    game_.Label8 = "2";
}

void SetupWindow::Text3_Click(int i) {
    PlayerPanel& panel = panels[static_cast<std::size_t>(i)];
    NameBox& box = Text3(i);
    if (box.Text.empty()) {
        box.Text = "Player" + withSignBlank(i + 1);
        panel.Text3SelStart = 0;
        panel.Text3SelLength = kWholeName;
    }
    if (panel.Text3ListIndex >= 0) applyListedFigure(i, panel.Text3ListIndex);
}

void SetupWindow::Text3_Select(int i, int listIndex) {
    NameBox& box = Text3(i);
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= box.List.size()) return;
    box.Text = box.List[static_cast<std::size_t>(listIndex)];
    panels[static_cast<std::size_t>(i)].Text3ListIndex = listIndex;
    Text3_Click(i);
}

void SetupWindow::Text3_Change(int i, const std::string& text) {
    NameBox& box = Text3(i);
    box.Text = text;
    panels[static_cast<std::size_t>(i)].Text3ListIndex = -1;
    if (!isPerson(i)) return;
    const auto last = std::find(box.List.rbegin(), box.List.rend(), text);
    if (last != box.List.rend()) applyListedFigure(i, static_cast<int>(box.List.rend() - last) - 1);
}

void SetupWindow::applyListedFigure(int i, int k) {
    const auto& figures = statistics.LST[12];
    if (k < 0 || static_cast<std::size_t>(k) >= figures.size()) return;
    const StoredFigure stored = decodeFigureText(figures[static_cast<std::size_t>(k)]);
    looks(i).BackColor = stored.colour;
    looks(i).Caption = stored.code;
    figur(i);
    SetFigur(i + 1);
}

void SetupWindow::List1_Click(int index) {
    if (const auto selection = library.List1_Click(index)) fieldsReloaded(*selection);
}

void SetupWindow::DELMAP_Click() { fieldsReloaded(library.DELMAP_Click()); }

void SetupWindow::fieldsReloaded(const FieldHandOver& selection) {
    game_.Label2.Caption = selection.Label2;
    game_.Label4 = selection.Label4;
}

void SetupWindow::Command1_Click() {
    game_.Label4 = trimmed(game_.Label4 + "1");
    // A person's box keeps the name the game was started with; a computer's label holds its level.
    for (int i = 0; i < 2; ++i) {
        if (!isPerson(i)) continue;
        Text3(i).Text = startName(Text3(i).Text, i + 1);
        nameLabel(i).Caption = Text3(i).Text;
    }
    figur(0);
    SetFigur(1);
    figur(1);
    SetFigur(2);
    game_.Picture3.Visible = false;
    game_.Timer1.setEnabled(true);
    game_.Visible = true;
    Visible = false;
}

std::optional<UserMessage> SetupWindow::Check2_Click() {
    PruzkHer(store_, statistics);
    if (statistics.LST[0].empty()) return UserMessage{"There are no results in the registry.", ""};
    results.prepare();
    return std::nullopt;
}

void SetupWindow::showAgain() {
    Visible = true;
    PruzkHer(store_, statistics);
    for (PlayerPanel& panel : panels) panel.Text3ListIndex = -1;
}

FigureSelection::Face SetupWindow::face(int i) const {
    if (isPerson(i)) return {};
    const auto& options = panels[static_cast<std::size_t>(i)].Level;
    const auto chosen = std::find(options.begin(), options.end(), true);
    const int level = chosen == options.end() ? 0 : static_cast<int>(chosen - options.begin()) + 1;
    // Only the strongest computers, "Genius" and "Master", are previewed on their board square.
    return {level, level >= 3};
}

void SetupWindow::figur(int i) { frmVyb.figur(i, looks(i)); }

void SetupWindow::SetFigur(int cihr) {
    const int i = cihr == 2 ? 1 : 0;
    const auto& levels = frmVyb.VScroll1;
    const MarkAndCursor mark = markAndCursor(levels[0], levels[1], levels[2], !isPerson(i));
    Appearance& L = looks(i);
    L.ForeColor = mark.mark;
    (i == 0 ? game_.Image2 : game_.Image1) = mark.cursor;
    L.BackColor = frmVyb.Picture3;
    L.Caption = frmVyb.figureCode();
    FigDr(i);
}

void SetupWindow::FigDr(int i) {
    FigurePreview& preview = panels[static_cast<std::size_t>(i)].Picture7;
    const FigureSelection::Face f = face(i);
    preview = {figureCodeNumber(looks(i).Caption), looks(i).BackColor, f.level, f.framed, preview.revision + 1};
}

void SetupWindow::Timer2_Timer() {
    if (Check3.Width == 5 && Check3.Height < 50) {
        Check3.Height += 10;
    } else if (Check3.Width < kLogoWidth) {
        Check3.Width *= 1.2;
    } else {
        Check3.Width = kLogoWidth;
        Timer2.setEnabled(false);
    }
}

}  // namespace tallowen
