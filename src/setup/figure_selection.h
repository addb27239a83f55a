#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/appearance.h"
#include "engine/timer.h"

namespace tallowen {

// The figure designs in list order: position k holds figure code k + 1.
inline const std::array<std::string, 8> kFigureNames = {"Rectangle", "Triangle",  "Hexxagon",      "Small squares",
                                                         "Oval",      "Star",      "Small circles", "Small field"};

// Slider level 0 ... 4 and colour component: 255, 195, 135, 75, 15.
int sliderLevel(int component);
int levelComponent(int level);

// The colour of a player's marks and the number of the player's cursor picture, from the three
// slider levels (a lower level is a stronger component). A computer player's pictures are the six
// after a person's: 0 ... 5 or 12 for a person, 6 ... 11 or 14 for the computer.
struct MarkAndCursor {
    Colour mark = kBlack;
    int cursor = 0;
    bool operator==(const MarkAndCursor&) const = default;
};
MarkAndCursor markAndCursor(int red, int green, int blue, bool computer);

// A figure to paint into a preview box (code 0 paints none), and a count that grows whenever it is
// to be painted again.
struct FigurePreview {
    int code = 0;
    Colour colour = kBlack;
    int level = 0;  // face marks of a computer player
    bool framed = false;
    int revision = 0;
};

// The figure selection window's model: the design list, three colour sliders with their swatch and
// a preview repainted 500 ms after the last slider movement. "OK" hands the choice to whoever
// applies it (SetFigur) for the player named by the caption's last character.
class FigureSelection {
public:
    // The preview's face level and framing for player 0 or 1, as the setup window's options say.
    struct Face {
        int level = 0;
        bool framed = false;
    };

    FigureSelection();
    FigureSelection(const FigureSelection&) = delete;
    FigureSelection& operator=(const FigureSelection&) = delete;

    void setFaceOf(std::function<Face(int player)> faceOf) { faceOf_ = std::move(faceOf); }
    void setOnApply(std::function<void(int cihr)> onApply) { onApply_ = std::move(onApply); }

    // figur: prepares the window for player i (0 or 1) from the player's looks, without showing it.
    void figur(int i, const Appearance& looks);

    // A design chosen in the list: the preview follows at once.
    void Combo1_Click(int index);
    // A slider moved: the swatch follows, the preview at the next tick of Timer1.
    void VScroll1_Change(int index, int level);
    // Paints the preview now and stops Timer1 (the timer's tick, a list click, a preview click).
    void Timer1_Timer();
    // "OK": applies the choice to the player, clears the preview and hides the window.
    void Command1_Click();

    // The player number 1 or 2 that the caption names.
    int cihr() const;
    // The figure code of the selected design, "1" ... "8".
    std::string figureCode() const;

    std::string Caption;
    std::array<std::string, 8> Combo1 = kFigureNames;
    int ListIndex = 0;
    std::array<int, 3> VScroll1{};  // red, green, blue levels
    Colour Picture3 = rgb(255, 255, 255);  // the swatch
    FigurePreview Picture2;
    bool Visible = false;
    Timer Timer1{"Timer1", 500};

private:
    std::function<Face(int)> faceOf_;
    std::function<void(int)> onApply_;
};

}  // namespace tallowen
