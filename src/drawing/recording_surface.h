#pragma once

#include "drawing_surface.h"
#include "vector_surface.h"

namespace volvenda {

// Draws on a surface that is shown and keeps the same drawing as vectors, so
// that what is on screen can also be saved as a drawing.
class RecordingSurface final : public DrawingSurface
{
public:
    RecordingSurface(DrawingSurface &shown, QSize logicalSize, QColor background);

    void ClearSurface() override;
    void PenWidth(int width) override;
    void DrawCircle(float x, float y, float radius, COLORREF colour) override;
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override;
    void Present() override;

    // Everything drawn since the last ClearSurface.
    [[nodiscard]] const VectorSurface &record() const { return m_record; }

private:
    DrawingSurface &m_shown;
    VectorSurface m_record;
};

} // namespace volvenda
