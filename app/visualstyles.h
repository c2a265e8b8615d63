// The visual-styles manifest beside the executable and the restart script.
//
// Windows gives a program the visual styles of the common controls only when
// a manifest named after its executable lies beside it when the process
// starts. The program writes that manifest on its first start and restarts
// itself through a small batch file, "tmp.bat", so that the new process runs
// with the manifest in force.
#pragma once

#include <QByteArray>
#include <QString>

namespace visualstyles {

// Where the running program lives; a parameter so that tests can use a
// temporary folder.
struct ProgramLocation {
    QString appFolder;      // folder of the executable, as the platform reports it
    QString executableFile; // the executable's file name, e.g. "Tarnwell.exe"
    QString currentFolder;  // the working directory, which holds "tmp.bat"

    // The running process (needs the application object).
    static ProgramLocation ofThisProcess();
};

enum class ManifestOutcome {
    ContinueLoading, // go on starting up, with or without visual styles
    EndProcess,      // a new instance has been started: end this one now
};

// Makes sure the manifest exists; writes it and restarts through "tmp.bat" when it does not.
[[nodiscard]] ManifestOutcome ensureVisualStylesManifest(const ProgramLocation& where);

// The 24 manifest lines joined by CR LF, without a final CR LF (the writer adds it).
QByteArray buildManifestText();
// The 103 script lines, each ending in CR LF: "ECHO OFF", 101 x "ECHO.", name + ".exe".
QByteArray restartScriptText(const QString& executableFile);
// appFolder + separator + executable name without extension + ".exe.manifest".
QString manifestPath(const QString& appFolder, const QString& executableFile);
// "tmp.bat" in the given working directory.
QString restartScriptPath(const QString& currentFolder);
// True when the file exists and is not empty; an empty or missing file is gone afterwards.
bool fileHasContent(const QString& path);

} // namespace visualstyles
