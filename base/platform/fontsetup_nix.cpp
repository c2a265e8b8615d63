// Narrowing the font set through fontconfig; see fontsetup.h.
#include "base/platform/fontsetup.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <thread>

namespace fontsetup {

namespace {
// Joined at the latest when the program ends.
struct Loader {
    // The configuration to load in place of the system's; empty keeps the
    // system's own.
    QByteArray configFile;
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

// Reads the delivered configuration and its fonts and makes it the
// program's current set. Loaded directly rather than through FcInit, which
// would also parse every configuration template the system ships (about
// forty files, for a listing tool's benefit), and rather than through the
// environment, which the programs this one starts (the web browser) would
// inherit.
bool loadDeliveredSet(const QByteArray& file)
{
    FcConfig* config = FcConfigCreate();
    if (!config)
        return false;
    const bool loaded =
        FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(file.constData()), FcTrue) &&
        FcConfigBuildFonts(config) && FcConfigSetCurrent(config);
    // The current set holds a reference of its own.
    FcConfigDestroy(config);
    return loaded;
}
} // namespace

void startLoadingFontSet()
{
    Loader& l = loader();
    if (l.thread.joinable())
        return;
    l.thread = std::thread([file = l.configFile] {
        // A configuration that cannot be read leaves the system's set.
        if (file.isEmpty() || !loadDeliveredSet(file))
            FcInit();
    });
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
    // The delivered configuration takes the system's rendering choices,
    // then narrows the large families of script faces to the ones the
    // windows use.
    loader().configFile = QFile::encodeName(configFile);
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
