// The animated-picture preview (frmView): plays a smiley for the smilies
// picker and hands back the address the picker stored with it.
#pragma once

#include "formwindow.h"

class FrmView : public controls::FormWindow {
    Q_OBJECT
public:
    explicit FrmView(QWidget* parent = nullptr);
};
