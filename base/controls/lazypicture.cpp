// A control's picture, decoded when first drawn; see lazypicture.h.
#include "base/controls/lazypicture.h"

#include "base/picture.h"

namespace controls {

void LazyPicture::set(const QPixmap& picture)
{
    picture_ = picture;
    pendingFile_.clear();
    decoding_ = {};
}

void LazyPicture::setFile(const QString& path)
{
    picture_ = QPixmap();
    pendingFile_ = path;
    decoding_ = {};
}

void LazyPicture::decodeAhead()
{
    if (pendingFile_.isEmpty())
        return;
    decoding_ = picture::decodeFirstFrameAhead(pendingFile_);
    pendingFile_.clear();
}

const QPixmap& LazyPicture::get() const
{
    if (decoding_.valid()) {
        picture_ = QPixmap::fromImage(decoding_.get());
        decoding_ = {};
    } else if (!pendingFile_.isEmpty()) {
        picture_ = QPixmap::fromImage(picture::decodeFirstFrame(pendingFile_));
        pendingFile_.clear();
    }
    return picture_;
}

} // namespace controls
