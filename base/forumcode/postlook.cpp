// Reading a post's forum code and writing its rich text; see postlook.h.
#include "base/forumcode/postlook.h"

#include "base/forumcode/forumcode.h"

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
    QString value;   // an open tag's value; an atom's address
    bool matched = false;
};

constexpr std::array kNamed{
    std::pair{Tag::Bold, Kind::Bold},           std::pair{Tag::Italic, Kind::Italic},
    std::pair{Tag::Underline, Kind::Underline}, std::pair{Tag::Align, Kind::Align},
    std::pair{Tag::Size, Kind::Size},           std::pair{Tag::Font, Kind::Font},
    std::pair{Tag::Colour, Kind::Colour},       std::pair{Tag::Picture, Kind::Picture},
    std::pair{Tag::Link, Kind::Link},
};
constexpr int kKindCount = static_cast<int>(Kind::Link) + 1;

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
    explicit Scanner(QStringView text) : text_(text) {}

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
        const std::optional<Kind> kind = kindNamed(text_.mid(nameStart, i - nameStart));
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
        if (!isValid(*kind, value, hasValue))
            return std::nullopt;
        const qsizetype end = i + 1;
        if (*kind == Kind::Picture || (*kind == Kind::Link && !hasValue))
            return atom(*kind, at, end);
        return Token{Token::Type::Open, *kind, at, end, value.toString()};
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
    qsizetype nextClose_[2] = {kNotSought, kNotSought};
    qsizetype nextBreak_ = -1;
};

// Pairs each closing tag with the nearest open tag of its name still
// unpaired; what stays unpaired is text.
void match(std::vector<Token>& tokens)
{
    std::array<std::vector<size_t>, kKindCount> open;
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token& t = tokens[i];
        auto& pending = open[static_cast<size_t>(t.kind)];
        if (t.type == Token::Type::Atom) {
            t.matched = true;
        } else if (t.type == Token::Type::Open) {
            pending.push_back(i);
        } else if (!pending.empty()) {
            t.matched = true;
            tokens[pending.back()].matched = true;
            pending.pop_back();
        }
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
                close(t.kind);
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
    // by name gave each close the nearest open of its name.
    void close(Kind kind)
    {
        size_t at = open_.size() - 1;
        while (open_[at].node->kind != kind)
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

// Sizes 1 to 7 as a browser draws them at a 16 px base.
constexpr int kSizePixels[7] = {10, 13, 16, 18, 24, 32, 48};

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
            s.css += u"font-size:%1px;"_s.arg(kSizePixels[node.value.toInt() - 1]);
            break;
        case Kind::Font:
            s.css += u"font-family:'"_s + node.value.trimmed() + u"';"_s;
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

} // namespace

PostNode readPost(const QString& post, Engine /*engine*/)
{
    std::vector<Token> tokens = Scanner(post).tokens();
    match(tokens);
    return Builder(post).build(tokens);
}

QString postHtml(const PostNode& post, Engine /*engine*/)
{
    return HtmlWriter().write(post);
}

QString postPlainText(const PostNode& post)
{
    QString out;
    appendPlain(post, out);
    return out;
}

} // namespace forumcode
