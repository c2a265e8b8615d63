// What the tag toolbar's buttons do to the edit pane: wrap the selection
// in a tag pair, ask for addresses and insert picture and link codes, or
// put back the text as it was before the last formatting operation.
#pragma once

#include "composer/toolbarbutton.h"

#include <QString>

class EditPane;

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

// Toolbar1's click on a button. Every button but the one back to the last
// state first takes the undo snapshot, also when its action is then refused
// or cancelled; after a completed action the keyboard switches to Arabic so
// that typing goes on in the post's language. Returns whether the action
// was completed.
bool toolbar1ButtonClick(EditPane& pane, ToolbarButton button);

} // namespace tagactions
