// The real message and input boxes (the other tests answer them through the
// prompt recorder): their reading direction and button captions follow
// the text, long paths can wrap, and Cancel answers with an empty text.
#include "base/prompt.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Runs `look` on the box once it is open, then presses one of its buttons.
void whenOpen(std::function<void(QDialog*)> look)
{
    QTimer::singleShot(0, [look] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        look(box);
    });
}

QStringList buttonTexts(QDialog* box)
{
    QStringList texts;
    for (const QPushButton* b : box->findChildren<QPushButton*>())
        texts << b->text();
    texts.sort();
    return texts;
}

QPushButton* buttonWith(QDialog* box, const QString& text)
{
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

// The first and last columns of dark ink in the rows [top, bottom).
std::pair<int, int> inkSpan(const QImage& image, int top, int bottom)
{
    int first = image.width();
    int last = -1;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

} // namespace

class TestPrompt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void messagesFollowTheirText()
    {
        QString shownText;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QStringList buttons;
        whenOpen([&](QDialog* box) {
            direction = box->layoutDirection();
            buttons = buttonTexts(box);
            shownText = qobject_cast<QMessageBox*>(box)->text();
            box->accept();
        });
        prompt::message(nullptr, u"قم بتظليل النص فضلاً"_s);
        QCOMPARE(direction, Qt::RightToLeft);
        QCOMPARE(buttons, QStringList{u"موافق"_s});
        QCOMPARE(shownText, u"قم بتظليل النص فضلاً"_s);

        whenOpen([&](QDialog* box) {
            direction = box->layoutDirection();
            buttons = buttonTexts(box);
            shownText = qobject_cast<QMessageBox*>(box)->text();
            box->accept();
        });
        prompt::message(nullptr, u"File not found: /a/b.gif"_s, prompt::Icon::Critical);
        QCOMPARE(direction, Qt::LeftToRight);
        QCOMPARE(buttons.size(), 1);
        QVERIFY(buttons.first() != u"موافق"_s);
        // A break opportunity after each separator, nothing else changed.
        QCOMPARE(shownText, u"File not found: /\u200Ba/\u200Bb.gif"_s);
    }

    void inputBoxesAnswerOrCancel()
    {
        Qt::LayoutDirection direction = Qt::LeftToRight;
        QStringList buttons;
        whenOpen([&](QDialog* box) {
            direction = box->layoutDirection();
            buttons = buttonTexts(box);
            auto* edit = box->findChild<QLineEdit*>();
            QCOMPARE(edit->text(), u"http://"_s);
            edit->setText(u"http://www.tarnwell.example/"_s);
            QTest::mouseClick(buttonWith(box, u"موافق"_s), Qt::LeftButton);
        });
        QCOMPARE(prompt::input(nullptr, u"أدخل رابط الصورة"_s, {}, u"http://"_s),
                 u"http://www.tarnwell.example/"_s);
        QCOMPARE(direction, Qt::RightToLeft);
        QCOMPARE(buttons, (QStringList{u"إلغاء"_s, u"موافق"_s}));

        whenOpen([&](QDialog* box) {
            direction = box->layoutDirection();
            box->findChild<QLineEdit*>()->setText(u"typed, then cancelled"_s);
            box->reject();
        });
        QCOMPARE(prompt::input(nullptr, u"Password?"_s, u"Prompt"_s), QString());
        QCOMPARE(direction, Qt::LeftToRight);

        // The first strong letter decides: an Arabic prompt whose example
        // address has more Latin letters still reads from the right.
        whenOpen([&](QDialog* box) {
            direction = box->layoutDirection();
            box->reject();
        });
        (void)prompt::input(nullptr,
                            u"ضع رابط الوصلة\r\nمثال http://www.tarnwell.example/vb/index.php"_s);
        QCOMPARE(direction, Qt::RightToLeft);
    }

    // The prompts of the picture-link, link and download-address boxes:
    // lines ended by CR LF, some with blanks at their ends.
    void arabicPromptLinesShowWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("picture link")
            << u"ضع وصلة الصورة\r\nمثال; www.tarnwell.example/pics/logo.gif"_s;
        QTest::newRow("link") << u"ضع رابط الوصلة  \r\nمثالhttp://forum.tarnwell.example\r\n"
                                 "OR forum.tarnwell.example"_s;
        QTest::newRow("download") << u"ضع وصلة التحميل التي تريد ان تنقلك الصورة إليها عند "
                                     "الضغط عليها \r\nمثال : www.tarnwell.example/x.exe"_s;
    }

    void arabicPromptLinesShowWhole()
    {
        QFETCH(QString, text);
        // Large letters, so that a shaved one is many columns short.
        const QFont before = QApplication::font();
        QFont large = before;
        large.setPointSize(16);
        QApplication::setFont(large);
        const auto restore = qScopeGuard([&before] { QApplication::setFont(before); });
        QImage shown;
        QFont font;
        whenOpen([&](QDialog* box) {
            auto* label = box->findChild<QLabel*>();
            shown = label->grab().toImage();
            font = label->font();
            box->reject();
        });
        (void)prompt::input(nullptr, text);
        const QStringList lines = text.split(u"\r\n"_s);
        QVERIFY(!shown.isNull());
        // Each line shows as wide as it does on its own: no letter shaved.
        for (int i = 0; i < lines.size(); ++i) {
            QLabel alone(lines.at(i).trimmed());
            alone.setFont(font);
            alone.setLayoutDirection(Qt::RightToLeft);
            alone.resize(alone.sizeHint());
            const QImage whole = alone.grab().toImage();
            const auto [first, last] = inkSpan(whole, 0, whole.height());
            const int band = shown.height() / static_cast<int>(lines.size());
            const auto [shownFirst, shownLast] = inkSpan(shown, i * band, (i + 1) * band);
            // (Give or take the smoothing of one column.)
            QVERIFY2(std::abs((shownLast - shownFirst) - (last - first)) <= 1,
                     qPrintable(u"%1: %2 of %3 columns"_s.arg(lines.at(i))
                                    .arg(shownLast - shownFirst)
                                    .arg(last - first)));
        }
    }

    void inputBoxesTakeAnyLength()
    {
        QString address = u"http://long.example/"_s;
        while (address.size() < 40000)
            address += u"مجلد/"_s;
        address.truncate(40000);
        QApplication::clipboard()->setText(address);
        QString shown;
        whenOpen([&](QDialog* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keySequence(edit, QKeySequence::Paste);
            shown = edit->text();
            box->accept();
        });
        QCOMPARE(prompt::input(nullptr, u"Input the Site of the borders to save:"_s), address);
        QCOMPARE(shown.size(), 40000);

        // A default answer of any length is offered whole too.
        whenOpen([&](QDialog* box) { box->accept(); });
        QCOMPARE(prompt::input(nullptr, u"Site?"_s, {}, address), address);
    }

    void longDefaultShowsItsStart()
    {
        const QString site = u"http://www.a-rather-long-host-name.example/with/some/folders/"
                             "and/more/folders/zqborders/"_s;
        int caret = -1;
        QString selected;
        QString typed;
        whenOpen([&](QDialog* box) {
            auto* edit = box->findChild<QLineEdit*>();
            caret = edit->cursorPosition();
            selected = edit->selectedText();
            // Typing still replaces the whole default answer.
            QTest::keyClicks(edit, u"x"_s);
            typed = edit->text();
            box->reject();
        });
        (void)prompt::input(nullptr, u"Input the Site of the borders to save:"_s, {}, site);
        QCOMPARE(caret, 0);
        QCOMPARE(selected, site);
        QCOMPARE(typed, u"x"_s);
    }

    void passwordBoxesHideTheAnswer()
    {
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QString title;
        whenOpen([&](QDialog* box) {
            auto* edit = box->findChild<QLineEdit*>();
            echo = edit->echoMode();
            title = box->windowTitle();
            QTest::keyClicks(edit, u"8052"_s);
            box->accept();
        });
        QCOMPARE(prompt::password(nullptr, u"Password?"_s, u"Prompt"_s), u"8052"_s);
        QCOMPARE(echo, QLineEdit::Password);
        QCOMPARE(title, u"Prompt"_s);

        whenOpen([&](QDialog* box) {
            echo = box->findChild<QLineEdit*>()->echoMode();
            box->reject();
        });
        (void)prompt::input(nullptr, u"Site?"_s);
        QCOMPARE(echo, QLineEdit::Normal);
    }

    void questionsDefaultToNo()
    {
        QStringList buttons;
        bool enterSaysNo = false;
        whenOpen([&](QDialog* box) {
            buttons = buttonTexts(box);
            auto* message = qobject_cast<QMessageBox*>(box);
            enterSaysNo = message->defaultButton() == message->button(QMessageBox::No);
            QTest::mouseClick(message->button(QMessageBox::Yes), Qt::LeftButton);
        });
        QVERIFY(prompt::question(nullptr, u"Replace it?"_s));
        QVERIFY(enterSaysNo);
        QCOMPARE(buttons.size(), 2);

        whenOpen([&](QDialog* box) {
            buttons = buttonTexts(box);
            box->reject();
        });
        QVERIFY(!prompt::question(nullptr, u"استبدال؟"_s));
        QCOMPARE(buttons, (QStringList{u"لا"_s, u"نعم"_s}));
    }
};

QTEST_MAIN(TestPrompt)
#include "test_prompt.moc"
