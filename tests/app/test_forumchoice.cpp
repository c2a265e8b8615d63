// Codes written for the member's own forum engine, through the running
// program: the forum chosen in the post's look window, the toolbar, the
// pickers, the border gallery and the download dialog writing for it, the
// look reading the result as that forum shows it, the choice kept in the
// user's own settings folder, and what the look says of what was left out.
#include "app/application.h"
#include "app/frmvorlane.h"
#include "base/forumchoice.h"
#include "base/forumcode/engine.h"
#include "composer/editorpage.h"
#include "composer/frmpostlook.h"
#include "composer/postlookview.h"
#include "composer/tagtoolbar.h"
#include "galleries/borderpage.h"
#include "galleries/frmoption1.h"
#include "galleries/linkpage.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/testfiles.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using forumcode::Engine;

Q_DECLARE_METATYPE(forumcode::Engine)

namespace {

const QString kAlignmentLeftOut = u"منتداك لا يقرأ المحاذاة، فتُركت من الرموز."_s;
const QString kFontLeftOut = u"منتداك لا يقرأ هذا الخط، فتُرك من الرموز."_s;
const QString kAlignmentUnread =
    u"في المشاركة رموز محاذاة لا يقرؤها منتداك، فتظهر فيه نصاً كما هي."_s;
const QString kFontUnread = u"في المشاركة رموز خط لا يقرؤها منتداك، فتظهر فيه نصاً كما هي."_s;

// Every file of a folder with its contents, to see that nothing changed.
QByteArray fingerprint(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    for (const QString& file : std::as_const(files)) {
        hash.addData(file.toUtf8());
        hash.addData(contentsOf(file));
    }
    return hash.result();
}

qsizetype engineIndex(Engine engine)
{
    return std::find(forumcode::kEngines.begin(), forumcode::kEngines.end(), engine) -
           forumcode::kEngines.begin();
}

// A tag pair as text, empty when the tag is left out.
struct Pair {
    QString open;
    QString close;
    QString around(const QString& inner) const { return open + inner + close; }
};

} // namespace

class TestForumChoice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void codesForEachEngine_data();
    void codesForEachEngine();
    void choiceSurvivesARestart();
    void unusableChoiceFileIsNamedAndKept_data();
    void unusableChoiceFileIsNamedAndKept();
    void failedSaveIsNamedAndTheChoiceStillApplies();
    void lookSaysWhatWasLeftOutOncePerKind();

private:
    FrmVorlane* start();
    FrmPostLook* openLook();
    void chooseInLook(Engine engine);
    // The download dialog's code for button 3 with the alignment option
    // (0 right, 1 centre, 2 left, 3 none) and the title.
    QString downloadCode(int option, const QString& title);
    void selectAllOfPane();
    QString forumFile() const { return config_.filePath(u"tarnwell/Forum.dat"_s); }

    QTemporaryDir config_;
    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<PromptRecorder> prompts_;
    std::unique_ptr<Application> app_;
    FrmVorlane* w_ = nullptr;
};

void TestForumChoice::initTestCase()
{
    // The choice is the user's own: these tests keep theirs apart from the
    // other tests' settings folder.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    QCOMPARE(ForumChoice::defaultPath(), QDir::toNativeSeparators(forumFile()));
}

void TestForumChoice::init()
{
    QDir(config_.filePath(u"tarnwell"_s)).removeRecursively();
    QFile::remove(config_.filePath(u"tarnwell"_s));
    fixture_ = std::make_unique<AppFolderFixture>();
    if (!fixture_->isValid())
        QFAIL("no delivered pictures to copy: TARNWELL_BIN_DIR must point to the built bin folder");
    prompts_ = std::make_unique<PromptRecorder>();
}

void TestForumChoice::cleanup()
{
    app_.reset();
    w_ = nullptr;
    prompts_.reset();
    fixture_.reset();
}

FrmVorlane* TestForumChoice::start()
{
    app_.reset();
    app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
    if (app_->start() != Application::StartResult::Running)
        return nullptr;
    w_ = app_->mainWindow();
    w_->lblProgClick(FrmVorlane::Page::Editor);
    return w_;
}

