// Both number readings on arbitrary text: the lenient one never throws and
// gives a finite number or an infinity; the strict ones give a finite number
// or raise only the type-mismatch or overflow error, in any locale; the exact
// reading raises only the type mismatch and keeps its digits trimmed.

#include "runtime/leading_number.h"
#include "runtime/locale_number.h"
#include "runtime/runtime_error.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace volvenda;

namespace {

template<typename Read>
void checkStrict(Read &&read)
{
    try {
        if (!std::isfinite(read()))
            std::abort();
    } catch (const RuntimeError &error) {
        if (error.kind() != ErrorKind::TypeMismatch && error.kind() != ErrorKind::Overflow)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    const double lenient = readLeadingNumber(text);
    if (std::isnan(lenient))
        std::abort();

    static const QLocale locales[] = {
        QLocale::c(),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Arabic, QLocale::Egypt),
    };
    for (const QLocale &locale : locales) {
        checkStrict([&] { return readNumber(text, locale); });
        checkStrict([&] { return readSingle(text, locale); });
        // The exact reading accepts what the strict one does, and never overflows.
        try {
            const ExactDecimal exact = readExactDecimal(text, locale);
            if (!exact.digits.empty() && (exact.digits.front() == '0' || exact.digits.back() == '0'))
                std::abort();
        } catch (const RuntimeError &error) {
            if (error.kind() != ErrorKind::TypeMismatch)
                std::abort();
        }
    }
    return 0;
}
