// The preview window; see frmview.h.
#include "galleries/frmview.h"

#include "base/controls/twipgeometry.h"
#include "base/platform/platform.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

FrmView::FrmView(QWidget* parent)
    : controls::FormWindow(u"frmView"_s, QString(), {1800, 1365}, Frame::ToolWindow,
                           QPoint(7320, 5400), parent)
{
    setBackgroundFile(u":/art/view_back.png"_s);
    agif_ = new controls::AnimatedPicture(this);
    agif_->setObjectName(u"Agif"_s);
    controls::setTwips(agif_, {60, 60, 1695, 1275});
    agif_->setCursor(Qt::PointingHandCursor);
    agif_->setAccessibleName(u"معاينة الابتسامة"_s);
    connect(agif_, &controls::AnimatedPicture::clicked, this, &FrmView::hidePreview);
}

QString FrmView::viewIt(const QString& path)
{
    // A picture that cannot be played shows an empty preview; the picker
    // still gets its address.
    if (!agif_->setPictureFile(path))
        agif_->play();
    // Above all other windows, and back from minimised.
    keepOnTop_ = true;
    platform::current().setOnTop(this, true);
    showInFront();
    return agif_->tag();
}

bool FrmView::event(QEvent* event)
{
    // A modal window of the program blocks the preview: the preview, which
    // cannot be used meanwhile, must not cover the modal window's boxes.
    // It goes among the other windows while it is blocked, under the modal
    // window shown after it, and back on top afterwards.
    if (event->type() == QEvent::WindowBlocked && keepOnTop_)
        platform::current().setOnTop(this, false);
    else if (event->type() == QEvent::WindowUnblocked && keepOnTop_)
        platform::current().setOnTop(this, true);
    return controls::FormWindow::event(event);
}

void FrmView::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hidePreview();
}

void FrmView::hidePreview()
{
    hide();
    Q_EMIT closedByUser();
}
