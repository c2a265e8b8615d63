// A control's picture: set directly, or named by a file that is decoded
// only when the picture is first drawn or asked for.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>

namespace controls {

class LazyPicture {
public:
    void set(const QPixmap& picture);
    void setFile(const QString& path);
    // Starts decoding the named file now, on the worker thread, so that it
    // is ready when first drawn.
    void decodeAhead();
    const QPixmap& get() const;
    bool isSet() const
    {
        return !picture_.isNull() || !pendingFile_.isEmpty() || decoding_.valid();
    }

private:
    mutable QPixmap picture_;
    mutable QString pendingFile_;
    mutable std::shared_future<QImage> decoding_;
};

} // namespace controls
