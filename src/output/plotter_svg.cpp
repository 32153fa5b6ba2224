#include "plotter_svg.h"

#include "drawing/clipping.h"
#include "runtime/catalogue.h"
#include "runtime/runtime_error.h"

#include <QIODevice>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace volvenda {

namespace {

const QString InkscapeNamespace = QStringLiteral("http://www.inkscape.org/namespaces/inkscape");

constexpr double QuarterTurn = std::numbers::pi / 2.0;
constexpr double Unbounded = std::numeric_limits<double>::infinity();

// What the pen draws without being lifted: straight lines from point to
// point, or for a radius other than 0 arcs of that radius, clockwise on the
// page and none more than a quarter turn, so that the points alone hold the
// box of all that is drawn.
struct Stroke
{
    QPolygonF points;
    double radius = 0.0;
};

QPointF onCircle(const VectorSurface::Circle &circle, double angle)
{
    return circle.centre + circle.radius * QPointF(std::cos(angle), std::sin(angle));
}

// The arc between the angles from and to (to the larger, y downwards), with
// a point wherever it crosses an axis through the centre.
Stroke arcStroke(const VectorSurface::Circle &circle, double from, double to)
{
    Stroke stroke {{}, circle.radius};
    stroke.points << onCircle(circle, from);
    for (double quarter = std::floor(from / QuarterTurn) + 1.0; quarter * QuarterTurn < to; ++quarter)
        stroke.points << onCircle(circle, quarter * QuarterTurn);
    stroke.points << onCircle(circle, to);
    return stroke;
}

// The arcs of a circle inside the canvas: the whole circle, or what lies
// between the places where it crosses the canvas's edges.
void cutCircle(const VectorSurface::Circle &circle, const QRectF &canvas, std::vector<Stroke> &strokes)
{
    const QPointF c = circle.centre;
    const double r = circle.radius;
    if (c.x() - r >= canvas.left() && c.x() + r <= canvas.right() && c.y() - r >= canvas.top()
        && c.y() + r <= canvas.bottom()) {
        strokes.push_back(arcStroke(circle, 0.0, 4.0 * QuarterTurn));
        return;
    }
    std::vector<double> crossings;
    const auto cross = [&](double across, double centre, double low, double high, bool vertical) {
        const double d = across - centre;
        if (std::fabs(d) >= r)
            return;
        const double along = std::sqrt(r * r - d * d);
        for (const double offset : {-along, along}) {
            const double at = (vertical ? c.y() : c.x()) + offset;
            if (at >= low && at <= high)
                crossings.push_back(vertical ? std::atan2(offset, d) : std::atan2(d, offset));
        }
    };
    for (const double x : {canvas.left(), canvas.right()})
        cross(x, c.x(), canvas.top(), canvas.bottom(), true);
    for (const double y : {canvas.top(), canvas.bottom()})
        cross(y, c.y(), canvas.left(), canvas.right(), false);
    // No crossing: the canvas lies wholly inside the circle or apart from it.
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        const double from = crossings[i];
        const double to = i + 1 < crossings.size() ? crossings[i + 1] : crossings[0] + 4.0 * QuarterTurn;
        if (to > from && canvas.contains(onCircle(circle, (from + to) / 2.0)))
            strokes.push_back(arcStroke(circle, from, to));
    }
}

// The parts of a polyline inside the canvas, each a stroke.
void cutLines(const QPolygonF &points, const QRectF &canvas, std::vector<Stroke> &strokes)
{
    const std::size_t first = strokes.size();
    for (qsizetype i = 1; i < points.size(); ++i) {
        const std::optional<QLineF> part = clipSegment(QLineF(points[i - 1], points[i]), canvas);
        if (!part)
            continue;
        if (strokes.size() == first || strokes.back().points.back() != part->p1()) {
            strokes.emplace_back();
            strokes.back().points << part->p1();
        }
        strokes.back().points << part->p2();
    }
}

// Hundredths of a millimetre, with no zeros after the last digit that counts
// and no sign on 0: "12.5", "0".
QString millimetres(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// Each stroke a subpath; points that round to the one before are left out,
// and a stroke that rounds to one point is a dot, where the pen touches the paper once.
template<typename Placing>
QString pathData(const std::vector<Stroke> &strokes, const Placing &onPage, double scale)
{
    QString data;
    for (const Stroke &stroke : strokes) {
        const QString arc = QStringLiteral(" A%1 %1 0 0 1 ").arg(millimetres(stroke.radius * scale));
        QString last;
        bool moved = false;
        for (qsizetype i = 0; i < stroke.points.size(); ++i) {
            const QPointF p = onPage(stroke.points[i]);
            const QString at = millimetres(p.x()) + QLatin1Char(',') + millimetres(p.y());
            if (i == 0)
                data += (data.isEmpty() ? QStringLiteral("M") : QStringLiteral(" M")) + at;
            else if (at != last) {
                data += (stroke.radius > 0.0 ? arc : QStringLiteral(" L")) + at;
                moved = true;
            }
            last = at;
        }
        if (!moved)
            data += QStringLiteral(" L") + last;
    }
    return data;
}

} // namespace

