#include "picture_format.h"

#include <QFileInfo>

namespace volvenda {

QString extension(PictureFormat format)
{
    return format == PictureFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

std::optional<PictureFormat> formatOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Svg})
        if (suffix.compare(extension(format), Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

} // namespace volvenda
