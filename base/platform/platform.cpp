// The current platform; see platform.h.
#include "base/platform/platform.h"

namespace platform {

namespace {
Platform* g_installed = nullptr;
} // namespace

Platform& current()
{
    if (g_installed)
        return *g_installed;
    static const std::unique_ptr<Platform> native = createNative();
    return *native;
}

void install(Platform* platform)
{
    g_installed = platform;
}

} // namespace platform
