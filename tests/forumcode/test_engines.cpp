// Codes written for each forum engine: the sizes, alignment and face names
// a member's own forum reads, with the classic dialect exactly as before;
// and the look of a post as each engine reads it.
#include "base/forumcode/engine.h"
#include "base/forumcode/postlook.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using namespace forumcode;

namespace {

// The opening tags of the seven sizes, one after the other.
QString sizeCodes(Engine engine)
{
    QString all;
    for (int n = 1; n <= 7; ++n)
        all += tagPairFor(engine, Tag::Size, QString::number(n)).value().open;
    return all;
}

// "x" aligned left, centred and right, one after the other.
QString alignCodes(Engine engine)
{
    QString all;
    for (const char16_t* k : {kAlignLeft, kAlignCenter, kAlignRight})
        all += alignedFor(engine, QString::fromUtf16(k), u"x"_s);
    return all;
}

// The program's face names whose [FONT=] code the engine gets.
QStringList facesWritten(Engine engine)
{
    const QStringList faces = {
        u"Times New Roman"_s, u"Simplified Arabic"_s, u"Arial"_s,  u"Arial Narrow"_s,
        u"Comic Sans MS"_s,   u"Courier New"_s,       u"Tahoma"_s, u"Verdana"_s,
        u"Wingdings"_s,       u"Arial Black"_s,       u"System"_s, u"DecoType Naskh Variants"_s,
    };
    QStringList written;
    for (const QString& face : faces) {
        if (const auto pair = tagPairFor(engine, Tag::Font, face)) {
            if (pair->open == u"[FONT="_s + face + u']' && pair->close == u"[/FONT]"_s)
                written << face;
        }
    }
    return written;
}

const QStringList kAllFaces = facesWritten(Engine::Classic);

// Bold, a colour, a picture and a link are the classic codes everywhere.
void checkCommonCodes(Engine engine)
{
    QCOMPARE(tagPairFor(engine, Tag::Bold)->open, u"[B]"_s);
    QCOMPARE(tagPairFor(engine, Tag::Underline)->close, u"[/U]"_s);
    QCOMPARE(tagPairFor(engine, Tag::Colour, u"#ff0000"_s)->open, u"[COLOR=#ff0000]"_s);
    QCOMPARE(tagPairFor(engine, Tag::Picture)->open, u"[IMG]"_s);
    QCOMPARE(tagPairFor(engine, Tag::Link, u"http://a.example/"_s)->open,
             u"[URL=http://a.example/]"_s);
}

const QString kWords = u"مرحبا بالأعضاء"_s;
const QString kPicture = u"http://pics.example/button.gif"_s;
const QString kDownload = u"http://files.example/get"_s;

// The worked nested example, written with the codes the engine gets: a
// centred line of bold words in size 5, Times New Roman and red, and under
// it a picture linking to a download.
QString nestedPost(Engine engine)
{
    const auto wrap = [engine](Tag tag, const QString& value, const QString& inner) {
        const std::optional<TagPair> pair = tagPairFor(engine, tag, value);
        return pair ? pair->open + inner + pair->close : inner;
    };
    const QString words = wrap(Tag::Colour, u"red"_s,
                               wrap(Tag::Font, u"Times New Roman"_s,
                                    wrap(Tag::Size, u"5"_s, wrap(Tag::Bold, {}, kWords))));
    return alignedFor(engine, QString::fromUtf16(kAlignCenter),
                      words + u'\n' + linkedPicture(kDownload, kPicture));
}

// The post as Qt draws the engine's reading of it.
struct Look {
    QTextDocument doc;
    Look(const QString& post, Engine engine) { doc.setHtml(postHtml(post, engine)); }

    QTextBlock blockWith(const QString& text) const
    {
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            if (b.text().contains(text))
                return b;
        }
        return {};
    }
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
    bool centred(const QString& text) const
    {
        return blockWith(text).blockFormat().alignment() & Qt::AlignHCenter;
    }
};

