#include "recording_surface.h"

namespace volvenda {

RecordingSurface::RecordingSurface(DrawingSurface &shown, QSize logicalSize, QColor background)
    : m_shown(shown)
    , m_record(logicalSize, background)
{
}

void RecordingSurface::ClearSurface()
{
    m_shown.ClearSurface();
    m_record.ClearSurface();
}

void RecordingSurface::PenWidth(int width)
{
    m_shown.PenWidth(width);
    m_record.PenWidth(width);
}

void RecordingSurface::DrawCircle(float x, float y, float radius, COLORREF colour)
{
    m_shown.DrawCircle(x, y, radius, colour);
    m_record.DrawCircle(x, y, radius, colour);
}

void RecordingSurface::DrawLine(float x1, float y1, float x2, float y2, COLORREF colour)
{
    m_shown.DrawLine(x1, y1, x2, y2, colour);
    m_record.DrawLine(x1, y1, x2, y2, colour);
}

void RecordingSurface::Present()
{
    m_shown.Present();
}

} // namespace volvenda
