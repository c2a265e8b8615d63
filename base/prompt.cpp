// Message and input boxes; see prompt.h.
#include "base/prompt.h"

#include "base/readingdirection.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace prompt {

namespace {

Handler* g_handler = nullptr;

// A box reads as its first strong letter does, as the text boxes do: an
// Arabic prompt with an example address below it still reads from the
// right. A box without letters reads from the left.
bool startsInArabic(const QString& text)
{
    return reading::firstStrongIsRightToLeft(text).value_or(false);
}

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

// The buttons of a box whose text is Arabic speak Arabic too.
const QString kArabicOk = u"موافق"_s;
const QString kArabicCancel = u"إلغاء"_s;
const QString kArabicYes = u"نعم"_s;
const QString kArabicNo = u"لا"_s;

// A label lays out a carriage return, and blanks at a line's end, as
// characters of their own but leaves them out of its width, which pushes
// the lines of a right-to-left text past the label's right edge and shaves
// their first letter. A box breaks its lines at the line feed alone and
// shows no blanks at their ends, which cannot be seen anyway.
QString lineFeedsOnly(QString text)
{
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        while (line.endsWith(u' '))
            line.chop(1);
    }
    return lines.join(u'\n');
}

// Long paths have no blanks to wrap at: a zero-width space after each
// separator lets the box wrap them instead of cutting them off.
QString breakablePaths(const QString& text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / 8);
    for (const QChar c : lineFeedsOnly(text)) {
        shown.append(c);
        if (c == u'/' || c == u'\\')
            shown.append(QChar(0x200B));
    }
    return shown;
}

// The input box. On showing, Qt selects the whole default answer with the
// caret at its end, which scrolls a long address so that its start is
// hidden; the selection is kept, read from the end back to the start.
class InputBox : public QInputDialog {
public:
    using QInputDialog::QInputDialog;

    void setVisible(bool visible) override
    {
        QInputDialog::setVisible(visible);
        if (!visible)
            return;
        if (auto* edit = findChild<QLineEdit*>()) {
            const int length = static_cast<int>(edit->text().size());
            edit->setSelection(length, -length);
        }
    }
};

// Widens the box so that its default answer shows whole, up to two
// thirds of the screen; a longer one scrolls.
void showWhole(QInputDialog& dialog)
{
    auto* edit = dialog.findChild<QLineEdit*>();
    if (!edit || edit->text().isEmpty())
        return;
    const QFontMetrics metrics = edit->fontMetrics();
    // The box's frame and margins: its usual width less the text it fits.
    const int frame = edit->sizeHint().width() - metrics.horizontalAdvance(u'x') * 17;
    const int wanted = metrics.horizontalAdvance(edit->text()) + frame + metrics.averageCharWidth();
    const int widest = dialog.screen()->availableGeometry().width() * 2 / 3;
    edit->setMinimumWidth(std::min(wanted, widest));
}

QString ask(QWidget* parent, const Input& in)
{
    if (g_handler)
        return g_handler->input(parent, in);
    InputBox dialog(parent);
    dialog.setWindowTitle(in.title);
    dialog.setLabelText(lineFeedsOnly(in.prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    // A line box takes 32,767 characters unless told otherwise and cuts a
    // longer paste without a word; an answer is taken whole, as the panes
    // take it.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMaxLength(std::numeric_limits<int>::max());
    if (in.password)
        dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setTextValue(in.defaultText);
    showWhole(dialog);
    if (startsInArabic(in.prompt)) {
        dialog.setLayoutDirection(Qt::RightToLeft);
        dialog.setOkButtonText(kArabicOk);
        dialog.setCancelButtonText(kArabicCancel);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace

QString appTitle()
{
    return u"Tarnwell"_s;
}

void message(QWidget* parent, const QString& text, Icon icon, const QString& title)
{
    const Message m{text, title.isEmpty() ? appTitle() : title, icon};
    if (g_handler) {
        g_handler->message(parent, m);
        return;
    }
    QMessageBox box(boxIcon(m.icon), m.title, breakablePaths(m.text), QMessageBox::Ok, parent);
    // Arabic messages read from the right, with the button on the left.
    if (startsInArabic(m.text)) {
        box.setLayoutDirection(Qt::RightToLeft);
        box.button(QMessageBox::Ok)->setText(kArabicOk);
    }
    box.exec();
}

QString input(QWidget* parent, const QString& promptText, const QString& title,
              const QString& defaultText)
{
    return ask(parent, {promptText, title.isEmpty() ? appTitle() : title, defaultText});
}

QString password(QWidget* parent, const QString& promptText, const QString& title)
{
    return ask(parent, {promptText, title.isEmpty() ? appTitle() : title, {}, true});
}

bool question(QWidget* parent, const QString& text, const QString& title)
{
    const Message m{text, title.isEmpty() ? appTitle() : title, Icon::Question};
    if (g_handler)
        return g_handler->question(parent, m);
    QMessageBox box(boxIcon(m.icon), m.title, breakablePaths(m.text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    // Nothing is replaced by a hasty Enter.
    box.setDefaultButton(QMessageBox::No);
    if (startsInArabic(m.text)) {
        box.setLayoutDirection(Qt::RightToLeft);
        box.button(QMessageBox::Yes)->setText(kArabicYes);
        box.button(QMessageBox::No)->setText(kArabicNo);
    }
    return box.exec() == QMessageBox::Yes;
}

void setHandler(Handler* handler)
{
    g_handler = handler;
}

} // namespace prompt
