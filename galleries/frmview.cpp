// The preview window; see frmview.h.
#include "frmview.h"

#include "weblink.h"

#include <QCloseEvent>

using namespace Qt::StringLiterals;

namespace {
// The preview has no caption. An empty title would not do: the window
// system is then given the program's name instead; a lone blank shows as
// nothing.
const QString kNoCaption = u" "_s;
} // namespace

FrmView::FrmView(QWidget* parent)
    : controls::FormWindow(u"frmView"_s, kNoCaption, {1800, 1365}, Frame::ToolWindow,
                           QPoint(7320, 5400), parent)
{
    setBackgroundFile(u":/art/view_back.png"_s);
    agif_ = new controls::AnimatedPicture(this);
    agif_->setObjectName(u"Agif"_s);
    controls::setTwips(agif_, {60, 60, 1695, 1275});
    agif_->setCursor(Qt::PointingHandCursor);
    connect(agif_, &controls::AnimatedPicture::clicked, this, &FrmView::hidePreview);
}

QString FrmView::viewIt(const QString& path)
{
    // A picture that cannot be played shows an empty preview; the picker
    // still gets its address.
    if (!agif_->setPictureFile(path))
        agif_->play();
    // Above all other windows. Asked before showing: changing the flag of a
    // window on screen makes the system build it anew, which flickers.
    weblink::SetOnTop(this, true);
    show();
    return agif_->tag();
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
