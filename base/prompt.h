// Every message box and input box of the program goes through here, so
// that tests can answer them and read exactly what would have been shown.
// A box without a title of its own is titled with the application title.
#pragma once

#include <QString>

class QWidget;

namespace prompt {

enum class Icon { Information, Exclamation, Critical, Question };

struct Message {
    QString text;
    QString title;
    Icon icon = Icon::Information;
};

struct Input {
    QString prompt;
    QString title;
    QString defaultText;
    bool password = false; // typed characters are not shown
};

// "Tarnwell".
QString appTitle();

void message(QWidget* parent, const QString& text, Icon icon = Icon::Information,
             const QString& title = {});
// The answer, or an empty text on Cancel. Any length is taken whole.
QString input(QWidget* parent, const QString& promptText, const QString& title = {},
              const QString& defaultText = {});
// An input box whose answer is not shown as it is typed.
QString password(QWidget* parent, const QString& promptText, const QString& title = {});
// A Yes/No box with the question icon; true for Yes.
bool question(QWidget* parent, const QString& text, const QString& title = {});

// Replaces the real dialogs (tests); nullptr puts them back.
class Handler {
public:
    virtual ~Handler() = default;
    virtual void message(QWidget* parent, const Message& message) = 0;
    virtual QString input(QWidget* parent, const Input& input) = 0;
    virtual bool question(QWidget* parent, const Message& question) = 0;
};
void setHandler(Handler* handler);

} // namespace prompt
