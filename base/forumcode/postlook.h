// Reading a post's forum code as the member's forum engine shows it, and
// the rich text the post's look window draws from it.
#pragma once

#include "base/forumcode/engine.h"

#include <QString>

#include <vector>

namespace forumcode {

// One piece of a read post: literal text, or a tag the program writes with
// the pieces it holds.
struct PostNode {
    enum class Kind {
        Root,
        Text,
        Bold,
        Italic,
        Underline,
        Align,
        Size,
        Font,
        Colour,
        Picture,
        Link
    };
    Kind kind = Kind::Root;
    // Text: the letters as typed. Picture: the picture's address.
    QString text;
    // Align: "LEFT", "CENTER" or "RIGHT" in the letter case typed (MyBB also
    // "justify"); Size: the value as typed, drawn at the engine's size for it
    // ("1" to "7" in the classic dialect); Font: the face's name; Colour: a
    // colour name or #rrggbb; Link: the address of [URL=address] (empty for
    // [URL]address[/URL], whose text is the address).
    QString value;
    std::vector<PostNode> children;
    // Formatting carried on after a misnested close: an alignment carried
    // on goes on in the same paragraph, as the browser's block does.
    bool carriedOn = false;
};

// The post as a tree. The tags the program writes (B, I, U, ALIGN, SIZE,
// FONT, COLOR, IMG, URL, in any letter case, with checked values) become
// nodes; everything else, unknown tags, bracket groups of the name
// patterns, a closing tag without its opener and an opener never closed,
// stays literal text. No letter of the input is dropped. Formatting still
// open across a misnested close carries on after it, as a browser shows it.
// The engine decides which tags are read and how; the classic dialect by
// default. Alignment: [ALIGN=LEFT|CENTER|RIGHT] in the classic dialect and
// MyBB (which also takes justify); [LEFT], [CENTER], [RIGHT] in vBulletin,
// XenForo, SMF, Invision and Discourse, where Discourse reads them only at
// the start of a line and inside no other tag; none in phpBB. Sizes: the
// values the engine takes (vBulletin and SMF 1 to 7, Invision 1 to 8,
// XenForo any number and 8px to 36px, phpBB 1 to 200 percent, MyBB its
// keywords and points, Discourse anything, styled up to 999 percent).
// Faces: the names the engine takes (faceAccepted; Discourse reads any
// name, drawing only those it takes); phpBB has no font tag. A tag the
// engine does not read stays text.
PostNode readPost(const QString& post, Engine engine = Engine::Classic);

// The rich text of a read post, for QTextDocument: flat paragraphs (an
// alignment closes and reopens around an inner one, inline formatting
// reopened in each), sizes 1..7 in pixels at a 16 px base (10, 13, 16, 18,
// 24, 32, 48), colours as CSS names, blanks and line breaks kept, each
// paragraph in the direction of its first strong letter, text escaped.
// Every line is a paragraph (a <div>) of its own; a paragraph without a
// strong letter (an empty line, a line of symbols) reads right to left, as
// in the pages of the Arabic forums the program writes for. The line break
// after an alignment's close is swallowed, as the forum engine does. The
// body sets the 16 px base.
// A picture is <img src="address">; a link is underlined with its address
// as its title, and names it in href (a linked picture sits inside its
// link). A link with an empty title shows its address, as the forum does.
// A size is drawn at the engine's own size for its value: percent of the
// 16 px base for phpBB and Discourse, CSS's keywords and points (4/3 px)
// for MyBB, em of 16 px for SMF, the pixels of the engine's own table
// elsewhere.
QString postHtml(const PostNode& post, Engine engine = Engine::Classic);
inline QString postHtml(const QString& post, Engine engine = Engine::Classic)
{
    return postHtml(readPost(post, engine), engine);
}

// What the engine leaves unread in a post, once per kind, for the look
// window's note: alignment or font tags of any engine's form that this one
// shows as text or reads without effect (an alignment phpBB does not know,
// a [ALIGN=] in vBulletin, a Discourse alignment inside bold, a face name
// refused). Alignment first, then font; empty for the classic dialect.
std::vector<LeftOut> unreadKinds(const QString& post, Engine engine);

// The input less the tags that were read, in order: the letters the look
// shows as text (a picture's and a bare link's address count as shown; the
// address an empty link shows is part of its tag, so not counted).
QString postPlainText(const PostNode& post);

} // namespace forumcode
