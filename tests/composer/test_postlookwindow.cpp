// The post's look window through the real editor page: F5 and the pane's
// context menu open and hide it, it follows the pane after a short quiet
// moment, keeps its place in a long post, draws the program's own pictures
// from the delivered files and anything else as a placeholder without going
// to the network, and never opens a link.
#include "base/controls/twipgeometry.h"
#include "base/forumcode/postlook.h"
#include "base/localpictures.h"
#include "base/sites.h"
#include "base/sitestore.h"
#include "composer/editorpage.h"
#include "composer/frmpostlook.h"
#include "composer/postlookview.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/recordingplatform.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QImageReader>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTcpServer>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"معاينة المشاركة"_s;

// The shown top-level window with the look's caption, if any.
QWidget* shownLook()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == kCaption)
            return w;
    }
    return nullptr;
}

QString smiley(const QString& scheme, const QString& category, const QString& name)
{
    return scheme + QString::fromLatin1(sites::kSmiliesHost) + u"/smiliespic/"_s + category + u'/' +
           name + u".gif"_s;
}

// The picture the look drew for an address.
QImage drawn(PostLookView* view, const QString& address)
{
    const QVariant picture =
        view->document()->resource(QTextDocument::ImageResource, QUrl(address));
    const QImage image = picture.typeId() == QMetaType::QPixmap ? picture.value<QPixmap>().toImage()
                                                                : picture.value<QImage>();
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every frame of a picture file.
QList<QImage> frames(const QString& file)
{
    QList<QImage> all;
    QImageReader reader(file);
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        all.append(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return all;
}

} // namespace

class TestPostLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<AppFolderFixture>();
        QVERIFY(folder_->isValid());
        sites_ = std::make_unique<SiteStore>(appfolder::AppFolder(folder_->root()));
        QVERIFY(!sites_->load());
        platform_ = std::make_unique<RecordingPlatform>();
        host_ = std::make_unique<QWidget>();
        page_ = new EditorPage(host_.get());
        controls::setTwips(page_, {0, 0, 7395, 6015});
        page_->setLocalPictures(LocalPictures(appfolder::AppFolder(folder_->root()), sites_.get()));
        host_->resize(page_->size());
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
        edit()->setFocus();
    }
    void cleanup()
    {
        host_.reset();
        platform_.reset();
        sites_.reset();
        folder_.reset();
    }

    void f5AndTheContextMenuOpenAndHideIt()
    {
        QVERIFY(!shownLook());
        pressF5();
        QWidget* look = shownLook();
        QVERIFY(look);
        QCOMPARE(look, page_->postLook());
        pressF5();
        QVERIFY(!shownLook());

        // The pane's own entries stay; the look's is added, unticked while
        // the window is hidden.
        QAction* entry = menuEntry();
        QVERIFY(entry);
        QVERIFY(!entry->isChecked());
        QVERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget())->actions().size() > 5);
        entry->trigger();
        QTRY_COMPARE(shownLook(), look);
        entry = menuEntry();
        QVERIFY(entry && entry->isChecked());
        entry->trigger();
        QTRY_VERIFY(!shownLook());

        // Closing hides it, and it comes back where it was.
        pressF5();
        look->move(look->pos() + QPoint(30, 20));
        const QPoint moved = look->pos();
        QVERIFY(look->close());
        QVERIFY(!shownLook());
        pressF5();
        QCOMPARE(shownLook(), look);
        QCOMPARE(look->pos(), moved);
        // F5 in the look window hides it too.
        QTest::keyClick(page_->postLook()->view(), Qt::Key_F5);
        QVERIFY(!shownLook());
    }

    void followsThePaneAfterAQuietMoment()
    {
        edit()->setPlainText(u"first"_s);
        pressF5();
        // Opened with the post as it is.
        QCOMPARE(lookText(), u"first"_s);

        // A burst of typing is not drawn key by key: the keys never wait.
        edit()->moveCursor(QTextCursor::End);
        QTest::keyClicks(edit(), u" second"_s);
        QCOMPARE(lookText(), u"first"_s);
        QTRY_COMPARE(lookText(), shown(u"first second"_s));

        // The toolbar, a picker and the undo button.
        selectAll();
        page_->toolbar1ButtonClick(ToolbarButton::Bold);
        QTRY_COMPARE(lookText(), shown(u"[B]first second[/B]"_s));
        QVERIFY(page_->pickerClick(forumcode::tagPair(forumcode::Tag::Size, u"5"_s)));
        QTRY_COMPARE(lookText(), shown(u"[SIZE=5][B]first second[/B][/SIZE]"_s));
        page_->toolbar1ButtonClick(ToolbarButton::BackToLastState);
        QTRY_COMPARE(lookText(), shown(u"[B]first second[/B]"_s));

        // Hidden, it draws nothing; shown again, it has the post at once.
        pressF5();
        QVERIFY(!shownLook());
        edit()->setPlainText(u"third"_s);
        QTest::qWait(FrmPostLook::kSettleMs * 3);
        QVERIFY(lookText() != u"third"_s);
        pressF5();
        QCOMPARE(lookText(), u"third"_s);
        QVERIFY(shownLook());
    }

    void keepsItsPlaceAcrossChanges()
    {
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines.append(u"line %1"_s.arg(i));
        edit()->setPlainText(lines.join(u'\n'));
        pressF5();
        letTheLayoutSettle();
        QScrollBar* bar = page_->postLook()->view()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const int middle = bar->maximum() / 2;
        bar->setValue(middle);

        // A change elsewhere in the post leaves the reader where they were.
        QTextCursor start(edit()->document());
        start.insertText(u"x"_s);
        QTRY_VERIFY(lookText().startsWith(u"xline 0"_s));
        letTheLayoutSettle();
        QCOMPARE(bar->value(), middle);

        // Read to the end, the look follows the end as the post grows.
        bar->setValue(bar->maximum());
        const int end = bar->maximum();
        edit()->moveCursor(QTextCursor::End);
        edit()->insertPlainText(u"\nmore\nand more"_s);
        QTRY_VERIFY(lookText().endsWith(u"and more"_s));
        letTheLayoutSettle();
        QVERIFY(bar->maximum() > end);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void ownPicturesComeFromTheDeliveredFiles()
    {
        const appfolder::AppFolder folder(folder_->root());
        const LocalPictures pictures(folder, sites_.get());
        const auto fileFor = [&pictures](const QString& address) {
            return pictures.fileFor(address).value_or(u"none"_s);
        };
        const QString link = sites_->linkSite();
        const QString border = sites_->borderSite();
        QVERIFY(link.endsWith(u'/') && border.endsWith(u'/'));
        const QString linkFolder = link.chopped(1);

        // As the galleries write them, and with or without the final "/".
        QCOMPARE(fileFor(link + u"Link5.gif"_s), folder.linkPicture(5));
        QCOMPARE(fileFor(linkFolder + u"/Link137.gif"_s), folder.linkPicture(137));
        QCOMPARE(fileFor(border + u"b0.gif"_s), folder.borderPicture(0));
        QCOMPARE(fileFor(u"https"_s + border.mid(4) + u"b1.gif"_s), folder.borderPicture(1));
        QCOMPARE(fileFor(smiley(u"http://"_s, u"happy"_s, u"001"_s)), folder.smiley(u"happy"_s, 1));
        QCOMPARE(fileFor(smiley(u"https://"_s, u"psmilie"_s, u"041"_s)),
                 folder.smiley(u"psmilie"_s, 41));

        // Not the program's pictures, or not delivered.
        for (const QString& other :
             {link + u"Link05.gif"_s, link + u"Link500.gif"_s, link + u"b5.gif"_s,
              link + u"sub/Link5.gif"_s, border + u"../zqlink/Link5.gif"_s,
              u"http://elsewhere.example/zqlink/Link5.gif"_s,
              smiley(u"http://"_s, u".."_s, u"001"_s), smiley(u"http://"_s, u"happy"_s, u"1"_s),
              u"Link5.gif"_s, QString()})
            QVERIFY2(!pictures.fileFor(other), qPrintable(other));
        QVERIFY(folder_->remove(u"zqLink/Link7.gif"_s));
        QVERIFY(!pictures.fileFor(link + u"Link7.gif"_s));

        // Sites changed in the options or by the administrator count from
        // the next look-up; a site kept without its final "/" as well.
        sites_->setLink(u"http://pictures.example/buttons"_s);
        QCOMPARE(fileFor(u"http://pictures.example/buttonsLink5.gif"_s), folder.linkPicture(5));
        QCOMPARE(fileFor(u"http://pictures.example/buttons/Link5.gif"_s), folder.linkPicture(5));
        QVERIFY(!pictures.fileFor(link + u"Link5.gif"_s));
        const auto always = [](const QString&) { return true; };
        QVERIFY(sites_->saveBorderSite(u"http://frames.example/b/"_s, always).ok());
        QCOMPARE(fileFor(u"http://frames.example/b/b3.gif"_s), folder.borderPicture(3));
        QVERIFY(!pictures.fileFor(border + u"b3.gif"_s));

        // In the window: the delivered picture, drawn as the file holds it.
        const QString address = u"http://frames.example/b/b3.gif"_s;
        edit()->setPlainText(u"[IMG]"_s + address + u"[/IMG]"_s);
        pressF5();
        PostLookView* view = page_->postLook()->view();
        QVERIFY(frames(folder.borderPicture(3)).contains(drawn(view, address)));
    }

    void animatedPicturesPlayOnlyWhileShown()
    {
        edit()->setPlainText(u"[IMG]"_s + smiley(u"http://"_s, u"happy"_s, u"001"_s) + u"[/IMG]"_s);
        pressF5();
        PostLookView* view = page_->postLook()->view();
        QTRY_VERIFY(view->isAnimating());
        pressF5();
        QVERIFY(!view->isAnimating());
        pressF5();
        QVERIFY(view->isAnimating());
        // A picture taken out of the post stops playing.
        edit()->setPlainText(u"none"_s);
        QTRY_COMPARE(lookText(), u"none"_s);
        QVERIFY(!view->isAnimating());
    }

    void otherAddressesArePlaceholdersAndNothingIsFetched()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString web = u"http://127.0.0.1:%1/picture.gif"_s.arg(server.serverPort());
        // A local file is not read either, even a picture the program has.
        const QString file = QUrl::fromLocalFile(folder_->file(u"Border/b1.gif"_s)).toString();
        const QString longer = u"http://elsewhere.example/"_s + QString(200, u'a') + u".gif"_s;
        edit()->setPlainText(u"[IMG]"_s + web + u"[/IMG] [IMG]"_s + file + u"[/IMG] [IMG]"_s +
                             longer + u"[/IMG]"_s);
        pressF5();
        PostLookView* view = page_->postLook()->view();
        view->grab();
        QTest::qWait(200);
        QVERIFY(!server.hasPendingConnections());

        const QImage forWeb = drawn(view, web);
        const QImage forFile = drawn(view, file);
        const QImage forLonger = drawn(view, longer);
        for (const QImage& placeholder : {forWeb, forFile, forLonger}) {
            QVERIFY(!placeholder.isNull());
            // A framed box with the address written in it: more than two
            // colours, and as wide as the address up to a bound.
            QVERIFY(placeholder.width() > placeholder.height());
        }
        QVERIFY(!frames(folder_->file(u"Border/b1.gif"_s)).contains(forFile));
        QVERIFY(forWeb.width() < forFile.width());
        QVERIFY(forLonger.width() <= 2 * forFile.width());
        QSet<QRgb> colours;
        for (int x = 0; x < forWeb.width(); ++x)
            colours.insert(forWeb.pixel(x, forWeb.height() / 2));
        QVERIFY(colours.size() > 3);
    }

    void aLinkShowsItsAddressAndIsNotOpened()
    {
        const QString address = u"http://forum.example/topic?id=5"_s;
        edit()->setPlainText(u"[URL="_s + address + u"]the topic[/URL]"_s);
        pressF5();
        PostLookView* view = page_->postLook()->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QTextCursor at(view->document());
        at.setPosition(view->document()->toPlainText().indexOf(u"topic"_s));
        const QPoint point = view->cursorRect(at).center();
        QVERIFY(at.charFormat().fontUnderline() || at.charFormat().isAnchor());

        QHelpEvent help(QEvent::ToolTip, point, view->viewport()->mapToGlobal(point));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), address);

        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::qWait(50);
        QVERIFY(platform_->opened.isEmpty());
        QCOMPARE(lookText(), u"the topic"_s);
    }

