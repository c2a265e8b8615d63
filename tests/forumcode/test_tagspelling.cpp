// Every tag the program writes goes through base/forumcode: no other
// source file spells a tag name in a code string. A tag written anywhere
// else would escape the forum-engine translation and the live look.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct CodeString {
    int line; // of the opening quote, from 1
    QString text;
};

// The string literals of a C++ source text, raw strings included; comments
// and character literals are passed over.
QList<CodeString> codeStrings(const QString& source)
{
    QList<CodeString> found;
    int line = 1;
    const qsizetype n = source.size();
    const auto countLines = [&](qsizetype from, qsizetype to) {
        line += static_cast<int>(QStringView(source).mid(from, to - from).count(u'\n'));
    };
    static const QRegularExpression charLiteral(u"'(\\\\[^']+|[^\\\\'])'"_s);
    qsizetype i = 0;
    while (i < n) {
        const QChar c = source.at(i);
        if (c == u'\n') {
            ++line;
            ++i;
        } else if (source.mid(i, 2) == u"//"_s) {
            const qsizetype end = source.indexOf(u'\n', i);
            i = end < 0 ? n : end;
        } else if (source.mid(i, 2) == u"/*"_s) {
            qsizetype end = source.indexOf(u"*/"_s, i + 2);
            end = end < 0 ? n : end + 2;
            countLines(i, end);
            i = end;
        } else if (c == u'\'') {
            const auto m = charLiteral.match(source, i, QRegularExpression::NormalMatch,
                                             QRegularExpression::AnchorAtOffsetMatchOption);
            i += m.hasMatch() ? m.capturedLength() : 1;
        } else if (c == u'"') {
            const int start = line;
            if (i > 0 && source.at(i - 1) == u'R') {
                // R"delimiter( ... )delimiter"
                const qsizetype open = source.indexOf(u'(', i);
                const QString closing = u')' + source.mid(i + 1, open - i - 1) + u'"';
                qsizetype end = source.indexOf(closing, open);
                end = end < 0 ? n : end;
                found.append({start, source.mid(open + 1, end - open - 1)});
                countLines(i, end);
                i = end + closing.size();
                continue;
            }
            QString text;
            qsizetype j = i + 1;
            for (; j < n && source.at(j) != u'"' && source.at(j) != u'\n'; ++j) {
                if (source.at(j) == u'\\' && j + 1 < n)
                    text += source.at(++j);
                else
                    text += source.at(j);
            }
            found.append({start, text});
            i = j + 1;
        } else {
            ++i;
        }
    }
    return found;
}

// Whether a code string spells a tag: a tag in brackets, an opening or
// closing bracket on a tag name, a name followed by its value sign, or a
// tag name or alignment keyword on its own.
bool spellsTag(const QString& text)
{
    static const QString names = u"B|I|U|S|IMG|URL|SIZE|FONT|COLOR|COLOUR|ALIGN|CENTER|LEFT|"
                                 u"RIGHT|QUOTE|CODE|EMAIL|LIST|INDENT|HIGHLIGHT|FLASH"_s;
    static const QRegularExpression patterns[] = {
        QRegularExpression(u"\\[/?(%1)(\\]|=)"_s.arg(names)),
        QRegularExpression(u"IMG\\]|\\[URL|\\[/[A-Z]"_s),
        QRegularExpression(u"\\b(SIZE|FONT|COLOR|ALIGN|URL)="_s),
        QRegularExpression(u"\\b(CENTER|COLOR|ALIGN)\\b"_s),
        QRegularExpression(u"^(IMG|URL|SIZE|FONT|COLOR|ALIGN|LEFT|RIGHT|NONE)$"_s),
    };
    return std::any_of(std::begin(patterns), std::end(patterns),
                       [&](const QRegularExpression& p) { return p.match(text).hasMatch(); });
}

// "file:line: text" for every tag spelt in the sources under root, apart
// from the forum-code library itself and the tests. Build folders (those
// holding a CMakeCache.txt) and hidden folders are passed over.
QStringList tagsSpeltOutside(const QString& root)
{
    QStringList found;
    const QDir top(root);
    QStringList folders{root};
    while (!folders.isEmpty()) {
        const QDir folder(folders.takeFirst());
        const QString relative = top.relativeFilePath(folder.path());
        if (relative == u"tests"_s || relative == u"base/forumcode"_s ||
            folder.exists(u"CMakeCache.txt"_s))
            continue;
        for (const QString& sub : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            folders.append(folder.filePath(sub));
        const QStringList sources =
            folder.entryList({u"*.cpp"_s, u"*.h"_s, u"*.c"_s, u"*.h.in"_s}, QDir::Files);
        for (const QString& name : sources) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                found.append(top.relativeFilePath(file.fileName()) + u": cannot be read"_s);
                continue;
            }
            for (const CodeString& s : codeStrings(QString::fromUtf8(file.readAll()))) {
                if (spellsTag(s.text))
                    found.append(u"%1:%2: \"%3\""_s.arg(top.relativeFilePath(file.fileName()))
                                     .arg(s.line)
                                     .arg(s.text));
            }
        }
    }
    return found;
}

} // namespace

class TestTagSpelling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkerFindsTagsInCodeStringsOnly()
    {
        const QString source = u"// \"[B]\" in a comment\n"
                               u"/* \"[URL=x]\" in a\n"
                               u"   block comment */\n"
                               u"auto a = u\"[IMG]\"_s + x + u\"[/IMG]\"_s;\n"
                               u"auto b = QStringLiteral(\"ALIGN\"); const char q = '\"'; "
                               u"auto c = \"http://host/a.gif\";\n"
                               u"auto d = u\"B\"_s; auto e = \"x\\\"[SIZE=\" \"3]\";\n"
                               u"auto f = R\"(say \"[COLOR=red]\")\";\n"
                               u"const char* g = \"COLOR\";\n"
                               u"const char* h = \"Centered COLORS\";\n"_s;
        QStringList lines;
        for (const CodeString& s : codeStrings(source)) {
            if (spellsTag(s.text))
                lines.append(QString::number(s.line) + u':' + s.text);
        }
        QCOMPARE(lines, (QStringList{u"4:[IMG]"_s, u"4:[/IMG]"_s, u"5:ALIGN"_s, u"6:x\"[SIZE="_s,
                                     u"7:say \"[COLOR=red]\""_s, u"8:COLOR"_s}));
    }

    void noTagIsSpeltOutsideForumCode()
    {
        const QString root = QStringLiteral(TARNWELL_SOURCE_DIR);
        QVERIFY2(QDir(root).exists(u"base/forumcode/forumcode.h"_s), qPrintable(root));
        // Pointed at base/ alone, the library's own spelling is outside:
        // the check does read the files it is meant to.
        QVERIFY(!tagsSpeltOutside(root + u"/base"_s).isEmpty());
        const QStringList found = tagsSpeltOutside(root);
        QVERIFY2(found.isEmpty(),
                 qPrintable(u"tag names spelt outside base/forumcode (write them through "
                            u"forumcode):\n"_s +
                            found.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTagSpelling)
#include "test_tagspelling.moc"
