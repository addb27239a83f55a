#include "records/figure_text.h"

#include <algorithm>

namespace tallowen {

StoredFigure decodeFigureText(std::string_view text) {
    int component[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        component[i] = std::clamp(255 - (static_cast<unsigned char>(text[i]) - 65) * 60, 0, 255);
    StoredFigure figure;
    figure.colour = rgb(component[0], component[1], component[2]);
    if (text.size() > 3) figure.code = std::string(text.substr(3));
    return figure;
}

}  // namespace tallowen
