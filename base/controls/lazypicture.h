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
        return !picture_.isNull() || !pendingFiles_.isEmpty() || decoding_.valid();
    }
    // The file named last, empty when the picture was set directly.
    const QString& file() const { return file_; }

private:
    mutable QPixmap picture_;
    // The file and, on 2x screens, its sharper copy first.
    mutable QStringList pendingFiles_;
    QString file_;
    mutable std::shared_future<QImage> decoding_;
};

} // namespace controls
