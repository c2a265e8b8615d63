// Tarnwell: decorated names, formatting tags and picture codes for forum
// posts. The program is its main window; everything starts from its load.
#include "frmvorlane.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    // The main window hides instead of closing; the program ends explicitly.
    QApplication::setQuitOnLastWindowClosed(false);

    FrmVorlane frmVorlane(appfolder::AppFolder::ofExecutable());
    switch (frmVorlane.load()) {
    case FrmVorlane::LoadResult::Failed:
        return 1;
    case FrmVorlane::LoadResult::Restarting:
        return 0;
    case FrmVorlane::LoadResult::Loaded:
        break;
    }
    frmVorlane.show();
    return QApplication::exec();
}
