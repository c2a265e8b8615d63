// The one way the program opens a picture file: check it completely
// without decoding its pixels, decode its first frame when it is first
// drawn, or play it as an animation. Every failure names the file and the
// reason, so that start-up can stop on it and the viewers can skip it.
#pragma once

#include "base/fileaccess.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <future>
#include <memory>
#include <thread>

class QMovie;
class QObject;

namespace picture {

// Pictures larger than this on either side are refused as implausible.
inline constexpr int kMaxSide = 4096;

struct Info {
    QSize size;     // in pixels
    int frames = 0; // more than one: an animation
};

// Checks that path is a regular file holding a whole picture. A GIF is
// read once and walked block by block up to its trailer, without
// decompressing its pixels; other kinds are decoded. Gives its size and
// frames, or why it cannot be used.
files::Result<Info> check(const QString& path);

// Checks a list of pictures, in order, on a thread of its own while the
// caller builds its windows. While it lives, check() answers for a listed
// path with that thread's result, waiting for it if need be: the caller
// still meets the pictures, and a broken one, in its own order. Other
// paths are checked on the spot. Destroying it stops the thread after the
// picture in hand. One at a time, made and destroyed on one thread.
class ChecksAhead {
public:
    explicit ChecksAhead(const QStringList& paths);
    ~ChecksAhead();
    ChecksAhead(const ChecksAhead&) = delete;
    ChecksAhead& operator=(const ChecksAhead&) = delete;

    struct State;

private:
    std::shared_ptr<State> state_;
    std::thread thread_;
};

// The first frame of a picture file; a null image when it cannot be read.
QImage decodeFirstFrame(const QString& path);

// The files that may hold path's picture for this program's screens, best
// first: where a screen has more than one pixel to the point, name@2x.ext
// beside name.ext when there is one (read with a pixel ratio of 2, so it
// takes the same room), then path itself. Only the plain file is looked at
// on 1x screens. On the GUI thread.
QStringList forScreens(const QString& path);
// The first frame of the first of the files that can be read.
QImage decodeFirstFrame(const QStringList& files);

// The same, decoded on a worker thread that takes the files in the order
// they are asked for, while the caller goes on building its window.
std::shared_future<QImage> decodeFirstFrameAhead(const QString& path);
std::shared_future<QImage> decodeFirstFrameAhead(const QStringList& files);

// A movie playing the file, owned by parent, or why there is none. The
// file is checked first: the movie player accepts a truncated GIF and only
// fails when it reaches the missing part.
files::Result<QMovie*> openMovie(const QString& path, QObject* parent);

} // namespace picture
