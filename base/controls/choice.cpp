// Controls the keyboard can reach and choose; see choice.h.
#include "base/controls/choice.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWidget>

namespace controls {

namespace {

// The role a choice plays for a screen reader; unset on every other
// control.
constexpr const char* kRoleProperty = "tarnwellChoiceRole";

// A choice read as a button (or tab, or link) that can be pressed, rather
// than as an anonymous client area or a static text.
class ChoiceAccessible : public QAccessibleWidget {
public:
    ChoiceAccessible(QWidget* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "choose");
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* choiceFactory(const QString&, QObject* object)
{
    auto* control = qobject_cast<QWidget*>(object);
    if (!control)
        return nullptr;
    const QVariant role = control->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new ChoiceAccessible(control, static_cast<QAccessible::Role>(role.toInt()));
}

class ClickOnEnter : public QObject {
public:
    explicit ClickOnEnter(QAbstractButton* button) : QObject(button), button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            button_->click();
        return true;
    }

private:
    QAbstractButton* button_;
};

// Keeps a label's focus policy off while the label handles its polish. Qt
// makes a label that can take the focus a text document of its own there,
// a tenth of a millisecond each; without it the document is made only if
// the label ever takes the focus, and the start-up's dozens of picker
// labels cost nothing. The policy is off only for that moment: the pages'
// setTabOrder passes over controls that cannot take the focus.
class NoFocusWhilePolished : public QObject {
public:
    explicit NoFocusWhilePolished(QWidget* label) : QObject(label) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Polish)
            return false;
        auto* label = static_cast<QWidget*>(watched);
        label->removeEventFilter(this);
        const Qt::FocusPolicy policy = label->focusPolicy();
        label->setFocusPolicy(Qt::NoFocus);
        static_cast<QObject*>(label)->event(event);
        label->setFocusPolicy(policy);
        deleteLater();
        return true;
    }
};

} // namespace

void makeChoice(QWidget* control, const QString& name, QAccessible::Role role)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(choiceFactory);
        return true;
    }();
    (void)factoryInstalled;
    control->setProperty(kRoleProperty, static_cast<int>(role));
    control->setFocusPolicy(Qt::TabFocus);
    if (qobject_cast<QLabel*>(control) && !control->testAttribute(Qt::WA_WState_Polished))
        control->installEventFilter(new NoFocusWhilePolished(control));
    control->setAccessibleName(name);
}

bool isChoice(const QWidget* control)
{
    return control->property(kRoleProperty).isValid();
}

bool choosesByKey(const QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
           event->key() == Qt::Key_Space;
}

bool asksForMenu(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

void paintFocusFrame(QWidget* control, QPainter& painter)
{
    // In the control's own units: two units wide at 1x, and twice as many
    // screen pixels at 2x, so that the frame keeps its weight.
    static const QColor kOuter{0, 36, 110};
    const QRectF box = QRectF(control->rect());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen outer(kOuter, 2);
    outer.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outer);
    painter.drawRect(box.adjusted(1, 1, -1, -1));
    QPen inner(Qt::white, 1);
    inner.setJoinStyle(Qt::MiterJoin);
    painter.setPen(inner);
    painter.drawRect(box.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.restore();
}

void clickOnEnter(QAbstractButton* button)
{
    button->installEventFilter(new ClickOnEnter(button));
}

} // namespace controls
