// A picture decoded on another thread; see backgroundpicture.h.
#include "base/controls/backgroundpicture.h"

#include "base/picture.h"

namespace controls {

BackgroundPicture::BackgroundPicture(const QString& path)
    : decoding_(std::async(std::launch::async, [files = picture::forScreens(path)] {
          return picture::decodeFirstFrame(files);
      }))
{
}

const QPixmap& BackgroundPicture::pixmap()
{
    if (decoding_.valid())
        pixmap_ = QPixmap::fromImage(decoding_.get());
    return pixmap_;
}

} // namespace controls
