// Blank stripping, display and ordering of native file names.
#include "unspacer/names.h"

#include <algorithm>

namespace unspacer {

namespace {
constexpr NativeName::value_type kBlank = 0x20;
}

bool hasBlank(const NativeName& name)
{
    return name.find(kBlank) != NativeName::npos;
}

NativeName withoutBlanks(const NativeName& name)
{
    NativeName result;
    result.reserve(name.size());
    std::copy_if(name.begin(), name.end(), std::back_inserter(result),
                 [](NativeName::value_type c) { return c != kBlank; });
    return result;
}

QString displayName(const NativeName& name)
{
#ifdef _WIN32
    return QString::fromWCharArray(name.data(), static_cast<qsizetype>(name.size()));
#else
    return QString::fromLocal8Bit(name.data(), static_cast<qsizetype>(name.size()));
#endif
}

void sortLikeFileList(std::vector<NativeName>& names)
{
    // Fold each name once rather than in every comparison.
    struct Keyed {
        QString key;
        NativeName name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (NativeName& name : names)
        keyed.push_back({displayName(name).toCaseFolded(), std::move(name)});

    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (const int c = QString::compare(a.key, b.key); c != 0)
            return c < 0;
        return a.name < b.name;
    });

    for (std::size_t i = 0; i < keyed.size(); ++i)
        names[i] = std::move(keyed[i].name);
}

} // namespace unspacer
