// When a page makes its controls: at once, or when first needed.
#pragma once

namespace controls {

// When a page makes its controls: as it is constructed, or when its window
// first needs them (the page's build()), which spares start-up the pages
// nobody has looked at yet.
enum class Building { Now, WhenNeeded };

} // namespace controls
