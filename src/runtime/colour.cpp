#include "colour.h"

#include <array>

namespace volvenda {

namespace {

struct HueName
{
    // The hue, in degrees, where the name stops applying.
    int below;
    const char *name;
    // Dark and light shades: dark orange is brown, light red pink.
    const char *dark;
    const char *light;
};

// The hue circle in order; red wraps round past 335 degrees.
constexpr std::array HueNames {
    HueName {15, "red", "dark red", "pink"},
    HueName {45, "orange", "brown", "light orange"},
    HueName {70, "yellow", "olive", "light yellow"},
    HueName {100, "lime", "dark lime", "light lime"},
    HueName {160, "green", "dark green", "light green"},
    HueName {195, "teal", "dark teal", "light teal"},
    HueName {255, "blue", "dark blue", "light blue"},
    HueName {285, "purple", "dark purple", "light purple"},
    HueName {335, "magenta", "dark magenta", "light magenta"},
    HueName {360, "red", "dark red", "pink"},
};

constexpr double DarkBelow = 0.3;
constexpr double LightAbove = 0.7;

} // namespace

QString colourInWords(COLORREF colour)
{
    const QColor hsl = toQColor(colour).toHsl();
    const double lightness = hsl.lightnessF();
    const double saturation = hsl.hslSaturationF();
    // Below a saturation of about a sixth, or nearly black or white, no hue shows.
    if (saturation < 0.15 || lightness < 0.1 || lightness > 0.95) {
        if (lightness < 0.12)
            return QStringLiteral("black");
        if (lightness > 0.92)
            return QStringLiteral("white");
        if (lightness < DarkBelow)
            return QStringLiteral("dark grey");
        return lightness > LightAbove ? QStringLiteral("light grey") : QStringLiteral("grey");
    }
    const HueName *hue = HueNames.data();
    while (hsl.hslHue() >= hue->below)
        ++hue;
    if (saturation < 0.35) {
        const QString shade = lightness < DarkBelow ? QStringLiteral("dark ")
            : lightness > LightAbove                ? QStringLiteral("light ")
                                                    : QString();
        return shade + QStringLiteral("greyish ") + QLatin1String(hue->name);
    }
    return QLatin1String(lightness < DarkBelow ? hue->dark : lightness > LightAbove ? hue->light : hue->name);
}

} // namespace volvenda
