#include "setup/figure_selection.h"

#include <algorithm>

#include "engine/number_text.h"
#include "records/decimal_text.h"

namespace tallowen {

namespace {

constexpr int kComputerPictures = 6;

}  // namespace

int sliderLevel(int component) { return std::clamp((255 - component) / 60, 0, 4); }

int levelComponent(int level) { return 255 - 60 * level; }

MarkAndCursor markAndCursor(int r, int g, int b, bool computer) {
    const int k = computer ? kComputerPictures : 0;
    if (r < g && r < b) return {rgb(255, 127, 127), 0 + k};
    if (b < r && b < g) return {rgb(127, 127, 255), 1 + k};
    if (r == b && r < g) return {rgb(255, 127, 255), 2 + k};
    if (g < r && g < b) return {rgb(0, 255, 0), 3 + k};
    if (r == g && r < b) return {rgb(255, 255, 0), 4 + k};
    if (g == b && g < r) return {rgb(0, 255, 255), 5 + k};
    return {rgb(191, 191, 191), computer ? 14 : 12};
}

FigureSelection::FigureSelection() { Timer1.setHandler([this] { Timer1_Timer(); }); }

void FigureSelection::figur(int i, const Appearance& looks) {
    Combo1 = kFigureNames;
    Caption = "Figure selection of player" + withSignBlank(i + 1);
    for (int band = 0; band < 3; ++band) {
        const int component = band == 0 ? redOf(looks.BackColor) : band == 1 ? greenOf(looks.BackColor)
                                                                              : blueOf(looks.BackColor);
        VScroll1_Change(band, sliderLevel(component));
    }
    // Selecting the design is a list click, which paints the preview and stops the timer.
    Combo1_Click(static_cast<int>(std::clamp(leadingInteger(looks.Caption), 1L, 8L)) - 1);
}

void FigureSelection::Combo1_Click(int index) {
    ListIndex = std::clamp(index, 0, 7);
    Timer1_Timer();
}

void FigureSelection::VScroll1_Change(int index, int level) {
    VScroll1[static_cast<std::size_t>(std::clamp(index, 0, 2))] = std::clamp(level, 0, 4);
    Picture3 = rgb(levelComponent(VScroll1[0]), levelComponent(VScroll1[1]), levelComponent(VScroll1[2]));
    Timer1.setEnabled(true);
}

int FigureSelection::cihr() const { return !Caption.empty() && Caption.back() == '2' ? 2 : 1; }

std::string FigureSelection::figureCode() const { return std::to_string(ListIndex + 1); }

void FigureSelection::Timer1_Timer() {
    const Face face = faceOf_ ? faceOf_(cihr() - 1) : Face{};
    Picture2 = {ListIndex + 1, Picture3, face.level, face.framed, Picture2.revision + 1};
    Timer1.setEnabled(false);
}

void FigureSelection::Command1_Click() {
    if (onApply_) onApply_(cihr());
    Picture2 = {0, kBlack, 0, false, Picture2.revision + 1};
    Visible = false;
}

}  // namespace tallowen
