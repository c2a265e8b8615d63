// Secondary windows; see formwindow.h.
#include "base/formwindow.h"

#include "base/platform/platform.h"

#include <QPainter>
#include <QShowEvent>

namespace controls {

namespace {

Qt::WindowFlags flagsFor(FormWindow::Frame frame)
{
    switch (frame) {
    case FormWindow::Frame::FixedSingle:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case FormWindow::Frame::ToolWindow:
        return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case FormWindow::Frame::Sizable:
        break;
    }
    return Qt::Window;
}

} // namespace

FormWindow::FormWindow(const QString& name, const QString& caption, QSize clientTwips, Frame frame,
                       std::optional<QPoint> storedPositionTwips, QWidget* parent)
    : QWidget(parent, flagsFor(frame)), frame_(frame), storedPosition_(storedPositionTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    const QSize size =
        tw::toPixels(tw::Rect{0, 0, clientTwips.width(), clientTwips.height()}).size();
    if (frame == Frame::Sizable)
        resize(size);
    else
        setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormWindow::setBackgroundFile(const QString& path)
{
    picture_.setFile(path);
    update();
}

void FormWindow::setBackgroundColour(const QColor& colour)
{
    background_ = colour;
    update();
}

void FormWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (const QPixmap& picture = picture_.get(); !picture.isNull())
        painter.drawPixmap(0, 0, picture);
}

void FormWindow::showInFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
}

void FormWindow::showEvent(QShowEvent* event)
{
    // The window manager drops a window's states when it is hidden, so a
    // tool window is marked each time before it is shown.
    if (frame_ == Frame::ToolWindow && !event->spontaneous())
        platform::current().markToolWindow(this);
    // Placed at its stored position the first time it is shown; after that
    // it stays wherever the user moved it.
    if (!placed_ && storedPosition_) {
        // The stored position is that of the client area, which is what
        // setGeometry places (move() would place the frame).
        const QPoint px(tw::toPixels(storedPosition_->x()), tw::toPixels(storedPosition_->y()));
        setGeometry(QRect(px, size()));
    }
    placed_ = true;
    QWidget::showEvent(event);
}

} // namespace controls
