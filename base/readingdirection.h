// Which way a text reads, as its first strong letter says: the rule the
// edit panes use for each paragraph and the message boxes for their text.
#pragma once

#include <QString>

#include <optional>

namespace reading {

// Right to left where the first strong letter (or embedding) is Arabic or
// Hebrew, left to right where it is Latin or another left-to-right
// script; nothing where the text has no strong letter at all.
std::optional<bool> firstStrongIsRightToLeft(const QString& text);

} // namespace reading
