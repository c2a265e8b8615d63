// The download-links page with its two dialogs: the code the insertion
// dialog builds for every alignment, with and without a title and for
// every kind of download address; a click on a button from the prompt to
// the code box, including Cancel, the close box and the end element; and
// the link-site options window reading, resetting and saving Links.dat.
#include "base/controls/imagebox.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "base/sites.h"
#include "base/sitestore.h"
#include "galleries/frmoption1.h"
#include "galleries/frmoptions.h"
#include "galleries/galleryprogress.h"
#include "galleries/linkpage.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

class NoProgress : public GalleryProgress {
public:
    void start(int) override {}
    void loaded(const QString&, int) override {}
};

const QString kPicture = u"http://pics.example/zqlink/Link12.gif"_s;

// Runs action once the modal dialog that the next call opens is showing.
template <typename Action> void whenShown(Action action)
{
    QTimer::singleShot(0, [action] { action(); });
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void dialogMakeUp();
    void dialogCode_data();
    void dialogCode();
    void schemeRule_data();
    void schemeRule();
    void dialogKeepsAlignmentAndEmptiesTitle();
    void tip();

    void cancelledPromptDoesNothing();
    void answeredPromptPutsCodeInCodeBox();
    void siteIsGluedToTheFileName();
    void endElementOpensAnEmptyPreview();
    void closeBoxDiscardsTheDialog();

    void optionsMakeUp();
    void optionsReadResetAndBack();
    void optionsSaveRule_data();
    void optionsSaveRule();
    void optionsFailedSaveChangesNothing();
    void optionsUnreadableFileKeepsTheDefault();
    void reusedDialogTakesTheTypedTitle();

private:
    std::unique_ptr<AppFolderFixture> folder_;
    std::unique_ptr<SiteStore> sites_;
    std::unique_ptr<QWidget> host_;
    LinkPage* page_ = nullptr;
    std::unique_ptr<PromptRecorder> prompts_;
};

void TestLinks::init()
{
    folder_ = std::make_unique<AppFolderFixture>();
    QVERIFY(folder_->isValid());
    sites_ = std::make_unique<SiteStore>(appfolder::AppFolder(folder_->root()));
    QVERIFY(!sites_->load());
    host_ = std::make_unique<QWidget>();
    host_->resize(500, 500);
    page_ = new LinkPage(*sites_, host_.get());
    NoProgress progress;
    QVERIFY(!page_->loadGallery(appfolder::AppFolder(folder_->root()), progress));
    prompts_ = std::make_unique<PromptRecorder>();
}

void TestLinks::cleanup()
{
    prompts_.reset();
    host_.reset();
    sites_.reset();
    folder_.reset();
}

void TestLinks::dialogMakeUp()
{
    FrmOption1 dialog;
    QCOMPARE(dialog.windowTitle(), u"اختر الوضعية"_s);
    QCOMPARE(dialog.size(), QSize(389, 259)); // 5835 x 3885 twips
    QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    dialog.show();
    QCOMPARE(dialog.geometry().topLeft(), QPoint(352, 165)); // 5280, 2475 twips

    const QStringList captions = {u"يمين"_s, u"وسط"_s, u"يسار"_s, u"بدون"_s};
    const QStringList tags = {u"RIGHT"_s, u"CENTER"_s, u"LEFT"_s, u"NONE"_s};
    const int lefts[] = {2460, 1320, 240, 3420};
    for (int i = 0; i < 4; ++i) {
        auto* o = named<QRadioButton>(&dialog, u"OptAlign(%1)"_s.arg(i));
        QCOMPARE(o->text(), captions.at(i));
        QCOMPARE(o->property("Tag").toString(), tags.at(i));
        QCOMPARE(controls::twips(o).left, lefts[i]);
        QCOMPARE(o->isChecked(), i == 1);
    }
    QCOMPARE(dialog.alignment(), u"CENTER"_s);
    auto* label1 = named<QLabel>(&dialog, u"Label1"_s);
    QCOMPARE(label1->text(), u"عنوان للتحميل (اختياري)"_s);
    QCOMPARE(controls::twips(dialog.imgBack()), (tw::Rect{2040, 600, 1755, 1215}));
    // The title box takes the focus when the dialog opens.
    QTRY_VERIFY(dialog.txt()->hasFocus());
}

