// A large picture decoded on another thread while its window is built.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>

namespace controls {

// A large picture decoded on another thread while the window is being
// built, and handed over as a pixmap when it is first drawn.
class BackgroundPicture {
public:
    explicit BackgroundPicture(const QString& path);
    const QPixmap& pixmap();

private:
    std::future<QImage> decoding_;
    QPixmap pixmap_;
};

} // namespace controls
