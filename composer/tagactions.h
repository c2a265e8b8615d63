// What the tag toolbar's buttons do to the edit pane: wrap the selection
// in a tag pair, ask for addresses and insert picture and link codes, or
// put back the text as it was before the last formatting operation.
#pragma once

#include "base/forumcode/forumcode.h"
#include "composer/toolbarbutton.h"

#include <QString>

class EditPane;
class ForumChoice;

namespace tagactions {

// The keyboard layouts the editor asks for: Arabic, and the default layout
// the "ENG" button stands for.
inline constexpr char16_t kArabicLayout[] = u"00000401";
inline constexpr char16_t kDefaultLayout[] = u"00000400";

// The prompt texts, with the example addresses the build was configured
// with.
QString picturePrompt();
QString pictureInLinkPrompt();
QString linkPrompt();
QString titlePrompt();

// The selection wrapped in the tag as the forum's engine writes it (the
// classic codes without a forum choice), and left selected; false when
// there is no selection. A tag the engine cannot read at all leaves the
// selection as it is and is told to the forum choice, so that the post's
// look can say so.
bool wrapFor(EditPane& pane, forumcode::Tag tag, const QString& value, ForumChoice* forum);

// Toolbar1's click on a button. Every button but the one back to the last
// state first takes the undo snapshot, also when its action is then refused
// or cancelled; after a completed action the keyboard switches to Arabic so
// that typing goes on in the post's language. Returns whether the action
// was completed. The tags are written for the forum's engine (the classic
// codes without one); an alignment the engine cannot read leaves the
// selection as it is, is told to the forum choice, and still counts as
// completed.
bool toolbar1ButtonClick(EditPane& pane, ToolbarButton button, ForumChoice* forum = nullptr);

} // namespace tagactions
