// Sending the user to web pages: the one routine that opens an address in
// the browser and reports a failed start, the link labels that call it,
// and keeping a window on top.
#pragma once

#include <QString>

class QWidget;
namespace controls {
class ClickLabel;
}

namespace weblink {

// The home site's front page, and its page with more smilies.
QString homePage();
QString moreSmiliesPage();

// Hands the address to the system's handler for it (the web browser). A
// failed start is reported in a message box titled "Browser Unavailable",
// also when the handler started and fails later (that message comes
// afterwards, from the event loop); the caller is not told.
void openWebPage(QWidget* parent, const QString& address);

// Makes the label a link to address: a thin frame while the mouse button is
// held on it, and one opening per complete click (press and release on it).
void makeLinkLabel(controls::ClickLabel* label, const QString& address);

} // namespace weblink
