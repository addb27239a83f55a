#pragma once

namespace tallowen {

// Where the upper panel puts the players' names (and their clocks, Label3(1) and Label3(2), which
// take the same places) and its two figures, for an inner panel size Wp × Hp. Each figure fills
// one 4:3 cell of the panel's height; player 2's ends at the panel's right edge.
struct UpperPanel {
    double cellHeight = 0;
    double Label5Left = 0, Label5Width = 0;
    double Label6Left = 0, Label6Width = 0;
    double figure1Column = 0;
    double figure2Column = 0;
};

UpperPanel upperPanel(double Wp, double Hp);

}  // namespace tallowen
