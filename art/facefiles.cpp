// The generator's own faces, loaded by file; see facefiles.h.
#include "art/facefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace art {

namespace {

struct FaceFile {
    const char* path; // below the face root
    const char* package;
};

// Every cut of every family art::font() names, so that fallbacks between
// them (a Latin letter in an Arabic caption) also come from these files.
constexpr FaceFile kFaceFiles[] = {
    {"opentype/fonts-hosny-amiri/Amiri-Regular.ttf", "fonts-hosny-amiri"},
    {"opentype/fonts-hosny-amiri/Amiri-Bold.ttf", "fonts-hosny-amiri"},
    {"truetype/noto/NotoNaskhArabic-Regular.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoNaskhArabic-Bold.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoKufiArabic-Regular.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoKufiArabic-Bold.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSansArabic-Regular.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSansArabic-Bold.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSans-Regular.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSans-Bold.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSans-Italic.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSans-BoldItalic.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSerif-Regular.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSerif-Bold.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSerif-Italic.ttf", "fonts-noto-core"},
    {"truetype/noto/NotoSerif-BoldItalic.ttf", "fonts-noto-core"},
    {"truetype/kacst/KacstDecorative.ttf", "fonts-kacst"},
    {"truetype/kacst/KacstTitle.ttf", "fonts-kacst"},
    {"truetype/liberation2/LiberationSans-Regular.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSans-Bold.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSans-Italic.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSans-BoldItalic.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSerif-Regular.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSerif-Bold.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSerif-Italic.ttf", "fonts-liberation2"},
    {"truetype/liberation2/LiberationSerif-BoldItalic.ttf", "fonts-liberation2"},
    {"truetype/dejavu/DejaVuSans.ttf", "fonts-dejavu-core"},
    {"truetype/dejavu/DejaVuSans-Bold.ttf", "fonts-dejavu-core"},
    {"truetype/dejavu/DejaVuSerif.ttf", "fonts-dejavu-core"},
    {"truetype/dejavu/DejaVuSerif-Bold.ttf", "fonts-dejavu-core"},
};

} // namespace

QString defaultFaceRoot()
{
    return QStringLiteral(TARNWELL_ART_FACE_ROOT);
}

QString hideInstalledFonts()
{
    // Kept until the process ends: fontconfig reads it when the first font
    // is wanted, not when the variable is set.
    static QTemporaryDir folder;
    if (!folder.isValid())
        return u"cannot make a folder for the font configuration: "_s + folder.errorString();
    const QString path = folder.filePath(u"fonts.conf"_s);
    QFile file(path);
    const QByteArray config = "<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                              "<fontconfig></fontconfig>\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(config) != config.size() || !file.flush())
        return u"cannot write "_s + path + u": "_s + file.errorString();
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(path));
    // Either would let another configuration in beside this one.
    qunsetenv("FONTCONFIG_PATH");
    qunsetenv("FONTCONFIG_SYSROOT");
    return {};
}

QStringList loadFaceFiles(const QString& root)
{
    QStringList errors;
    for (const FaceFile& face : kFaceFiles) {
        const QString path = QDir(root).filePath(QString::fromLatin1(face.path));
        const QString package = QString::fromLatin1(face.package);
        if (!QFileInfo(path).isFile()) {
            errors.append(u"missing font file "_s + path + u" (package "_s + package +
                          u"; scripts/install-deps.sh installs it)"_s);
        } else if (QFontDatabase::addApplicationFont(path) < 0) {
            errors.append(u"cannot read font file "_s + path + u" (package "_s + package +
                          u"; reinstall it)"_s);
        }
    }
    return errors;
}

} // namespace art
