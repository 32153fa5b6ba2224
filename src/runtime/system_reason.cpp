#include "system_reason.h"

#include <cstring>

#include <langinfo.h>
#include <locale.h>

namespace volvenda {

QString systemReason(int error)
{
    // Text here is UTF-8 throughout, as it is for the toolkit.
    if (std::strcmp(::nl_langinfo(CODESET), "UTF-8") == 0)
        return QString::fromUtf8(std::strerror(error));
    const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    if (english == locale_t(nullptr))
        return QStringLiteral("error %1").arg(error);
    QString reason = QString::fromUtf8(::strerror_l(error, english));
    ::freelocale(english);
    return reason;
}

} // namespace volvenda
