// The forum-code text logic: the scheme rule, picture and link codes, the
// name patterns and the two edits, character for character.
#include "base/forumcode/forumcode.h"

#include <QTest>

using namespace Qt::StringLiterals;
using forumcode::Edit;

class TestForumCode : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scheme_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("bare") << u"host/a.gif"_s << u"http://host/a.gif"_s;
        QTest::newRow("any case") << u"HtTp://host/a.gif"_s << u"HtTp://host/a.gif"_s;
        // A scheme of another name at the start is a scheme too: no second
        // one in front of it.
        QTest::newRow("https") << u"https://host/a.gif"_s << u"https://host/a.gif"_s;
        QTest::newRow("HTTPS") << u"HTTPS://host/a.gif"_s << u"HTTPS://host/a.gif"_s;
        QTest::newRow("anywhere") << u"ftp://host/http://y.gif"_s << u"ftp://host/http://y.gif"_s;
        QTest::newRow("ftp") << u"ftp://host/y.gif"_s << u"ftp://host/y.gif"_s;
        QTest::newRow("svn+ssh") << u"svn+ssh://host/r"_s << u"svn+ssh://host/r"_s;
        QTest::newRow("later, not http") << u"see https://host"_s << u"http://see https://host"_s;
        QTest::newRow("path first") << u"host/a://b"_s << u"http://host/a://b"_s;
        QTest::newRow("digit first") << u"1a://host"_s << u"http://1a://host"_s;
        QTest::newRow("no name") << u"://host"_s << u"http://://host"_s;
        QTest::newRow("no slashes") << u"http:host"_s << u"http://http:host"_s;
        QTest::newRow("port") << u"host:8080/a.gif"_s << u"http://host:8080/a.gif"_s;
        QTest::newRow("blank kept") << u" host/a b.gif "_s << u"http:// host/a b.gif "_s;
        QTest::newRow("arabic") << u"منتدى.example/صورة.gif"_s
                                << u"http://منتدى.example/صورة.gif"_s;
    }
    void scheme()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QCOMPARE(forumcode::withScheme(typed), result);
        QCOMPARE(forumcode::hasScheme(typed), typed == result);
    }

    void codes()
    {
        using namespace forumcode;
        QCOMPARE(tagPair(Tag::Bold).open, u"[B]"_s);
        QCOMPARE(tagPair(Tag::Bold).close, u"[/B]"_s);
        // Values go in as they are: blanks kept, nothing quoted.
        QCOMPARE(tagPair(Tag::Font, u"Comic Sans MS"_s).open, u"[FONT=Comic Sans MS]"_s);
        QCOMPARE(tagPair(Tag::Font, u"Comic Sans MS"_s).close, u"[/FONT]"_s);
        QCOMPARE(tagPair(Tag::Size, QString::number(7)).open, u"[SIZE=7]"_s);
        // Every tag under the name forums know it by.
        QCOMPARE(tagPair(Tag::Italic).open + tagPair(Tag::Underline).close, u"[I][/U]"_s);
        QCOMPARE(tagPair(Tag::Colour, u"red"_s).open + tagPair(Tag::Colour).close,
                 u"[COLOR=red][/COLOR]"_s);
        QCOMPARE(tagPair(Tag::Align, QString::fromUtf16(kAlignCenter)).open, u"[ALIGN=CENTER]"_s);
        QCOMPARE(aligned(QString::fromUtf16(kAlignRight), u"x"_s), u"[ALIGN=RIGHT]x[/ALIGN]"_s);
        QCOMPARE(aligned(QString::fromUtf16(kAlignLeft), u"x"_s), u"[ALIGN=LEFT]x[/ALIGN]"_s);

        // The picture address is not touched; the scheme rule is the caller's.
        QCOMPARE(pictureCode(u"host/a.gif"_s), u"[IMG]host/a.gif[/IMG]"_s);
        QCOMPARE(pictureCode({}), u"[IMG][/IMG]"_s);
        QCOMPARE(linkedPicture(u"host/page"_s, u"http://p/a.gif"_s),
                 u"[URL=http://host/page][IMG]http://p/a.gif[/IMG][/URL]"_s);
        QCOMPARE(linkedPicture(u"HTTP://host/page"_s, u"p.gif"_s),
                 u"[URL=HTTP://host/page][IMG]p.gif[/IMG][/URL]"_s);
        QCOMPARE(textLink(u"host/page"_s, {}), u"[URL=http://host/page][/URL]"_s);
        // A bracket in an address would end its tag early: it is written
        // percent-encoded. The title is text and goes in as typed.
        QCOMPARE(textLink(u"http://h/x]y"_s, u"a]b"_s), u"[URL=http://h/x%5Dy]a]b[/URL]"_s);

        QCOMPARE(aligned(u"CENTER"_s, u"c"_s), u"[ALIGN=CENTER]c[/ALIGN]"_s);
        QCOMPARE(aligned(u"NONE"_s, u"c"_s), u"c"_s);
        // Only exactly "NONE" suppresses the tags.
        QCOMPARE(aligned(u"none"_s, u"c"_s), u"[ALIGN=none]c[/ALIGN]"_s);
    }

    void bracketsInAddresses()
    {
        using namespace forumcode;
        QCOMPARE(pictureCode(u"http://h/a[1].gif"_s), u"[IMG]http://h/a%5B1%5D.gif[/IMG]"_s);
        QCOMPARE(pictureCode(u"h/[/IMG]x"_s), u"[IMG]h/%5B/IMG%5Dx[/IMG]"_s);
        QCOMPARE(linkedPicture(u"h/x]y"_s, u"http://p/[a].gif"_s),
                 u"[URL=http://h/x%5Dy][IMG]http://p/%5Ba%5D.gif[/IMG][/URL]"_s);
        QCOMPARE(textLink(u"[h]"_s, u"[B]t[/B]"_s), u"[URL=http://%5Bh%5D][B]t[/B][/URL]"_s);
        // Anything else, percent signs included, is written as it came.
        const QString plain = u"http://h/a%20b?x=1&y=(2)<3>{4}|\\ صورة.gif"_s;
        QCOMPARE(pictureCode(plain), u"[IMG]"_s + plain + u"[/IMG]"_s);
        QCOMPARE(linkedPicture(plain, plain),
                 u"[URL="_s + plain + u"][IMG]"_s + plain + u"[/IMG][/URL]"_s);
    }

    void names()
    {
        using forumcode::decorateName;
        QCOMPARE(decorateName(u"(*_*) الاسم (*_*)"_s, u"abc"_s), u"(*_*) abc (*_*)"_s);
        // Blanks at either end belong to the pattern.
        QCOMPARE(decorateName(u" §¤~^~¤§ الاسم §¤~^~¤§ "_s, u"x"_s), u" §¤~^~¤§ x §¤~^~¤§ "_s);
        // Every occurrence, but the inserted name is never searched again.
        QCOMPARE(decorateName(u"<الاسم|الاسم>"_s, u"[الاسم]"_s), u"<[الاسم]|[الاسم]>"_s);
        QCOMPARE(decorateName(u"الاسمالاسم"_s, u"الاسمالاسم"_s), u"الاسمالاسمالاسمالاسم"_s);
        // A name that completes a placeholder with its neighbour is not
        // looked at either.
        QCOMPARE(decorateName(u"الا الاسم"_s, u"سم"_s), u"الا سم"_s);
        QCOMPARE(decorateName(u"a الاسم b"_s, {}), u"a  b"_s);
        QCOMPARE(decorateName(u"no placeholder"_s, u"x"_s), u"no placeholder"_s);
        // Exact comparison: the placeholder with another alef does not count.
        QCOMPARE(decorateName(u"الإسم"_s, u"x"_s), u"الإسم"_s);
    }

    void wrap()
    {
        using forumcode::wrapSelection;
        const Edit xabcy{u"xabcy"_s, 1, 3};
        const Edit bold = wrapSelection(xabcy, forumcode::tagPair(forumcode::Tag::Bold));
        QCOMPARE(bold, (Edit{u"x[B]abc[/B]y"_s, 1, 10}));
        QCOMPARE(bold.selected(), u"[B]abc[/B]"_s);
        // Nested from the inside out, each time with the whole selected.
        const Edit twice = wrapSelection(bold, forumcode::tagPair(forumcode::Tag::Bold));
        QCOMPARE(twice, (Edit{u"x[B][B]abc[/B][/B]y"_s, 1, 17}));

        Edit e{u"abc"_s, 0, 3};
        e = wrapSelection(e, forumcode::tagPair(forumcode::Tag::Size, u"3"_s));
        QCOMPARE(e.length, 3 + 8 + 7);
        e = wrapSelection(e, forumcode::tagPair(forumcode::Tag::Colour, u"red"_s));
        e = wrapSelection(e, forumcode::tagPair(forumcode::Tag::Font, u"Times New Roman"_s));
        QCOMPARE(e.text, u"[FONT=Times New Roman][COLOR=red][SIZE=3]abc[/SIZE][/COLOR][/FONT]"_s);
        QCOMPARE(e.selected(), e.text);

        // Blanks and line breaks are a selection like any other.
        QCOMPARE(wrapSelection({u"a \r\n b"_s, 1, 4}, u"[U]"_s, u"[/U]"_s),
                 (Edit{u"a[U] \r\n [/U]b"_s, 1, 11}));
        // A selection reaching past the end is held inside the text.
        QCOMPARE(wrapSelection({u"ab"_s, 1, 9}, u"["_s, u"]"_s), (Edit{u"a[b]"_s, 1, 3}));
    }

    void insert()
    {
        using forumcode::insertAtCaret;
        QCOMPARE(insertAtCaret({u"ab"_s, 1, 0}, u"[IMG]x[/IMG]"_s),
                 (Edit{u"a[IMG]x[/IMG]b"_s, 1, 12}));
        // A selection is replaced.
        QCOMPARE(insertAtCaret({u"xabcy"_s, 1, 3}, u"C"_s), (Edit{u"xCy"_s, 1, 1}));
        QCOMPARE(insertAtCaret({}, u"C"_s), (Edit{u"C"_s, 0, 1}));
    }

    void longPost()
    {
        // Far past what 16-bit positions could hold: the selection survives.
        const QString body(70000, u'ب');
        const Edit e = forumcode::wrapSelection({body + u"abc"_s, 70000, 3}, u"[B]"_s, u"[/B]"_s);
        QCOMPARE(e.start, 70000);
        QCOMPARE(e.length, 10);
        QCOMPARE(e.selected(), u"[B]abc[/B]"_s);
    }
};

QTEST_APPLESS_MAIN(TestForumCode)
#include "test_forumcode.moc"
