// The visual-styles manifest beside the executable and the restart script.
#pragma once
