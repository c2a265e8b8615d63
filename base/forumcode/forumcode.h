// Forum code as text: tag pairs, picture and link codes, the scheme rule,
// the name patterns, and the edits that put them into a text. Qt Core only;
// the composer's panes and the galleries build their codes from here, and
// no other file spells a tag name.
#pragma once

#include <QString>

namespace forumcode {

// ---------------------------------------------------------------- tags

// The tags the program writes, by what they do.
enum class Tag {
    Bold,      // B
    Italic,    // I
    Underline, // U
    Size,      // SIZE=1..7
    Font,      // FONT=face name
    Colour,    // COLOR=colour name
    Align,     // ALIGN=one of the alignment keywords below
    Picture,   // IMG
    Link,      // URL=address
};
// The name the tag is written with: "B", "SIZE", "IMG", ...
QString tagName(Tag tag);

// An opening and a closing tag: "[B]" and "[/B]", or "[SIZE=3]" and
// "[/SIZE]". Values go in exactly as they are, without quotes, blanks or
// escaping.
struct TagPair {
    QString open;
    QString close;
};
TagPair tagPair(Tag tag);
TagPair tagPair(Tag tag, const QString& value);

// ---------------------------------------------------------- addresses

// Whether an address counts as having a scheme: it begins with one
// ("https://h", "FTP://h": letters, then letters, digits, "+", "-" or ".",
// then "://"), or its upper-case form contains "HTTP://" anywhere, not only
// at the start ("see http://x" does).
bool hasScheme(const QString& address);
// The address unchanged when it has a scheme, otherwise with "http://"
// (lower case) in front.
QString withScheme(const QString& address);

// The address as it goes between tags: a "[" or "]" in it would end or
// start a tag early, so they are written "%5B" and "%5D", which browsers
// and forums read as the same address. Any other address is unchanged.
QString tagSafeAddress(const QString& address);

// ------------------------------------------------------ picture codes

// "[IMG]" + address + "[/IMG]", the address as given apart from its
// brackets (tagSafeAddress).
QString pictureCode(const QString& pictureAddress);
// A picture that links to an address: "[URL=" + link + "]" + picture code
// + "[/URL]", the link given its scheme when it has none; the picture
// address is used as given. Both addresses go in through tagSafeAddress.
QString linkedPicture(const QString& link, const QString& pictureAddress);
// A text link: "[URL=" + link + "]" + title + "[/URL]", the link given its
// scheme when it has none and put through tagSafeAddress; the title goes in
// as typed and may be empty.
QString textLink(const QString& link, const QString& title);
// The alignment keywords; "NONE" means no alignment tags.
inline constexpr char16_t kAlignLeft[] = u"LEFT";
inline constexpr char16_t kAlignCenter[] = u"CENTER";
inline constexpr char16_t kAlignRight[] = u"RIGHT";
inline constexpr char16_t kAlignNone[] = u"NONE";
// code inside "[ALIGN=" + keyword + "]" … "[/ALIGN]", or unchanged when the
// keyword is exactly "NONE".
QString aligned(const QString& keyword, const QString& code);

// ------------------------------------------------------- name patterns

// The word in every decoration pattern that marks where the name goes.
inline constexpr char16_t kNamePlaceholder[] = u"الاسم";
// The pattern with every occurrence of the placeholder replaced by name
// (exact, case-sensitive). The name is inserted as it is and never searched
// again, so a name that itself contains the placeholder appears once per
// placeholder.
QString decorateName(const QString& pattern, const QString& name);

// ---------------------------------------------------- edits of a text

// A text with its selection (start counted from 0, length 0 for a bare
// caret), as an edit pane holds it. Positions are full-width: a post of any
// length keeps its selection.
struct Edit {
    QString text;
    qsizetype start = 0;
    qsizetype length = 0;

    // The selected part (start and length held inside the text).
    QString selected() const;
    bool operator==(const Edit&) const = default;
};
// The edit with its selection held inside its text.
Edit clamped(const Edit& edit);
// The selection S replaced by open + S + close, and the whole of that
// selected: start unchanged, length grown by both tags.
Edit wrapSelection(const Edit& edit, const QString& open, const QString& close);
Edit wrapSelection(const Edit& edit, const TagPair& tags);
// The selection (possibly empty) replaced by code, and code selected.
Edit insertAtCaret(const Edit& edit, const QString& code);

} // namespace forumcode
