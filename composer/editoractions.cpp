// What the forum editor page does: the size, font and colour pickers wrap
// the selection of txtEdit in their tags, the tag toolbar's clicks arrive
// here, and the select-all, keyboard and copy buttons. The page's make-up
// is in editorpage.cpp.
#include "composer/editorpage.h"

#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/platform/platform.h"
#include "composer/editpane.h"
#include "composer/frmpostlook.h"
#include "composer/tagactions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::StringLiterals;

void EditorPage::connectBehaviour()
{
    editPane_ = new EditPane(txtEdit_);

    for (int n = 1; n <= kSizeCount; ++n) {
        connect(lblSize(n), &controls::ClickLabel::clicked, this,
                [this, n] { pickerClick(forumcode::Tag::Size, QString::number(n)); });
    }
    // The font label's caption is the face name, blanks included.
    for (controls::ClickLabel* label : lblfont_) {
        connect(label, &controls::ClickLabel::clicked, this,
                [this, label] { pickerClick(forumcode::Tag::Font, label->text()); });
    }
    for (controls::ImageBox* swatch : imgClr_) {
        connect(swatch, &controls::ImageBox::clicked, this,
                [this, swatch] { pickerClick(forumcode::Tag::Colour, swatch->tag()); });
    }

    connect(selectAllButton_, &QPushButton::clicked, editPane_, &EditPane::selectAll);
    auto layoutButton = [this](QPushButton* button, const char16_t* layout) {
        connect(button, &QPushButton::clicked, this, [this, layout] {
            platform::current().loadKeyboardLayout(QString::fromUtf16(layout), true);
            txtEdit_->setFocus(Qt::OtherFocusReason);
        });
    };
    layoutButton(arabicKeyboardButton_, tagactions::kArabicLayout);
    layoutButton(defaultKeyboardButton_, tagactions::kDefaultLayout);
    // Command5 ("copy"): the whole post, as the pane holds it, to the
    // clipboard; the selection and the focus stay where they are.
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(editPane_->state().text);
    });

    // The usual keys for bold, italic and underline act as the toolbar's
    // first three buttons, with the same snapshot, guard and keyboard.
    const struct {
        QKeySequence::StandardKey keys;
        ToolbarButton button;
    } styleKeys[] = {
        {QKeySequence::Bold, ToolbarButton::Bold},
        {QKeySequence::Italic, ToolbarButton::Italic},
        {QKeySequence::Underline, ToolbarButton::Underline},
    };
    for (const auto& style : styleKeys) {
        auto* shortcut = new QShortcut(style.keys, txtEdit_);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, button = style.button] { toolbar1ButtonClick(button); });
    }

    // The post's look: F5 and an entry of the pane's context menu.
    auto* look = new QShortcut(Qt::Key_F5, txtEdit_);
    look->setContext(Qt::WidgetShortcut);
    connect(look, &QShortcut::activated, this, &EditorPage::togglePostLook);
    txtEdit_->installEventFilter(this);
    txtEdit_->viewport()->installEventFilter(this);
}

void EditorPage::setLocalPictures(LocalPictures pictures)
{
    localPictures_ = std::move(pictures);
    if (postLook_)
        postLook_->setLocalPictures(localPictures_);
}

void EditorPage::togglePostLook()
{
    if (!postLook_) {
        // Owned by the main window, above which it stays.
        postLook_ = new FrmPostLook(*editPane_, window());
        postLook_->setLocalPictures(localPictures_);
        postLook_->setForumChoice(forum_);
    }
    postLook_->toggle();
}

void EditorPage::showTxtEditMenu(const QPoint& globalPos)
{
    QMenu* menu =
        txtEdit_->createStandardContextMenu(txtEdit_->viewport()->mapFromGlobal(globalPos));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* look = menu->addAction(u"معاينة المشاركة"_s);
    look->setCheckable(true);
    look->setChecked(postLook_ && postLook_->isVisible());
    // Queued: the menu closes before the window appears over the pane.
    connect(look, &QAction::triggered, this, &EditorPage::togglePostLook, Qt::QueuedConnection);
    menu->popup(globalPos);
}

void EditorPage::toolbar1ButtonClick(ToolbarButton button)
{
    tagactions::toolbar1ButtonClick(*editPane_, button, forum_);
}

bool EditorPage::pickerClick(const forumcode::TagPair& tags)
{
    // The snapshot comes first, so that even a refused click leaves the
    // state it refused in for button 14.
    editPane_->takeSnapshot();
    if (!editPane_->requireSelection())
        return false;
    editPane_->wrapSelection(tags);
    return true;
}

bool EditorPage::pickerClick(forumcode::Tag tag, const QString& value)
{
    editPane_->takeSnapshot();
    return tagactions::wrapFor(*editPane_, tag, value, forum_);
}

void EditorPage::setForumChoice(ForumChoice* forum)
{
    forum_ = forum;
    if (postLook_)
        postLook_->setForumChoice(forum_);
}
