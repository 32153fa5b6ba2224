#pragma once

#include "runtime/drawing_surface.h"

#include <vector>

// A surface that keeps the calls it gets, in order, for tests to inspect.
class RecordingSurface final : public volvenda::DrawingSurface
{
public:
    struct Line
    {
        float x1, y1, x2, y2;
        volvenda::COLORREF colour;
        int penWidth;
    };
    struct Circle
    {
        float x, y, radius;
        volvenda::COLORREF colour;
        int penWidth;
    };
    enum class Call { Clear, PenWidth, Circle, Line, Present };

    void ClearSurface() override { calls.push_back(Call::Clear); }
    void PenWidth(int width) override
    {
        calls.push_back(Call::PenWidth);
        penWidth = width;
    }
    void DrawCircle(float x, float y, float radius, volvenda::COLORREF colour) override
    {
        calls.push_back(Call::Circle);
        circles.push_back({x, y, radius, colour, penWidth});
    }
    void DrawLine(float x1, float y1, float x2, float y2, volvenda::COLORREF colour) override
    {
        calls.push_back(Call::Line);
        lines.push_back({x1, y1, x2, y2, colour, penWidth});
    }
    void Present() override { calls.push_back(Call::Present); }

    [[nodiscard]] long count(Call call) const
    {
        long n = 0;
        for (const Call c : calls)
            n += c == call ? 1 : 0;
        return n;
    }

    int penWidth = 1;
    std::vector<Call> calls;
    std::vector<Line> lines;
    std::vector<Circle> circles;
};
