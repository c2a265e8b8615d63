// A control's picture, decoded when first drawn; see lazypicture.h.
#include "base/controls/lazypicture.h"

#include "base/picture.h"

namespace controls {

void LazyPicture::set(const QPixmap& picture)
{
    picture_ = picture;
    pendingFiles_.clear();
    file_.clear();
    decoding_ = {};
}

void LazyPicture::setFile(const QString& path)
{
    picture_ = QPixmap();
    pendingFiles_ = picture::forScreens(path);
    file_ = path;
    decoding_ = {};
}

void LazyPicture::decodeAhead()
{
    if (pendingFiles_.isEmpty())
        return;
    decoding_ = picture::decodeFirstFrameAhead(pendingFiles_);
    pendingFiles_.clear();
}

const QPixmap& LazyPicture::get() const
{
    if (decoding_.valid()) {
        picture_ = QPixmap::fromImage(decoding_.get());
        decoding_ = {};
    } else if (!pendingFiles_.isEmpty()) {
        picture_ = QPixmap::fromImage(picture::decodeFirstFrame(pendingFiles_));
        pendingFiles_.clear();
    }
    return picture_;
}

} // namespace controls
