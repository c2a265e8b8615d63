// The picture box; see picturebox.h.
#include "base/controls/picturebox.h"

#include <QPaintEvent>
#include <QPainter>

namespace controls {

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

} // namespace controls
