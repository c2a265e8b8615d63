// Picture files; see picture.h.
#include "base/picture.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QMovie>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

using namespace Qt::StringLiterals;

namespace picture {

namespace {

files::Failure invalid(const QString& path, const QString& reason)
{
    return {path, u"Invalid picture (%1):\n%2"_s.arg(reason, QDir::toNativeSeparators(path))};
}

// Walks a GIF: header, screen descriptor, colour table, then extension and
// image blocks, each made of length-prefixed sub-blocks, up to the trailer.
class GifWalker {
public:
    GifWalker(const QString& path, const QByteArray& data) : path_(path), data_(data) {}

    files::Result<Info> run()
    {
        if (data_.size() < 13)
            return invalid(path_, u"the file is cut short"_s);
        if (!data_.startsWith("GIF87a") && !data_.startsWith("GIF89a"))
            return invalid(path_, u"not a GIF picture"_s);
        const int width = word(6);
        const int height = word(8);
        if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
            return invalid(path_, u"implausible size %1 x %2"_s.arg(width).arg(height));
        pos_ = 13;
        if (!skipColourTable(byte(10)))
            return invalid(path_, u"the file is cut short"_s);

        int frames = 0;
        for (;;) {
            if (pos_ >= data_.size())
                return invalid(path_, u"the file is cut short"_s);
            const int block = byte(pos_++);
            if (block == 0x3B)
                break;
            if (block == 0x21) {
                ++pos_; // the extension's label
                if (!skipSubBlocks())
                    return invalid(path_, u"the file is cut short"_s);
            } else if (block == 0x2C) {
                if (pos_ + 9 > data_.size())
                    return invalid(path_, u"the file is cut short"_s);
                const int left = word(pos_), top = word(pos_ + 2);
                const int w = word(pos_ + 4), h = word(pos_ + 6);
                if (w <= 0 || h <= 0 || left + w > width || top + h > height)
                    return invalid(path_, u"frame %1 lies outside the picture"_s.arg(frames + 1));
                const int flags = byte(pos_ + 8);
                pos_ += 9;
                if (!skipColourTable(flags) || pos_ >= data_.size())
                    return invalid(path_, u"the file is cut short"_s);
                const int codeSize = byte(pos_++);
                if (codeSize < 1 || codeSize > 11)
                    return invalid(path_, u"frame %1 is damaged"_s.arg(frames + 1));
                if (!skipSubBlocks())
                    return invalid(path_, u"the file is cut short"_s);
                ++frames;
            } else {
                return invalid(path_, u"damaged at byte %1"_s.arg(pos_ - 1));
            }
        }
        if (frames == 0)
            return invalid(path_, u"the picture holds no image"_s);
        return Info{QSize(width, height), frames};
    }

private:
    int byte(qsizetype at) const { return static_cast<unsigned char>(data_.at(at)); }
    int word(qsizetype at) const { return byte(at) | byte(at + 1) << 8; }

    bool skipColourTable(int flags)
    {
        if (flags & 0x80)
            pos_ += 3 * (qsizetype(1) << ((flags & 7) + 1));
        return pos_ <= data_.size();
    }

    bool skipSubBlocks()
    {
        for (;;) {
            if (pos_ >= data_.size())
                return false;
            const int length = byte(pos_++);
            if (length == 0)
                return true;
            pos_ += length;
        }
    }

    const QString& path_;
    const QByteArray& data_;
    qsizetype pos_ = 0;
};

} // namespace

struct ChecksAhead::State {
    QStringList paths;
    // Where each path stands in the list, in the order it is asked for.
    QHash<QString, std::deque<int>> positions;
    std::mutex mutex;
    std::condition_variable checked;
    std::vector<std::optional<files::Result<Info>>> results;
    std::atomic<bool> stop = false;
    bool finished = false;

