// Reading direction of a text; see readingdirection.h.
#include "base/readingdirection.h"

namespace reading {

std::optional<bool> firstStrongIsRightToLeft(const QString& text)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirLRI:
            return false;
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    }
    return std::nullopt;
}

} // namespace reading
