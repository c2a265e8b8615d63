// Forum code as text; see forumcode.h.
#include "base/forumcode/forumcode.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace forumcode {

QString tagName(Tag tag)
{
    switch (tag) {
    case Tag::Bold:
        return u"B"_s;
    case Tag::Italic:
        return u"I"_s;
    case Tag::Underline:
        return u"U"_s;
    case Tag::Size:
        return u"SIZE"_s;
    case Tag::Font:
        return u"FONT"_s;
    case Tag::Colour:
        return u"COLOR"_s;
    case Tag::Align:
        return u"ALIGN"_s;
    case Tag::Picture:
        return u"IMG"_s;
    case Tag::Link:
        return u"URL"_s;
    }
    return {};
}

TagPair tagPair(Tag tag)
{
    const QString name = tagName(tag);
    return {u'[' + name + u']', u"[/"_s + name + u']'};
}

TagPair tagPair(Tag tag, const QString& value)
{
    const QString name = tagName(tag);
    return {u'[' + name + u'=' + value + u']', u"[/"_s + name + u']'};
}

namespace {

// "scheme://" at the very start of the address.
bool beginsWithScheme(const QString& address)
{
    const auto isLetter = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    const auto isSchemeChar = [&](QChar c) {
        return isLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
    };
    const qsizetype colon = address.indexOf(u"://"_s);
    if (colon <= 0 || !isLetter(address.front()))
        return false;
    return std::all_of(address.cbegin(), address.cbegin() + colon, isSchemeChar);
}

} // namespace

bool hasScheme(const QString& address)
{
    return beginsWithScheme(address) || address.toUpper().contains(u"HTTP://"_s);
}

QString withScheme(const QString& address)
{
    return hasScheme(address) ? address : u"http://"_s + address;
}

QString tagSafeAddress(const QString& address)
{
    QString safe = address;
    safe.replace(u'[', u"%5B"_s);
    safe.replace(u']', u"%5D"_s);
    return safe;
}

QString pictureCode(const QString& pictureAddress)
{
    const TagPair img = tagPair(Tag::Picture);
    return img.open + tagSafeAddress(pictureAddress) + img.close;
}

QString linkedPicture(const QString& link, const QString& pictureAddress)
{
    const TagPair url = tagPair(Tag::Link, tagSafeAddress(withScheme(link)));
    return url.open + pictureCode(pictureAddress) + url.close;
}

QString textLink(const QString& link, const QString& title)
{
    const TagPair url = tagPair(Tag::Link, tagSafeAddress(withScheme(link)));
    return url.open + title + url.close;
}

QString aligned(const QString& keyword, const QString& code)
{
    if (keyword == QStringView(kAlignNone))
        return code;
    const TagPair align = tagPair(Tag::Align, keyword);
    return align.open + code + align.close;
}

QString decorateName(const QString& pattern, const QString& name)
{
    // Built left to right from the pattern alone: what has been inserted
    // is behind the search and never looked at again.
    const QStringView placeholder(kNamePlaceholder);
    QString result;
    result.reserve(pattern.size() + name.size());
    qsizetype from = 0;
    for (qsizetype at = pattern.indexOf(placeholder); at >= 0;
         at = pattern.indexOf(placeholder, from)) {
        result += QStringView(pattern).mid(from, at - from);
        result += name;
        from = at + placeholder.size();
    }
    result += QStringView(pattern).mid(from);
    return result;
}

QString Edit::selected() const
{
    const Edit c = clamped(*this);
    return c.text.mid(c.start, c.length);
}

Edit clamped(const Edit& edit)
{
    Edit c = edit;
    c.start = std::clamp<qsizetype>(c.start, 0, c.text.size());
    c.length = std::clamp<qsizetype>(c.length, 0, c.text.size() - c.start);
    return c;
}

Edit wrapSelection(const Edit& edit, const QString& open, const QString& close)
{
    Edit e = clamped(edit);
    e.text.insert(e.start + e.length, close);
    e.text.insert(e.start, open);
    e.length += open.size() + close.size();
    return e;
}

Edit wrapSelection(const Edit& edit, const TagPair& tags)
{
    return wrapSelection(edit, tags.open, tags.close);
}

Edit insertAtCaret(const Edit& edit, const QString& code)
{
    Edit e = clamped(edit);
    e.text.replace(e.start, e.length, code);
    e.length = code.size();
    return e;
}

} // namespace forumcode
