#pragma once

// The anchor the window is measured against: the least a Qt Widgets program
// needs to do what Start does, a window with a canvas and a Start button that
// draws 805 steps of the same curve, repainting the canvas after each.

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <cmath>

class BareCanvas final : public QWidget
{
public:
    explicit BareCanvas(QWidget *parent)
        : QWidget(parent)
    {
        setFixedSize(400, 445);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void start()
    {
        const qreal ratio = devicePixelRatioF();
        if (m_image.size() != size() * ratio) {
            m_image = QImage(size() * ratio, QImage::Format_RGB32);
            m_image.setDevicePixelRatio(ratio);
            m_image.fill(Qt::white);
        }
        QPainter painter(&m_image);
        painter.setPen(QColor(0x1f, 0x6f, 0x6a));
        QPointF from = point(0);
        for (int step = 1; step <= 805; ++step) {
            const QPointF to = point(step * 0.1);
            painter.drawLine(from, to);
            repaint(QRectF(from, to).normalized().adjusted(-2, -2, 2, 2).toAlignedRect());
            from = to;
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        if (m_image.isNull())
            painter.fillRect(event->rect(), Qt::white);
        else
            painter.drawImage(event->rect(), m_image, event->rect());
    }

private:
    static QPointF point(double t)
    {
        // R1 120, R2 33, R3 40 round the canvas's middle.
        constexpr double fixed = 120, rolling = 33, pen = 40;
        return {200 + (fixed + rolling) * std::cos(t) - pen * std::cos((fixed + rolling) / rolling * t),
            250 + (fixed + rolling) * std::sin(t) - pen * std::sin((fixed + rolling) / rolling * t)};
    }

    QImage m_image;
};

class BareWindow final : public QWidget
{
public:
    BareWindow()
    {
        setWindowTitle(QStringLiteral("Bare"));
        setFixedSize(400, 445);
        canvas = new BareCanvas(this);
        start = new QPushButton(QStringLiteral("Start"), this);
        start->move(8, 8);
        connect(start, &QPushButton::clicked, canvas, &BareCanvas::start);
    }

    BareCanvas *canvas;
    QPushButton *start;
};
