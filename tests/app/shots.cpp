// Development aid: starts the main window against the built bin folder and
// writes a picture of each page and of the loading window into the folder
// given as the first argument, for looking at the windows without a display.
#include "application.h"
#include "frmloading.h"
#include "frmvorlane.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"shots"_s;
    QDir().mkpath(out);
    const QString bin = qEnvironmentVariable("TARNWELL_BIN_DIR",
                                             QCoreApplication::applicationDirPath() + u"/../bin"_s);

    FrmLoading loading;
    loading.pLoading()->setMaximum(137);
    loading.pLoading()->setValue(88);
    loading.lblStatus()->setText(u"File: \""_s + bin +
                                 u"/zqLink/Link88.gif\" successfully loaded."_s);
    loading.grab().save(out + u"/frmLoading.png"_s);

    Application tarnwell{appfolder::AppFolder(bin)};
    if (tarnwell.start() != Application::StartResult::Running)
        return 1;
    FrmVorlane& w = *tarnwell.mainWindow();
    for (int i = 0; i < FrmVorlane::kPageCount; ++i) {
        w.lblProgClick(i);
        QCoreApplication::processEvents();
        w.grab().save(out + u"/page%1.png"_s.arg(i));
    }
    return 0;
}