void TestLinks::dialogCode_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("code");
    const QString linked = u"[URL=http://dl.example/f.zip][IMG]"_s + kPicture + u"[/IMG][/URL]"_s;
    QTest::newRow("centre") << 1 << QString() << u"[ALIGN=CENTER]"_s + linked + u"[/ALIGN]"_s;
    QTest::newRow("none") << 3 << QString() << linked;
    QTest::newRow("right") << 0 << QString() << u"[ALIGN=RIGHT]"_s + linked + u"[/ALIGN]"_s;
    QTest::newRow("left, title") << 2 << u"T"_s << u"[ALIGN=LEFT]"_s + linked + u"\r\nT[/ALIGN]"_s;
    QTest::newRow("centre, title")
        << 1 << u"برنامج نيرو"_s << u"[ALIGN=CENTER]"_s + linked + u"\r\nبرنامج نيرو[/ALIGN]"_s;
    QTest::newRow("none, title") << 3 << u"T"_s << linked + u"\r\nT"_s;
}

void TestLinks::dialogCode()
{
    QFETCH(int, option);
    QFETCH(QString, title);
    QFETCH(QString, code);
    FrmOption1 dialog;
    QSignalSpy ready(&dialog, &FrmOption1::codeReady);
    dialog.setImage(kPicture, u"dl.example/f.zip"_s);
    dialog.optAlign(option)->click();
    // Typed Arabic goes in as text; the key simulator knows only Latin keys.
    dialog.txt()->insert(title);
    dialog.cmdOk()->click();
    QCOMPARE(ready.size(), 1);
    QCOMPARE(ready.at(0).at(0).toString(), code);
}

void TestLinks::schemeRule_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("used");
    QTest::newRow("none") << u"dl.example/f.zip"_s << u"http://dl.example/f.zip"_s;
    QTest::newRow("lower") << u"http://dl.example/f"_s << u"http://dl.example/f"_s;
    QTest::newRow("upper") << u"HTTP://DL.EXAMPLE/F"_s << u"HTTP://DL.EXAMPLE/F"_s;
    QTest::newRow("mixed") << u"hTtP://dl.example"_s << u"hTtP://dl.example"_s;
    QTest::newRow("later") << u"see http://dl.example"_s << u"see http://dl.example"_s;
    QTest::newRow("ftp") << u"ftp://dl.example/f"_s << u"ftp://dl.example/f"_s;
    QTest::newRow("https") << u"https://dl.example/f"_s << u"https://dl.example/f"_s;
}

void TestLinks::schemeRule()
{
    QFETCH(QString, address);
    QFETCH(QString, used);
    QCOMPARE(FrmOption1::buildCode(u"P"_s, address, {}, u"NONE"_s),
             u"[URL="_s + used + u"][IMG]P[/IMG][/URL]"_s);
    // Only "NONE", exactly, drops the alignment tags.
    QCOMPARE(FrmOption1::buildCode(u"P"_s, address, {}, u"none"_s),
             u"[ALIGN=none][URL="_s + used + u"][IMG]P[/IMG][/URL][/ALIGN]"_s);
}

void TestLinks::dialogKeepsAlignmentAndEmptiesTitle()
{
    FrmOption1 dialog;
    QSignalSpy ready(&dialog, &FrmOption1::codeReady);
    dialog.setImage(u"P1"_s, u"D1"_s);
    dialog.optAlign(0)->click();
    QTest::keyClicks(dialog.txt(), u"T"_s);
    dialog.cmdOk()->click();
    QVERIFY(dialog.txt()->text().isEmpty());
    // Next use, another button: last alignment, no title.
    dialog.setImage(u"P2"_s, u"D2"_s);
    QVERIFY(dialog.optAlign(0)->isChecked());
    // Enter in the title box confirms, as the OK button does.
    QTest::keyClick(dialog.txt(), Qt::Key_Return);
    QCOMPARE(ready.at(1).at(0).toString(),
             u"[ALIGN=RIGHT][URL=http://D2][IMG]P2[/IMG][/URL][/ALIGN]"_s);
}

void TestLinks::tip()
{
    FrmOption1 dialog;
    QTest::mouseClick(dialog.cmdTip(), Qt::LeftButton);
    QCOMPARE(prompts_->messages.size(), 1);
    QCOMPARE(prompts_->messages.at(0).text, u"استخدم محرر المنتدى لتزين الخط تحت الوصلة."_s);
    QCOMPARE(prompts_->messages.at(0).title, u"Tarnwell"_s);
    QCOMPARE(prompts_->messages.at(0).icon, prompt::Icon::Information);
}

