// Control kinds of the windows; see controls.h.
#include "base/controls.h"

#include <QIconEngine>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QTimer>

namespace controls {

namespace {
constexpr char kTwipsProperty[] = "twips";

// The mouse events every clickable control reports the same way: the
// button of a press and of a release, and a click for a left-button
// release over the control.
template <typename Control> void reportPress(Control* control, const QMouseEvent* event)
{
    Q_EMIT control->mouseDown(event->button());
}

template <typename Control> void reportRelease(Control* control, const QMouseEvent* event)
{
    Q_EMIT control->mouseUp(event->button());
    if (event->button() == Qt::LeftButton && control->rect().contains(event->position().toPoint()))
        Q_EMIT control->clicked();
}
} // namespace

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
        entries.append({size, picture::decodeFirstFrameAhead(path)});
    return QIcon(new AheadIconEngine(std::move(entries)));
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

void setTwips(QWidget* widget, const tw::Rect& rect)
{
    widget->setProperty(kTwipsProperty, QRect(rect.left, rect.top, rect.width, rect.height));
    widget->setGeometry(tw::toPixels(rect));
}

tw::Rect twips(const QWidget* widget)
{
    const QVariant stored = widget->property(kTwipsProperty);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {tw::fromPixels(g.x()), tw::fromPixels(g.y()), tw::fromPixels(g.width()),
            tw::fromPixels(g.height())};
}

void setTwipsLeft(QWidget* widget, int left)
{
    tw::Rect r = twips(widget);
    r.left = left;
    setTwips(widget, r);
}

void setTwipsTop(QWidget* widget, int top)
{
    tw::Rect r = twips(widget);
    r.top = top;
    setTwips(widget, r);
}

void setTwipsHeight(QWidget* widget, int height)
{
    tw::Rect r = twips(widget);
    r.height = height;
    setTwips(widget, r);
}

// ---------------------------------------------------------------- ImageBox

ImageBox::ImageBox(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

namespace {
// An unstretched image takes the size of its picture.
void fitToPicture(ImageBox* box, const QSize& size)
{
    tw::Rect r = twips(box);
    r.width = tw::fromPixels(size.width());
    r.height = tw::fromPixels(size.height());
    setTwips(box, r);
}
} // namespace

void ImageBox::setPicture(const QPixmap& picture)
{
    picture_.set(picture);
    if (!stretch_ && !picture.isNull())
        fitToPicture(this, picture.size());
    update();
}

void ImageBox::setPictureFile(const QString& path, const QSize& size)
{
    picture_.setFile(path);
    if (!stretch_ && size.isValid())
        fitToPicture(this, size);
    update();
}

std::optional<files::Failure> ImageBox::playFile(const QString& path)
{
    delete movie_;
    movie_ = nullptr;
    const files::Result<QMovie*> movie = picture::openMovie(path, this);
    if (!movie.ok())
        return movie.failure();
    movie_ = movie.value();
    connect(movie_, &QMovie::frameChanged, this, [this] { update(); });
    if (isVisible())
        movie_->start();
    update();
    return std::nullopt;
}

void ImageBox::showEvent(QShowEvent* event)
{
    if (movie_ && movie_->state() != QMovie::Running)
        movie_->start();
    QWidget::showEvent(event);
}

void ImageBox::hideEvent(QHideEvent* event)
{
    // A hidden animation costs nothing.
    if (movie_)
        movie_->setPaused(true);
    QWidget::hideEvent(event);
}

ImageBox* ImageBox::copyOf(QWidget* parent) const
{
    auto* copy = new ImageBox(parent, stretch_);
    copy->setObjectName(objectName());
    copy->setToolTip(toolTip());
    copy->setCursor(cursor());
    copy->hide();
    setTwips(copy, twips(this));
    return copy;
}

void ImageBox::paintEvent(QPaintEvent*)
{
    const QPixmap frame = movie_ ? movie_->currentPixmap() : picture();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(rect(), frame);
    else
        painter.drawPixmap(0, 0, frame);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    reportPress(this, event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    reportRelease(this, event);
}

// -------------------------------------------------------------- PictureBox

PictureBox::PictureBox(QWidget* parent, const QColor& background)
    : QWidget(parent), background_(background)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_.set(picture);
    update();
}

void PictureBox::setPictureFile(const QString& path)
{
    picture_.setFile(path);
    update();
}

void PictureBox::setBackground(const QColor& colour)
{
    background_ = colour;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    if (const QPixmap& picture = picture_.get(); !picture.isNull())
        painter.drawPixmap(0, 0, picture);
}

// -------------------------------------------------------------- FrameShape

FrameShape::FrameShape(QWidget* parent, const QColor& fill, const QColor& outline, int lineWidth)
    : QWidget(parent), fill_(fill), outline_(outline), lineWidth_(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = lineWidth_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    // Corners in proportion to the smaller side, like a classic rounded
    // rectangle shape, but never so round that a thin frame becomes a pill.
    const qreal radius = std::min<qreal>(std::min(box.width(), box.height()) / 4.0, 10.0);
    painter.setPen(QPen(outline_, lineWidth_));
    painter.setBrush(fill_);
    painter.drawRoundedRect(box, radius, radius);
}

// --------------------------------------------------------------- LineShape

LineShape::LineShape(QWidget* parent, QPoint fromTwips, QPoint toTwips, const QColor& colour,
                     int width)
    : QWidget(parent), colour_(colour), width_(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = width;
    const QRect span = QRect(fromTwips, toTwips).normalized();
    const QRect px(tw::toPixels(span.left()) - pad, tw::toPixels(span.top()) - pad,
                   tw::toPixels(span.width()) + 2 * pad + 1,
                   tw::toPixels(span.height()) + 2 * pad + 1);
    setGeometry(px);
    from_ =
        QPointF(tw::toPixelsF(fromTwips.x()) - px.left(), tw::toPixelsF(fromTwips.y()) - px.top());
    to_ = QPointF(tw::toPixelsF(toTwips.x()) - px.left(), tw::toPixelsF(toTwips.y()) - px.top());
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

// -------------------------------------------------------------- ClickLabel

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
}

void ClickLabel::setBorderStyle(int style)
{
    borderStyle_ = style;
    update();
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    reportPress(this, event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    reportRelease(this, event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (borderStyle_ == 1) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// --------------------------------------------------------- AnimatedPicture

AnimatedPicture::AnimatedPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

std::optional<files::Failure> AnimatedPicture::setPictureFile(const QString& path)
{
    delete movie_;
    movie_ = nullptr;
    playing_ = false;
    frames_ = 0;
    file_ = path;
    update();
    const files::Result<picture::Info> checked = picture::check(path);
    if (!checked.ok())
        return checked.failure();
    const files::Result<QMovie*> movie = picture::openMovie(path, this);
    if (!movie.ok())
        return movie.failure();
    movie_ = movie.value();
    frames_ = checked.value().frames;
    connect(movie_, &QMovie::frameChanged, this, [this] { update(); });
    movie_->jumpToFrame(0);
    return std::nullopt;
}

void AnimatedPicture::play()
{
    if (!movie_)
        return;
    playing_ = true;
    followVisibility();
    update();
}

bool AnimatedPicture::isAnimating() const
{
    return movie_ && movie_->state() == QMovie::Running;
}

void AnimatedPicture::followVisibility()
{
    if (!movie_ || !playing_)
        return;
    const bool seen = isVisible() && !window()->isMinimized();
    if (!seen) {
        if (movie_->state() == QMovie::Running)
            movie_->setPaused(true);
        return;
    }
    // A still picture needs no timer.
    if (frames_ <= 1)
        return;
    if (movie_->state() == QMovie::Paused)
        movie_->setPaused(false);
    else if (movie_->state() == QMovie::NotRunning)
        movie_->start();
}

void AnimatedPicture::paintEvent(QPaintEvent*)
{
    if (!movie_ || !playing_)
        return;
    const QPixmap frame = movie_->currentPixmap();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSize size = frame.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(target, frame);
}

void AnimatedPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void AnimatedPicture::showEvent(QShowEvent* event)
{
    QWidget* top = window();
    if (top != watchedWindow_) {
        if (watchedWindow_)
            watchedWindow_->removeEventFilter(this);
        watchedWindow_ = top;
        watchedWindow_->installEventFilter(this);
    }
    followVisibility();
    QWidget::showEvent(event);
}

void AnimatedPicture::hideEvent(QHideEvent* event)
{
    followVisibility();
    QWidget::hideEvent(event);
}

bool AnimatedPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_ && event->type() == QEvent::WindowStateChange)
        followVisibility();
    return QWidget::eventFilter(watched, event);
}

// ----------------------------------------------------------- code boxes

void selectAllFromStart(QLineEdit* box)
{
    // Selected backwards, so that the caret, which the box keeps in view,
    // stands at the start of the code.
    const int length = static_cast<int>(box->text().size());
    box->setSelection(length, -length);
}

namespace {

class SelectAllFilter : public QObject {
public:
    explicit SelectAllFilter(QLineEdit* box) : QObject(box)
    {
        // A code put into the box shows its start; a line edit would scroll
        // to its end. Typing keeps the caret where the user types.
        connect(box, &QLineEdit::textEdited, this, [this] { edited_ = true; });
        connect(box, &QLineEdit::textChanged, this, [this, box] {
            if (!edited_)
                box->setCursorPosition(0);
            edited_ = false;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A box being destroyed is no longer a QLineEdit when it loses
        // the focus; the cast then yields null and the event passes.
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box)
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            // After the line edit's own focus handling, which may place the
            // caret where the mouse went down.
            QTimer::singleShot(0, box, [box] { selectAllFromStart(box); });
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            selectAllFromStart(box);
            return false;
        default:
            break;
        }
        return false;
    }

private:
    bool edited_ = false;
};

} // namespace

void selectAllOnFocusAndClick(QLineEdit* box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

} // namespace controls