FrmPostLook* TestForumChoice::openLook()
{
    EditorPage* page = w_->editorPage();
    if (!page->postLook() || !page->postLook()->isVisible())
        page->togglePostLook();
    return page->postLook();
}

void TestForumChoice::chooseInLook(Engine engine)
{
    // By the keyboard in the open list, as the member may: to the top,
    // down to the forum, and Enter.
    QComboBox* box = openLook()->forumBox();
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (qsizetype i = 0; i < engineIndex(engine); ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentText(), forumcode::engineName(engine));
}

QString TestForumChoice::downloadCode(int option, const QString& title)
{
    prompts_->answers << u"www.example.org/setup.exe"_s;
    QTimer::singleShot(0, this, [this, option, title] {
        FrmOption1* dialog = w_->linkPage()->frmOption1();
        if (!dialog)
            return;
        dialog->optAlign(option)->click();
        dialog->txt()->setText(title);
        dialog->cmdOk()->click();
    });
    w_->linkPage()->dimgClick(3);
    return w_->linkPage()->txtdcode()->text();
}

void TestForumChoice::selectAllOfPane()
{
    w_->editorPage()->txtEdit()->selectAll();
}

void TestForumChoice::codesForEachEngine_data()
{
    QTest::addColumn<Engine>("engine");
    QTest::addColumn<QString>("centre");     // the opening tag of a centred code
    QTest::addColumn<QString>("centreEnd");  // and its close
    QTest::addColumn<QString>("right");      // the opening tag of a code on the right
    QTest::addColumn<QString>("rightEnd");   // and its close
    QTest::addColumn<QString>("size5");      // the value written for the program's size 5
    QTest::addColumn<int>("size5Pixels");    // how large the forum shows it
    QTest::addColumn<bool>("faceRead");      // Tahoma is written and shown
    QTest::addColumn<bool>("blankFaceRead"); // so is Times New Roman

    const QString centre = u"[CENTER]"_s, centreEnd = u"[/CENTER]"_s;
    const QString right = u"[RIGHT]"_s, rightEnd = u"[/RIGHT]"_s;
    QTest::newRow("classic") << Engine::Classic << u"[ALIGN=CENTER]"_s << u"[/ALIGN]"_s
                             << u"[ALIGN=RIGHT]"_s << u"[/ALIGN]"_s << u"5"_s << 24 << true << true;
    QTest::newRow("vbulletin3") << Engine::VBulletin3 << centre << centreEnd << right << rightEnd
                                << u"5"_s << 24 << true << true;
    QTest::newRow("vbulletin5") << Engine::VBulletin5 << centre << centreEnd << right << rightEnd
                                << u"5"_s << 28 << true << true;
    QTest::newRow("xenforo") << Engine::XenForo << centre << centreEnd << right << rightEnd
                             << u"6"_s << 22 << true << true;
    QTest::newRow("phpbb") << Engine::PhpBB << QString() << QString() << QString() << QString()
                           << u"150"_s << 24 << false << false;
    QTest::newRow("mybb") << Engine::MyBB << u"[ALIGN=center]"_s << u"[/ALIGN]"_s
                          << u"[ALIGN=right]"_s << u"[/ALIGN]"_s << u"x-large"_s << 24 << true
                          << true;
    QTest::newRow("smf") << Engine::Smf << centre << centreEnd << right << rightEnd << u"4"_s << 23
                         << true << true;
    QTest::newRow("invision") << Engine::Invision << centre << centreEnd << right << rightEnd
                              << u"6"_s << 24 << true << true;
    QTest::newRow("discourse") << Engine::Discourse << centre << centreEnd << right << rightEnd
                               << u"150"_s << 24 << true << true;
}