void TestLinks::cancelledPromptDoesNothing()
{
    page_->txtdcode()->setText(u"old"_s);
    QTest::mouseClick(page_->dimg().at(12), Qt::LeftButton);
    QCOMPARE(prompts_->inputs.size(), 1);
    const prompt::Input& in = prompts_->inputs.at(0);
    const QString example = QString::fromLatin1(sites::kExampleDownload);
    QCOMPARE(in.prompt,
             u"ضع وصلة التحميل التي تريد ان تنقلك الصورة إليها عند الضغط عليها \r\nمثال : "_s +
                 example);
    QCOMPARE(in.title, u"Tarnwell1.2"_s);
    QCOMPARE(in.defaultText, example);
    QVERIFY(!page_->frmOption1());
    QCOMPARE(page_->txtdcode()->text(), u"old"_s);
}

void TestLinks::answeredPromptPutsCodeInCodeBox()
{
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    prompts_->answers << u"dl.example/file.zip"_s;
    bool wasModal = false;
    QString previewed;
    int frames = 0;
    whenShown([&] {
        FrmOption1* dialog = page_->frmOption1();
        wasModal = dialog->isVisible() && dialog->isModal();
        previewed = dialog->imgBack()->pictureFile();
        frames = dialog->imgBack()->frameCount();
        dialog->optAlign(3)->click();
        QTest::mouseClick(dialog->cmdOk(), Qt::LeftButton);
    });
    QTest::mouseClick(page_->dimg().at(12), Qt::LeftButton);
    QVERIFY(wasModal);
    // The button's own picture played in the preview.
    QCOMPARE(previewed, folder_->file(u"zqLink/Link12.gif"_s));
    QVERIFY(frames > 0);
    QVERIFY(page_->frmOption1()->isHidden());
    const QString code = u"[URL=http://dl.example/file.zip][IMG]"_s + sites_->linkSite() +
                         u"Link12.gif[/IMG][/URL]"_s;
    QCOMPARE(page_->txtdcode()->text(), code);
    QTRY_COMPARE(page_->txtdcode()->selectedText(), code);
    QTRY_VERIFY(page_->txtdcode()->hasFocus());
    // A click into the box selects all of it again.
    page_->txtdcode()->setSelection(0, 2);
    QTest::mouseClick(page_->txtdcode(), Qt::LeftButton);
    QCOMPARE(page_->txtdcode()->selectedText(), code);
}

void TestLinks::siteIsGluedToTheFileName()
{
    page_->setLink(u"http://pics.example/links"_s);
    QCOMPARE(sites_->linkSite(), u"http://pics.example/links"_s);
    prompts_->answers << u"D"_s;
    QString imglink;
    whenShown([&] {
        imglink = page_->frmOption1()->imglink();
        page_->frmOption1()->cmdOk()->click();
    });
    page_->dimgClick(12);
    QCOMPARE(imglink, u"http://pics.example/linksLink12.gif"_s);
}

void TestLinks::endElementOpensAnEmptyPreview()
{
    prompts_->answers << u"D"_s;
    bool previewEmpty = false;
    whenShown([&] {
        FrmOption1* dialog = page_->frmOption1();
        previewEmpty = dialog->imgBack()->frameCount() == 0 && !dialog->imgBack()->isAnimating();
        dialog->cmdOk()->click();
    });
    QTest::mouseClick(page_->dimg().at(138), Qt::LeftButton);
    QVERIFY(previewEmpty);
    QCOMPARE(page_->txtdcode()->text(), u"[ALIGN=CENTER][URL=http://D][IMG]"_s +
                                            sites_->linkSite() +
                                            u"Link138.gif[/IMG][/URL][/ALIGN]"_s);
    QVERIFY(prompts_->messages.isEmpty());
}

void TestLinks::closeBoxDiscardsTheDialog()
{
    page_->txtdcode()->setText(u"old"_s);
    prompts_->answers << u"D"_s << u"D"_s;
    whenShown([&] {
        page_->frmOption1()->optAlign(2)->click();
        QTest::keyClicks(page_->frmOption1()->txt(), u"T"_s);
        page_->frmOption1()->close();
    });
    page_->dimgClick(3);
    QCOMPARE(page_->txtdcode()->text(), u"old"_s);
    QTRY_VERIFY(!page_->frmOption1());
    // The next use starts afresh.
    bool fresh = false;
    whenShown([&] {
        FrmOption1* dialog = page_->frmOption1();
        fresh = dialog->optAlign(1)->isChecked() && dialog->alignment() == u"CENTER"_s &&
                dialog->txt()->text().isEmpty();
        dialog->cmdOk()->click();
    });
    page_->dimgClick(3);
    QVERIFY(fresh);
    QVERIFY(page_->txtdcode()->text().startsWith(u"[ALIGN=CENTER]"_s));
}

