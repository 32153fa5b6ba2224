#pragma once

#include <QImage>

#include <functional>

class QIODevice;

namespace volvenda {

// Writes image to device as PNG, in the form that suits line art: an image
// of at most 256 colours (every picture this program draws) becomes a palette
// image at the smallest depth that holds them, 2 bits for a curve over its
// circle on white; rows are left unfiltered, as filters gain nothing on flat
// colour, and deflated at zlib's default level. Other images become 8-bit
// RGB, or RGBA when they have transparency. The image is read row by row, so
// no copy of it is made; its dots per metre become the file's resolution.
// progress, when given, hears now and then how much is done, 0 to 1.
// Returns false when the device refused a write (or the image is null).
bool writePng(const QImage &image, QIODevice &device, const std::function<void(double)> &progress = {});

} // namespace volvenda
