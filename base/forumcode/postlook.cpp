// Reading a post's forum code and writing its rich text; see postlook.h.
#include "base/forumcode/postlook.h"

#include "base/forumcode/forumcode.h"

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace forumcode {

namespace {

using Kind = PostNode::Kind;

// ------------------------------------------------------------ reading

// A tag as found in the text, before it is known to be matched.
struct Token {
    enum class Type { Open, Close, Atom };
    Type type;
    Kind kind;
    qsizetype begin; // of its "["
    qsizetype end;   // past its "]" (an atom: past its closing tag)
    QString value;   // an open tag's value; an atom's address; the keyword
                     // of a named alignment's close
    bool matched = false;
    int slot = -1;      // what it pairs by, when not its kind alone
    size_t partner = 0; // the token it was paired with
};

constexpr std::array kNamed{
    std::pair{Tag::Bold, Kind::Bold},           std::pair{Tag::Italic, Kind::Italic},
    std::pair{Tag::Underline, Kind::Underline}, std::pair{Tag::Align, Kind::Align},
    std::pair{Tag::Size, Kind::Size},           std::pair{Tag::Font, Kind::Font},
    std::pair{Tag::Colour, Kind::Colour},       std::pair{Tag::Picture, Kind::Picture},
    std::pair{Tag::Link, Kind::Link},
};
constexpr int kKindCount = static_cast<int>(Kind::Link) + 1;

// The alignments some engines name as tags of their own: [CENTER]...[/CENTER].
constexpr std::array<const char16_t*, 3> kNamedAlignments = {kAlignLeft, kAlignCenter, kAlignRight};

// How an engine reads: which forms of alignment it knows, whether it has a
// font tag, and which values it takes. The broad reading takes every form
// any engine reads, to find what one engine leaves unread.
struct Dialect {
    Engine engine = Engine::Classic;
    bool alignValue = true;      // [ALIGN=LEFT]
    bool alignJustify = false;   // [ALIGN=justify] too
    bool alignNamed = false;     // [LEFT], [CENTER], [RIGHT]
    bool alignLineStart = false; // those only at a line's start, inside no other tag
    bool fonts = true;           // has [FONT=] at all
    bool broad = false;          // every form and value

    static Dialect of(Engine engine)
    {
        Dialect d;
        d.engine = engine;
        switch (engine) {
        case Engine::Classic:
            break;
        case Engine::MyBB:
            d.alignJustify = true;
            break;
        case Engine::PhpBB:
            d.alignValue = false;
            d.fonts = false;
            break;
        case Engine::Discourse:
            d.alignLineStart = true;
            [[fallthrough]];
        case Engine::VBulletin3:
        case Engine::VBulletin5:
        case Engine::XenForo:
        case Engine::Smf:
        case Engine::Invision:
            d.alignValue = false;
            d.alignNamed = true;
            break;
        }
        return d;
    }
    static Dialect everyForm()
    {
        Dialect d;
        d.alignJustify = d.alignNamed = d.broad = true;
        return d;
    }
};

// Which of LEFT, CENTER, RIGHT a tag's name is, in any letter case; -1 for
// none.
int namedAlignment(QStringView name)
{
    for (size_t i = 0; i < kNamedAlignments.size(); ++i) {
        if (name.compare(QStringView(kNamedAlignments[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<Kind> kindNamed(QStringView name)
{
    static const std::array<QString, kNamed.size()> names = [] {
        std::array<QString, kNamed.size()> n;
        for (size_t i = 0; i < kNamed.size(); ++i)
            n[i] = tagName(kNamed[i].first);
        return n;
    }();
    for (size_t i = 0; i < kNamed.size(); ++i) {
        if (name.compare(names[i], Qt::CaseInsensitive) == 0)
            return kNamed[i].second;
    }
    return std::nullopt;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// A face's name: letters, digits, blanks and a few joiners, with at least
// one letter; anything that could reach into markup or CSS is refused.
bool isFontName(QStringView v)
{
    bool letter = false;
    for (QChar c : v) {
        if (c.isLetter())
            letter = true;
        else if (!c.isDigit() && !c.isMark() && c != u' ' && c != u'-' && c != u'_' && c != u'.')
            return false;
    }
    return letter;
}

bool isValid(Kind kind, QStringView value, bool hasValue);

bool isColour(QStringView v)
{
    if (v.size() == 7 && v.front() == u'#') {
        for (QChar c : v.mid(1)) {
            if (!c.isDigit() && !((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
                return false;
        }
        return true;
    }
    if (v.isEmpty() || v.size() > 30)
        return false;
    for (QChar c : v) {
        if (!isAsciiLetter(c))
            return false;
    }
    return true;
}

bool isDigits(QStringView v)
{
    if (v.isEmpty())
        return false;
    for (QChar c : v) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A whole number of digits, held at most at cap (a long run of digits is
// simply large).
int digitsValue(QStringView v, int cap)
{
    int n = 0;
    for (QChar c : v) {
        n = n * 10 + (c.unicode() - u'0');
        if (n > cap)
            return cap + 1;
    }
    return n;
}

// A single digit from 1 to last, or 0.
int smallNumber(QStringView v, int last)
{
    if (v.size() != 1 || v.front() < u'1' || v.front().unicode() > u'0' + last)
        return 0;
    return v.front().unicode() - u'0';
}

// Sizes 1 to 7 as a browser draws them at a 16 px base: the classic
// dialect's and vBulletin 3's HTML font sizes.
constexpr int kSizePixels[7] = {10, 13, 16, 18, 24, 32, 48};
constexpr int kVBulletin5Pixels[7] = {8, 10, 12, 20, 28, 48, 72};
constexpr int kXenForoPixels[6] = {9, 10, 12, 15, 18, 22};
// SMF's 0.7, 1.0, 1.35, 1.45, 2.0, 2.65 and 3.95 em at 16 px.
constexpr int kSmfPixels[7] = {11, 16, 22, 23, 32, 42, 63};
constexpr int kInvisionPixels[8] = {8, 10, 12, 14, 18, 24, 36, 48};
// CSS's size keywords at a 16 px base, which MyBB's editor writes.
constexpr std::array<std::pair<const char16_t*, int>, 7> kSizeKeywords = {{
    {u"xx-small", 9},
    {u"x-small", 10},
    {u"small", 13},
    {u"medium", 16},
    {u"large", 18},
    {u"x-large", 24},
    {u"xx-large", 32},
}};

int percentPixels(int percent)
{
    return (percent * 16 + 50) / 100;
}

// The pixels a [SIZE=value] is drawn at by the engine: above 0 for a size
// it shows, 0 for a tag it reads without changing the size, -1 for a value
// it does not read (the tag stays text).
int sizePixels(Engine engine, QStringView v)
{
    switch (engine) {
    case Engine::Classic:
    case Engine::VBulletin3:
        if (const int n = smallNumber(v, 7))
            return kSizePixels[n - 1];
        return -1;
    case Engine::VBulletin5:
        if (const int n = smallNumber(v, 7))
            return kVBulletin5Pixels[n - 1];
        return -1;
    case Engine::XenForo: {
        // A number (7 and above all 26 px; 0 no size), or pixels held
        // between 8 and 36.
        if (isDigits(v)) {
            const int n = digitsValue(v, 7);
            return n == 0 ? 0 : n >= 7 ? 26 : kXenForoPixels[n - 1];
        }
        const QStringView digits = v.chopped(std::min<qsizetype>(2, v.size()));
        if (v.size() > 2 && v.endsWith(u"px", Qt::CaseInsensitive) && isDigits(digits))
            return std::clamp(digitsValue(digits, 36), 8, 36);
        return -1;
    }
    case Engine::PhpBB: {
        // Percent; a post above the limit is refused, so the look shows
        // the tag as text.
        const int n = isDigits(v) ? digitsValue(v, 200) : 0;
        return n >= 1 && n <= 200 ? percentPixels(n) : -1;
    }
    case Engine::Discourse:
        // Any value is read; its style is kept only for up to three digits
        // of percent.
        return isDigits(v) && v.size() <= 3 ? percentPixels(digitsValue(v, 999)) : 0;
    case Engine::MyBB: {
        for (const auto& [keyword, px] : kSizeKeywords) {
            if (v.compare(QStringView(keyword), Qt::CaseInsensitive) == 0)
                return px;
        }
        // Points, as a number is read there: signs and digits, the number
        // they begin with, held between 1 and 50.
        if (v.isEmpty())
            return -1;
        for (QChar c : v) {
            if ((c < u'0' || c > u'9') && c != u'+' && c != u'-')
                return -1;
        }
        qsizetype i = v.front() == u'+' || v.front() == u'-' ? 1 : 0;
        const bool negative = v.front() == u'-';
        qsizetype end = i;
        while (end < v.size() && v[end] >= u'0' && v[end] <= u'9')
            ++end;
        const int n = negative ? 0 : digitsValue(v.mid(i, end - i), 50);
        return (std::clamp(n, 1, 50) * 4 + 1) / 3;
    }
    case Engine::Smf:
        if (const int n = smallNumber(v, 7))
            return kSmfPixels[n - 1];
        return -1;
    case Engine::Invision:
        if (const int n = smallNumber(v, 8))
            return kInvisionPixels[n - 1];
        return -1;
    }
    return -1;
}

// Whether the engine reads [FONT=value] at all (else it stays text).
bool readsFace(const Dialect& d, QStringView v)
{
    if (d.broad)
        return !v.trimmed().isEmpty();
    switch (d.engine) {
    case Engine::Classic:
        return isFontName(v);
    case Engine::PhpBB:
        return false;
    case Engine::Discourse:
        // Read whatever the name; a name it refuses only loses its style.
        return true;
    case Engine::XenForo:
    case Engine::MyBB:
    case Engine::Smf:
        return faceAccepted(d.engine, v);
    case Engine::VBulletin3:
    case Engine::VBulletin5:
    case Engine::Invision:
        break;
    }
    // Any name without quotes or a colon.
    if (v.trimmed().isEmpty())
        return false;
    for (QChar c : v) {
        if (c == u'"' || c == u'\'' || c == u'`' || c == u':' || c == u';' || c == u'<' ||
            c == u'>')
            return false;
    }
    return true;
}

// Whether a face read is drawn in that face.
bool showsFace(Engine engine, QStringView v)
{
    return engine != Engine::Discourse || faceAccepted(engine, v);
}

bool isAlignValue(const Dialect& d, QStringView value)
{
    return value.compare(QStringView(kAlignLeft), Qt::CaseInsensitive) == 0 ||
           value.compare(QStringView(kAlignCenter), Qt::CaseInsensitive) == 0 ||
           value.compare(QStringView(kAlignRight), Qt::CaseInsensitive) == 0 ||
           (d.alignJustify && value.compare(u"justify", Qt::CaseInsensitive) == 0);
}

bool isValid(const Dialect& d, Kind kind, QStringView value, bool hasValue)
{
    if (d.engine != Engine::Classic || d.broad) {
        switch (kind) {
        case Kind::Align:
            return hasValue && isAlignValue(d, value);
        case Kind::Size:
            return hasValue && (d.broad || sizePixels(d.engine, value) >= 0);
        case Kind::Font:
            return hasValue && readsFace(d, value);
        default:
            break;
        }
    }
    return isValid(kind, value, hasValue);
}

bool isValid(Kind kind, QStringView value, bool hasValue)
{
    switch (kind) {
    case Kind::Bold:
    case Kind::Italic:
    case Kind::Underline:
    case Kind::Picture:
        return !hasValue;
    case Kind::Align:
        return hasValue && (value.compare(QStringView(kAlignLeft), Qt::CaseInsensitive) == 0 ||
                            value.compare(QStringView(kAlignCenter), Qt::CaseInsensitive) == 0 ||
                            value.compare(QStringView(kAlignRight), Qt::CaseInsensitive) == 0);
    case Kind::Size:
        return hasValue && value.size() == 1 && value.front() >= u'1' && value.front() <= u'7';
    case Kind::Font:
        return hasValue && isFontName(value);
    case Kind::Colour:
        return hasValue && isColour(value);
    case Kind::Link:
        return !hasValue || !value.isEmpty();
    default:
        return false;
    }
}

// Finds the tags in a post. An address between [IMG] or [URL] and its
// closing tag runs to that tag on the same line (the program writes the
// brackets of an address percent-encoded), and the whole is one atom.
class Scanner {
public:
    Scanner(QStringView text, const Dialect& dialect) : text_(text), dialect_(dialect) {}

    std::vector<Token> tokens()
    {
        std::vector<Token> found;
        const qsizetype n = text_.size();
        for (qsizetype at = text_.indexOf(u'['); at >= 0 && at < n; at = text_.indexOf(u'[', at)) {
            if (std::optional<Token> t = tagAt(at)) {
                at = t->end;
                found.push_back(std::move(*t));
            } else {
                ++at;
            }
        }
        return found;
    }

private:
    std::optional<Token> tagAt(qsizetype at)
    {
        const qsizetype n = text_.size();
        qsizetype i = at + 1;
        const bool closing = i < n && text_[i] == u'/';
        if (closing)
            ++i;
        const qsizetype nameStart = i;
        while (i < n && isAsciiLetter(text_[i]))
            ++i;
        const QStringView name = text_.mid(nameStart, i - nameStart);
        std::optional<Kind> kind = kindNamed(name);
        if (kind == Kind::Align && !dialect_.alignValue)
            kind.reset();
        else if (kind == Kind::Font && !dialect_.fonts)
            kind.reset();
        if (!kind && dialect_.alignNamed && i < n)
            return namedAlignAt(at, i, closing, namedAlignment(name));
        if (!kind || i >= n)
            return std::nullopt;
        if (closing) {
            if (text_[i] != u']')
                return std::nullopt;
            return Token{Token::Type::Close, *kind, at, i + 1, {}};
        }
        const bool hasValue = text_[i] == u'=';
        qsizetype valueStart = i;
        if (hasValue) {
            valueStart = ++i;
            while (i < n && text_[i] != u']' && text_[i] != u'[' && !isLineBreak(text_[i]))
                ++i;
            if (i >= n || text_[i] != u']')
                return std::nullopt;
        } else if (text_[i] != u']') {
            return std::nullopt;
        }
        const QStringView value = text_.mid(valueStart, i - valueStart);
        if (!isValid(dialect_, *kind, value, hasValue))
            return std::nullopt;
        const qsizetype end = i + 1;
        if (*kind == Kind::Picture || (*kind == Kind::Link && !hasValue))
            return atom(*kind, at, end);
        return Token{Token::Type::Open, *kind, at, end, value.toString()};
    }

    // [CENTER] or [/CENTER] (any letter case) where the engine names its
    // alignments; i is past the name.
    std::optional<Token> namedAlignAt(qsizetype at, qsizetype i, bool closing, int which)
    {
        if (which < 0 || text_[i] != u']')
            return std::nullopt;
        if (!closing && dialect_.alignLineStart && at > 0 && !isLineBreak(text_[at - 1]))
            return std::nullopt;
        Token t{closing ? Token::Type::Close : Token::Type::Open, Kind::Align, at, i + 1,
                QString::fromUtf16(kNamedAlignments[static_cast<size_t>(which)])};
        t.slot = kKindCount + which;
        return t;
    }

    // [IMG]address[/IMG] or [URL]address[/URL], or nothing when the address
    // is empty or its closing tag is not on the same line.
    std::optional<Token> atom(Kind kind, qsizetype at, qsizetype contentStart)
    {
        const int slot = kind == Kind::Picture ? 0 : 1;
        const QString close =
            u"[/"_s + tagName(kind == Kind::Picture ? Tag::Picture : Tag::Link) + u']';
        // The searches only ever move forward, so a post full of openers
        // is still read in one pass.
        qsizetype& closeAt = nextClose_[slot];
        if (closeAt == kNotSought || (closeAt >= 0 && closeAt < contentStart)) {
            closeAt = text_.indexOf(close, contentStart, Qt::CaseInsensitive);
            if (closeAt < 0)
                closeAt = kNoneFurther;
        }
        if (closeAt == kNoneFurther)
            return std::nullopt;
        if (nextBreak_ < contentStart) {
            nextBreak_ = contentStart;
            while (nextBreak_ < text_.size() && !isLineBreak(text_[nextBreak_]))
                ++nextBreak_;
        }
        if (closeAt == contentStart || nextBreak_ < closeAt)
            return std::nullopt;
        return Token{Token::Type::Atom, kind, at, closeAt + close.size(),
                     text_.mid(contentStart, closeAt - contentStart).toString()};
    }

    static constexpr qsizetype kNotSought = -1;
    static constexpr qsizetype kNoneFurther = -2;
    QStringView text_;
    const Dialect& dialect_;
    qsizetype nextClose_[2] = {kNotSought, kNotSought};
    qsizetype nextBreak_ = -1;
};

// Pairs each closing tag with the nearest open tag of its name still
// unpaired; what stays unpaired is text.
void match(std::vector<Token>& tokens)
{
    std::array<std::vector<size_t>, kKindCount + kNamedAlignments.size()> open;
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        auto& pending = open[static_cast<size_t>(t.slot >= 0 ? t.slot : static_cast<int>(t.kind))];
        if (t.type == Token::Type::Atom) {
            t.matched = true;
        } else if (t.type == Token::Type::Open) {
            pending.push_back(i);
        } else if (!pending.empty()) {
            t.matched = true;
            t.partner = pending.back();
            tokens[pending.back()].matched = true;
            tokens[pending.back()].partner = i;
            pending.pop_back();
        }
    }
}

// Where alignments are blocks that no other tag may hold, an alignment
// opened inside another tag stays text, with its close.
void unmatchHeldAlignments(std::vector<Token>& tokens)
{
    int depth = 0;
    for (Token& t : tokens) {
        if (!t.matched || t.type == Token::Type::Atom)
            continue;
        if (t.kind == Kind::Align) {
            if (t.type == Token::Type::Open && depth > 0)
                t.matched = tokens[t.partner].matched = false;
            continue;
        }
        depth += t.type == Token::Type::Open ? 1 : -1;
    }
}

// Builds the tree from the paired tags. A close below the innermost open
// node ends the nodes above it too, and reopens them after it, as a
// browser carries formatting across misnested markup.
class Builder {
public:
    explicit Builder(QStringView text) : text_(text) { open_.push_back({&root_}); }

    PostNode build(const std::vector<Token>& tokens)
    {
        qsizetype at = 0;
        for (const Token& t : tokens) {
            if (!t.matched)
                continue;
            addText(at, t.begin);
            at = t.end;
            if (t.type == Token::Type::Atom)
                addAtom(t);
            else if (t.type == Token::Type::Open)
                push(t.kind, t.value, false);
            else
                close(t.kind, t.value);
        }
        addText(at, text_.size());
        return std::move(root_);
    }

private:
    struct Open {
        PostNode* node;
    };

    void addText(qsizetype from, qsizetype to)
    {
        if (to <= from)
            return;
        auto& children = open_.back().node->children;
        if (children.empty() || children.back().kind != Kind::Text)
            children.push_back(PostNode{Kind::Text, {}, {}, {}});
        children.back().text += text_.mid(from, to - from);
    }

    void addAtom(const Token& t)
    {
        auto& children = open_.back().node->children;
        if (t.kind == Kind::Picture) {
            children.push_back(PostNode{Kind::Picture, t.value, {}, {}});
        } else {
            children.push_back(PostNode{Kind::Link, {}, {}, {}});
            children.back().children.push_back(PostNode{Kind::Text, t.value, {}, {}});
        }
    }

    void push(Kind kind, const QString& value, bool reopened)
    {
        auto& children = open_.back().node->children;
        children.push_back(PostNode{kind, {}, value, {}, reopened});
        open_.push_back({&children.back()});
    }

    // The innermost open node of that kind is the close's partner: pairing
    // by name gave each close the nearest open of its name. A named
    // alignment's close names its keyword too.
    void close(Kind kind, const QString& keyword)
    {
        size_t at = open_.size() - 1;
        while (open_[at].node->kind != kind ||
               (!keyword.isEmpty() && open_[at].node->value != keyword))
            --at;
        std::vector<std::pair<Kind, QString>> reopen;
        for (size_t i = at + 1; i < open_.size(); ++i)
            reopen.emplace_back(open_[i].node->kind, open_[i].node->value);
        // A node carried on that got nothing is dropped: an empty link
        // would show its address.
        while (open_.size() > at) {
            const Open o = open_.back();
            open_.pop_back();
            if (o.node->carriedOn && o.node->children.empty())
                open_.back().node->children.pop_back();
        }
        for (const auto& [k, v] : reopen)
            push(k, v, true);
    }

    QStringView text_;
    PostNode root_;
    std::vector<Open> open_;
};

// ------------------------------------------------------------- writing

void appendEscaped(QString& out, QStringView text)
{
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;"_s;
            break;
        case u'<':
            out += u"&lt;"_s;
            break;
        case u'>':
            out += u"&gt;"_s;
            break;
        case u'"':
            out += u"&quot;"_s;
            break;
        case 0xfdd0:
        case 0xfdd1:
            // Qt's marks of a frame's start and end: as letters they would
            // break the document apart.
            out += QChar::ReplacementCharacter;
            break;
        default:
            out += c;
        }
    }
}

// The formatting in force at one place of the post.
struct Style {
    QString css;   // the span's style, empty for none
    QString link;  // the link's address, empty for none
    QString align; // "left", "center", "right" or empty
};

// Writes the read post as paragraphs, one per line of text and one more at
// every change of alignment, so that Qt never nests blocks. A paragraph is
// a <div>, which has no margins in Qt, and keeps its blanks with a style of
// its own only where Qt would fold them: a style sheet matched against
// every paragraph costs a third of Qt's reading time.
class HtmlWriter {
public:
    explicit HtmlWriter(Engine engine) : engine_(engine) {}

    QString write(const PostNode& root)
    {
        out_.reserve(1024);
        out_ += u"<html><body style=\"font-size:16px\">"_s;
        styles_.push_back({});
        children(root);
        endLine();
        out_ += u"</body></html>"_s;
        return std::move(out_);
    }

private:
    void children(const PostNode& node)
    {
        for (const PostNode& child : node.children)
            visit(child);
    }

    void visit(const PostNode& node)
    {
        switch (node.kind) {
        case Kind::Text:
            text(node.text);
            return;
        case Kind::Picture:
            content();
            openLink();
            lineStart_ = lastBlank_ = false;
            line_ += u"<img src=\""_s;
            appendEscaped(line_, node.text);
            line_ += u"\"/>"_s;
            closeLink();
            return;
        case Kind::Align: {
            // An alignment carried on is the same block as the one just
            // ended: its paragraph goes on.
            boundary_ = !node.carriedOn;
            absorbBreak_ = false;
            Style s = styles_.back();
            s.align = node.value.toLower();
            styles_.push_back(std::move(s));
            children(node);
            styles_.pop_back();
            boundary_ = true;
            // The forum engine swallows the line break after an alignment.
            absorbBreak_ = true;
            return;
        }
        case Kind::Link:
            if (node.children.empty() && !node.value.isEmpty()) {
                // An empty title: the forum shows the address instead.
                Style s = styles_.back();
                s.link = node.value;
                styles_.push_back(std::move(s));
                text(node.value);
                styles_.pop_back();
                return;
            }
            break;
        default:
            break;
        }
        Style s = styles_.back();
        switch (node.kind) {
        case Kind::Bold:
            s.css += u"font-weight:700;"_s;
            break;
        case Kind::Italic:
            s.css += u"font-style:italic;"_s;
            break;
        case Kind::Underline:
            s.css += u"text-decoration:underline;"_s;
            break;
        case Kind::Size:
            if (const int px = sizePixels(engine_, node.value); px > 0)
                s.css += u"font-size:%1px;"_s.arg(px);
            break;
        case Kind::Font:
            if (showsFace(engine_, node.value)) {
                // Quotes some engines let into a name would end the style's.
                QString face = node.value.trimmed();
                face.remove(u'\'').remove(u'"');
                s.css += u"font-family:'"_s + face + u"';"_s;
            }
            break;
        case Kind::Colour:
            s.css += u"color:"_s + node.value.toLower() + u';';
            break;
        case Kind::Link:
            // A bare link: its text is its address.
            s.link = node.value.isEmpty() && !node.children.empty() ? node.children.front().text
                                                                    : node.value;
            break;
        default:
            break;
        }
        styles_.push_back(std::move(s));
        children(node);
        styles_.pop_back();
    }

    void text(QStringView t)
    {
        qsizetype from = 0;
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (!isLineBreak(t[i]))
                continue;
            run(t.mid(from, i - from));
            if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n')
                ++i;
            lineBreak();
            from = i + 1;
        }
        run(t.mid(from));
    }

    void run(QStringView t)
    {
        if (t.isEmpty())
            return;
        content();
        if (dir_.isEmpty())
            findDirection(t);
        for (QChar c : t) {
            if (c.isSpace()) {
                keepBlanks_ |= c != u' ' || lastBlank_ || lineStart_;
                lastBlank_ = true;
            } else {
                lastBlank_ = false;
            }
            lineStart_ = false;
        }
        const Style& s = styles_.back();
        openLink();
        if (!s.css.isEmpty()) {
            line_ += u"<span style=\""_s;
            appendEscaped(line_, s.css);
            line_ += u"\">"_s;
        }
        appendEscaped(line_, t);
        if (!s.css.isEmpty())
            line_ += u"</span>"_s;
        closeLink();
    }

    void openLink()
    {
        const QString& link = styles_.back().link;
        if (link.isEmpty())
            return;
        line_ += u"<a href=\""_s;
        appendEscaped(line_, link);
        line_ += u"\" title=\""_s;
        appendEscaped(line_, link);
        line_ += u"\">"_s;
    }

    void closeLink()
    {
        if (!styles_.back().link.isEmpty())
            line_ += u"</a>"_s;
    }

    void findDirection(QStringView t)
    {
        for (qsizetype i = 0; i < t.size(); ++i) {
            char32_t c = t[i].unicode();
            if (t[i].isHighSurrogate() && i + 1 < t.size() && t[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(t[i], t[i + 1]);
                ++i;
            }
            switch (QChar::direction(c)) {
            case QChar::DirL:
                dir_ = u"ltr"_s;
                return;
            case QChar::DirR:
            case QChar::DirAL:
                dir_ = u"rtl"_s;
                return;
            default:
                break;
            }
        }
    }

    // Something shown on the current line; a line that had its
    // alignment changed since ends first.
    void content()
    {
        startLine();
        absorbBreak_ = false;
    }

    void startLine()
    {
        if (boundary_) {
            endLine();
            boundary_ = false;
        }
        if (!hasContent_) {
            hasContent_ = true;
            lineAlign_ = styles_.back().align;
        }
    }

    void lineBreak()
    {
        if (absorbBreak_) {
            absorbBreak_ = false;
            endLine();
            boundary_ = false;
            return;
        }
        startLine();
        endLine();
    }

    // Ends the current line, if anything is on it. An empty line is kept
    // as a paragraph of its own: Qt drops a paragraph without text.
    void endLine()
    {
        if (!hasContent_)
            return;
        const QString& align = lineAlign_;
        out_ += u"<div"_s;
        if (line_.isEmpty())
            out_ += u" style=\"-qt-paragraph-type:empty\""_s;
        else if (keepBlanks_)
            out_ += u" style=\"white-space:pre-wrap\""_s;
        if (!align.isEmpty())
            out_ += u" align=\""_s + align + u'"';
        // Qt reads a paragraph without a direction as left to right.
        out_ += dir_ == u"ltr"_s ? u" dir=\"ltr\""_s : u" dir=\"rtl\""_s;
        out_ += u'>';
        out_ += line_.isEmpty() ? u"<br/>"_s : line_;
        out_ += u"</div>"_s;
        line_.clear();
        dir_.clear();
        hasContent_ = false;
        lineStart_ = true;
        keepBlanks_ = lastBlank_ = false;
    }

    Engine engine_;
    QString out_;
    QString line_;
    QString dir_;
    QString lineAlign_;
    bool hasContent_ = false;
    // Whether the line has blanks Qt would fold: two in a row, one at the
    // start, or any but the plain blank (Qt keeps one at the end).
    bool keepBlanks_ = false;
    bool lineStart_ = true;
    bool lastBlank_ = false;
    // The alignment changed: the line on hand ends before anything more
    // goes on a line.
    bool boundary_ = false;
    bool absorbBreak_ = false;
    std::vector<Style> styles_;
};

void appendPlain(const PostNode& node, QString& out)
{
    if (node.kind == Kind::Text || node.kind == Kind::Picture)
        out += node.text;
    for (const PostNode& child : node.children)
        appendPlain(child, out);
}

PostNode read(const QString& post, const Dialect& dialect)
{
    std::vector<Token> tokens = Scanner(post, dialect).tokens();
    match(tokens);
    if (dialect.alignLineStart)
        unmatchHeldAlignments(tokens);
    return Builder(post).build(tokens);
}

// The alignments and the faces drawn in a read post (not those carried on
// past a misnested close, which are the same tags again).
struct Counts {
    int alignments = 0;
    int faces = 0;
};

void count(const PostNode& node, Engine engine, Counts& c)
{
    if (!node.carriedOn) {
        if (node.kind == Kind::Align)
            ++c.alignments;
        else if (node.kind == Kind::Font && showsFace(engine, node.value))
            ++c.faces;
    }
    for (const PostNode& child : node.children)
        count(child, engine, c);
}

} // namespace

PostNode readPost(const QString& post, Engine engine)
{
    return read(post, Dialect::of(engine));
}

QString postHtml(const PostNode& post, Engine engine)
{
    return HtmlWriter(engine).write(post);
}

std::vector<LeftOut> unreadKinds(const QString& post, Engine engine)
{
    if (engine == Engine::Classic)
        return {};
    Counts every;
    count(read(post, Dialect::everyForm()), Engine::Classic, every);
    Counts engines;
    count(readPost(post, engine), engine, engines);
    std::vector<LeftOut> kinds;
    if (engines.alignments < every.alignments)
        kinds.push_back(LeftOut::Alignment);
    if (engines.faces < every.faces)
        kinds.push_back(LeftOut::Font);
    return kinds;
}

QString postPlainText(const PostNode& post)
{
    QString out;
    appendPlain(post, out);
    return out;
}

} // namespace forumcode
