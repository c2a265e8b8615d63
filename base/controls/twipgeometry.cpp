// A control's twip rectangle; see twipgeometry.h.
#include "base/controls/twipgeometry.h"

#include <QRect>
#include <QVariant>
#include <QWidget>

namespace controls {

namespace {
constexpr char kTwipsProperty[] = "twips";
} // namespace

void setTwips(QWidget* widget, const tw::Rect& rect)
{
    widget->setProperty(kTwipsProperty, QRect(rect.left, rect.top, rect.width, rect.height));
    widget->setGeometry(tw::toPixels(rect));
}

tw::Rect twips(const QWidget* widget)
{
    const QVariant stored = widget->property(kTwipsProperty);
    if (stored.isValid()) {
        const QRect r = stored.toRect();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    const QRect g = widget->geometry();
    return {tw::fromPixels(g.x()), tw::fromPixels(g.y()), tw::fromPixels(g.width()),
            tw::fromPixels(g.height())};
}

void setTwipsLeft(QWidget* widget, int left)
{
    tw::Rect r = twips(widget);
    r.left = left;
    setTwips(widget, r);
}

void setTwipsTop(QWidget* widget, int top)
{
    tw::Rect r = twips(widget);
    r.top = top;
    setTwips(widget, r);
}

void setTwipsHeight(QWidget* widget, int height)
{
    tw::Rect r = twips(widget);
    r.height = height;
    setTwips(widget, r);
}

} // namespace controls
