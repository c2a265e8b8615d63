// The tag toolbar's actions; see tagactions.h.
#include "composer/tagactions.h"

#include "base/forumchoice.h"
#include "base/forumcode/engine.h"
#include "base/forumcode/forumcode.h"
#include "base/platform/platform.h"
#include "base/prompt.h"
#include "base/sites.h"
#include "composer/editpane.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace tagactions {

namespace {

// An input box without a title of its own; Cancel gives an empty answer.
QString ask(const EditPane& pane, const QString& text)
{
    return prompt::input(pane.pane()->window(), text);
}

bool wrap(EditPane& pane, ForumChoice* forum, forumcode::Tag tag, const QString& value = {})
{
    return wrapFor(pane, tag, value, forum);
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

bool wrapFor(EditPane& pane, forumcode::Tag tag, const QString& value, ForumChoice* forum)
{
    if (!pane.requireSelection())
        return false;
    const forumcode::Engine engine = forum ? forum->engine() : forumcode::Engine::Classic;
    if (const std::optional<forumcode::TagPair> tags = forumcode::tagPairFor(engine, tag, value))
        pane.wrapSelection(*tags);
    else if (const std::optional<forumcode::LeftOut> kind = forumcode::leftOutKind(tag);
             forum && kind)
        forum->noteLeftOut(*kind);
    return true;
}

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

bool toolbar1ButtonClick(EditPane& pane, ToolbarButton button, ForumChoice* forum)
{
    using forumcode::Tag;
    const auto align = [&pane, forum](const char16_t* keyword) {
        return wrap(pane, forum, Tag::Align, QString::fromUtf16(keyword));
    };
    if (button != ToolbarButton::BackToLastState)
        pane.takeSnapshot();

    bool done = false;
    switch (button) {
    case ToolbarButton::Bold:
        done = wrap(pane, forum, Tag::Bold);
        break;
    case ToolbarButton::Italic:
        done = wrap(pane, forum, Tag::Italic);
        break;
    case ToolbarButton::Underline:
        done = wrap(pane, forum, Tag::Underline);
        break;
    case ToolbarButton::AlignLeft:
        done = align(forumcode::kAlignLeft);
        break;
    case ToolbarButton::AlignCenter:
        done = align(forumcode::kAlignCenter);
        break;
    case ToolbarButton::AlignRight:
        done = align(forumcode::kAlignRight);
        break;
    case ToolbarButton::Picture:
        done = insertPicture(pane);
        break;
    case ToolbarButton::LinkedPicture:
        done = insertLinkedPicture(pane);
        break;
    case ToolbarButton::TextLink:
        done = insertTextLink(pane);
        break;
    case ToolbarButton::BackToLastState:
        pane.restoreSnapshot();
        done = true;
        break;
    case ToolbarButton::Separator1:
    case ToolbarButton::Separator2:
    case ToolbarButton::Separator3:
    case ToolbarButton::Separator4:
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
