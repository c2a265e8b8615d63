// Forum code as text; see forumcode.h.
#include "forumcode.h"
