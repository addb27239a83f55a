#include "render/upper_panel.h"

namespace tallowen {

UpperPanel upperPanel(double Wp, double Hp) {
    UpperPanel p;
    const double Wc = Hp / 3 * 4;
    p.cellHeight = Hp;
    p.Label5Left = Wc;
    p.Label5Width = Wp / 2 - 2 * Wc;
    p.Label6Left = p.Label5Left + p.Label5Width;
    p.Label6Width = 2 * Wc + p.Label5Width;
    p.figure1Column = 0;
    p.figure2Column = Wc > 0 ? (Wp - Wc) / Wc : 0;
    return p;
}

}  // namespace tallowen
