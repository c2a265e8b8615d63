// Windows draws with its own font system; see fontsetup.h.
#include "base/platform/fontsetup.h"

namespace fontsetup {

void narrowFontSet(const QString&)
{
}

void startLoadingFontSet()
{
}

void finishLoadingFontSet()
{
}

QString deliveredConfig()
{
    return {};
}

} // namespace fontsetup
