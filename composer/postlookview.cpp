// The post's look pane; see postlookview.h.
#include "composer/postlookview.h"

#include "base/forumcode/postlook.h"
#include "base/makeup.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QImageReader>
#include <QMovie>
#include <QPainter>
#include <QScrollBar>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

void collectPictures(const forumcode::PostNode& node, QStringList& addresses)
{
    if (node.kind == forumcode::PostNode::Kind::Picture)
        addresses.append(node.text);
    for (const forumcode::PostNode& child : node.children)
        collectPictures(child, addresses);
}

// The longest placeholder, in pixels: a long address is cut in its middle,
// where it says least.
constexpr int kPlaceholderMaxWidth = 360;
// Placeholders drawn once are kept for the next drawings of the post, up to
// this many addresses.
constexpr qsizetype kPlaceholdersKept = 1000;

} // namespace

PostLookView::PostLookView(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    // Selectable for copying a piece, but a link is no button here.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setUndoRedoEnabled(false);
    // A classic forum draws its posts in Tahoma at the browser's 16 px.
    QFont base = makeup::font(u"Tahoma"_s, 12, false);
    base.setPixelSize(16);
    document()->setDefaultFont(base);
    // The scroll bar stands on the left, as in the editor's pane.
    setLayoutDirection(Qt::RightToLeft);
}

PostLookView::~PostLookView() = default;

void PostLookView::setLocalPictures(std::optional<LocalPictures> pictures)
{
    pictures_ = std::move(pictures);
    // A picture drawn before may now stand for another file.
    for (auto& [file, animation] : animations_)
        forget(animation);
    animations_.clear();
    addresses_.clear();
    placeholders_.clear();
}

void PostLookView::showPost(const QString& post, forumcode::Engine engine)
{
    const forumcode::PostNode tree = forumcode::readPost(post, engine);
    QStringList pictures;
    collectPictures(tree, pictures);
    QSet<QString> files;
    for (const QString& address : std::as_const(pictures)) {
        addresses_.insert(QUrl(address).toString(), address);
        if (pictures_) {
            if (const std::optional<QString> file = pictures_->fileFor(address))
                files.insert(*file);
        }
    }
    // Pictures no longer in the post stop playing.
    for (auto it = animations_.begin(); it != animations_.end();) {
        if (files.contains(it->first)) {
            ++it;
        } else {
            forget(it->second);
            it = animations_.erase(it);
        }
    }

    QScrollBar* vertical = verticalScrollBar();
    const int top = vertical->value();
    const bool atEnd = top > 0 && top == vertical->maximum();
    const int across = horizontalScrollBar()->value();
    setHtml(forumcode::postHtml(tree, engine));
    // The whole post laid out now, so that the scroll bars have their new
    // range before the position is put back.
    document()->documentLayout()->documentSize();
    vertical->setValue(atEnd ? vertical->maximum() : top);
    horizontalScrollBar()->setValue(across);
}

bool PostLookView::isAnimating() const
{
    for (const auto& [file, animation] : animations_) {
        if (animation.movie->state() == QMovie::Running)
            return true;
    }
    return false;
}

QVariant PostLookView::loadResource(int type, const QUrl& name)
{
    // Whatever is not a picture stays empty: the document must not go and
    // read it from a file or anywhere else.
    if (type != QTextDocument::ImageResource)
        return QByteArray();
    const QString address = addresses_.value(name.toString(), name.toString());
    if (pictures_) {
        if (const std::optional<QString> file = pictures_->fileFor(address)) {
            const QPixmap picture = localPicture(*file, name);
            if (!picture.isNull())
                return picture;
        }
    }
    return placeholder(address);
}

QPixmap PostLookView::localPicture(const QString& file, const QUrl& name)
{
    if (auto it = animations_.find(file); it != animations_.end()) {
        if (!it->second.names.contains(name))
            it->second.names.append(name);
        return it->second.movie->currentPixmap();
    }
    if (const auto still = stills_.constFind(file); still != stills_.cend())
        return *still;

    QImageReader reader(file);
    if (reader.supportsAnimation() && reader.imageCount() > 1) {
        auto* movie = new QMovie(file, QByteArray(), this);
        movie->setCacheMode(QMovie::CacheAll);
        if (!movie->isValid() || !movie->jumpToFrame(0)) {
            delete movie;
            return {};
        }
        animations_[file] = {movie, {name}};
        connect(movie, &QMovie::frameChanged, this, [this, file] {
            const auto it = animations_.find(file);
            if (it == animations_.end())
                return;
            const QPixmap frame = it->second.movie->currentPixmap();
            for (const QUrl& url : std::as_const(it->second.names))
                document()->addResource(QTextDocument::ImageResource, url, frame);
            viewport()->update();
        });
        if (playing_)
            movie->start();
        return movie->currentPixmap();
    }
    const QPixmap picture = QPixmap::fromImageReader(&reader);
    if (!picture.isNull())
        stills_.insert(file, picture);
    return picture;
}

void PostLookView::forget(Animation& animation)
{
    delete animation.movie;
    animation.movie = nullptr;
    // The last frame given to the document would otherwise stand for the
    // address from now on.
    for (const QUrl& url : std::as_const(animation.names))
        document()->addResource(QTextDocument::ImageResource, url, QVariant());
}

QPixmap PostLookView::placeholder(const QString& address)
{
    if (const auto known = placeholders_.constFind(address); known != placeholders_.cend())
        return *known;
    QFont font = document()->defaultFont();
    font.setPixelSize(12);
    const QFontMetrics metrics(font);
    const int padding = 6;
    const int width =
        std::min(metrics.horizontalAdvance(address) + 2 * padding + 2, kPlaceholderMaxWidth);
    const QSize size(std::max(width, 2 * padding + 2), metrics.height() + 2 * padding);
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(QColor(245, 245, 245));
    QPainter painter(&picture);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    // An address reads left to right, whatever the post around it.
    painter.setLayoutDirection(Qt::LeftToRight);
    const QRect inside(padding + 1, padding, size.width() - 2 * padding - 2, metrics.height());
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight,
                     metrics.elidedText(address, Qt::ElideMiddle, inside.width()));
    painter.end();
    if (placeholders_.size() > kPlaceholdersKept)
        placeholders_.clear();
    placeholders_.insert(address, picture);
    return picture;
}

void PostLookView::setPlaying(bool playing)
{
    playing_ = playing;
    for (auto& [file, animation] : animations_) {
        const QMovie::MovieState state = animation.movie->state();
        if (playing && state == QMovie::Paused)
            animation.movie->setPaused(false);
        else if (playing && state == QMovie::NotRunning)
            animation.movie->start();
        else if (!playing && state == QMovie::Running)
            animation.movie->setPaused(true);
    }
}

void PostLookView::showEvent(QShowEvent* event)
{
    setPlaying(true);
    QTextEdit::showEvent(event);
}

void PostLookView::hideEvent(QHideEvent* event)
{
    setPlaying(false);
    QTextEdit::hideEvent(event);
}