void TestLinks::optionsMakeUp()
{
    FrmOptions options(*sites_);
    QCOMPARE(options.windowTitle(), u"خيارات"_s);
    QCOMPARE(options.size(), QSize(417, 155)); // 6255 x 2325 twips
    QVERIFY(options.windowFlags().testFlag(Qt::Tool));
    QCOMPARE(options.font().family(), makeup::font(u"Tahoma"_s, 9.75, true).family());
    QCOMPARE(options.font().pointSizeF(), 9.75);
    QVERIFY(options.font().bold());
    options.show();
    QCOMPARE(options.geometry().topLeft(), QPoint(282, 261)); // 4230, 3915 twips
    QCOMPARE(named<QLabel>(&options, u"Label1"_s)->text(), u"موقع الصور"_s);
    auto* banner = named<controls::ImageBox>(&options, u"Image1"_s);
    QCOMPARE(controls::twips(banner), (tw::Rect{0, 0, 6255, 315}));
    QVERIFY(!banner->picture().isNull());
}

void TestLinks::optionsReadResetAndBack()
{
    QVERIFY(folder_->write(u"zqLink/Links.dat"_s, "\"http://mine.example/b/\"\r\n"));
    QString shown;
    whenShown([&] {
        shown = page_->frmOptions()->txtSite()->text();
        QTest::mouseClick(page_->frmOptions()->cmdDefault(), Qt::LeftButton);
        QTest::mouseClick(page_->frmOptions()->cmdBack(), Qt::LeftButton);
    });
    QTest::mouseClick(page_->cmdOptions(), Qt::LeftButton);
    QCOMPARE(shown, u"http://mine.example/b/"_s);
    // Back hides it and keeps its state; nothing was saved.
    QVERIFY(page_->frmOptions()->isHidden());
    QCOMPARE(page_->frmOptions()->txtSite()->text(), QString::fromLatin1(sites::kDefaultLinkSite));
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), QByteArray("\"http://mine.example/b/\"\r\n"));
    QVERIFY(prompts_->messages.isEmpty());

    // The close box discards it; the next opening reads the file again.
    whenShown([&] { page_->frmOptions()->close(); });
    page_->cmdOptionsClick();
    QTRY_VERIFY(!page_->frmOptions());
    whenShown([&] {
        shown = page_->frmOptions()->txtSite()->text();
        page_->frmOptions()->cmdBack()->click();
    });
    page_->cmdOptionsClick();
    QCOMPARE(shown, u"http://mine.example/b/"_s);
}

void TestLinks::optionsSaveRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no scheme") << u"pics.example/b/"_s << u"http://pics.example/b/"_s;
    QTest::newRow("scheme") << u"http://pics.example/b/"_s << u"http://pics.example/b/"_s;
    QTest::newRow("upper, later") << u"x HTTP://P/"_s << u"x HTTP://P/"_s;
    QTest::newRow("ftp") << u"ftp://p/"_s << u"ftp://p/"_s;
}

void TestLinks::optionsSaveRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    FrmOptions options(*sites_);
    options.show();
    QSignalSpy savedSpy(&options, &FrmOptions::linkSaved);
    options.txtSite()->setText(typed);
    QTest::mouseClick(options.cmdSave(), Qt::LeftButton);
    QCOMPARE(options.txtSite()->text(), saved);
    QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), saved.toLatin1() + "\r\n");
    QCOMPARE(sites_->linkSite(), saved);
    QCOMPARE(savedSpy.size(), 1);
    QCOMPARE(prompts_->messages.size(), 1);
    QCOMPARE(prompts_->messages.at(0).text,
             u"تم تعديل الوصلة تأكد بعدم العبث بهذه الخيارات بدون مشاورة Dravik"_s);
    QCOMPARE(prompts_->messages.at(0).title, u"Tarnwell"_s);
    QCOMPARE(prompts_->messages.at(0).icon, prompt::Icon::Information);
    // The window stays open after saving.
    QVERIFY(options.isVisible());
}

