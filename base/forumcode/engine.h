// The forum engines a member's post may be read by, and the codes the
// program means written in the form each engine reads. The classic dialect
// is the default and writes exactly the codes the program always wrote.
// Qt Core only: the composer and the galleries write through here, and the
// post's reader reads with the same engine.
#pragma once

#include "base/forumcode/forumcode.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace forumcode {

enum class Engine {
    Classic,    // [ALIGN=], [SIZE=1..7], any [FONT=]
    VBulletin3, // vBulletin 3.8 / 4.2
    VBulletin5, // vBulletin 5 / 6
    XenForo,    // XenForo 1.5 / 2.2
    PhpBB,      // phpBB 3.3
    MyBB,       // MyBB 1.8
    Smf,        // SMF 2.1
    Invision,   // Invision Community 4.4
    Discourse,  // Discourse with its BBCode plugin
};
inline constexpr std::array kEngines = {
    Engine::Classic, Engine::VBulletin3, Engine::VBulletin5, Engine::XenForo,   Engine::PhpBB,
    Engine::MyBB,    Engine::Smf,        Engine::Invision,   Engine::Discourse,
};

// The name the member chooses the engine by ("vBulletin 3.8 / 4.2", ...;
// the classic dialect has an Arabic name).
QString engineName(Engine engine);
// The word the choice is stored as ("classic", "vbulletin3", ...), and the
// engine a stored word names (none for a word no engine has).
QString engineKey(Engine engine);
std::optional<Engine> engineFromKey(const QString& key);

// What a code may have to leave out because the engine cannot read it at
// all.
enum class LeftOut { Alignment, Font };

// A tag pair the program means, in the form the engine reads. Size values
// are the program's sizes "1".."7" and come out as the nearest size the
// engine shows; alignment values are the keywords of forumcode.h. None
// when the engine cannot read the tag at all (phpBB's alignment, a face
// name the engine refuses): the caller then writes the text without it.
// For Engine::Classic this is exactly tagPair(tag, value).
std::optional<TagPair> tagPairFor(Engine engine, Tag tag, const QString& value = {});

// Whether the engine reads a [FONT=] with this face name: any name for
// the classic dialect, vBulletin and Invision; for XenForo, MyBB, SMF and
// Discourse Latin letters, digits and blanks with a few signs each engine
// allows (hyphens; MyBB also commas, underscores and quotes; SMF commas and
// underscores); never for phpBB, which has no font tag.
bool faceAccepted(Engine engine, QStringView face);

// Which kind a tag belongs to when it is left out (alignment or font);
// none for the tags every engine reads.
std::optional<LeftOut> leftOutKind(Tag tag);

// code inside the engine's alignment tags; unchanged for "NONE", and
// unchanged with *leftOut set to true where the engine has no alignment.
// For Engine::Classic this is exactly aligned(keyword, code).
QString alignedFor(Engine engine, const QString& keyword, const QString& code,
                   bool* leftOut = nullptr);

} // namespace forumcode
