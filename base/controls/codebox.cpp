// Code boxes that select their whole code; see codebox.h.
#include "base/controls/codebox.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace controls {

void selectAllFromStart(QLineEdit* box)
{
    // Selected backwards, so that the caret, which the box keeps in view,
    // stands at the start of the code.
    const int length = static_cast<int>(box->text().size());
    box->setSelection(length, -length);
}

namespace {

class SelectAllFilter : public QObject {
public:
    explicit SelectAllFilter(QLineEdit* box) : QObject(box)
    {
        // A code put into the box shows its start; a line edit would scroll
        // to its end. Typing keeps the caret where the user types.
        connect(box, &QLineEdit::textEdited, this, [this] { edited_ = true; });
        connect(box, &QLineEdit::textChanged, this, [this, box] {
            if (!edited_)
                box->setCursorPosition(0);
            edited_ = false;
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A box being destroyed is no longer a QLineEdit when it loses
        // the focus; the cast then yields null and the event passes.
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box)
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
            // After the line edit's own focus handling, which may place the
            // caret where the mouse went down.
            QTimer::singleShot(0, box, [box] { selectAllFromStart(box); });
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            selectAllFromStart(box);
            return false;
        default:
            break;
        }
        return false;
    }

private:
    bool edited_ = false;
};

} // namespace

void nameCodeBox(QLineEdit* box, const QString& name)
{
    box->setAccessibleName(name);
    box->setAccessibleDescription(
        QStringLiteral(u"رمز جاهز للنسخ إلى المشاركة، يُظلَّل كله عند الوصول إليه"));
}

void selectAllOnFocusAndClick(QLineEdit* box)
{
    box->installEventFilter(new SelectAllFilter(box));
}

} // namespace controls
