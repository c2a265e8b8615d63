// Forum code as text: tag pairs, picture and link codes, the scheme rule,
// the name patterns, and the edits that put them into a text.
#pragma once

#include <QString>

namespace forumcode {

} // namespace forumcode
