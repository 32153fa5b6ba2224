#pragma once

#include <QEvent>
#include <QObject>

// Counts the paints a widget gets, to see each step of a run reach the
// screen: installed as the widget's event filter. The tests and the
// benchmark count alike.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};