private:
    QPlainTextEdit* edit() const { return page_->txtEdit(); }
    // F5 in the pane, the main window active as a user's typing leaves it.
    void pressF5()
    {
        host_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host_.get()));
        edit()->setFocus();
        QTest::keyClick(edit(), Qt::Key_F5);
    }
    // Qt reports the height of a post laid out anew a moment after the look
    // shows it, before anything is drawn; the reader scrolls what follows.
    static void letTheLayoutSettle() { QTest::qWait(1); }
    QString lookText() const { return page_->postLook()->view()->document()->toPlainText(); }
    // The letters the look shows for a post.
    static QString shown(const QString& post)
    {
        return forumcode::postPlainText(forumcode::readPost(post));
    }
    void selectAll()
    {
        QTextCursor c = edit()->textCursor();
        c.select(QTextCursor::Document);
        edit()->setTextCursor(c);
    }
    // The look's entry of the pane's context menu, the menu left open.
    QAction* menuEntry()
    {
        if (QWidget* open = QApplication::activePopupWidget())
            open->close();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                edit()->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(edit()->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == kCaption)
                return action;
        }
        return nullptr;
    }

    std::unique_ptr<AppFolderFixture> folder_;
    std::unique_ptr<SiteStore> sites_;
    std::unique_ptr<RecordingPlatform> platform_;
    std::unique_ptr<QWidget> host_;
    EditorPage* page_ = nullptr;
};

QTEST_MAIN(TestPostLook)
#include "test_postlookwindow.moc"
