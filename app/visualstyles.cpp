// The visual-styles manifest and restart script; see visualstyles.h.
#include "app/visualstyles.h"

#include "base/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <string_view>

using namespace Qt::StringLiterals;

namespace visualstyles {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The identity and description are fixed texts ("Numbrook"), whatever the
// executable is called: Windows reads only the dependency on the common
// controls from them.
constexpr std::array<std::string_view, 24> kManifestLines = {
    R"(<?xml version="1.0" encoding="UTF-8")",
    R"(standalone="yes"?>)",
    R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1")",
    R"(manifestVersion="1.0">)",
    R"(<assemblyIdentity)",
    R"(    version="1.0.0.0")",
    R"(    processorArchitecture="X86")",
    R"(    name="Numbrook.exe")",
    R"(    type="win32")",
    R"(/>)",
    R"(<description>Numbrook Database</description>)",
    R"(<dependency>)",
    R"(    <dependentAssembly>)",
    R"(        <assemblyIdentity)",
    R"(            type="win32")",
    R"(            name="Microsoft.Windows.Common-Controls")",
    R"(            version="6.0.0.0")",
    R"(            processorArchitecture="X86")",
    R"(            publicKeyToken="6595b64144ccf1df")",
    R"(            language = "*")",
    R"(        />)",
    R"(    </dependentAssembly>)",
    R"(</dependency>)",
    R"(</assembly>)",
};

// The script's empty lines only pass time while the old process ends.
constexpr int kScriptPauseLines = 101;

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The executable's name without folder and extension ("Tarnwell").
QString executableName(const QString& executableFile)
{
    return QFileInfo(executableFile).completeBaseName();
}

// Writes the whole file or nothing: a half-written manifest would pass for a
// present one on the next start.
bool writeWhole(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(contents); // a failed write makes commit() fail and drop the file
    return file.commit();
}

} // namespace

ProgramLocation ProgramLocation::ofThisProcess()
{
    return {QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
            QFileInfo(QCoreApplication::applicationFilePath()).fileName(), QDir::currentPath()};
}

QByteArray buildManifestText()
{
    QByteArray text;
    for (std::string_view line : kManifestLines) {
        if (!text.isEmpty())
            text += bytes(kLineEnd);
        text += bytes(line);
    }
    return text;
}

QByteArray restartScriptText(const QString& executableFile)
{
    QByteArray text = "ECHO OFF" + bytes(kLineEnd);
    for (int i = 0; i < kScriptPauseLines; ++i)
        text += "ECHO." + bytes(kLineEnd);
    // The script runs in the working directory, so the bare name starts the
    // program only when that is the application folder, as it is normally.
    text += (executableName(executableFile) + u".exe"_s).toLocal8Bit() + bytes(kLineEnd);
    return text;
}

QString manifestPath(const QString& appFolder, const QString& executableFile)
{
    const QString name = executableName(executableFile) + u".exe.manifest"_s;
    // A drive root such as "D:\" already ends in a separator.
    if (appFolder.endsWith(u'\\') || appFolder.endsWith(u'/'))
        return appFolder + name;
    // Join in the folder's own style: native Windows form or Qt's "/" form.
    const bool windowsForm = appFolder.contains(u'\\') && !appFolder.contains(u'/');
    return appFolder + (windowsForm ? u'\\' : u'/') + name;
}

QString restartScriptPath(const QString& currentFolder)
{
    return QDir(currentFolder).filePath(u"tmp.bat"_s);
}

bool fileHasContent(const QString& path)
{
    QFile file(path);
    // Opening for reading and writing creates a missing file, which the
    // empty-file case below removes again.
    if (!file.open(QIODevice::ReadWrite))
        return QFileInfo(path).size() > 0;
    if (file.size() > 0)
        return true;
    file.close();
    file.remove();
    return false;
}

ManifestOutcome ensureVisualStylesManifest(const ProgramLocation& where)
{
    const QByteArray manifestText = buildManifestText();
    const QString script = restartScriptPath(where.currentFolder);

    // The script that restarted us has done its work. A script that cannot
    // be opened is left alone; it is no reason to write the manifest.
    if (fileHasContent(script))
        QFile::remove(script);

    // Any manifest counts, whatever its content and even if we cannot read
    // it: Windows reads it, not us, and rewriting an unreadable one would
    // restart on every start.
    const QString manifest = manifestPath(where.appFolder, where.executableFile);
    if (QFileInfo::exists(manifest))
        return ManifestOutcome::ContinueLoading;

    // From here on every failure means starting up without visual styles:
    // restarting is only worth it when the manifest is complete and the
    // script is running, otherwise the new instance would land here again.
    if (!writeWhole(manifest, manifestText + bytes(kLineEnd)))
        return ManifestOutcome::ContinueLoading;
    platform::current().setFileHidden(manifest);

    // A complete manifest is kept even when the restart fails below: the
    // next start simply has it in force.
    if (!writeWhole(script, restartScriptText(where.executableFile)))
        return ManifestOutcome::ContinueLoading;
    if (!platform::current().startHidden(script, where.currentFolder)) {
        QFile::remove(script);
        return ManifestOutcome::ContinueLoading;
    }
    return ManifestOutcome::EndProcess;
}

} // namespace visualstyles
