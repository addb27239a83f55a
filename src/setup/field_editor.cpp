#include "setup/field_editor.h"

#include <algorithm>
#include <cmath>

#include "records/decimal_text.h"

namespace tallowen {

namespace {

constexpr const char* kNewFieldName = "New field";
constexpr const char* kCannotSave = "Cannot save";
constexpr int kWholeName = 100;

int codeOf(char c, int previous) {
    switch (c) {
        case '0': return kEditorHole;
        case 'X': return kEditorEmpty;
        case '+': return kEditorPlayer1;
        case '-': return kEditorPlayer2;
        default: return previous;
    }
}

constexpr char kCellCharacters[] = {'0', 'X', '+', '-'};

int mirrored(int code) {
    if (code == kEditorPlayer1) return kEditorPlayer2;
    if (code == kEditorPlayer2) return kEditorPlayer1;
    return code;
}

}  // namespace

void FieldEditor::EDM(std::string_view Mapa) {
    // A field outside the editor's sizes is held to them, keeping its top-left part.
    const int stringSide = static_cast<int>(std::lround(std::sqrt(static_cast<double>(Mapa.size()))));
    const int side = std::clamp(stringSide, kEditorMinSide, kEditorMaxSide);
    for (auto& column : cells_) column.fill(kEditorEmpty);
    int code = kEditorHole;
    for (int y = 0; y < std::min(side, stringSide); ++y)
        for (int x = 0; x < std::min(side, stringSide); ++x) {
            const auto position = static_cast<std::size_t>(y * stringSide + x);
            // An unknown character repeats the cell decoded before it.
            code = codeOf(position < Mapa.size() ? Mapa[position] : '?', code);
            cells_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
        }
    setSide(side);
    brush = kEditorEmpty;
}

int FieldEditor::side() const {
    return std::clamp(static_cast<int>(leadingInteger(Text2)), kEditorMinSide, kEditorMaxSide);
}

void FieldEditor::setSide(int side) { Text2 = std::to_string(std::clamp(side, kEditorMinSide, kEditorMaxSide)); }

std::vector<FieldEditor::Cell> FieldEditor::paint(double px, double py, double width, double height) {
    const int n = side();
    auto cellOf = [n](double p, double extent) {
        const double at = std::floor(p / (extent / n));
        return static_cast<int>(std::clamp(at, 0.0, static_cast<double>(n - 1)));
    };
    const int x = cellOf(px, width);
    const int y = cellOf(py, height);
    std::vector<Cell> changed;
    auto set = [&](int cx, int cy, int code) {
        int& c = cells_[static_cast<std::size_t>(cx)][static_cast<std::size_t>(cy)];
        if (c == code) return;
        c = code;
        changed.emplace_back(cx, cy);
    };
    set(x, y, brush);
    if (Check1) set(n - 1 - x, n - 1 - y, mirrored(brush));
    return changed;
}

std::vector<FieldEditor::Cell> FieldEditor::picEdit_MouseDown(int button, double x, double y, double width,
                                                              double height) {
    if (button == kRightButton) {
        brush = (brush + 1) % 4;
        return {};
    }
    if (button == kLeftButton) return paint(x, y, width, height);
    return {};
}

std::vector<FieldEditor::Cell> FieldEditor::picEdit_MouseMove(int buttons, double x, double y, double width,
                                                              double height) {
    return buttons == kLeftButton ? paint(x, y, width, height) : std::vector<Cell>{};
}

void FieldEditor::HScroll1_Change(int position) {
    const int n = side();
    if (position == 0 && n > kEditorMinSide) setSide(n - 1);
    if (position == 2 && n < kEditorMaxSide) setSide(n + 1);
    HScroll1 = 1;
}

void FieldEditor::Text2_Change(std::string_view typed) { setSide(static_cast<int>(leadingInteger(typed))); }

void FieldEditor::Text1_Change(std::string_view typed) {
    Text1 = typed;
    if (!Text1.empty()) return;
    Text1 = kNewFieldName;
    Text1SelStart = 0;
    Text1SelLength = kWholeName;
}

std::string FieldEditor::fieldString() const {
    const int n = side();
    std::string field;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) field += kCellCharacters[cell(x, y)];
    return field;
}

FieldEditor::SaveOutcome FieldEditor::Command1_Click(SettingsStore& store, FieldLibrary& library) {
    const std::string field = fieldString();
    if (field.find('X') == std::string::npos) return {UserMessage{"There is no free field.", kCannotSave}, {}};
    if (field.find('+') == std::string::npos) return {UserMessage{"There is no field of player 1.", kCannotSave}, {}};
    if (field.find('-') == std::string::npos) return {UserMessage{"There is no field of player 2.", kCannotSave}, {}};

    const std::string key = fieldKey(Label2);
    store.transaction([&] {
        store.CreateSettingKey(key);
        const auto open = store.openKey(key);
        return open && store.WriteOpenValue(*open, "", kTextType, Text1) == kStoreOk &&
               store.WriteOpenValue(*open, "Mapa", kTextType, field) == kStoreOk;
    });
    return {std::nullopt, library.NajitMapy()};
}

}  // namespace tallowen
