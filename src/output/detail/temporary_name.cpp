#include "temporary_name.h"

#include <QRandomGenerator>

#include <algorithm>

namespace volvenda {

QByteArray temporaryNameFor(QByteArrayView name)
{
    constexpr qsizetype kept = 32;
    qsizetype cut = std::min(name.size(), kept);
    // Back to the start of a character, so that a UTF-8 name stays UTF-8.
    while (cut > 0 && cut < name.size() && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U)
        --cut;
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray temporary = name.first(cut).toByteArray() + '.';
    for (int i = 0; i < 6; ++i)
        temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return temporary;
}

} // namespace volvenda