void TestForumChoice::codesForEachEngine()
{
    QFETCH(Engine, engine);
    QFETCH(QString, centre);
    QFETCH(QString, centreEnd);
    QFETCH(QString, right);
    QFETCH(QString, rightEnd);
    QFETCH(QString, size5);
    QFETCH(int, size5Pixels);
    QFETCH(bool, faceRead);
    QFETCH(bool, blankFaceRead);
    const Pair centred{centre, centreEnd};
    const Pair onTheRight{right, rightEnd};

    QVERIFY(start());
    chooseInLook(engine);
    EditorPage* page = w_->editorPage();
    QPlainTextEdit* edit = page->txtEdit();

    // The download dialog: a button on the right with its title under it.
    const QString site = app_->sites().linkSite();
    const QString button =
        u"[URL=http://www.example.org/setup.exe][IMG]"_s + site + u"Link3.gif[/IMG][/URL]"_s;
    QCOMPARE(downloadCode(0, u"نيرو"_s), onTheRight.around(button + u"\r\nنيرو"_s));

    // The border gallery's left click: the border centred.
    w_->lblProgClick(FrmVorlane::Page::Borders);
    w_->borderPage()->imgBordMouseUp(1, Qt::LeftButton);
    const QString border = w_->borderPage()->imgBord().at(1)->tag();
    QCOMPARE(w_->borderPage()->txtCode()->text(),
             centred.around(u"[IMG]"_s + border + u"[/IMG]"_s));
    w_->lblProgClick(FrmVorlane::Page::Editor);

    // The worked example: a download button without alignment, with its
    // title, in colour, face, size, bold and centred, by the pickers and the
    // toolbar.
    edit->setPlainText(downloadCode(3, u"برنامج نيرو"_s));
    const QString inner = edit->toPlainText();
    selectAllOfPane();
    QTest::mouseClick(page->imgClr(5), Qt::LeftButton);
    QTest::mouseClick(page->lblfont(8), Qt::LeftButton);
    QTest::mouseClick(page->lblSize(5), Qt::LeftButton);
    w_->toolbar1()->button(ToolbarButton::Bold)->trigger();
    w_->toolbar1()->button(ToolbarButton::AlignCenter)->trigger();
    const QString face = faceRead ? u"[FONT=Tahoma]"_s : QString();
    const QString faceEnd = faceRead ? u"[/FONT]"_s : QString();
    const QString written =
        centred.around(u"[B][SIZE="_s + size5 + u"]"_s + face + u"[COLOR=red]"_s + inner +
                       u"[/COLOR]"_s + faceEnd + u"[/SIZE][/B]"_s);
    QCOMPARE(edit->toPlainText(), written);
    // Whatever was left out, the whole code stays selected for the next tag.
    QCOMPARE(edit->textCursor().selectedText().size(), written.size());

    // Read back as the forum shows it: no tag left as text, the title
    // centred where the forum centres, in red, bold, the face and the size
    // the forum gives.
    PostLookView* look = page->postLook()->view();
    QTRY_VERIFY(look->document()->toPlainText().contains(u"برنامج نيرو"_s));
    QVERIFY2(!look->document()->toPlainText().contains(u'['),
             qPrintable(look->document()->toPlainText()));
    const QTextBlock title = look->document()->lastBlock();
    QCOMPARE(title.text().trimmed(), u"برنامج نيرو"_s);
    QCOMPARE(title.blockFormat().alignment().testFlag(Qt::AlignHCenter), !centre.isEmpty());
    const QTextCharFormat format = title.begin().fragment().charFormat();
    QCOMPARE(format.foreground().color(), QColor(Qt::red));
    QVERIFY(format.font().bold());
    QVERIFY2(qAbs(format.font().pixelSize() - size5Pixels) <= 1,
             qPrintable(QString::number(format.font().pixelSize())));
    if (faceRead)
        QCOMPARE(format.font().families().value(0), u"Tahoma"_s);

    // A face with blanks in its name.
    edit->setPlainText(u"سطر"_s);
    selectAllOfPane();
    QTest::mouseClick(page->lblfont(0), Qt::LeftButton);
    QCOMPARE(edit->toPlainText(), blankFaceRead ? u"[FONT=Times New Roman]سطر[/FONT]"_s : u"سطر"_s);

    // The look says what was left out, and nothing where nothing was.
    QLabel* note = page->postLook()->forumNote();
    QStringList said;
    if (centre.isEmpty())
        said << kAlignmentLeftOut;
    if (!faceRead || !blankFaceRead)
        said << kFontLeftOut;
    QCOMPARE(note->isVisible(), !said.isEmpty());
    if (!said.isEmpty())
        QCOMPARE(note->text().split(u'\n'), said);
    QVERIFY(prompts_->messages.isEmpty());
}

