// The font set delivered beside the program: it keeps the system's
// rendering choices and faces, leaves out the Noto faces of other scripts,
// and is what the font system has loaded once start-up has waited for it.
#include "base/platform/fontsetup.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>

#include <fontconfig/fontconfig.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString deliveredConfigFile()
{
    return qEnvironmentVariable("TARNWELL_BIN_DIR") + u"/fonts.conf"_s;
}

struct ConfigDeleter {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};
using Config = std::unique_ptr<FcConfig, ConfigDeleter>;

Config loadConfig(const QString& file)
{
    Config config(FcConfigCreate());
    if (!FcConfigParseAndLoad(config.get(),
                              reinterpret_cast<const FcChar8*>(QFile::encodeName(file).constData()),
                              FcTrue) ||
        !FcConfigBuildFonts(config.get()))
        return {};
    return config;
}

// What a face request comes out as: the file and the rendering settings.
QString match(FcConfig* config, const char* request)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return {};
    QStringList parts;
    FcChar8* file = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch)
        parts << QString::fromUtf8(reinterpret_cast<const char*>(file));
    for (const char* key : {FC_ANTIALIAS, FC_HINTING, FC_AUTOHINT, FC_EMBOLDEN}) {
        FcBool value = FcFalse;
        parts << u"%1=%2"_s.arg(QLatin1StringView(key))
                     .arg(FcPatternGetBool(found, key, 0, &value) == FcResultMatch ? value : -1);
    }
    for (const char* key : {FC_HINT_STYLE, FC_RGBA, FC_LCD_FILTER}) {
        int value = 0;
        parts << u"%1=%2"_s.arg(QLatin1StringView(key))
                     .arg(FcPatternGetInteger(found, key, 0, &value) == FcResultMatch ? value : -1);
    }
    FcPatternDestroy(found);
    return parts.join(u' ');
}

QStringList families(FcConfig* config)
{
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(config, all, objects);
    QStringList names;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
            names << QString::fromUtf8(reinterpret_cast<const char*>(family));
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    return names;
}

} // namespace

class TestFontSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (!QFileInfo(deliveredConfigFile()).isFile())
            QSKIP("no font set is delivered on this platform");
        if (!QFileInfo(u"/etc/fonts/fonts.conf"_s).isFile())
            QSKIP("the system has no font configuration to compare with");
    }

    void keepsTheSystemsFacesAndRendering()
    {
        Config system = loadConfig(u"/etc/fonts/fonts.conf"_s);
        Config delivered = loadConfig(deliveredConfigFile());
        QVERIFY(system && delivered);
        // Faces the windows name, in the cuts they use.
        for (const char* request :
             {"DejaVu Sans:size=8", "DejaVu Sans:bold:size=11", "Liberation Serif:bold:size=13",
              "Liberation Sans:size=10", "Liberation Mono:bold", "Noto Sans Arabic:size=10",
              "Noto Naskh Arabic:bold", "Amiri:bold:size=29", "Comic Neue", "KacstBook", "KacstPen",
              "KacstDecorative:bold", "Noto Kufi Arabic:bold", "DejaVu Sans Mono",
              // The generic families, which drawing falls back on.
              "sans-serif", "serif", "monospace", "Sans Serif:size=9"})
            QCOMPARE(match(delivered.get(), request), match(system.get(), request));
    }

    void leavesOutWhatIsNeverDrawn()
    {
        Config system = loadConfig(u"/etc/fonts/fonts.conf"_s);
        Config delivered = loadConfig(deliveredConfigFile());
        QVERIFY(system && delivered);
        const QStringList everything = families(system.get());
        const QStringList kept = families(delivered.get());
        QVERIFY(kept.size() < everything.size());
        // The script faces of other scripts, and the decorative faces no
        // caption names.
        for (const QString& family : everything) {
            const bool otherScript =
                family.startsWith(u"Noto Sans "_s) && !family.contains(u"Arabic"_s) &&
                !family.startsWith(u"Noto Sans Mono"_s) &&
                !family.startsWith(u"Noto Sans Symbols"_s) &&
                !family.startsWith(u"Noto Sans Math"_s) && family != u"Noto Sans Display"_s;
            const bool unnamed = family.startsWith(u"Kacst"_s) && family != u"KacstPen"_s &&
                                 family != u"KacstBook"_s && family != u"KacstDecorative"_s;
            if (otherScript || unnamed)
                QVERIFY2(!kept.contains(family), qPrintable(family));
        }
        // Nothing is drawn slanted, narrowed or from a fixed-size bitmap.
        FcPattern* all = FcPatternCreate();
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_SLANT, FC_WIDTH, FC_SCALABLE, nullptr);
        FcFontSet* set = FcFontList(delivered.get(), all, objects);
        QVERIFY(set && set->nfont > 0);
        for (int i = 0; i < set->nfont; ++i) {
            int slant = -1;
            int width = -1;
            FcBool scalable = FcFalse;
            FcPatternGetInteger(set->fonts[i], FC_SLANT, 0, &slant);
            FcPatternGetInteger(set->fonts[i], FC_WIDTH, 0, &width);
            FcPatternGetBool(set->fonts[i], FC_SCALABLE, 0, &scalable);
            FcChar8* file = nullptr;
            FcPatternGetString(set->fonts[i], FC_FILE, 0, &file);
            const QString name = QString::fromUtf8(reinterpret_cast<const char*>(file));
            QVERIFY2(slant == FC_SLANT_ROMAN && width == FC_WIDTH_NORMAL && scalable,
                     qPrintable(name));
        }
        FcFontSetDestroy(set);
        FcObjectSetDestroy(objects);
        FcPatternDestroy(all);
    }

    void startUpLoadsTheDeliveredSet()
    {
        // main() below started the load before the application object and
        // waited for it after: the current set is the delivered one, with
        // its look-alike faces.
        const QStringList current = families(FcConfigGetCurrent());
        if (QFileInfo(u"/usr/share/wine/fonts/tahoma.ttf"_s).isFile())
            QVERIFY(current.contains(u"Tahoma"_s));
        const Config delivered = loadConfig(deliveredConfigFile());
        QVERIFY(delivered);
        QCOMPARE(current, families(delivered.get()));
        // The environment is left alone: a program started from this one
        // (the web browser) draws with the system's own set.
        QVERIFY(!qEnvironmentVariableIsSet("FONTCONFIG_FILE"));
    }
};

int main(int argc, char* argv[])
{
    qunsetenv("FONTCONFIG_FILE");
    qunsetenv("FONTCONFIG_PATH");
    fontsetup::narrowFontSet(deliveredConfigFile());
    fontsetup::startLoadingFontSet();
    QApplication app(argc, argv);
    fontsetup::finishLoadingFontSet();
    TestFontSet test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fontset.moc"
