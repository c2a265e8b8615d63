// Pictures of the windows, for looking at them without a display and for
// the README (scripts/screenshots.sh): starts the program against the built
// bin folder and writes into the folder given as the first argument
//   frmLoading.png          the loading window, part way through
//   page0.png ... page6.png each page of the main window
//   frmSmile.png            the smilies picker
//   <name>.png              every other secondary window that exists by then
#include "app/application.h"
#include "app/frmloading.h"
#include "app/frmvorlane.h"
#include "base/formwindow.h"
#include "base/platform/fontsetup.h"
#include "galleries/frmsmile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

bool save(QWidget& window, const QString& file)
{
    window.ensurePolished();
    if (window.grab().save(file))
        return true;
    qWarning("tarnwell_shots: cannot write %s", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // The faces the program draws with, as it chooses them.
    const QString bin = qEnvironmentVariable(
        "TARNWELL_BIN_DIR", QFileInfo(QFile::decodeName(argv[0])).absolutePath() + u"/../bin"_s);
    fontsetup::narrowFontSet(bin + u"/fonts.conf"_s);
    fontsetup::startLoadingFontSet();
    QApplication app(argc, argv);
    fontsetup::finishLoadingFontSet();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"shots"_s;
    if (!QDir().mkpath(out)) {
        qWarning("tarnwell_shots: cannot make the folder %s", qPrintable(out));
        return 1;
    }
    bool ok = true;

    FrmLoading loading;
    loading.pLoading()->setMaximum(137);
    loading.pLoading()->setValue(88);
    loading.lblStatus()->setText(u"File: \""_s + bin +
                                 u"/zqLink/Link88.gif\" successfully loaded."_s);
    ok &= save(loading, out + u"/frmLoading.png"_s);

    Application tarnwell{appfolder::AppFolder(bin)};
    if (tarnwell.start() != Application::StartResult::Running)
        return 1;
    FrmVorlane& w = *tarnwell.mainWindow();
    for (int i = 0; i < FrmVorlane::kPageCount; ++i) {
        // Tab 4 opens the smilies picker rather than a page of its own.
        w.lblProgClick(static_cast<FrmVorlane::Page>(i));
        QCoreApplication::processEvents();
        ok &= save(w, out + u"/page%1.png"_s.arg(i));
    }
    w.lblProgClick(FrmVorlane::Page::Editor);

    tarnwell.showSmilePicker();
    QCoreApplication::processEvents();
    QSet<QWidget*> done{&w, &loading};
    if (FrmSmile* smile = tarnwell.frmSmile()) {
        ok &= save(*smile, out + u"/frmSmile.png"_s);
        done.insert(smile);
    }
    // The secondary windows that exist by now, by their names.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<controls::FormWindow*>(top);
        if (!form || done.contains(form) || form->objectName().isEmpty())
            continue;
        ok &= save(*form, out + u"/"_s + form->objectName() + u".png"_s);
    }
    return ok ? 0 : 1;
}
