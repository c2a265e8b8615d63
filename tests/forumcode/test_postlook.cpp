// The post's reader and its rich text: which codes become formatting and
// which stay letters, and the document Qt builds from the rich text.
#include "base/forumcode/forumcode.h"
#include "base/forumcode/postlook.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using forumcode::PostNode;

namespace {

// The tree in short: B{I{ab}}c, ALIGN=CENTER{x}, IMG<address>, URL=a{t}.
QString shape(const PostNode& node)
{
    static const char* const names[] = {"",     "",     "B",     "I",   "U",  "ALIGN",
                                        "SIZE", "FONT", "COLOR", "IMG", "URL"};
    QString inner;
    for (const PostNode& child : node.children)
        inner += shape(child);
    const QString name = QString::fromLatin1(names[static_cast<int>(node.kind)]);
    switch (node.kind) {
    case PostNode::Kind::Root:
        return inner;
    case PostNode::Kind::Text:
        return node.text;
    case PostNode::Kind::Picture:
        return name + u'<' + node.text + u'>';
    default:
        return name + (node.value.isEmpty() ? QString() : u'=' + node.value) + u'{' + inner + u'}';
    }
}
QString shape(const QString& post)
{
    return shape(forumcode::readPost(post));
}

struct Look {
    QTextDocument doc;
    explicit Look(const QString& post) { doc.setHtml(forumcode::postHtml(post)); }

    // Each paragraph as "text@alignment/direction", the alignment left out
    // where the paragraph has none of its own.
    QStringList blocks() const
    {
        QStringList out;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            const Qt::Alignment a = b.blockFormat().alignment();
            const QString align = a & Qt::AlignHCenter       ? u"@center"_s
                                  : !(a & Qt::AlignAbsolute) ? QString()
                                  : a & Qt::AlignRight       ? u"@right"_s
                                                             : u"@left"_s;
            const Qt::LayoutDirection d = b.blockFormat().layoutDirection();
            const QString dir = d == Qt::RightToLeft   ? u"/rtl"_s
                                : d == Qt::LeftToRight ? u"/ltr"_s
                                                       : QString();
            out.append(b.text() + align + dir);
        }
        return out;
    }
    // The format of the first fragment holding text.
    QTextCharFormat format(const QString& text) const
    {
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().text().contains(text))
                    return it.fragment().charFormat();
            }
        }
        return {};
    }
    // Every letter shown, a picture as its address, paragraphs run together.
    QString shown() const
    {
        QString out;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                out += f.isImageFormat() ? f.toImageFormat().name() : it.fragment().text();
            }
        }
        return out;
    }
};

// The text less its line breaks; the two noncharacters Qt keeps for its
// frames are shown as the replacement character.
QString withoutBreaks(QString s)
{
    s.replace(QChar(0xfdd0), QChar::ReplacementCharacter);
    s.replace(QChar(0xfdd1), QChar::ReplacementCharacter);
    s.remove(u'\r');
    s.remove(u'\n');
    s.remove(QChar::ParagraphSeparator);
    return s;
}

const QRegularExpression& tagShape()
{
    static const QRegularExpression re(
        u"\\[/?(B|I|U|ALIGN|SIZE|FONT|COLOR|IMG|URL)(=[^\\]]*)?\\]"_s,
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

// Whether plain is post with some pieces shaped as tags taken out.
bool lessTagsOnly(const QString& post, const QString& plain)
{
    const qsizetype n = post.size();
    const qsizetype m = plain.size();
    // The expression finds nothing in a text with a lone surrogate, which
    // is never part of a tag anyway.
    QString valid = post;
    for (QChar& c : valid) {
        if (c.isSurrogate())
            c = u'x';
    }
    std::vector<qsizetype> tagLength(n + 1, 0);
    for (qsizetype i = 0; i < n; ++i) {
        if (valid[i] == u'[')
            tagLength[i] = tagShape()
                               .match(valid, i, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption)
                               .capturedLength();
    }
    // reach[i][j]: post's first i letters can give plain's first j.
    std::vector<std::vector<char>> reach(n + 1, std::vector<char>(m + 1, 0));
    reach[0][0] = 1;
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = 0; j <= m; ++j) {
            if (!reach[i][j])
                continue;
            if (j < m && post[i] == plain[j])
                reach[i + 1][j + 1] = 1;
            if (tagLength[i])
                reach[i + tagLength[i]][j] = 1;
        }
    }
    return reach[n][m];
}

} // namespace

class TestPostLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nineTagsInEitherCase_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("tree");
        const auto row = [](const QString& post, const QString& tree) {
            QTest::newRow(qPrintable(post)) << post << tree;
            QTest::newRow(qPrintable(post.toLower())) << post.toLower() << tree.toLower();
        };
        row(u"[B]x[/B]"_s, u"B{x}"_s);
        row(u"[I]x[/I]"_s, u"I{x}"_s);
        row(u"[U]x[/U]"_s, u"U{x}"_s);
        row(u"[ALIGN=RIGHT]x[/ALIGN]"_s, u"ALIGN=RIGHT{x}"_s);
        row(u"[SIZE=7]x[/SIZE]"_s, u"SIZE=7{x}"_s);
        row(u"[FONT=ARIAL BLACK]x[/FONT]"_s, u"FONT=ARIAL BLACK{x}"_s);
        row(u"[COLOR=CORAL]x[/COLOR]"_s, u"COLOR=CORAL{x}"_s);
        row(u"[COLOR=#A0B1C2]x[/COLOR]"_s, u"COLOR=#A0B1C2{x}"_s);
        row(u"[IMG]HTTP://H/A.GIF[/IMG]"_s, u"IMG<HTTP://H/A.GIF>"_s);
        row(u"[URL]HTTP://H[/URL]"_s, u"URL{HTTP://H}"_s);
        row(u"[URL=HTTP://H]T[/URL]"_s, u"URL=HTTP://H{T}"_s);
        row(u"[B]1[/b][b]2[/B]"_s, u"B{1}B{2}"_s);
    }
    void nineTagsInEitherCase()
    {
        QFETCH(QString, post);
        QFETCH(QString, tree);
        QCOMPARE(shape(post).toLower(), tree.toLower());
    }

    // Everything that is not a tag of ours reaches the look letter for
    // letter, escaped: the name patterns, symbol lines, unknown tags,
    // refused values, lone closes and opens never closed.
    void literalCodesStayLetters_data()
    {
        QTest::addColumn<QString>("post");
        // The names page's patterns, around a name that needs escaping.
        const QString patterns[] = {
            u" ~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~ "_s,
            u" ؛¤ّ,¸¸,ّ¤؛°`°؛¤ الاسم ¤؛°`°؛¤ّ,¸¸,ّ¤؛ "_s,
            u" ][][§¤°^°¤§][ الاسم ][§¤°^°¤§][][ "_s,
            u" ©§¤°^°¤§©¤ الاسم ¤©§¤°^°¤§© "_s,
            u" §¤~^~¤§ الاسم §¤~^~¤§ "_s,
            u" ][§¤°~^™ الاسم ™^~°¤§][ "_s,
            u"°¨¨™¤¦ الاسم ¦¤™¨¨°"_s,
            u"`·.¸¸.·¯`··._.· (الاسم) `·.¸¸.·¯`··._.·"_s,
            u"•·.·°¯`·.·• (الاسم) •·.·°¯`·.·•"_s,
            u"=----> (الاسم) <----="_s,
            u"···^v¯`×) (الاسم) (×¯`v^···"_s,
            u"×÷·.·°¯`·)» (الاسم) «(·°¯`·.·÷×"_s,
            u"^~*¤©[£] الاسم [£]©¤*~^"_s,
            u"{}{}{}{}{الاسم}{}{}{}{}"_s,
            u"(*_*) الاسم (*_*)"_s,
            u"~®§§][][ الاسم][][§§®~"_s,
            u"~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~"_s,
            u"O?°· (الاسم ) ·°?O"_s,
            u"~¤ô¦¦§¦¦ô¤~ الاسم ~¤ô¦¦§¦¦ô¤~"_s,
            u"<<======الاسم======>>"_s,
            u"][||ioi||][الاسم][||ioi||]["_s,
            u"~¤¦¦§¦¦¤~ الاسم ~¤¦¦§¦¦¤~"_s,
            u"(¯`·._.·(الاسم )·._.·°¯)"_s,
            u"¨°o.O (الاسم) O.o°¨"_s,
        };
        int i = 0;
        for (const QString& p : patterns)
            QTest::addRow("pattern %d", i++) << forumcode::decorateName(p, u"<b>&amp;B]"_s);
        QTest::newRow("symbols") << u"][ [£] [*] [QX] [SoS] [] [[ ]] [/] ~!@#$%^&*()=+_'\"\\/<>"
                                    u"©®¶™||__)(<>;±¬§¦¤£³²¹¥»¼¾½·|#_#:_:?_?{_}}{{}$$$*()*"_s;
        QTest::newRow("unknown tags") << u"[QUOTE]x[/QUOTE] [S]x[/S] [BB]x[/BB] [LIST][*]x"_s;
        QTest::newRow("lone close") << u"a[/B]b[/URL]c[/IMG]"_s;
        QTest::newRow("never closed") << u"[B]a[I]b[URL=h]c[COLOR=red]d"_s;
        QTest::newRow("other close") << u"[B]a[/I]"_s;
        QTest::newRow("blanks in tag") << u"[ B]a[/B] [B ]a[/B] [/ B]"_s;
        QTest::newRow("value where none") << u"[B=1]a[/B][IMG=x]a[/IMG]"_s;
        QTest::newRow("sizes")
            << u"[SIZE=8]a[/SIZE][SIZE=0]a[/SIZE][SIZE=]a[/SIZE][SIZE=33]a[/SIZE]"
               u"[SIZE]a[/SIZE]"_s;
        QTest::newRow("align") << u"[ALIGN=MIDDLE]a[/ALIGN][ALIGN=]a[/ALIGN][ALIGN]a[/ALIGN]"_s;
        QTest::newRow("font") << u"[FONT=<b>Arial]a[/FONT][FONT=a\"b]a[/FONT][FONT=a;color:red]a"
                                 u"[/FONT][FONT=]a[/FONT][FONT=a[B]b]a[/FONT]"_s;
        QTest::newRow("colour") << u"[COLOR=#12345]a[/COLOR][COLOR=#GGGGGG]a[/COLOR][COLOR=red;]a"
                                   u"[/COLOR][COLOR=]a[/COLOR][COLOR=red blue]a[/COLOR]"_s;
        QTest::newRow("empty addresses") << u"[IMG][/IMG] [URL][/URL] [URL=]a[/URL]"_s;
        QTest::newRow("address over a break") << u"[IMG]a\nb[/IMG] [URL]a\r\nb[/URL]"_s;
        QTest::newRow("markup") << u"<b>x</b> &amp; &lt; \"q\" <img src=x>"_s;
    }
    void literalCodesStayLetters()
    {
        QFETCH(QString, post);
        const PostNode tree = forumcode::readPost(post);
        QCOMPARE(shape(tree), post);
        QCOMPARE(forumcode::postPlainText(tree), post);
        const Look look(post);
        QCOMPARE(withoutBreaks(look.doc.toPlainText()), withoutBreaks(post));
    }

    // Alignment never nests in the document: an inner alignment closes and
    // reopens the outer one, and the inline formatting goes on in each.
    void nestedAlignmentGivesFlatParagraphs()
    {
        const QString post = u"[ALIGN=CENTER]a[B]b[ALIGN=RIGHT]c[/ALIGN]d[/B][/ALIGN]e"_s;
        const Look look(post);
        QCOMPARE(look.blocks(), (QStringList{u"ab@center/ltr"_s, u"c@right/ltr"_s,
                                             u"d@center/ltr"_s, u"e/ltr"_s}));
        for (const QString& bold : {u"b"_s, u"c"_s, u"d"_s})
            QCOMPARE(look.format(bold).fontWeight(), QFont::Bold);
        QCOMPARE(look.format(u"e"_s).fontWeight(), QFont::Normal);
        const QString html = forumcode::postHtml(post);
        QCOMPARE(html.count(u"<div"_s), 4);
        QCOMPARE(html.count(u"</div><div"_s), 3);

        // A line break before an alignment ends the line it is on; the
        // one after an alignment's close is the forum's own and shows
        // nothing; others are lines.
        QCOMPARE(Look(u"x\n[ALIGN=LEFT]a\nb[/ALIGN]\ny\n\n[ALIGN=RIGHT]\nz[/ALIGN]"_s).blocks(),
                 (QStringList{u"x/ltr"_s, u"a@left/ltr"_s, u"b@left/ltr"_s, u"y/ltr"_s, u"/rtl"_s,
                              u"@right/rtl"_s, u"z@right/ltr"_s}));
    }

    // Left and right stay where they are in a right-to-left paragraph, and
    // each paragraph reads in the direction of its first strong letter.
    void alignmentAndDirectionPerParagraph()
    {
        const Look look(u"[ALIGN=LEFT]مرحبا hi[/ALIGN][ALIGN=RIGHT]hi مرحبا[/ALIGN]"
                        u"[ALIGN=CENTER]123 مرحبا[/ALIGN]\n!?\n[B]١٢ hi[/B] مرحبا"_s);
        QCOMPARE(look.blocks(),
                 (QStringList{u"مرحبا hi@left/rtl"_s, u"hi مرحبا@right/ltr"_s,
                              u"123 مرحبا@center/rtl"_s, u"!?/rtl"_s, u"١٢ hi مرحبا/ltr"_s}));
    }

    void sizesColoursFacesInPixels()
    {
        const Look look(u"[SIZE=1]1[/SIZE][SIZE=2]2[/SIZE][SIZE=3]3[/SIZE][SIZE=4]4[/SIZE]"
                        u"[SIZE=5]5[/SIZE][SIZE=6]6[/SIZE][SIZE=7]7[SIZE=1]s[/SIZE][/SIZE]n"
                        u"[COLOR=Coral]c[/COLOR][COLOR=#12aB9f]h[/COLOR][FONT=Arial Black]f[/FONT]"
                        u"[I]i[/I][U]u[/U]"_s);
        const int pixels[] = {10, 13, 16, 18, 24, 32, 48};
        for (int size = 1; size <= 7; ++size)
            QCOMPARE(look.format(QString::number(size)).font().pixelSize(), pixels[size - 1]);
        QCOMPARE(look.format(u"s"_s).font().pixelSize(), 10);
        QCOMPARE(look.format(u"n"_s).font().pixelSize(), 16);
        QCOMPARE(look.format(u"c"_s).foreground().color(), QColor(255, 127, 80));
        QCOMPARE(look.format(u"h"_s).foreground().color(), QColor(0x12, 0xab, 0x9f));
        QCOMPARE(look.format(u"f"_s).font().families().value(0), u"Arial Black"_s);
        QVERIFY(look.format(u"i"_s).fontItalic());
        QVERIFY(look.format(u"u"_s).fontUnderline());
        QVERIFY(!look.format(u"n"_s).fontItalic() && !look.format(u"n"_s).fontUnderline());
    }

    // Blanks stay as typed; LF, CR LF and a lone CR each end one line.
    void blanksAndLineBreaks()
    {
        QCOMPARE(Look(u"  a   b  \r\nc\rd\n\n\tx \t y\n[B]e [/B] f\nأ [B]g [/B]"_s).blocks(),
                 (QStringList{u"  a   b  /ltr"_s, u"c/ltr"_s, u"d/ltr"_s, u"/rtl"_s,
                              u"\tx \t y/ltr"_s, u"e  f/ltr"_s, u"أ g /rtl"_s}));
        QCOMPARE(forumcode::postPlainText(forumcode::readPost(u"[B]a\r\n[/B]b"_s)), u"a\r\nb"_s);
    }

    // An address with brackets is written percent-encoded and is read
    // whole; a link shows its address as its title, an empty one shows
    // the address as its text.
    void picturesAndLinks()
    {
        const QString picture = forumcode::pictureCode(u"http://h/a]b[c.gif"_s);
        QCOMPARE(shape(picture), u"IMG<http://h/a%5Db%5Bc.gif>"_s);
        QCOMPARE(Look(picture).shown(), u"http://h/a%5Db%5Bc.gif"_s);

        const QString linked = forumcode::linkedPicture(u"h/x]"_s, u"http://h/p.gif"_s);
        QCOMPARE(shape(linked), u"URL=http://h/x%5D{IMG<http://h/p.gif>}"_s);
        QCOMPARE(Look(linked).format(QString(QChar::ObjectReplacementCharacter)).anchorHref(),
                 u"http://h/x%5D"_s);

        const QString titled = forumcode::textLink(u"h/\"<x>"_s, u"عنوان"_s);
        QTextCharFormat f = Look(titled).format(u"عنوان"_s);
        QVERIFY(f.isAnchor() && f.fontUnderline());
        QCOMPARE(f.toolTip(), u"http://h/\"<x>"_s);

        const QString empty = forumcode::textLink(u"h/y"_s, {});
        QCOMPARE(shape(empty), u"URL=http://h/y{}"_s);
        QCOMPARE(forumcode::postPlainText(forumcode::readPost(empty)), QString());
        const Look emptyLook(empty);
        QCOMPARE(emptyLook.shown(), u"http://h/y"_s);
        QVERIFY(emptyLook.format(u"h/y"_s).fontUnderline());

        f = Look(u"[URL]www.h.com[/URL]"_s).format(u"www"_s);
        QVERIFY(f.fontUnderline());
        QCOMPARE(f.toolTip(), u"www.h.com"_s);
    }

    // Formatting still open across a misnested close carries on after it;
    // nothing carried on shows when it gets no letters.
    void misnestedTags()
    {
        QCOMPARE(shape(u"[I][B]ab[/I]c[/B]"_s), u"I{B{ab}}B{c}"_s);
        Look look(u"[I][B]ab[/I]c[/B]d"_s);
        QVERIFY(look.format(u"ab"_s).fontItalic());
        QCOMPARE(look.format(u"c"_s).fontWeight(), QFont::Bold);
        QVERIFY(!look.format(u"c"_s).fontItalic());
        QCOMPARE(look.format(u"d"_s).fontWeight(), QFont::Normal);

        QCOMPARE(Look(u"[B][ALIGN=CENTER]x[/B]y[/ALIGN]z"_s).blocks(),
                 (QStringList{u"xy@center/ltr"_s, u"z/ltr"_s}));
        QCOMPARE(Look(u"[B][URL=h]a[/B][/URL]"_s).shown(), u"a"_s);
    }

    // Random bytes and random soups of tags, from a fixed seed: the reader
    // and Qt come back, the reader drops nothing but tag markup, and the
    // look shows every letter the reader kept. Well-formed soups lose
    // exactly their tags.
    void fuzz()
    {
        QRandomGenerator random(17);
        const QStringList pieces{u"[B]"_s,
                                 u"[/B]"_s,
                                 u"[i]"_s,
                                 u"[/I]"_s,
                                 u"[U]"_s,
                                 u"[/u]"_s,
                                 u"[ALIGN=CENTER]"_s,
                                 u"[align=left]"_s,
                                 u"[/ALIGN]"_s,
                                 u"[SIZE=7]"_s,
                                 u"[SIZE=9]"_s,
                                 u"[/SIZE]"_s,
                                 u"[FONT=Tahoma]"_s,
                                 u"[/FONT]"_s,
                                 u"[COLOR=red]"_s,
                                 u"[COLOR=#00ff00]"_s,
                                 u"[/COLOR]"_s,
                                 u"[IMG]"_s,
                                 u"[/IMG]"_s,
                                 u"[URL]"_s,
                                 u"[URL=h]"_s,
                                 u"[/URL]"_s,
                                 u"["_s,
                                 u"]"_s,
                                 u"[/"_s,
                                 u"="_s,
                                 u"a"_s,
                                 u"ب"_s,
                                 u" "_s,
                                 u"\n"_s,
                                 u"\r\n"_s,
                                 u"\r"_s,
                                 u"<&>"_s,
                                 u"\""_s,
                                 u"][||ioi||]["_s,
                                 u"[£]"_s,
                                 u"\t"_s,
                                 u"%5D"_s};
        const QStringList wrappers{u"B"_s,      u"I"_s,          u"U"_s,          u"ALIGN=RIGHT"_s,
                                   u"SIZE=2"_s, u"FONT=Arial"_s, u"COLOR=blue"_s, u"URL=x"_s};
        const QStringList words{u"a"_s, u"بب"_s, u" "_s, u"\n"_s, u"<>&"_s, u"]"_s, u"\r\n"_s};
        // A well-formed post: text and properly nested tags with checked values.
        std::function<QString(int)> wellFormed = [&](int depth) {
            QString s;
            for (int n = random.bounded(4); n >= 0; --n) {
                const int pick = random.bounded(10);
                if (pick < 4 || depth > 4)
                    s += words[random.bounded(words.size())];
                else if (pick == 4)
                    s += forumcode::pictureCode(u"p]"_s + words[random.bounded(2)]);
                else if (pick == 5)
                    s += u"[URL]u"_s + words[random.bounded(2)] + u"[/URL]"_s;
                else {
                    const QString w = wrappers[random.bounded(wrappers.size())];
                    const QString inner = u'x' + wellFormed(depth + 1);
                    s += u'[' + w + u']' + inner + u"[/"_s + w.section(u'=', 0, 0) + u']';
                }
            }
            return s;
        };

        QElapsedTimer timer;
        timer.start();
        int runs = 0;
        for (; runs < 20000 && timer.elapsed() < 2000; ++runs) {
            QString post;
            const int kind = runs % 3;
            if (kind == 0) {
                for (int n = random.bounded(40); n > 0; --n)
                    post += pieces[random.bounded(pieces.size())];
            } else if (kind == 1) {
                QByteArray bytes(random.bounded(60), Qt::Uninitialized);
                for (char& c : bytes)
                    c = static_cast<char>(random.bounded(256));
                post = random.bounded(2)
                           ? QString::fromUtf8(bytes)
                           : QString(reinterpret_cast<const QChar*>(bytes.constData()),
                                     bytes.size() / 2);
                post.insert(random.bounded(post.size() + 1), u"[B]"_s);
                post.append(u"[/B]"_s);
            } else {
                post = wellFormed(0);
            }

            const PostNode tree = forumcode::readPost(post);
            const QString plain = forumcode::postPlainText(tree);
            QVERIFY2(lessTagsOnly(post, plain), qPrintable(post));
            if (kind == 2)
                QCOMPARE(plain, QString(post).remove(tagShape()));

            // Every kept letter is in the look, in order.
            const QString kept = withoutBreaks(plain);
            const QString shown = withoutBreaks(Look(post).shown());
            qsizetype k = 0;
            for (qsizetype s = 0; s < shown.size() && k < kept.size(); ++s) {
                if (shown[s] == kept[k])
                    ++k;
            }
            QVERIFY2(k == kept.size(), qPrintable(u"not shown: "_s + post));
        }
        qInfo("%d posts", runs);
        QVERIFY(runs > 100);
    }
};

QTEST_MAIN(TestPostLook)
#include "test_postlook.moc"
