// At 200 % every picture of the windows is drawn from at least as many
// pixels as it covers on the screen; only the forum's own pictures (link
// buttons, borders, smilies) are the files the forum shows, as they are.
#include "app/application.h"
#include "app/frmvorlane.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/formwindow.h"
#include "galleries/frmoption1.h"
#include "galleries/frmoptions.h"
#include "galleries/frmsmile.h"
#include "galleries/frmview.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/promptrecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The forum's pictures: shown in their galleries as the forum shows them.
bool forumPicture(const QWidget* w, const QString& file)
{
    for (const char16_t* folder : {u"/zqLink/", u"/Border/", u"/pics/"}) {
        if (file.contains(QStringView(folder)))
            return true;
    }
    // The smilies picker's cells are filled from pics/ frame by frame.
    return qobject_cast<const FrmSmile*>(w->window()) && w->objectName().startsWith(u"AG"_s);
}

// "name: 47x47 pixels for 56x56" when picture is drawn from fewer pixels
// than the place it fills at the screen's ratio.
QString blurred(const QString& name, const QPixmap& picture, QSizeF place)
{
    const qreal ratio = qApp->devicePixelRatio();
    if (picture.isNull() || (picture.width() >= place.width() * ratio - 0.5 &&
                             picture.height() >= place.height() * ratio - 0.5))
        return {};
    return u"%1: %2x%3 pixels for %4x%5"_s.arg(name)
        .arg(picture.width())
        .arg(picture.height())
        .arg(place.width() * ratio)
        .arg(place.height() * ratio);
}

// Every picture and icon of the window, as it is drawn now.
QStringList blurredIn(QWidget* window)
{
    QStringList found;
    const auto note = [&found](const QString& problem) {
        if (!problem.isEmpty())
            found << problem;
    };
    const QString where = window->objectName() + u"/"_s;
    if (auto* form = qobject_cast<controls::FormWindow*>(window)) {
        const QPixmap& back = form->backgroundPicture();
        note(blurred(where + u"background"_s, back, back.deviceIndependentSize()));
    }
    if (!window->windowIcon().isNull())
        note(blurred(where + u"icon"_s, window->windowIcon().pixmap(QSize(32, 32)), QSize(32, 32)));
    for (auto* box : window->findChildren<controls::ImageBox*>()) {
        if (forumPicture(box, box->pictureFile()))
            continue;
        const QPixmap picture = box->shownPicture();
        note(blurred(where + box->objectName(), picture,
                     box->stretch() ? QSizeF(box->size()) : picture.deviceIndependentSize()));
    }
    for (auto* box : window->findChildren<controls::PictureBox*>()) {
        if (forumPicture(box, box->pictureFile()))
            continue;
        const QPixmap& picture = box->picture();
        note(blurred(where + box->objectName(), picture, picture.deviceIndependentSize()));
    }
    for (auto* button : window->findChildren<QAbstractButton*>()) {
        // Qt's own buttons (the toolbar's overflow arrow) are the style's.
        if (button->icon().isNull() || button->objectName().startsWith(u"qt_"_s))
            continue;
        const QSize size = button->iconSize();
        note(blurred(where + button->objectName() + u" "_s + button->toolTip(),
                     button->icon().pixmap(size), size));
    }
    return found;
}

} // namespace

class TestSharp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QVERIFY(fixture_.isValid());
        app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_.root()));
        PromptRecorder prompts;
        QCOMPARE(app_->start(), Application::StartResult::Running);
    }
    void cleanupTestCase() { app_.reset(); }

    void mainWindowIsSharpOnEveryPage()
    {
        FrmVorlane* window = app_->mainWindow();
        QStringList found;
        for (int i = 0; i < FrmVorlane::kPageCount; ++i) {
            window->lblProgClick(static_cast<FrmVorlane::Page>(i));
            QCoreApplication::processEvents();
            found << blurredIn(window);
        }
        found.removeDuplicates();
        for (const QString& problem : found)
            qWarning("%s", qPrintable(problem));
        QVERIFY2(found.isEmpty(), "pictures drawn from too few pixels (above)");
    }

    void secondaryWindowsAreSharp()
    {
        app_->showSmilePicker();
        QVERIFY(app_->frmSmile());
        FrmOptions options(app_->sites());
        FrmOption1 option1;
        QStringList found = blurredIn(app_->frmSmile());
        found << blurredIn(&options) << blurredIn(&option1);
        if (app_->frmView())
            found << blurredIn(app_->frmView());
        for (const QString& problem : found)
            qWarning("%s", qPrintable(problem));
        QVERIFY2(found.isEmpty(), "pictures drawn from too few pixels (above)");
    }

    // A face kept only as letters pictured at one pixel size is drawn from
    // its 1x pictures here, its letters spread apart: no caption uses one.
    void captionsAreDrawnInFacesThatScale()
    {
        FrmVorlane* window = app_->mainWindow();
        QStringList found;
        for (int i = 0; i < FrmVorlane::kPageCount; ++i) {
            window->lblProgClick(static_cast<FrmVorlane::Page>(i));
            QCoreApplication::processEvents();
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QString family = QFontInfo(label->font()).family();
                if (!QFontDatabase::isScalable(family))
                    found << u"%1 (\"%2\") in %3"_s.arg(label->objectName(), label->text(), family);
            }
        }
        found.removeDuplicates();
        for (const QString& problem : found)
            qWarning("%s", qPrintable(problem));
        QVERIFY2(found.isEmpty(), "captions in faces that do not scale (above)");
    }

private:
    AppFolderFixture fixture_;
    std::unique_ptr<Application> app_;
};

int main(int argc, char* argv[])
{
    // The screens' ratio is fixed when the application is made.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharp test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_sharp.moc"
