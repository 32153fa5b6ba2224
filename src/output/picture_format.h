#pragma once

#include <QString>

#include <optional>

namespace volvenda {

// The kinds of picture file: the pixels as PNG, the drawing as SVG, and the
// growing pixels as GIF (an animation only: a still picture is better as PNG).
enum class PictureFormat { Png, Svg, Gif };

// "png", "svg" or "gif": the extension that names the format.
[[nodiscard]] QString extension(PictureFormat format);

// The format a file's name asks for by its extension, .png, .svg or .gif in
// any case; none for any other name.
[[nodiscard]] std::optional<PictureFormat> formatOfName(const QString &path);

} // namespace volvenda
