// Windows draws with its own font system; see fontsetup.h.
#include "fontsetup.h"

namespace fontsetup {

void narrowFontSet(const QString&)
{
}

QString deliveredConfig()
{
    return {};
}

} // namespace fontsetup
