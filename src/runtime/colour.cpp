#include "colour.h"

#include "catalogue.h"

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

// The hue circle in order; red wraps round past 335 degrees. The names are
// the catalogue's source texts, translated as they are given.
constexpr std::array HueNames {
    HueName {15, QT_TRANSLATE_NOOP("Colours", "red"), QT_TRANSLATE_NOOP("Colours", "dark red"),
        QT_TRANSLATE_NOOP("Colours", "pink")},
    HueName {45, QT_TRANSLATE_NOOP("Colours", "orange"), QT_TRANSLATE_NOOP("Colours", "brown"),
        QT_TRANSLATE_NOOP("Colours", "light orange")},
    HueName {70, QT_TRANSLATE_NOOP("Colours", "yellow"), QT_TRANSLATE_NOOP("Colours", "olive"),
        QT_TRANSLATE_NOOP("Colours", "light yellow")},
    HueName {100, QT_TRANSLATE_NOOP("Colours", "lime"), QT_TRANSLATE_NOOP("Colours", "dark lime"),
        QT_TRANSLATE_NOOP("Colours", "light lime")},
    HueName {160, QT_TRANSLATE_NOOP("Colours", "green"), QT_TRANSLATE_NOOP("Colours", "dark green"),
        QT_TRANSLATE_NOOP("Colours", "light green")},
    HueName {195, QT_TRANSLATE_NOOP("Colours", "teal"), QT_TRANSLATE_NOOP("Colours", "dark teal"),
        QT_TRANSLATE_NOOP("Colours", "light teal")},
    HueName {255, QT_TRANSLATE_NOOP("Colours", "blue"), QT_TRANSLATE_NOOP("Colours", "dark blue"),
        QT_TRANSLATE_NOOP("Colours", "light blue")},
    HueName {285, QT_TRANSLATE_NOOP("Colours", "purple"), QT_TRANSLATE_NOOP("Colours", "dark purple"),
        QT_TRANSLATE_NOOP("Colours", "light purple")},
    HueName {335, QT_TRANSLATE_NOOP("Colours", "magenta"), QT_TRANSLATE_NOOP("Colours", "dark magenta"),
        QT_TRANSLATE_NOOP("Colours", "light magenta")},
    HueName {360, QT_TRANSLATE_NOOP("Colours", "red"), QT_TRANSLATE_NOOP("Colours", "dark red"),
        QT_TRANSLATE_NOOP("Colours", "pink")},
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
            return translate("Colours", "black");
        if (lightness > 0.92)
            return translate("Colours", "white");
        if (lightness < DarkBelow)
            return translate("Colours", "dark grey");
        return lightness > LightAbove ? translate("Colours", "light grey") : translate("Colours", "grey");
    }
    const HueName *hue = HueNames.data();
    while (hsl.hslHue() >= hue->below)
        ++hue;
    const QString name = translate("Colours", hue->name);
    if (saturation < 0.35) {
        //: %1 is a colour's name, such as blue.
        return lightness < DarkBelow ? translate("Colours", "dark greyish %1").arg(name)
            : lightness > LightAbove ? translate("Colours", "light greyish %1").arg(name)
                                     : translate("Colours", "greyish %1").arg(name);
    }
    return lightness < DarkBelow ? translate("Colours", hue->dark)
        : lightness > LightAbove ? translate("Colours", hue->light)
                                 : name;
}

} // namespace volvenda
