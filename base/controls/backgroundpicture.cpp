// A picture decoded on another thread; see backgroundpicture.h.
#include "base/controls/backgroundpicture.h"

#include "base/picture.h"

namespace controls {

BackgroundPicture::BackgroundPicture(const QString& path)
    : decoding_(std::async(std::launch::async, [path] { return picture::decodeFirstFrame(path); }))
{
}

const QPixmap& BackgroundPicture::pixmap()
{
    if (decoding_.valid())
        pixmap_ = QPixmap::fromImage(decoding_.get());
    return pixmap_;
}

} // namespace controls
