#pragma once

#include "runtime/color.h"
#include "runtime/raster_surface.h"
#include "window/main_window.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <cmath>

// A main window whose program end and error reports are recorded instead of
// quitting or showing a modal box.
struct WindowHarness
{
    int ended = 0;
    QStringList errors;
    volvenda::MainWindow window {[this] { ++ended; }, [this](QWidget *, const QString &text) { errors << text; }};

    template<typename Control = QWidget>
    Control *control(const char *name)
    {
        return window.findChild<Control *>(QString::fromUtf8(name));
    }
    // Shows the window and gives it the keyboard. Under a bare X server no
    // window manager activates it, so ask for it.
    [[nodiscard]] bool showActive()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // What the window shows, controls and all, in device pixels.
    [[nodiscard]] QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QLineEdit *field(const char *name) { return control<QLineEdit>(name); }
    QPushButton *button(const char *name) { return control<QPushButton>(name); }
    [[nodiscard]] const QImage &picture() const { return window.surface().image(); }
};

// The start-up picture drawn afresh on the core's own surface: a one-pixel
// grey circle of the given radius around (200, 250).
inline QImage referencePicture(float radius, qreal ratio = 1.0)
{
    volvenda::RasterSurface surface(QSize(400, 445), ratio, Qt::white);
    surface.DrawCircle(200, 250, radius, volvenda::ReferenceGray);
    return surface.image();
}

// Whether every painted pixel lies on the grey circle of that radius (within
// what aliased drawing allows), and the circle is drawn all the way round:
// every two degrees of it has a pixel.
inline bool isReferenceCircle(const QImage &image, double radius)
{
    const qreal ratio = image.devicePixelRatio();
    const QRgb white = QColor(Qt::white).rgb();
    const QRgb grey = volvenda::toQColor(volvenda::ReferenceGray).rgb();
    bool sawAngle[180] = {};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == white)
                continue;
            // Pixel centres in logical coordinates; whole coordinates name pixel centres too.
            const double dx = (x + 0.5) / ratio - 0.5 - 200;
            const double dy = (y + 0.5) / ratio - 0.5 - 250;
            if (pixel != grey || std::abs(std::hypot(dx, dy) - radius) > 1.5)
                return false;
            const int degrees = static_cast<int>(std::floor(std::atan2(dy, dx) * 180 / M_PI + 360)) % 360;
            sawAngle[degrees / 2] = true;
        }
    for (const bool seen : sawAngle)
        if (!seen)
            return false;
    return true;
}
