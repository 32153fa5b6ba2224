#pragma once

#include "window/main_window.h"
#include "window/picture_description.h"

#include "runtime/arithmetic.h"
#include "runtime/colour.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace volvenda {

// A main window whose program end and error reports are recorded instead of
// quitting or showing a modal box, and whose file dialogs answer choice and runsChoice.
struct WindowHarness
{
    int ended = 0;
    QStringList errors;
    QStringList proposals;
    ChosenFile choice;
    QString runsChoice;
    // Each error as its words and, on a line of its own, what to do about it.
    MainWindow window {[this] { ++ended; },
        [this](QWidget *, const CommandFailure &failure) {
            errors << (failure.remedy.isEmpty() ? failure.error : failure.error + '\n' + failure.remedy);
        },
        [this](QWidget *, const QString &proposal) {
            proposals << proposal;
            return choice;
        },
        [this](QWidget *, bool, const QString &proposal) {
            proposals << proposal;
            return runsChoice;
        }};

    QWidget *control(const QString &name) { return window.findChild<QWidget *>(name); }
    QLineEdit *field(const char *name) { return window.findChild<QLineEdit *>(QString::fromLatin1(name)); }
    void click(const char *button)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    // Shows the window and gives it the keyboard. Under a bare X server no
    // window manager activates it, so ask for it.
    [[nodiscard]] bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
    }

    [[nodiscard]] const QImage &picture() const { return window.surface().image(); }
    void trigger(const char *action) { window.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    // What the window shows, controls and all, in device pixels.
    [[nodiscard]] QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The run colour the window picked last.
inline QColor runColour(const MainWindow &window)
{
    const TraceState &state = window.state();
    return toQColor(composeColour(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue)));
}

// A colour as the picture's description gives it.
inline QString colourOf(const QColor &colour)
{
    return colourInWords(composeColour(colour.red(), colour.green(), colour.blue())) + " (" + colour.name() + ")";
}

inline QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace volvenda
