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
// platform does not use one. Only this program draws with the narrowed
// set: the programs it starts (the web browser) keep the system's.
void narrowFontSet(const QString& configFile);

// Reads the font set (the configuration and the font caches) on another
// thread, while the application object connects to the display; call
// right after narrowFontSet. finishLoadingFontSet waits for it, and must be
// called before the first text is measured or drawn. Both do nothing where
// the platform has no such font set.
void startLoadingFontSet();
void finishLoadingFontSet();

// The font configuration delivered beside the running program, found
// without the application object; empty where it cannot be told.
QString deliveredConfig();

} // namespace fontsetup
