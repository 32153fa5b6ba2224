#pragma once

#include "drawing/drawing_surface.h"
#include "drawing/vector_surface.h"

#include <QSizeF>
#include <QStringList>

#include <deque>

class QIODevice;

namespace volvenda {

// A sheet of paper for a pen plotter, in millimetres: its size, the margin
// left blank on every side, and the width of the pen's line.
struct PlotterPage
{
    QSizeF size;
    double margin = 0.0;
    double pen = 0.0;
};

// A drawing surface that keeps each stroke apart as a layer of its own, for
// a plotter to draw with a pen of its own: every pen setting begins a layer.
// The Start command sets the pen once as it begins a run, and the grey circle
// has its pen set too, so the circle and each run are a layer, in the order
// they were drawn.
class LayeredDrawing final : public DrawingSurface
{
public:
    explicit LayeredDrawing(QSize logicalSize);

    void ClearSurface() override { m_layers.clear(); }
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override { }

    // Each as the SVG of the canvas would draw it.
    [[nodiscard]] const std::deque<VectorSurface> &layers() const { return m_layers; }
    [[nodiscard]] QSize logicalSize() const { return m_logicalSize; }

private:
    VectorSurface &current();

    QSize m_logicalSize;
    std::deque<VectorSurface> m_layers;
};

// Writes the drawing as an SVG page for a plotter: each layer an Inkscape
// layer with its label from labels (in order), holding one path in its
// colour, stroked with the pen and unfilled, with no background. What lies
// on the canvas is cut at its edges, as the canvas's picture cuts it; the box
// of the lines' centres then fills the room inside the margins and half a
// pen, so that the ink stays inside them, its middle the page's. Coordinates
// are in millimetres to two decimals. Throws RuntimeError(WorkRefused) when
// nothing lands on the canvas. Returns false when the device refused a write.
bool writePlotterSvg(
    const LayeredDrawing &drawing, const QStringList &labels, QIODevice &device, const PlotterPage &page);

} // namespace volvenda