    // The thread's result for path, or nothing where path is not waiting
    // on the list.
    std::optional<files::Result<Info>> take(const QString& path)
    {
        std::unique_lock lock(mutex);
        const auto found = positions.find(path);
        if (found == positions.end() || found->empty())
            return std::nullopt;
        const int at = found->front();
        found->pop_front();
        checked.wait(lock, [&] { return results[static_cast<size_t>(at)] || finished; });
        return std::exchange(results[static_cast<size_t>(at)], std::nullopt);
    }
};

namespace {
std::mutex activeMutex;
std::shared_ptr<ChecksAhead::State> active;

files::Result<Info> checkNow(const QString& path);
} // namespace

ChecksAhead::ChecksAhead(const QStringList& paths) : state_(std::make_shared<State>())
{
    state_->paths = paths;
    state_->results.resize(static_cast<size_t>(paths.size()));
    for (int i = 0; i < paths.size(); ++i)
        state_->positions[paths.at(i)].push_back(i);
    thread_ = std::thread([state = state_] {
        for (qsizetype i = 0; i < state->paths.size() && !state->stop; ++i) {
            files::Result<Info> result = checkNow(state->paths.at(i));
            const std::lock_guard lock(state->mutex);
            state->results[static_cast<size_t>(i)] = std::move(result);
            state->checked.notify_all();
        }
        const std::lock_guard lock(state->mutex);
        state->finished = true;
        state->checked.notify_all();
    });
    const std::lock_guard lock(activeMutex);
    active = state_;
}

ChecksAhead::~ChecksAhead()
{
    {
        const std::lock_guard lock(activeMutex);
        if (active == state_)
            active.reset();
    }
    state_->stop = true;
    thread_.join();
}

files::Result<Info> check(const QString& path)
{
    std::shared_ptr<ChecksAhead::State> ahead;
    {
        const std::lock_guard lock(activeMutex);
        ahead = active;
    }
    if (ahead) {
        if (auto result = ahead->take(path))
            return *std::move(result);
    }
    return checkNow(path);
}

namespace {
files::Result<Info> checkNow(const QString& path)
{
    const files::Result<QByteArray> read = files::readAll(path);
    if (!read.ok())
        return read.failure();
    QByteArray data = read.value();
    if (data.isEmpty())
        return invalid(path, u"the file is empty"_s);
    if (data.startsWith("GIF8"))
        return GifWalker(path, data).run();
    // Other kinds (JPEG, BMP, PNG, icons) are small here: decode them.
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        return invalid(path, reader.errorString());
    if (image.width() > kMaxSide || image.height() > kMaxSide)
        return invalid(path, u"implausible size %1 x %2"_s.arg(image.width()).arg(image.height()));
    return Info{image.size(), std::max(1, reader.imageCount())};
}
} // namespace

QImage decodeFirstFrame(const QString& path)
{
    QImageReader reader(path);
    return reader.read();
}

QStringList forScreens(const QString& path)
{
    if (!qGuiApp || qGuiApp->devicePixelRatio() <= 1.0)
        return {path};
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= path.lastIndexOf(u'/'))
        return {path};
    QString sharper = path;
    sharper.insert(dot, u"@2x"_s);
    if (!QFileInfo::exists(sharper))
        return {path};
    return {sharper, path};
}

QImage decodeFirstFrame(const QStringList& files)
{
    // A sharper copy that cannot be read leaves the plain picture.
    for (const QString& file : files) {
        if (QImage image = decodeFirstFrame(file); !image.isNull())
            return image;
    }
    return {};
}

std::shared_future<QImage> decodeFirstFrameAhead(const QString& path)
{
    return decodeFirstFrameAhead(QStringList{path});
}

std::shared_future<QImage> decodeFirstFrameAhead(const QStringList& files)
{
    // One worker: the second core decodes while the first builds windows,
    // and the pictures come out in the order they were asked for.
    static QThreadPool* const worker = [] {
        auto* pool = new QThreadPool;
        pool->setMaxThreadCount(1);
        return pool;
    }();
    auto task =
        std::make_shared<std::packaged_task<QImage()>>([files] { return decodeFirstFrame(files); });
    std::shared_future<QImage> decoded = task->get_future().share();
    worker->start([task] { (*task)(); });
    return decoded;
}

files::Result<QMovie*> openMovie(const QString& path, QObject* parent)
{
    const files::Result<Info> checked = check(path);
    if (!checked.ok())
        return checked.failure();
    auto* movie = new QMovie(path, QByteArray(), parent);
    if (!movie->isValid()) {
        const files::Failure failure = invalid(path, movie->lastErrorString());
        delete movie;
        return failure;
    }
    return movie;
}

} // namespace picture
