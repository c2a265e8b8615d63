// The critical message box and its replaceable stand-in.
#include "unspacer/messagebox.h"

#include <QMessageBox>

#include <utility>

namespace unspacer {

namespace {
MessageBoxFunction& replacement()
{
    static MessageBoxFunction fn;
    return fn;
}
} // namespace

void showCritical(const QString& text)
{
    const QString title = QString::fromUtf16(kMessageTitle);
    if (const MessageBoxFunction& fn = replacement())
        fn(title, text);
    else
        QMessageBox::critical(nullptr, title, text);
}

MessageBoxFunction replaceMessageBox(MessageBoxFunction fn)
{
    return std::exchange(replacement(), std::move(fn));
}

} // namespace unspacer