// What the engine shows as text: the post less the tags it read.
QString shownText(const QString& post, Engine engine)
{
    return postPlainText(readPost(post, engine));
}

// The nested example read back: centred where the engine aligns at all,
// every word in the engine's size for 5, the face where it has one, bold
// and red, the picture linked, and no letter lost or code left as text.
void checkNestedLook(Engine engine, int sizePixels, bool aligns, bool hasFaces)
{
    const QString post = nestedPost(engine);
    QCOMPARE(shownText(post, engine), kWords + u'\n' + kPicture);
    QCOMPARE(unreadKinds(post, engine), std::vector<LeftOut>());
    const Look look(post, engine);
    const QString object(QChar::ObjectReplacementCharacter);
    QCOMPARE(look.centred(kWords), aligns);
    QCOMPARE(look.centred(object), aligns);
    const QTextCharFormat words = look.format(kWords);
    QCOMPARE(words.font().pixelSize(), sizePixels);
    QCOMPARE(words.fontWeight(), QFont::Bold);
    QCOMPARE(words.foreground().color(), QColor(Qt::red));
    QCOMPARE(words.fontFamilies().toStringList().contains(u"Times New Roman"_s), hasFaces);
    const QTextCharFormat picture = look.format(object);
    QVERIFY(picture.isImageFormat());
    QCOMPARE(picture.toImageFormat().name(), kPicture);
    QCOMPARE(picture.anchorHref(), kDownload);
}

} // namespace

