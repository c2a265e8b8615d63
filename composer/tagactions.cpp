// The tag toolbar's actions; see tagactions.h.
#include "tagactions.h"

#include "editpane.h"
#include "forumcode.h"
#include "platform.h"
#include "prompt.h"
#include "sites.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace tagactions {

namespace {

constexpr int kRestoreButton = 14;

// An input box without a title of its own; Cancel gives an empty answer.
QString ask(const EditPane& pane, const QString& text)
{
    return prompt::input(pane.pane()->window(), text);
}

// Buttons 1-3 carry the tag name in their key, 5-7 the alignment.
bool wrap(EditPane& pane, const forumcode::TagPair& tags)
{
    if (!pane.check1())
        return false;
    pane.wrapSelection(tags);
    return true;
}

bool insertPicture(EditPane& pane)
{
    const QString address = ask(pane, picturePrompt());
    if (address.isEmpty())
        return false;
    pane.insertAtCaret(forumcode::pictureCode(forumcode::withScheme(address)));
    return true;
}

bool insertLinkedPicture(EditPane& pane)
{
    const QString address = ask(pane, pictureInLinkPrompt());
    if (address.isEmpty())
        return false;
    const QString link = ask(pane, linkPrompt());
    if (link.isEmpty())
        return false;
    pane.insertAtCaret(forumcode::linkedPicture(link, forumcode::withScheme(address)));
    return true;
}

bool insertTextLink(EditPane& pane)
{
    // The title is optional: a link without visible text is allowed.
    const QString title = ask(pane, titlePrompt());
    const QString link = ask(pane, linkPrompt());
    if (link.isEmpty())
        return false;
    pane.insertAtCaret(forumcode::textLink(link, title));
    return true;
}

} // namespace

QString picturePrompt()
{
    return u"ضع رابط الصورة"_s;
}

QString pictureInLinkPrompt()
{
    return u"ضع وصلة الصورة"_s + u"\r\n"_s + u"مثال; "_s +
           QString::fromUtf8(sites::kExamplePicture);
}

QString linkPrompt()
{
    const QString forum = QString::fromUtf8(sites::kForumHost);
    return u"ضع رابط الوصلة  "_s + u"\r\n"_s + u"مثال"_s + u"http://"_s + forum + u"\r\n"_s +
           u"OR "_s + forum;
}

QString titlePrompt()
{
    return u"ضع العنوان الإختياري"_s;
}

bool toolbar1ButtonClick(EditPane& pane, int index, const QString& key)
{
    if (index != kRestoreButton)
        pane.takeSnapshot();

    bool done = false;
    switch (index) {
    case 1:
    case 2:
    case 3:
        done = wrap(pane, forumcode::tagPair(key));
        break;
    case 5:
    case 6:
    case 7:
        done = wrap(pane, forumcode::tagPair(u"ALIGN"_s, key));
        break;
    case 9:
        done = insertPicture(pane);
        break;
    case 10:
        done = insertLinkedPicture(pane);
        break;
    case 11:
        done = insertTextLink(pane);
        break;
    case kRestoreButton:
        pane.restoreSnapshot();
        done = true;
        break;
    default:
        // Separators do nothing, and the keyboard is left alone: nothing
        // was written.
        return false;
    }
    if (done)
        platform::current().loadKeyboardLayout(QString::fromUtf16(kArabicLayout), true);
    return done;
}

} // namespace tagactions
