// The visual-styles manifest; see visualstyles.h.
#include "visualstyles.h"
