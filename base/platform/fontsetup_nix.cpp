// Narrowing the font set through fontconfig; see fontsetup.h.
#include "fontsetup.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace fontsetup {

namespace {
// Joined at the latest when the program ends.
struct Loader {
    std::thread thread;
    ~Loader()
    {
        if (thread.joinable())
            thread.join();
    }
};
Loader& loader()
{
    static Loader instance;
    return instance;
}
} // namespace

void startLoadingFontSet()
{
    Loader& l = loader();
    if (!l.thread.joinable())
        l.thread = std::thread([] { FcInit(); });
}

void finishLoadingFontSet()
{
    Loader& l = loader();
    if (l.thread.joinable())
        l.thread.join();
}

void narrowFontSet(const QString& configFile)
{
    // The user's own choice wins.
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") ||
        qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return;
    if (!QFileInfo(configFile).isFile())
        return;
    // The delivered configuration includes the system's own, then narrows
    // the large families of script faces to the ones the windows use.
    qputenv("FONTCONFIG_FILE", QFile::encodeName(configFile));
}

QString deliveredConfig()
{
    // The executable's own path, links resolved, as the kernel knows it.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString target = exe.symLinkTarget();
    if (target.isEmpty())
        return {};
    return QFileInfo(target).absolutePath() + QStringLiteral("/fonts.conf");
}

} // namespace fontsetup
