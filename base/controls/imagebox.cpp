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
        fitToPicture(this, picture.deviceIndependentSize().toSize());
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
    // The sharper copy first on 2x screens; the plain file answers for
    // itself.
    std::optional<files::Failure> failure;
    for (const QString& file : picture::forScreens(path)) {
        const files::Result<QMovie*> movie = picture::openMovie(file, this);
        if (movie.ok()) {
            movie_ = movie.value();
            break;
        }
        failure = movie.failure();
    }
    if (!movie_)
        return failure;
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

QPixmap ImageBox::shownPicture() const
{
    return movie_ ? movie_->currentPixmap() : picture();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    const QPixmap frame = shownPicture();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(rect(), frame);
    else
        painter.drawPixmap(0, 0, frame);
    if (hasFocus())
        paintFocusFrame(this, painter);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    reportPress(this, event);
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    reportRelease(this, event);
}

void ImageBox::choose()
{
    reportClick(this, Qt::LeftButton);
}

void ImageBox::keyPressEvent(QKeyEvent* event)
{
    if (!reportKey(this, event))
        QWidget::keyPressEvent(event);
}

void ImageBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (!takeKeyboardMenu(this, event))
        QWidget::contextMenuEvent(event);
}

void ImageBox::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void ImageBox::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace controls
