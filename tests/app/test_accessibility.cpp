// What a screen reader finds: every window's accessibility tree walked
// through Qt's accessibility interface, on every page of the main window
// and in each secondary window, with a name for every control that takes
// the focus, acts or holds text.
#include "app/application.h"
#include "app/frmmenu.h"
#include "app/frmvorlane.h"
#include "composer/editorpage.h"
#include "composer/frmpostlook.h"
#include "galleries/borderpage.h"
#include "galleries/frmoption1.h"
#include "galleries/frmoptions.h"
#include "galleries/frmsmile.h"
#include "galleries/frmview.h"
#include "galleries/frmviewborder.h"
#include "galleries/linkpage.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/promptrecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using Page = FrmVorlane::Page;

namespace {

// Roles that act or hold text whatever their focus policy.
bool acts(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::SpinBox:
        return true;
    default:
        return false;
    }
}

struct Walk {
    int walked = 0;
    int named = 0;
    QStringList unnamed;
};

QString describe(const QAccessibleInterface* iface)
{
    const QObject* object = iface->object();
    const QString name = object ? object->objectName() : QString();
    return u"%1 (%2, role %3)"_s
        .arg(name.isEmpty() ? u"<unnamed object>"_s : name,
             object ? QString::fromLatin1(object->metaObject()->className()) : u"?"_s)
        .arg(static_cast<int>(iface->role()));
}

// Walks the visible part of the tree under iface.
void walk(QAccessibleInterface* iface, const QString& where, Walk& walk_)
{
    if (!iface || !iface->isValid() || iface->state().invisible)
        return;
    ++walk_.walked;
    const QAccessible::State state = iface->state();
    const bool needsName =
        (state.focusable || acts(iface->role())) && iface->role() != QAccessible::Separator;
    if (needsName) {
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            walk_.unnamed << where + u": "_s + describe(iface);
        else
            ++walk_.named;
    }
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), where, walk_);
}

void walkWindow(QWidget* window, const QString& where, Walk& walk_)
{
    walk(QAccessible::queryAccessibleInterface(window), where, walk_);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlAReaderMeetsIsNamed();
};

void TestAccessibility::everyControlAReaderMeetsIsNamed()
{
    AppFolderFixture fixture;
    QVERIFY2(fixture.isValid(), "TARNWELL_BIN_DIR must point to the built bin folder");
    Application app{appfolder::AppFolder(fixture.root())};
    PromptRecorder prompts;
    QCOMPARE(app.start(), Application::StartResult::Running);
    FrmVorlane* w = app.mainWindow();
    Walk seen;

    // The main window on every page; the code box of the borders once a
    // border has been chosen.
    w->borderPage()->imgBordMouseUp(0, Qt::LeftButton);
    for (int page = 0; page < FrmVorlane::kPageCount; ++page) {
        w->lblProgClick(static_cast<Page>(page));
        walkWindow(w, u"page %1"_s.arg(page), seen);
    }

    // The smilies picker and its preview.
    QVERIFY(app.frmSmile());
    app.frmSmile()->agClick(0, 3);
    walkWindow(app.frmSmile(), u"frmSmile"_s, seen);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<FrmView*>(top); preview && preview->isVisible())
            walkWindow(preview, u"frmView"_s, seen);
    }
    app.frmSmile()->hide();

    // The border viewer, walked while it is shown modally.
    w->lblProgClick(Page::Borders);
    QTimer::singleShot(0, this, [&] {
        if (FrmViewBorder* viewer = w->borderPage()->viewer()) {
            walkWindow(viewer, u"frmViewBorder"_s, seen);
            viewer->cmdHide()->click();
        }
    });
    w->borderPage()->imgBordMouseUp(5, Qt::RightButton);

    // The insertion dialog and the options window, each while shown.
    w->lblProgClick(Page::Links);
    LinkPage* links = w->linkPage();
    prompts.answers << u"dl.example/file.zip"_s;
    QTimer::singleShot(0, this, [&] {
        if (FrmOption1* dialog = links->frmOption1()) {
            walkWindow(dialog, u"frmOption1"_s, seen);
            dialog->cmdOk()->click();
        }
    });
    links->dimgClick(2);
    QTimer::singleShot(0, this, [&] {
        if (FrmOptions* options = links->frmOptions()) {
            walkWindow(options, u"frmOptions"_s, seen);
            options->close();
        }
    });
    links->cmdOptionsClick();

    // The post's look.
    w->lblProgClick(Page::Editor);
    w->editorPage()->togglePostLook();
    QVERIFY(w->editorPage()->postLook());
    walkWindow(w->editorPage()->postLook(), u"frmPostLook"_s, seen);
    w->editorPage()->togglePostLook();

    // The notification icon's menu.
    QMenu* menu = app.frmMenu()->menFile();
    menu->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    walkWindow(menu, u"menFile"_s, seen);
    menu->hide();

    qInfo("walked %d accessible objects; %d controls that take the focus, act or hold text, "
          "%d of them named",
          seen.walked, seen.named + static_cast<int>(seen.unnamed.size()), seen.named);
    QVERIFY2(seen.unnamed.isEmpty(),
             qPrintable(u"without a name:\n  "_s + seen.unnamed.join(u"\n  "_s)));
    // Far more than the frame: the galleries' pictures are among them.
    QVERIFY(seen.named > 500);
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
