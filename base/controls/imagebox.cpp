// The image control; see imagebox.h.
#include "base/controls/imagebox.h"

#include "base/controls/mousereport.h"
#include "base/controls/twipgeometry.h"
#include "base/picture.h"
#include "base/twips.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

namespace controls {

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

} // namespace controls
