// Tarnwell: decorated names, formatting tags and picture codes for forum
// posts.
#include "app/application.h"
#include "app/singleinstance.h"
#include "base/platform/fontsetup.h"
#include "base/version.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // A start while a copy runs shows that copy's window and ends here,
    // before the font set loads or anything shows.
    SingleInstance instance;
    if (instance.handOverToRunningCopy())
        return 0;
    fontsetup::narrowFontSet(fontsetup::deliveredConfig());
    fontsetup::startLoadingFontSet();
    QApplication app(argc, argv);
    fontsetup::finishLoadingFontSet();
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kVersion));
    // The main window hides instead of closing; the program ends explicitly.
    QApplication::setQuitOnLastWindowClosed(false);
    instance.listen();
    return runTarnwell(appfolder::AppFolder::ofExecutable(), &instance);
}
