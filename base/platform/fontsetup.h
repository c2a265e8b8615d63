// The set of faces the program draws with, chosen before the first window
// exists. Drawing text looks a face up, and its fallbacks, among every
// installed font; where the font system allows it, the program narrows
// that set to the faces its windows are designed with (and the look-alike
// faces it ships with), which makes the first drawing of each caption
// several times cheaper.
#pragma once

#include <QString>

namespace fontsetup {

// Call before the application object is created. configFile is the font
// configuration delivered beside the program; nothing happens where it is
// missing, where the user chose a configuration of their own, or where the
// platform does not use one.
void narrowFontSet(const QString& configFile);

// The font configuration delivered beside the running program, found
// without the application object; empty where it cannot be told.
QString deliveredConfig();

} // namespace fontsetup
