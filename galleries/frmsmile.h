// The smilies picker (frmSmile): three grids of smilies; a click previews
// one and puts its picture code into the code box.
#pragma once

#include "appfolder.h"
#include "formwindow.h"

class FrmView;

class FrmSmile : public controls::FormWindow {
    Q_OBJECT
public:
    FrmSmile(const appfolder::AppFolder& folder, FrmView& preview, QWidget* parent = nullptr);

private:
    appfolder::AppFolder folder_;
    FrmView& preview_;
};