void TestForumChoice::choiceSurvivesARestart()
{
    const QByteArray delivered = fingerprint(fixture_->root());
    QVERIFY(start());
    QCOMPARE(w_->forumChoice()->engine(), Engine::Classic);
    chooseInLook(Engine::VBulletin5);
    QCOMPARE(contentsOf(forumFile()), QByteArray("vbulletin5\r\n"));

    // The next start writes for the same forum and shows it chosen.
    QVERIFY(start());
    QCOMPARE(w_->forumChoice()->engine(), Engine::VBulletin5);
    QCOMPARE(openLook()->forumBox()->currentText(), forumcode::engineName(Engine::VBulletin5));
    w_->editorPage()->txtEdit()->setPlainText(u"وسط"_s);
    selectAllOfPane();
    w_->toolbar1()->button(ToolbarButton::AlignCenter)->trigger();
    QCOMPARE(w_->editorPage()->txtEdit()->toPlainText(), u"[CENTER]وسط[/CENTER]"_s);

    // Choosing what the file already holds writes nothing; back to the
    // classic codes is a choice like any other.
    QVERIFY(writeFile(forumFile(), "vbulletin5"));
    chooseInLook(Engine::PhpBB);
    chooseInLook(Engine::VBulletin5);
    QCOMPARE(contentsOf(forumFile()), QByteArray("vbulletin5\r\n"));
    QVERIFY(writeFile(forumFile(), "vbulletin5"));
    chooseInLook(Engine::VBulletin5);
    QCOMPARE(contentsOf(forumFile()), QByteArray("vbulletin5"));
    chooseInLook(Engine::Classic);
    QCOMPARE(contentsOf(forumFile()), QByteArray("classic\r\n"));
    QVERIFY(start());
    QCOMPARE(w_->forumChoice()->engine(), Engine::Classic);

    QVERIFY(prompts_->messages.isEmpty());
    // Only the user's own folder was written.
    QCOMPARE(fingerprint(fixture_->root()), delivered);
}

void TestForumChoice::unusableChoiceFileIsNamedAndKept_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: a folder in its place
    QTest::addColumn<QString>("reason");
    QTest::newRow("newer forum") << QByteArray("vbulletin7\r\n") << u"\"vbulletin7\""_s;
    QTest::newRow("empty") << QByteArray(" ") << u"empty"_s;
    QTest::newRow("folder") << QByteArray() << u"folder"_s;
}

void TestForumChoice::unusableChoiceFileIsNamedAndKept()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    if (contents.isEmpty())
        QVERIFY(QDir().mkpath(forumFile()));
    else
        QVERIFY(writeFile(forumFile(), contents));

    QVERIFY(start());
    QCOMPARE(w_->forumChoice()->engine(), Engine::Classic);
    QCOMPARE(prompts_->messages.size(), 1);
    const prompt::Message message = prompts_->messages.takeFirst();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(forumFile())),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.icon, prompt::Icon::Exclamation);
    // The classic codes meanwhile; the file stays as it is.
    w_->editorPage()->txtEdit()->setPlainText(u"x"_s);
    selectAllOfPane();
    w_->toolbar1()->button(ToolbarButton::AlignCenter)->trigger();
    QCOMPARE(w_->editorPage()->txtEdit()->toPlainText(), u"[ALIGN=CENTER]x[/ALIGN]"_s);
    QCOMPARE(openLook()->forumBox()->currentText(), forumcode::engineName(Engine::Classic));
    QVERIFY(start());
    QCOMPARE(prompts_->messages.size(), 1);
    prompts_->messages.clear();
    if (contents.isEmpty()) {
        QVERIFY(QFileInfo(forumFile()).isDir());
        return;
    }
    QCOMPARE(contentsOf(forumFile()), contents);
    // Until the member chooses a forum.
    chooseInLook(Engine::Smf);
    QCOMPARE(contentsOf(forumFile()), QByteArray("smf\r\n"));
    QVERIFY(prompts_->messages.isEmpty());
}