void TestLinks::optionsFailedSaveChangesNothing()
{
    FrmOptions options(*sites_);
    const QString before = sites_->linkSite();
    // Links.dat is replaced by a folder: it can neither be read nor written.
    QVERIFY(folder_->remove(u"zqLink/Links.dat"_s));
    QVERIFY(QDir().mkdir(folder_->file(u"zqLink/Links.dat"_s)));
    options.txtSite()->setText(u"pics.example/new/"_s);
    options.cmdSave()->click();
    QCOMPARE(prompts_->messages.size(), 1);
    const prompt::Message& m = prompts_->messages.at(0);
    QCOMPARE(m.icon, prompt::Icon::Exclamation);
    QVERIFY2(m.text.contains(QDir::toNativeSeparators(folder_->file(u"zqLink/Links.dat"_s))),
             qPrintable(m.text));
    // The reason follows the file name.
    QVERIFY(m.text.section(u'\n', 1).trimmed().size() > 0);
    QCOMPARE(sites_->linkSite(), before);
    QVERIFY(QFileInfo(folder_->file(u"zqLink/Links.dat"_s)).isDir());

    // A failed write of a real file keeps its old contents too.
    QVERIFY(QDir().rmdir(folder_->file(u"zqLink/Links.dat"_s)));
    QVERIFY(folder_->write(u"zqLink/Links.dat"_s, "\"http://old.example/\"\r\n"));
    QFile::setPermissions(folder_->file(u"zqLink"_s), QFile::ReadOwner | QFile::ExeOwner);
    QFile::setPermissions(folder_->file(u"zqLink/Links.dat"_s), QFile::ReadOwner);
    QFile probe(folder_->file(u"zqLink/Links.dat"_s));
    const bool canWrite = probe.open(QIODevice::ReadWrite);
    probe.close();
    if (!canWrite) {
        options.cmdSave()->click();
        QCOMPARE(prompts_->messages.size(), 2);
        QCOMPARE(prompts_->messages.at(1).icon, prompt::Icon::Exclamation);
        QCOMPARE(folder_->read(u"zqLink/Links.dat"_s), QByteArray("\"http://old.example/\"\r\n"));
        QCOMPARE(sites_->linkSite(), before);
    }
    QFile::setPermissions(folder_->file(u"zqLink"_s),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestLinks::optionsUnreadableFileKeepsTheDefault()
{
    QVERIFY(folder_->remove(u"zqLink/Links.dat"_s));
    FrmOptions options(*sites_);
    QCOMPARE(options.txtSite()->text(), QString::fromLatin1(sites::kDefaultLinkSite));
    QCOMPARE(prompts_->messages.size(), 1);
    QVERIFY(prompts_->messages.at(0).text.contains(u"Links.dat"_s));
}

void TestLinks::reusedDialogTakesTheTypedTitle()
{
    host_->show();
    QVERIFY(QTest::qWaitForWindowActive(host_.get()));
    prompts_->answers << u"D"_s << u"D"_s;
    // The user types into whatever has the focus once the dialog is up:
    // the first time confirms with the mouse (which leaves the focus on
    // موافق), the second with Enter.
    const auto typeTitle = [this](const QString& title, bool byMouse) {
        whenShown([=, this] {
            FrmOption1* dialog = page_->frmOption1();
            (void)QTest::qWaitForWindowActive(dialog);
            QTest::qWait(50); // settled, as it is long before anyone types
            QTest::keyClicks(static_cast<QWidget*>(nullptr), title);
            if (byMouse)
                QTest::mouseClick(dialog->cmdOk(), Qt::LeftButton);
            else
                QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
            if (dialog->isVisible())
                dialog->cmdOk()->click();
        });
    };
    typeTitle(u"first"_s, true);
    QTest::mouseClick(page_->dimg().at(4), Qt::LeftButton);
    QVERIFY(page_->txtdcode()->text().endsWith(u"\r\nfirst[/ALIGN]"_s));
    typeTitle(u"second"_s, false);
    QTest::mouseClick(page_->dimg().at(5), Qt::LeftButton);
    QVERIFY2(page_->txtdcode()->text().endsWith(u"\r\nsecond[/ALIGN]"_s),
             qPrintable(page_->txtdcode()->text()));
}

QTEST_MAIN(TestLinks)
#include "test_links.moc"
