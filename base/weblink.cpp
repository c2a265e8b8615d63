// Web pages and link labels; see weblink.h.
#include "base/weblink.h"

#include "base/controls/clicklabel.h"
#include "base/platform/platform.h"
#include "base/prompt.h"
#include "base/sites.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <utility>

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

namespace {

// The message for a failed start, if result is one.
void reportFailure(QWidget* parent, const QString& address, const platform::OpenResult& result)
{
    const QString title = u"Browser Unavailable"_s;
    switch (result.outcome) {
    case platform::OpenOutcome::Opened:
        break;
    case platform::OpenOutcome::Failed:
        prompt::message(parent,
                        u"Problem running your web browser. You should check that your browser is "
                        "correctly installed. (Error %1)"_s.arg(result.systemError),
                        prompt::Icon::Exclamation, title);
        break;
    case platform::OpenOutcome::NoAssociation:
        prompt::message(parent,
                        prompt::appTitle() + u" could not find a file association for "_s +
                            address +
                            u" on your system. You should check that your browser is correctly "
                            "installed and associated with this type of file."_s,
                        prompt::Icon::Exclamation, title);
        break;
    }
}

} // namespace

void openWebPage(QWidget* parent, const QString& address)
{
    // A failure that arrives later is shown over the window if it is still
    // there, and on its own otherwise.
    const QPointer<QWidget> owner(parent);
    const platform::OpenResult result =
        platform::current().openDocument(address, QCoreApplication::applicationDirPath(),
                                         [owner, address](const platform::OpenResult& late) {
                                             reportFailure(owner, address, late);
                                         });
    reportFailure(parent, address, result);
}

namespace {

// Tells a link label's second click of a double click from a click of its
// own: a double click opens the page once, not twice.
class DoubleClickWatch : public QObject {
public:
    using QObject::QObject;
    // True once for the release that ends a double click.
    bool takeDoubleClick() { return std::exchange(inDoubleClick_, false); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            inDoubleClick_ = true;
        else if (event->type() == QEvent::MouseButtonPress)
            inDoubleClick_ = false;
        return false;
    }

private:
    bool inDoubleClick_ = false;
};

} // namespace

void makeLinkLabel(controls::ClickLabel* label, const QString& address)
{
    label->setCursor(Qt::PointingHandCursor);
    auto* watch = new DoubleClickWatch(label);
    label->installEventFilter(watch);
    QObject::connect(label, &controls::ClickLabel::mouseDown, label,
                     [label](Qt::MouseButton) { label->setBorderStyle(1); });
    QObject::connect(label, &controls::ClickLabel::mouseUp, label,
                     [label](Qt::MouseButton) { label->setBorderStyle(0); });
    QObject::connect(label, &controls::ClickLabel::clicked, label, [label, watch, address] {
        if (!watch->takeDoubleClick())
            openWebPage(label->window(), address);
    });
}

} // namespace weblink
