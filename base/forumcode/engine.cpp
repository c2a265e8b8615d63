// Codes for each forum engine; see engine.h.
#include "base/forumcode/engine.h"

using namespace Qt::StringLiterals;

namespace forumcode {

QString engineName(Engine engine)
{
    switch (engine) {
    case Engine::Classic:
        return u"الرموز المعتادة"_s;
    case Engine::VBulletin3:
        return u"vBulletin 3.8 / 4.2"_s;
    case Engine::VBulletin5:
        return u"vBulletin 5 / 6"_s;
    case Engine::XenForo:
        return u"XenForo 1.5 / 2.2"_s;
    case Engine::PhpBB:
        return u"phpBB 3.3"_s;
    case Engine::MyBB:
        return u"MyBB 1.8"_s;
    case Engine::Smf:
        return u"SMF 2.1"_s;
    case Engine::Invision:
        return u"Invision Community 4.4"_s;
    case Engine::Discourse:
        return u"Discourse"_s;
    }
    return {};
}

QString engineKey(Engine engine)
{
    switch (engine) {
    case Engine::Classic:
        return u"classic"_s;
    case Engine::VBulletin3:
        return u"vbulletin3"_s;
    case Engine::VBulletin5:
        return u"vbulletin5"_s;
    case Engine::XenForo:
        return u"xenforo"_s;
    case Engine::PhpBB:
        return u"phpbb"_s;
    case Engine::MyBB:
        return u"mybb"_s;
    case Engine::Smf:
        return u"smf"_s;
    case Engine::Invision:
        return u"invision"_s;
    case Engine::Discourse:
        return u"discourse"_s;
    }
    return {};
}

std::optional<Engine> engineFromKey(const QString& key)
{
    for (Engine e : kEngines)
        if (engineKey(e) == key)
            return e;
    return std::nullopt;
}

std::optional<LeftOut> leftOutKind(Tag tag)
{
    if (tag == Tag::Align)
        return LeftOut::Alignment;
    if (tag == Tag::Font)
        return LeftOut::Font;
    return std::nullopt;
}

namespace {

// The program's sizes "1".."7" written as each engine's nearest size (in
// pixels at a 16 px base; a tie goes to the larger).
using SizeRow = std::array<const char16_t*, 7>;
constexpr SizeRow kVBulletin5Sizes = {u"2", u"3", u"4", u"4", u"5", u"5", u"6"};
// XenForo: the numbered size where one is within 2 px, else pixels.
constexpr SizeRow kXenForoSizes = {u"2", u"3", u"4", u"5", u"6", u"32px", u"36px"};
// phpBB: percent of the base, at most 200 (it refuses a post above its
// limit of 200). Discourse: percent, with room for the largest size.
constexpr SizeRow kPhpBBSizes = {u"63", u"81", u"100", u"113", u"150", u"200", u"200"};
constexpr SizeRow kDiscourseSizes = {u"63", u"81", u"100", u"113", u"150", u"200", u"300"};
constexpr SizeRow kMyBBSizes = {u"x-small", u"small",    u"medium",  u"large",
                                u"x-large", u"xx-large", u"xx-large"};
constexpr SizeRow kSmfSizes = {u"1", u"1", u"2", u"2", u"4", u"5", u"6"};
constexpr SizeRow kInvisionSizes = {u"2", u"4", u"5", u"5", u"6", u"7", u"8"};

const SizeRow* sizeRow(Engine engine)
{
    switch (engine) {
    case Engine::VBulletin5:
        return &kVBulletin5Sizes;
    case Engine::XenForo:
        return &kXenForoSizes;
    case Engine::PhpBB:
        return &kPhpBBSizes;
    case Engine::Discourse:
        return &kDiscourseSizes;
    case Engine::MyBB:
        return &kMyBBSizes;
    case Engine::Smf:
        return &kSmfSizes;
    case Engine::Invision:
        return &kInvisionSizes;
    case Engine::Classic:
    case Engine::VBulletin3:
        break;
    }
    return nullptr;
}

QString engineSize(Engine engine, const QString& size)
{
    const SizeRow* row = sizeRow(engine);
    if (!row || size.size() != 1 || size.front() < u'1' || size.front() > u'7')
        return size;
    return QString::fromUtf16((*row)[size.front().unicode() - u'1']);
}

// The alignment keyword in the form of forumcode.h, or empty for any other
// word.
QString alignKeyword(const QString& keyword)
{
    for (const char16_t* k : {kAlignLeft, kAlignCenter, kAlignRight}) {
        if (keyword.compare(QStringView(k), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(k);
    }
    return {};
}

std::optional<TagPair> alignPairFor(Engine engine, const QString& keyword)
{
    switch (engine) {
    case Engine::Classic:
        return tagPair(Tag::Align, keyword);
    case Engine::PhpBB:
        return std::nullopt;
    case Engine::MyBB: {
        const QString k = alignKeyword(keyword);
        if (k.isEmpty())
            return std::nullopt;
        return tagPair(Tag::Align, k.toLower());
    }
    case Engine::VBulletin3:
    case Engine::VBulletin5:
    case Engine::XenForo:
    case Engine::Smf:
    case Engine::Invision:
    case Engine::Discourse:
        break;
    }
    // The keyword is the tag's own name: [CENTER]...[/CENTER].
    const QString k = alignKeyword(keyword);
    if (k.isEmpty())
        return std::nullopt;
    return TagPair{u'[' + k + u']', u"[/"_s + k + u']'};
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

} // namespace

bool faceAccepted(Engine engine, QStringView face)
{
    // Beyond Latin letters and digits, the few signs each engine's own
    // pattern for a face lets through.
    QStringView extra;
    switch (engine) {
    case Engine::Classic:
    case Engine::VBulletin3:
    case Engine::VBulletin5:
    case Engine::Invision:
        return !face.trimmed().isEmpty();
    case Engine::PhpBB:
        return false;
    case Engine::XenForo:
        extra = u" -";
        break;
    case Engine::MyBB:
        extra = u" ,-_'\"";
        break;
    case Engine::Smf:
        extra = u" \t,-_";
        break;
    case Engine::Discourse:
        extra = u" \t-";
        break;
    }
    if (face.isEmpty())
        return false;
    for (QChar c : face) {
        if (!isAsciiLetterOrDigit(c) && !extra.contains(c))
            return false;
    }
    return true;
}

std::optional<TagPair> tagPairFor(Engine engine, Tag tag, const QString& value)
{
    switch (tag) {
    case Tag::Bold:
    case Tag::Italic:
    case Tag::Underline:
    case Tag::Picture:
        return tagPair(tag);
    case Tag::Align:
        return alignPairFor(engine, value);
    case Tag::Size:
        return tagPair(tag, engineSize(engine, value));
    case Tag::Font:
        if (engine != Engine::Classic && !faceAccepted(engine, value))
            return std::nullopt;
        return tagPair(tag, value);
    case Tag::Colour:
    case Tag::Link:
        break;
    }
    return tagPair(tag, value);
}

QString alignedFor(Engine engine, const QString& keyword, const QString& code, bool* leftOut)
{
    if (leftOut)
        *leftOut = false;
    if (engine == Engine::Classic || keyword == QStringView(kAlignNone))
        return aligned(keyword, code);
    const std::optional<TagPair> pair = tagPairFor(engine, Tag::Align, keyword);
    if (!pair) {
        if (leftOut)
            *leftOut = true;
        return code;
    }
    return pair->open + code + pair->close;
}

} // namespace forumcode
