// An icon decoded ahead on the worker thread; see iconahead.h.
#include "base/controls/iconahead.h"

#include "base/picture.h"

#include <QIconEngine>
#include <QImage>
#include <QPixmap>

#include <future>

namespace controls {

namespace {
// Forwards to the icon made from the decoded pictures, made on first use.
class AheadIconEngine : public QIconEngine {
public:
    struct Entry {
        QSize size;
        std::shared_future<QImage> decoding;
    };
    explicit AheadIconEngine(QList<Entry> entries) : entries_(std::move(entries)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Entry& e : entries_)
            sizes << e.size;
        return sizes;
    }
    bool isNull() override { return entries_.isEmpty(); }
    QString key() const override { return QStringLiteral("AheadIconEngine"); }
    QIconEngine* clone() const override { return new AheadIconEngine(*this); }

private:
    const QIcon& icon()
    {
        if (!made_) {
            made_ = true;
            for (const Entry& e : entries_) {
                const QImage image = e.decoding.get();
                if (!image.isNull())
                    icon_.addPixmap(QPixmap::fromImage(image));
            }
        }
        return icon_;
    }

    QList<Entry> entries_;
    bool made_ = false;
    QIcon icon_;
};
} // namespace

QIcon iconAhead(const QList<std::pair<QString, QSize>>& files)
{
    QList<AheadIconEngine::Entry> entries;
    for (const auto& [path, size] : files)
        entries.append({size, picture::decodeFirstFrameAhead(picture::forScreens(path))});
    return QIcon(new AheadIconEngine(std::move(entries)));
}

} // namespace controls
