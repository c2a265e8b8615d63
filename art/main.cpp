// tarnwell-art: draws every picture the program ships (into the delivery
// folder) and the window artwork (into the resource folder), at build time.
#include "art/artkit.h"
#include "art/facefiles.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QtMessageHandler previousHandler = nullptr;

// Build machines often run without a login session; Qt's note about the
// missing runtime folder is noise in every build log.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(u"XDG_RUNTIME_DIR"_s))
        return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    // Runs during the build, where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    // The pictures must not depend on what else the machine has installed:
    // the only faces drawn with are the ones read from their files below.
    const QString hidden = art::hideInstalledFonts();
    if (!hidden.isEmpty()) {
        std::fprintf(stderr, "tarnwell-art: %s\n", qPrintable(hidden));
        return 1;
    }
    QGuiApplication app(argc, argv);

    QString delivered, resources, icons, faces = art::defaultFaceRoot();
    const QStringList args = QGuiApplication::arguments();
    if (args.contains(u"--list-borders"_s)) {
        // What each border is drawn from, for people and tests comparing
        // the pictures with the designs.
        for (const QString& line : art::borderCatalogue())
            std::printf("%s\n", qPrintable(line));
        return 0;
    }
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == u"--delivered"_s)
            delivered = args[++i];
        else if (args[i] == u"--resources"_s)
            resources = args[++i];
        else if (args[i] == u"--icons"_s)
            icons = args[++i];
        else if (args[i] == u"--fonts"_s)
            faces = args[++i];
    }
    // The pictures come as a pair (the program needs both); the icon theme
    // for installing may also be drawn on its own.
    const bool pictures = !delivered.isEmpty() || !resources.isEmpty();
    if ((pictures && (delivered.isEmpty() || resources.isEmpty())) ||
        (!pictures && icons.isEmpty())) {
        std::fprintf(
            stderr,
            "usage: tarnwell-art --delivered DIR --resources DIR [--icons DIR] [--fonts DIR]\n"
            "       tarnwell-art --icons DIR [--fonts DIR]\n"
            "       tarnwell-art --list-borders\n");
        return 2;
    }
    const QStringList missing = art::loadFaceFiles(faces);
    if (!missing.isEmpty()) {
        for (const QString& error : missing)
            std::fprintf(stderr, "tarnwell-art: %s\n", qPrintable(error));
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    art::Sink sink(delivered, resources);
    const bool verbose = qEnvironmentVariableIsSet("TARNWELL_ART_VERBOSE");
    const auto stage = [&](const char* name, void (*draw)(art::Sink&)) {
        const qint64 before = timer.elapsed();
        draw(sink);
        if (verbose)
            std::printf("  %-12s %5lld ms\n", name,
                        static_cast<long long>(timer.elapsed() - before));
    };
    if (pictures) {
        stage("logo", art::drawLogo);
        stage("buttons", art::drawLinkButtons);
        stage("options", art::drawOptionIcons);
        stage("borders", art::drawBorders);
        stage("smilies", art::drawSmilies);
        stage("window art", art::drawWindowArt);
        stage("icons", art::drawIcons);
    }
    if (!icons.isEmpty())
        art::drawThemeIcons(sink, icons);
    if (pictures) {
        // The pictures the windows show, drawn again at twice the size for
        // 2x screens as name@2x beside name; the forum's pictures (buttons,
        // borders, smilies) are what the forum shows and have no copy.
        art::setDrawingScale(2);
        sink.setSuffix(u"@2x"_s);
        stage("logo 2x", art::drawLogo);
        stage("options 2x", art::drawOptionIcons);
        stage("window 2x", art::drawWindowArt);
        stage("icons 2x", art::drawIcons);
        art::setDrawingScale(1);
        sink.setSuffix({});
    }

    for (const QString& error : sink.errors())
        std::fprintf(stderr, "tarnwell-art: %s\n", qPrintable(error));
    std::printf("tarnwell-art: %d files in %lld ms\n", sink.written(),
                static_cast<long long>(timer.elapsed()));
    return sink.errors().isEmpty() ? 0 : 1;
}
