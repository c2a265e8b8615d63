// The preview window; see frmview.h.
#include "frmview.h"

using namespace Qt::StringLiterals;

FrmView::FrmView(QWidget* parent)
    : controls::FormWindow(u"frmView"_s, QString(), {1800, 1365}, Frame::ToolWindow,
                           QPoint(7320, 5400), parent)
{
    setBackgroundFile(u":/art/view_back.png"_s);
}
