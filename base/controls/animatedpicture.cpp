// The animated-picture viewer; see animatedpicture.h.
#include "base/controls/animatedpicture.h"

#include "base/picture.h"

#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

namespace controls {

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

} // namespace controls
