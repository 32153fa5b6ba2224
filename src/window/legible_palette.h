#pragma once

#include <QColor>
#include <QPalette>

namespace volvenda {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor &first, const QColor &second);

// The palette of a control that sits on the window's white whatever the
// theme: labels and fields. It keeps the theme's text and selection colours
// where they read on white and replaces them where they do not (a dark
// theme's light text, say), so a light theme looks as it did. Only the roles
// it sets are resolved; the rest still follow the theme.
[[nodiscard]] QPalette legibleOnWhite(const QPalette &theme);

} // namespace volvenda