class TestEngines : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void classic_codes()
    {
        // Today's codes, from the very functions the program always used.
        for (int n = 1; n <= 7; ++n) {
            const QString v = QString::number(n);
            const TagPair p = *tagPairFor(Engine::Classic, Tag::Size, v);
            QCOMPARE(p.open, tagPair(Tag::Size, v).open);
            QCOMPARE(p.close, tagPair(Tag::Size, v).close);
        }
        QCOMPARE(sizeCodes(Engine::Classic),
                 u"[SIZE=1][SIZE=2][SIZE=3][SIZE=4][SIZE=5][SIZE=6][SIZE=7]"_s);
        for (const char16_t* k : {kAlignLeft, kAlignCenter, kAlignRight, kAlignNone}) {
            const QString keyword = QString::fromUtf16(k);
            bool leftOut = true;
            QCOMPARE(alignedFor(Engine::Classic, keyword, u"ab"_s, &leftOut),
                     aligned(keyword, u"ab"_s));
            QVERIFY(!leftOut);
        }
        QCOMPARE(alignCodes(Engine::Classic),
                 u"[ALIGN=LEFT]x[/ALIGN][ALIGN=CENTER]x[/ALIGN][ALIGN=RIGHT]x[/ALIGN]"_s);
        QCOMPARE(tagPairFor(Engine::Classic, Tag::Align, u"CENTER"_s)->open,
                 tagPair(Tag::Align, u"CENTER"_s).open);
        QCOMPARE(kAllFaces.size(), 12);
        // Any face name at all, Arabic included, as before.
        QCOMPARE(tagPairFor(Engine::Classic, Tag::Font, u"خط عربي"_s)->open,
                 tagPair(Tag::Font, u"خط عربي"_s).open);
        checkCommonCodes(Engine::Classic);
    }

    void vbulletin3_codes()
    {
        QCOMPARE(sizeCodes(Engine::VBulletin3),
                 u"[SIZE=1][SIZE=2][SIZE=3][SIZE=4][SIZE=5][SIZE=6][SIZE=7]"_s);
        QCOMPARE(alignCodes(Engine::VBulletin3),
                 u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        QCOMPARE(facesWritten(Engine::VBulletin3), kAllFaces);
        checkCommonCodes(Engine::VBulletin3);
    }

    void vbulletin5_codes()
    {
        QCOMPARE(sizeCodes(Engine::VBulletin5),
                 u"[SIZE=2][SIZE=3][SIZE=4][SIZE=4][SIZE=5][SIZE=5][SIZE=6]"_s);
        QCOMPARE(alignCodes(Engine::VBulletin5),
                 u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        QCOMPARE(facesWritten(Engine::VBulletin5), kAllFaces);
        checkCommonCodes(Engine::VBulletin5);
    }

    void xenforo_codes()
    {
        QCOMPARE(sizeCodes(Engine::XenForo),
                 u"[SIZE=2][SIZE=3][SIZE=4][SIZE=5][SIZE=6][SIZE=32px][SIZE=36px]"_s);
        QCOMPARE(tagPairFor(Engine::XenForo, Tag::Size, u"7"_s)->close, u"[/SIZE]"_s);
        QCOMPARE(alignCodes(Engine::XenForo),
                 u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        // Every face of the program is Latin letters and blanks.
        QCOMPARE(facesWritten(Engine::XenForo), kAllFaces);
        QVERIFY(!tagPairFor(Engine::XenForo, Tag::Font, u"خط عربي"_s));
        QVERIFY(!tagPairFor(Engine::XenForo, Tag::Font, u"Arial, serif"_s));
        checkCommonCodes(Engine::XenForo);
    }

    void phpbb_codes()
    {
        QCOMPARE(sizeCodes(Engine::PhpBB),
                 u"[SIZE=63][SIZE=81][SIZE=100][SIZE=113][SIZE=150][SIZE=200][SIZE=200]"_s);
        // No alignment: the text goes in bare, and the caller learns why.
        bool leftOut = false;
        QCOMPARE(alignedFor(Engine::PhpBB, u"CENTER"_s, u"ab"_s, &leftOut), u"ab"_s);
        QVERIFY(leftOut);
        QCOMPARE(alignedFor(Engine::PhpBB, u"NONE"_s, u"ab"_s, &leftOut), u"ab"_s);
        QVERIFY(!leftOut);
        QVERIFY(!tagPairFor(Engine::PhpBB, Tag::Align, u"RIGHT"_s));
        QCOMPARE(leftOutKind(Tag::Align), LeftOut::Alignment);
        // No font tag either.
        QCOMPARE(facesWritten(Engine::PhpBB), QStringList());
        QCOMPARE(leftOutKind(Tag::Font), LeftOut::Font);
        QVERIFY(!leftOutKind(Tag::Size));
        checkCommonCodes(Engine::PhpBB);
    }

    void mybb_codes()
    {
        QCOMPARE(sizeCodes(Engine::MyBB), u"[SIZE=x-small][SIZE=small][SIZE=medium][SIZE=large]"
                                          u"[SIZE=x-large][SIZE=xx-large][SIZE=xx-large]"_s);
        QCOMPARE(alignCodes(Engine::MyBB),
                 u"[ALIGN=left]x[/ALIGN][ALIGN=center]x[/ALIGN][ALIGN=right]x[/ALIGN]"_s);
        // MyBB's face pattern takes blanks: "Times New Roman" goes in whole.
        QCOMPARE(facesWritten(Engine::MyBB), kAllFaces);
        QVERIFY(!tagPairFor(Engine::MyBB, Tag::Font, u"خط عربي"_s));
        checkCommonCodes(Engine::MyBB);
    }

    void smf_codes()
    {
        QCOMPARE(sizeCodes(Engine::Smf),
                 u"[SIZE=1][SIZE=1][SIZE=2][SIZE=2][SIZE=4][SIZE=5][SIZE=6]"_s);
        QCOMPARE(alignCodes(Engine::Smf), u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        QCOMPARE(facesWritten(Engine::Smf), kAllFaces);
        QVERIFY(!tagPairFor(Engine::Smf, Tag::Font, u"خط عربي"_s));
        checkCommonCodes(Engine::Smf);
    }

    void invision_codes()
    {
        QCOMPARE(sizeCodes(Engine::Invision),
                 u"[SIZE=2][SIZE=4][SIZE=5][SIZE=5][SIZE=6][SIZE=7][SIZE=8]"_s);
        QCOMPARE(alignCodes(Engine::Invision),
                 u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        QCOMPARE(facesWritten(Engine::Invision), kAllFaces);
        QVERIFY(tagPairFor(Engine::Invision, Tag::Font, u"خط عربي"_s));
        checkCommonCodes(Engine::Invision);
    }

    void discourse_codes()
    {
        QCOMPARE(sizeCodes(Engine::Discourse),
                 u"[SIZE=63][SIZE=81][SIZE=100][SIZE=113][SIZE=150][SIZE=200][SIZE=300]"_s);
        QCOMPARE(alignCodes(Engine::Discourse),
                 u"[LEFT]x[/LEFT][CENTER]x[/CENTER][RIGHT]x[/RIGHT]"_s);
        QCOMPARE(facesWritten(Engine::Discourse), kAllFaces);
        QVERIFY(!tagPairFor(Engine::Discourse, Tag::Font, u"خط عربي"_s));
        checkCommonCodes(Engine::Discourse);
    }

    // Random posts of every engine's tags, closed, unclosed and misnested:
    // whatever an engine reads, the letters it shows are the post's own
    // less whole tags, none lost or doubled.
    void everyEngineKeepsTheLetters()
    {
        const QStringList pieces = {
            u"[B]"_s,
            u"[/B]"_s,
            u"[CENTER]"_s,
            u"[/center]"_s,
            u"[LEFT]"_s,
            u"[/LEFT]"_s,
            u"[ALIGN=right]"_s,
            u"[ALIGN=justify]"_s,
            u"[/ALIGN]"_s,
            u"[SIZE=5]"_s,
            u"[SIZE=150]"_s,
            u"[SIZE=x-large]"_s,
            u"[SIZE=20px]"_s,
            u"[/SIZE]"_s,
            u"[FONT=Arial]"_s,
            u"[FONT=خط]"_s,
            u"[/FONT]"_s,
            u"[COLOR=red]"_s,
            u"[/COLOR]"_s,
            u"[IMG]http://p.example/a.gif[/IMG]"_s,
            u"[URL=http://l.example/]"_s,
            u"[/URL]"_s,
            u"\n"_s,
            u"a"_s,
            u"ب"_s,
            u" "_s,
            u"["_s,
            u"]"_s,
        };
        static const QRegularExpression tag(u"\\[[^\\[\\]]*\\]"_s);
        // Lone brackets may close a group around a tag taken out: take
        // groups out until none is left.
        const auto lessTags = [](QString s) {
            for (qsizetype n = -1; n != s.size();) {
                n = s.size();
                s.remove(tag);
            }
            return s;
        };
        QRandomGenerator random(20);
        for (int round = 0; round < 300; ++round) {
            QString post;
            for (int n = random.bounded(1, 30); n > 0; --n)
                post += pieces[random.bounded(static_cast<int>(pieces.size()))];
            for (Engine engine : kEngines) {
                const QString shown = shownText(post, engine);
                QVERIFY2(lessTags(shown) == lessTags(post), qPrintable(post));
                QVERIFY(!postHtml(post, engine).isEmpty());
            }
        }
    }

    // ------------------------------------------------ each engine's look

    void classic_look()
    {
        checkNestedLook(Engine::Classic, 24, true, true);
        // The named alignments of other engines are text here, as always,
        // and the classic look has nothing to say about them.
        const QString named = u"[CENTER]x[/CENTER]"_s;
        QCOMPARE(shownText(named, Engine::Classic), named);
        QCOMPARE(unreadKinds(named, Engine::Classic), std::vector<LeftOut>());
        // Reading with the classic dialect is reading as before.
        const QString post = u"[ALIGN=center][SIZE=7][FONT=Tahoma]a[/FONT][/SIZE][/ALIGN]"_s;
        QCOMPARE(postHtml(post, Engine::Classic), postHtml(post));
    }

    void vbulletin3_look()
    {
        checkNestedLook(Engine::VBulletin3, 24, true, true);
        // No [ALIGN=]: the classic codes stay text, and the look says so.
        const QString classic = u"[ALIGN=CENTER]x[/ALIGN]"_s;
        QCOMPARE(shownText(classic, Engine::VBulletin3), classic);
        QCOMPARE(unreadKinds(classic, Engine::VBulletin3),
                 std::vector<LeftOut>{LeftOut::Alignment});
        // Alignment tags close by their own name only.
        QCOMPARE(shownText(u"[LEFT]a[/CENTER]"_s, Engine::VBulletin3), u"[LEFT]a[/CENTER]"_s);
        // Misnested, each close ends its own alignment: "c" is still centred.
        const Look misnested(u"[LEFT]a\n[CENTER]b[/LEFT]c[/CENTER]"_s, Engine::VBulletin3);
        QVERIFY(misnested.centred(u"c"_s));
        QVERIFY(!misnested.centred(u"a"_s));
        QVERIFY(Look(u"[right]a[/RIGHT]"_s, Engine::VBulletin3)
                    .blockWith(u"a"_s)
                    .blockFormat()
                    .alignment() &
                Qt::AlignRight);
    }

    void vbulletin5_look()
    {
        checkNestedLook(Engine::VBulletin5, 28, true, true);
        QCOMPARE(Look(u"[SIZE=7]a[/SIZE]"_s, Engine::VBulletin5).format(u"a"_s).font().pixelSize(),
                 72);
        // A size it has no table for is read without a size, not shown.
        QCOMPARE(shownText(u"[SIZE=8]a[/SIZE]"_s, Engine::VBulletin5), u"a"_s);
        QCOMPARE(Look(u"[SIZE=8]a[/SIZE]"_s, Engine::VBulletin5).format(u"a"_s).font().pixelSize(),
                 16);
        QCOMPARE(
            Look(u"[SIZE=40px]a[/SIZE]"_s, Engine::VBulletin5).format(u"a"_s).font().pixelSize(),
            40);
        // The classic codes' alignment stays text.
        QCOMPARE(shownText(u"[ALIGN=LEFT]a[/ALIGN]"_s, Engine::VBulletin5),
                 u"[ALIGN=LEFT]a[/ALIGN]"_s);
    }

    void xenforo_look()
    {
        checkNestedLook(Engine::XenForo, 22, true, true);
        // 7 and above all 26 px; pixels held between 8 and 36.
        const auto px = [](const QString& size) {
            return Look(u"[SIZE="_s + size + u"]a[/SIZE]"_s, Engine::XenForo)
                .format(u"a"_s)
                .font()
                .pixelSize();
        };
        QCOMPARE(px(u"7"_s), 26);
        QCOMPARE(px(u"12"_s), 26);
        QCOMPARE(px(u"32px"_s), 32);
        QCOMPARE(px(u"60px"_s), 36);
        // A face of Arabic letters is refused: the tag is text.
        const QString arabic = u"[FONT=خط عربي]a[/FONT]"_s;
        QCOMPARE(shownText(arabic, Engine::XenForo), arabic);
        QCOMPARE(unreadKinds(arabic, Engine::XenForo), std::vector<LeftOut>{LeftOut::Font});
    }

    void phpbb_look()
    {
        checkNestedLook(Engine::PhpBB, 24, false, false);
        // Above 200 percent the forum refuses the post: the look shows the
        // tag as text, so the member sees it.
        QCOMPARE(shownText(u"[SIZE=300]a[/SIZE]"_s, Engine::PhpBB), u"[SIZE=300]a[/SIZE]"_s);
        QCOMPARE(Look(u"[size=200]a[/size]"_s, Engine::PhpBB).format(u"a"_s).font().pixelSize(),
                 32);
        // No alignment and no font tag of any form; one note per kind.
        const QString post =
            u"[CENTER]a[/CENTER][ALIGN=RIGHT]b[/ALIGN][FONT=Arial]c[/FONT][FONT=Tahoma]d[/FONT]"_s;
        QCOMPARE(shownText(post, Engine::PhpBB), post);
        QCOMPARE(unreadKinds(post, Engine::PhpBB),
                 (std::vector<LeftOut>{LeftOut::Alignment, LeftOut::Font}));
    }

    void mybb_look()
    {
        checkNestedLook(Engine::MyBB, 24, true, true);
        // The classic codes read too (names and values in any case), and
        // justify; the named tags are text.
        QVERIFY(Look(u"[ALIGN=RIGHT]a[/ALIGN]"_s, Engine::MyBB)
                    .blockWith(u"a"_s)
                    .blockFormat()
                    .alignment() &
                Qt::AlignRight);
        QVERIFY(Look(u"[align=justify]a[/align]"_s, Engine::MyBB)
                    .blockWith(u"a"_s)
                    .blockFormat()
                    .alignment() &
                Qt::AlignJustify);
        QCOMPARE(shownText(u"[CENTER]a[/CENTER]"_s, Engine::MyBB), u"[CENTER]a[/CENTER]"_s);
        // Points, held at 50.
        QCOMPARE(Look(u"[SIZE=12]a[/SIZE]"_s, Engine::MyBB).format(u"a"_s).font().pixelSize(), 16);
        QCOMPARE(Look(u"[SIZE=90]a[/SIZE]"_s, Engine::MyBB).format(u"a"_s).font().pixelSize(), 67);
    }

    void smf_look()
    {
        checkNestedLook(Engine::Smf, 23, true, true);
        QCOMPARE(Look(u"[SIZE=7]a[/SIZE]"_s, Engine::Smf).format(u"a"_s).font().pixelSize(), 63);
        const QString post = u"[ALIGN=CENTER][SIZE=8]a[/SIZE][/ALIGN]"_s;
        QCOMPARE(shownText(post, Engine::Smf), post);
        QCOMPARE(unreadKinds(post, Engine::Smf), std::vector<LeftOut>{LeftOut::Alignment});
    }

    void invision_look()
    {
        checkNestedLook(Engine::Invision, 24, true, true);
        QCOMPARE(Look(u"[SIZE=8]a[/SIZE]"_s, Engine::Invision).format(u"a"_s).font().pixelSize(),
                 48);
        QCOMPARE(shownText(u"[SIZE=9]a[/SIZE]"_s, Engine::Invision), u"[SIZE=9]a[/SIZE]"_s);
    }

    void discourse_look()
    {
        checkNestedLook(Engine::Discourse, 24, true, true);
        // Alignments are blocks: at a line's start and inside no other tag,
        // else text.
        const QString midLine = u"a [CENTER]b[/CENTER]"_s;
        QCOMPARE(shownText(midLine, Engine::Discourse), midLine);
        const QString held = u"[B][CENTER]b[/CENTER][/B]"_s;
        QCOMPARE(shownText(held, Engine::Discourse), u"[CENTER]b[/CENTER]"_s);
        QCOMPARE(unreadKinds(held, Engine::Discourse), std::vector<LeftOut>{LeftOut::Alignment});
        const QString heldOnItsLine = u"[B]a\n[CENTER]b[/CENTER][/B]"_s;
        QCOMPARE(shownText(heldOnItsLine, Engine::Discourse), u"a\n[CENTER]b[/CENTER]"_s);
        QVERIFY(Look(u"a\n[CENTER]b[/CENTER]"_s, Engine::Discourse).centred(u"b"_s));
        // A face it refuses is read without its style, not shown as text.
        const QString arabic = u"[FONT=خط]c[/FONT]"_s;
        QCOMPARE(shownText(arabic, Engine::Discourse), u"c"_s);
        QVERIFY(!Look(arabic, Engine::Discourse)
                     .format(u"c"_s)
                     .fontFamilies()
                     .toStringList()
                     .contains(u"خط"_s));
        QCOMPARE(unreadKinds(arabic, Engine::Discourse), std::vector<LeftOut>{LeftOut::Font});
        // Percent beyond 200 is still drawn.
        QCOMPARE(Look(u"[SIZE=300]a[/SIZE]"_s, Engine::Discourse).format(u"a"_s).font().pixelSize(),
                 48);
    }
};

QTEST_GUILESS_MAIN(TestEngines)
#include "test_engines.moc"
