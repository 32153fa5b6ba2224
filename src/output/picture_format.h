#pragma once

#include <QString>

#include <optional>

namespace volvenda {

// The two kinds of picture file: the pixels as PNG, the drawing as SVG.
enum class PictureFormat { Png, Svg };

// "png" or "svg": the extension that names the format.
[[nodiscard]] QString extension(PictureFormat format);

// The format a file's name asks for by its extension, .png or .svg in any
// case; none for any other name.
[[nodiscard]] std::optional<PictureFormat> formatOfName(const QString &path);

} // namespace volvenda
