// The smilies picker; see frmsmile.h.
#include "frmsmile.h"

#include "frmview.h"

using namespace Qt::StringLiterals;

FrmSmile::FrmSmile(const appfolder::AppFolder& folder, FrmView& preview, QWidget* parent)
    : controls::FormWindow(u"frmSmile"_s, u"Smilies"_s, {6480, 8265}, Frame::FixedSingle,
                           QPoint(4380, 825), parent),
      folder_(folder), preview_(preview)
{
    setBackgroundFile(u":/art/smile_back.png"_s);
}
