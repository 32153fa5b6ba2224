#pragma once

#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QWidget>

// Counts the paints a widget gets, to see each step of a run reach the
// screen, and keeps the descriptions it had as they were painted: installed
// as the widget's event filter. The tests and the benchmark count alike.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    QStringList descriptions;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        ++paints;
        const QString described = static_cast<QWidget *>(watched)->accessibleDescription();
        if (!descriptions.contains(described))
            descriptions << described;
        return false;
    }
};
