#include "render/window_layout.h"

namespace tallowen {

namespace {

// Design sizes of the fixed parts, in pixels. The bevel strips beside the panels are this
// program's artwork, 11 pixels wide.
constexpr PixelRect kTitleBar{2, 2, 589, 27};
constexpr double kUpperPanelTop = 34;
constexpr double kUpperPanelHeight = 38;
constexpr double kLowerPanelHeight = 19;
constexpr double kStripHeight = 6;       // Image7, Image8
constexpr double kSeparatorHeight = 14;  // Image13, Image14
constexpr double kSideStripWidth = 11;   // Image5, Image6
constexpr double kResultPanelWidth = 320, kResultPanelHeight = 160;      // Picture3
constexpr double kThinkingPanelWidth = 200, kThinkingPanelHeight = 48;   // Picture9
// Offsets of the title-bar buttons from the bar's right end, by index: Exit, Music, Minimalize,
// Restart game, New game, Undo, About...
constexpr std::array<double, 7> kButtonOffsets{24, 75, 48, 177, 153, 126, 99};

}  // namespace

WindowLayout Rozmery(const LayoutInput& in) {
    WindowLayout l;
    const double Hf = in.innerHeight;
    l.Picture11 = l.Picture4 = kTitleBar;
    l.Picture5 = {0, kUpperPanelTop, 0, kUpperPanelHeight};
    l.Picture1.Height = kLowerPanelHeight;
    l.Image7.Height = l.Image8.Height = kStripHeight;
    l.Image13.Height = l.Image14.Height = kSeparatorHeight;
    l.Image5.Width = l.Image6.Width = kSideStripWidth;

    l.PLNP.Height = Hf - l.Picture11.Height - l.Picture5.Height - l.Picture1.Height - l.Image7.Height -
                    l.Image8.Height - l.Image13.Height - l.Image14.Height - 3 - 2;
    l.PLNP.Width = l.PLNP.Height / 3 * 4;
    l.PLNP.Top = l.Picture5.Top + l.Picture5.Height + l.Image13.Height;
    l.Picture1.Width = l.Picture5.Width = l.PLNP.Width;
    l.Picture1.Top = l.PLNP.Top + l.PLNP.Height + l.Image14.Height;

    l.Image3.Height = l.Picture1.Top + l.Picture1.Height - l.Picture5.Top;
    l.Image3.Width = l.Image3.Height / 637 * 144;
    l.Image3.Top = l.Picture5.Top;
    l.Image3.Left = 4;

    l.PLNP.Left = l.Image3.Left + l.Image3.Width + 11;
    l.Picture1.Left = l.Picture5.Left = l.PLNP.Left;

    l.Image5.Top = l.Picture5.Top;
    l.Image5.Height = l.Image3.Height;
    l.Image5.Left = l.Image3.right();
    l.Image6.Top = l.Image5.Top;
    l.Image6.Height = l.Image5.Height - 5;
    l.Image6.Left = l.PLNP.right();
    l.Image7.Width = l.PLNP.Width;
    l.Image7.Left = l.Image5.right();
    l.Image7.Top = l.Picture5.Top - l.Image7.Height;
    l.Image8.Width = l.Image7.Width;
    l.Image8.Top = l.Picture1.bottom();
    l.Image8.Left = l.Image7.Left;
    l.Image9 = {l.Image5.Left, l.Image8.Top, kSideStripWidth, kStripHeight};
    l.Image10 = {l.Image6.Left, l.Image8.Top - 5, kSideStripWidth, kStripHeight + 5};
    l.Image11 = {l.Image5.Left, l.Image7.Top, kSideStripWidth, kStripHeight};
    l.Image12 = {l.Image6.Left, l.Image7.Top, kSideStripWidth, kStripHeight};
    l.Image13.Left = l.Image7.Left;
    l.Image13.Width = l.Image7.Width;
    l.Image13.Top = l.Picture5.bottom();
    l.Image14.Left = l.Image7.Left;
    l.Image14.Width = l.Image7.Width;
    l.Image14.Top = l.PLNP.bottom();

    l.Width = (l.Image6.Left + l.Image6.Width + 4) * in.twipsPerPixelX;
    l.Height = Hf * in.twipsPerPixelY;
    const double Wf = l.Width / in.twipsPerPixelX;

    l.Picture11.Width = l.Picture4.Width = Wf - 4;
    for (std::size_t i = 0; i < kButtonOffsets.size(); ++i) l.Picture12Left[i] = l.Picture11.Width - kButtonOffsets[i];

    l.Picture3 = {(l.PLNP.Width - kResultPanelWidth) / 2, (l.PLNP.Height - kResultPanelHeight) / 2, kResultPanelWidth,
                  kResultPanelHeight};
    l.Picture9 = {0, (l.PLNP.Height - kThinkingPanelHeight) / 12, kThinkingPanelWidth, kThinkingPanelHeight};
    l.Picture9.Left = thinkingPanelLeft(l, 1);

    l.Lin = {LineSegment{0, 0, 0, Hf}, LineSegment{0, 0, Wf, 0}, LineSegment{0, Hf - 1, Wf, Hf - 1},
             LineSegment{Wf - 1, 0, Wf - 1, Hf}};

    l.PL1SWidth = l.PL2SWidth = l.Picture1.Width;
    l.Label5Width = l.Label6Width = l.Picture1.Width / 1.5;
    l.Label6Left = l.Label6Width / 3;
    l.Label7Width = l.Picture1.Width;

    Vycentrovat(l, in);
    return l;
}

void Vycentrovat(WindowLayout& layout, const LayoutInput& in) {
    layout.Left = (in.screenWidth * in.twipsPerPixelX - layout.Width) / 2;
    layout.Top = (in.screenHeight * in.twipsPerPixelY - 32 * in.twipsPerPixelY - layout.Height) / 2;
}

double thinkingPanelLeft(const WindowLayout& layout, int player) {
    const double free = layout.PLNP.Width - layout.Picture9.Width;
    return player == 1 ? free / 10 : free / 10 * 9;
}

}  // namespace tallowen
