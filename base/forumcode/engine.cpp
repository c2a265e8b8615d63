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

// Every engine writes the classic codes until its own forms are filled in.
std::optional<TagPair> tagPairFor(Engine /*engine*/, Tag tag, const QString& value)
{
    if (tag == Tag::Bold || tag == Tag::Italic || tag == Tag::Underline || tag == Tag::Picture)
        return tagPair(tag);
    return tagPair(tag, value);
}

QString alignedFor(Engine /*engine*/, const QString& keyword, const QString& code, bool* leftOut)
{
    if (leftOut)
        *leftOut = false;
    return aligned(keyword, code);
}

} // namespace forumcode
