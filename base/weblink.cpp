// Web pages and link labels; see weblink.h.
#include "weblink.h"

#include "controls.h"
#include "platform.h"
#include "prompt.h"
#include "sites.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace weblink {

QString homePage()
{
    return u"http://"_s + QLatin1StringView(sites::kHomeSiteHost) + u"/"_s;
}

QString moreSmiliesPage()
{
    return u"http://"_s + QLatin1StringView(sites::kHomeSiteHost) + u"/Smile.htm"_s;
}

void openWebPage(QWidget* parent, const QString& address)
{
    const int result =
        platform::current().openDocument(address, QCoreApplication::applicationDirPath());
    const QString title = u"Browser Unavailable"_s;
    if (result < platform::kNoAssociation) {
        prompt::message(parent,
                        u"Problem running your web browser. You should check that your browser is "
                        "correctly installed. (Error %1)"_s.arg(result),
                        prompt::Icon::Exclamation, title);
    } else if (result == platform::kNoAssociation) {
        prompt::message(parent,
                        prompt::appTitle() + u" could not find a file association for "_s +
                            address +
                            u" on your system. You should check that your browser is correctly "
                            "installed and associated with this type of file."_s,
                        prompt::Icon::Exclamation, title);
    }
}

void makeLinkLabel(controls::ClickLabel* label, const QString& address)
{
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &controls::ClickLabel::mouseDown, label,
                     [label](Qt::MouseButton) { label->setBorderStyle(1); });
    QObject::connect(label, &controls::ClickLabel::mouseUp, label,
                     [label](Qt::MouseButton) { label->setBorderStyle(0); });
    QObject::connect(label, &controls::ClickLabel::clicked, label,
                     [label, address] { openWebPage(label->window(), address); });
}

void SetOnTop(QWidget* window, bool onTop)
{
    platform::current().setOnTop(window, onTop);
}

} // namespace weblink
