#include "legible_palette.h"

#include <algorithm>
#include <cmath>

namespace volvenda {

namespace {

// WCAG AA for normal text.
constexpr double ReadableText = 4.5;
// WCAG AA for what is not text: a selection must stand out from the field.
constexpr double VisibleShape = 3.0;

double relativeLuminance(const QColor &colour)
{
    // sRGB components back to linear light before they are weighted.
    const auto linear = [](double component) {
        return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor readableOnWhite(const QColor &themed)
{
    return contrastRatio(themed, Qt::white) >= ReadableText ? themed : QColor(Qt::black);
}

} // namespace

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette legibleOnWhite(const QPalette &theme)
{
    const QColor white(Qt::white);
    QColor highlight = theme.color(QPalette::Active, QPalette::Highlight);
    QColor highlightedText = theme.color(QPalette::Active, QPalette::HighlightedText);
    if (contrastRatio(highlightedText, highlight) < ReadableText || contrastRatio(highlight, white) < VisibleShape) {
        // The theme's own accent, darkened until white text reads on it; black
        // ends the search at the latest.
        highlightedText = white;
        while (contrastRatio(highlightedText, highlight) < ReadableText)
            highlight = highlight.darker(110);
    }

    // The same colours in every group: a field whose window loses the focus
    // keeps a selection that reads, and the controls are never disabled.
    QPalette palette;
    palette.setColor(QPalette::Window, white);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::WindowText, readableOnWhite(theme.color(QPalette::Active, QPalette::WindowText)));
    // A line edit draws its cursor in the text colour too.
    palette.setColor(QPalette::Text, readableOnWhite(theme.color(QPalette::Active, QPalette::Text)));
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    return palette;
}

} // namespace volvenda