void TestForumChoice::failedSaveIsNamedAndTheChoiceStillApplies()
{
    // A file where the user's settings folder should be: nothing can be
    // saved in it.
    QVERIFY(writeFile(config_.filePath(u"tarnwell"_s), "not a folder"));
    QVERIFY(start());
    QVERIFY(prompts_->messages.isEmpty());
    chooseInLook(Engine::Invision);
    QCOMPARE(prompts_->messages.size(), 1);
    const prompt::Message message = prompts_->messages.takeFirst();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(forumFile())),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(u"cannot be created"_s), qPrintable(message.text));
    QCOMPARE(message.icon, prompt::Icon::Exclamation);
    QCOMPARE(contentsOf(config_.filePath(u"tarnwell"_s)), QByteArray("not a folder"));

    // For this run the codes are Invision's all the same.
    w_->editorPage()->txtEdit()->setPlainText(u"x"_s);
    selectAllOfPane();
    w_->toolbar1()->button(ToolbarButton::AlignRight)->trigger();
    QCOMPARE(w_->editorPage()->txtEdit()->toPlainText(), u"[RIGHT]x[/RIGHT]"_s);
}

void TestForumChoice::lookSaysWhatWasLeftOutOncePerKind()
{
    QVERIFY(start());
    FrmPostLook* look = openLook();
    QLabel* note = look->forumNote();
    // The classic codes leave nothing out: the look is as it always was.
    QVERIFY(!note->isVisible());
    QCOMPARE(look->forumBox()->accessibleName(), u"منتداك"_s);

    chooseInLook(Engine::PhpBB);
    QVERIFY(!note->isVisible());
    EditorPage* page = w_->editorPage();
    page->txtEdit()->setPlainText(u"نص"_s);
    // Alignment from the toolbar twice, the border gallery and the download
    // dialog; a face from the picker twice.
    for (const ToolbarButton button : {ToolbarButton::AlignCenter, ToolbarButton::AlignLeft}) {
        selectAllOfPane();
        w_->toolbar1()->button(button)->trigger();
    }
    QCOMPARE(note->text(), kAlignmentLeftOut);
    QVERIFY(note->isVisible());
    w_->borderPage()->imgBordMouseUp(2, Qt::LeftButton);
    QVERIFY(downloadCode(1, QString()).startsWith(u"[URL="_s));
    for (int i = 0; i < 2; ++i) {
        selectAllOfPane();
        QTest::mouseClick(page->lblfont(8), Qt::LeftButton);
    }
    QCOMPARE(page->txtEdit()->toPlainText(), u"نص"_s);
    QCOMPARE(note->text().split(u'\n'), (QStringList{kAlignmentLeftOut, kFontLeftOut}));
    QVERIFY(prompts_->messages.isEmpty());

    // A post written in the classic codes: what phpBB shows of it as text
    // is said with what was left out, still one line for each kind.
    page->txtEdit()->setPlainText(u"[ALIGN=CENTER][FONT=Arial]أ[/FONT][/ALIGN]\n"
                                  "[ALIGN=RIGHT][FONT=Tahoma]ب[/FONT][/ALIGN]"_s);
    QTRY_COMPARE(note->text().split(u'\n'),
                 (QStringList{kAlignmentLeftOut + u' ' + kAlignmentUnread,
                              kFontLeftOut + u' ' + kFontUnread}));

    // Another forum starts afresh: vBulletin reads the faces but shows the
    // classic alignment as text.
    chooseInLook(Engine::VBulletin3);
    QCOMPARE(note->text(), kAlignmentUnread);
    QVERIFY(note->isVisible());
    page->txtEdit()->setPlainText(u"[CENTER][FONT=Arial]أ[/FONT][/CENTER]"_s);
    QTRY_VERIFY(!note->isVisible());
    QVERIFY(prompts_->messages.isEmpty());
}

QTEST_MAIN(TestForumChoice)
#include "test_forumchoice.moc"
