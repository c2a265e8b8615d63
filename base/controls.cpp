// Control kinds of the windows; see controls.h.
#include "controls.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

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

QPixmap decodeFirstFrame(const QString& path)
{
    QImageReader reader(path);
    return QPixmap::fromImage(reader.read());
}

void LazyPicture::set(const QPixmap& picture)
{
    picture_ = picture;
    pendingFile_.clear();
}

void LazyPicture::setFile(const QString& path)
{
    picture_ = QPixmap();
    pendingFile_ = path;
}

const QPixmap& LazyPicture::get() const
{
    if (!pendingFile_.isEmpty()) {
        picture_ = decodeFirstFrame(pendingFile_);
        pendingFile_.clear();
    }
    return picture_;
}

BackgroundPicture::BackgroundPicture(const QString& path)
    : decoding_(std::async(std::launch::async, [path] { return QImageReader(path).read(); }))
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

void ImageBox::setMovie(QMovie* movie)
{
    if (movie_)
        disconnect(movie_, nullptr, this, nullptr);
    movie_ = movie;
    if (movie_) {
        connect(movie_, &QMovie::frameChanged, this, [this] { update(); });
        movie_->start();
    }
    update();
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
                   tw::toPixels(span.width()) + 2 * pad + 1, tw::toPixels(span.height()) + 2 * pad + 1);
    setGeometry(px);
    from_ = QPointF(tw::toPixelsF(fromTwips.x()) - px.left(), tw::toPixelsF(fromTwips.y()) - px.top());
    to_ = QPointF(tw::toPixelsF(toTwips.x()) - px.left(), tw::toPixelsF(toTwips.y()) - px.top());
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_, to_);
}

// -------------------------------------------------------------- ClickLabel

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

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

} // namespace controls
