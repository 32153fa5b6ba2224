#pragma once

#include "runtime/colour.h"
#include "trace/curve.h"

#include <QString>

#include <optional>
#include <vector>

namespace volvenda {

// What the picture shows, in words, for those who cannot see it: the grey
// circle, then each run since the last Clear with its three numbers and its
// colour, a run that stopped part-way marked as such. For example "Grey
// circle, radius 120. 1 curve: R1 120, R2 33, R3 40 in dark teal (#1f6f6a)."
class PictureDescription final
{
public:
    // The picture was wiped, and the circle drawn with this radius (none
    // when it could not be read, or is too large to draw).
    void wipe(std::optional<float> circle);
    // A run begins with these numbers and colour.
    void beginRun(const Radii &radii, COLORREF colour);
    // The run begun last has drawn its whole curve.
    void finishRun();
    // The run begun last, if it has not finished, stopped with this error.
    void stopRun(const QString &error);

    [[nodiscard]] QString text() const;

private:
    struct Run
    {
        Radii radii;
        COLORREF colour = 0;
        bool finished = false;
        QString stoppedBy;
    };
    std::optional<float> m_circle;
    std::vector<Run> m_runs;
};

} // namespace volvenda
