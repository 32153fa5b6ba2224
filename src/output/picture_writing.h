#pragma once

#include "picture_format.h"
#include "svg_writing.h"

#include <functional>

class QImage;
class QIODevice;

namespace volvenda {

class VectorSurface;

// One picture, as each format takes it: the pixels for PNG, the recorded
// drawing for SVG. A format needs only its own.
struct Picture
{
    // Throws RuntimeError OutOfMemory for an image whose memory could not be
    // had (a null image), which is never written as an empty picture.
    Picture(const QImage *image, const VectorSurface *drawing);

    const QImage *image;
    const VectorSurface *drawing;
};

// Writes the picture to device in format: the image as PNG (progress hears
// how much is done, 0 to 1), the drawing as SVG as svg says. Returns false
// when the device refused a write; the device knows why (an AtomicFile's
// reports it when committed).
bool writePicture(QIODevice &device, PictureFormat format, const Picture &picture, const SvgOptions &svg = {},
    const std::function<void(double)> &progress = {});

} // namespace volvenda
