#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "records/settings_store.h"
#include "records/user_message.h"
#include "setup/field_library.h"

namespace tallowen {

// Codes of the editor's cells and brushes.
inline constexpr int kEditorHole = 0;
inline constexpr int kEditorEmpty = 1;
inline constexpr int kEditorPlayer1 = 2;
inline constexpr int kEditorPlayer2 = 3;

inline constexpr int kEditorGrid = 25;
inline constexpr int kEditorMinSide = 6;
inline constexpr int kEditorMaxSide = 15;

// Mouse buttons as the drawing area reports them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The field editor's model: a 25 x 25 grid of which the top-left side x side square is the field,
// the brush, the mirror option, the side spinner, the name and the slot it saves to.
class FieldEditor {
public:
    using Cell = std::pair<int, int>;

    // Loads a field string: every cell empty first, then the field's cells; brush 1.
    void EDM(std::string_view Mapa);

    // The side the field has now (the number in Text2).
    int side() const;
    int cell(int x, int y) const { return cells_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }

    // A button pressed on the drawing area of the given size at (x, y) in its pixels: the right
    // button takes the next brush, the left one paints. Returns the cells to redraw.
    std::vector<Cell> picEdit_MouseDown(int button, double x, double y, double width, double height);
    // The mouse moved; it paints while the left button alone is held.
    std::vector<Cell> picEdit_MouseMove(int buttons, double x, double y, double width, double height);

    // The spinner moved to position 0 (smaller) or 2 (larger); it springs back to 1.
    void HScroll1_Change(int position);
    // A side typed into Text2, held to 6 ... 15.
    void Text2_Change(std::string_view typed);
    // The name box changed; an empty name becomes "New field", selected whole.
    void Text1_Change(std::string_view typed);

    // The field string of the side x side square, row by row.
    std::string fieldString() const;

    struct SaveOutcome {
        std::optional<UserMessage> refusal;       // shown instead of saving
        std::optional<FieldHandOver> selection;   // the library's new selection after saving
    };
    // "SAVE": refuses a field without an empty cell or without a cell of either player; otherwise
    // stores the name and the field in the slot and reloads the library.
    SaveOutcome Command1_Click(SettingsStore& store, FieldLibrary& library);

    std::string Text1;  // name
    int Text1SelStart = 0;
    int Text1SelLength = 0;
    std::string Text2;  // side
    int HScroll1 = 1;
    bool Check1 = false;  // "Mirror"
    std::string Label2;   // slot mark
    int brush = kEditorEmpty;

private:
    std::vector<Cell> paint(double x, double y, double width, double height);
    void setSide(int side);

    std::array<std::array<int, kEditorGrid>, kEditorGrid> cells_{};
};

}  // namespace tallowen
