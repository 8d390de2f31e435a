// Relative luminance and contrast ratio of screen colours, as the accessibility guidelines
// measure them: what the window tests check the board's marks and labels against.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace banzuri::testing {

inline double channel_to_linear(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

inline double luminance(QColor c) {
    return 0.2126 * channel_to_linear(c.red()) + 0.7152 * channel_to_linear(c.green()) +
           0.0722 * channel_to_linear(c.blue());
}

// The contrast ratio of two luminances, 1 to 21.
inline double contrast(double l1, double l2) {
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

}  // namespace banzuri::testing