LayeredDrawing::LayeredDrawing(QSize logicalSize)
    : m_logicalSize(logicalSize)
{
}

void LayeredDrawing::PenWidth(int width)
{
    m_layers.emplace_back(m_logicalSize, Qt::white);
    m_layers.back().PenWidth(width);
}

void LayeredDrawing::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    current().DrawCircle(x, y, radius, colour);
}

void LayeredDrawing::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    current().DrawLine(x1, y1, x2, y2, colour);
}

VectorSurface &LayeredDrawing::current()
{
    if (m_layers.empty())
        m_layers.emplace_back(m_logicalSize, Qt::white);
    return m_layers.back();
}

bool writePlotterSvg(
    const LayeredDrawing &drawing, const QStringList &labels, QIODevice &device, const PlotterPage &page)
{
    // Whole coordinates are the centres of the canvas's pixels.
    const QRectF canvas(QPointF(-0.5, -0.5), QSizeF(drawing.logicalSize()));
    std::vector<std::vector<Stroke>> layers;
    double left = Unbounded;
    double top = Unbounded;
    double right = -Unbounded;
    double bottom = -Unbounded;
    for (const VectorSurface &layer : drawing.layers()) {
        std::vector<Stroke> &strokes = layers.emplace_back();
        for (const VectorSurface::Shape &shape : layer.shapes()) {
            if (const auto *circle = std::get_if<VectorSurface::Circle>(&shape.geometry))
                cutCircle(*circle, canvas, strokes);
            else
                cutLines(std::get<QPolygonF>(shape.geometry), canvas, strokes);
        }
        for (const Stroke &stroke : strokes) {
            for (const QPointF &p : stroke.points) {
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
            }
        }
    }
    if (left > right)
        throw RuntimeError(ErrorKind::WorkRefused,
            translate("Plotter", "nothing of this picture lands on the canvas, so the page would be blank"));

    // The box fills the room one way and is centred the other; a box of no
    // width or height (a dot, a straight line) fills it the way it can.
    const double inset = 2.0 * page.margin + page.pen;
    const double across = right - left;
    const double down = bottom - top;
    double scale = 1.0;
    if (across > 0.0)
        scale = (page.size.width() - inset) / across;
    if (down > 0.0)
        scale
            = across > 0.0 ? std::min(scale, (page.size.height() - inset) / down) : (page.size.height() - inset) / down;
    const QPointF middle((left + right) / 2.0, (top + bottom) / 2.0);
    const QPointF pageMiddle(page.size.width() / 2.0, page.size.height() / 2.0);
    const auto onPage = [&](QPointF p) { return (p - middle) * scale + pageMiddle; };

    QXmlStreamWriter xml(&device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeNamespace(InkscapeNamespace, QStringLiteral("inkscape"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    const QString width = millimetres(page.size.width());
    const QString height = millimetres(page.size.height());
    xml.writeAttribute(QStringLiteral("width"), width + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("height"), height + QStringLiteral("mm"));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(width, height));
    for (std::size_t i = 0; i < layers.size(); ++i) {
        xml.writeStartElement(QStringLiteral("g"));
        xml.writeAttribute(InkscapeNamespace, QStringLiteral("groupmode"), QStringLiteral("layer"));
        xml.writeAttribute(InkscapeNamespace, QStringLiteral("label"), labels.value(qsizetype(i)));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("layer%1").arg(i + 1));
        if (!layers[i].empty()) {
            xml.writeEmptyElement(QStringLiteral("path"));
            xml.writeAttribute(QStringLiteral("d"), pathData(layers[i], onPage, scale));
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
            xml.writeAttribute(QStringLiteral("stroke"), toQColor(drawing.layers()[i].shapes().front().colour).name());
            xml.writeAttribute(QStringLiteral("stroke-width"), QString::number(page.pen));
            xml.writeAttribute(QStringLiteral("stroke-linecap"), QStringLiteral("round"));
            xml.writeAttribute(QStringLiteral("stroke-linejoin"), QStringLiteral("round"));
        }
        xml.writeEndElement(); // g
    }
    xml.writeEndElement(); // svg
    xml.writeEndDocument();
    return !xml.hasError();
}

} // namespace volvenda
