// The post's look window; see frmpostlook.h.
#include "composer/frmpostlook.h"

#include "base/forumchoice.h"
#include "base/forumcode/postlook.h"
#include "base/makeup.h"
#include "base/prompt.h"
#include "composer/editpane.h"
#include "composer/postlookview.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QShowEvent>
#include <QStyledItemDelegate>

#include <algorithm>

using namespace Qt::StringLiterals;
using forumcode::LeftOut;

namespace {

const QString kForumCaption = u"منتداك"_s;

// What the note says of one kind: that the codes were written without it,
// that the post holds codes of it the forum shows as text, or both, in one
// line.
QString noteLine(LeftOut kind, bool leftOut, bool unread)
{
    const bool alignment = kind == LeftOut::Alignment;
    QString line;
    if (leftOut)
        line = alignment ? u"منتداك لا يقرأ المحاذاة، فتُركت من الرموز."_s
                         : u"منتداك لا يقرأ هذا الخط، فتُرك من الرموز."_s;
    if (unread) {
        if (!line.isEmpty())
            line += u' ';
        line += alignment ? u"في المشاركة رموز محاذاة لا يقرؤها منتداك، فتظهر فيه نصاً كما هي."_s
                          : u"في المشاركة رموز خط لا يقرؤها منتداك، فتظهر فيه نصاً كما هي."_s;
    }
    return line;
}

} // namespace

FrmPostLook::FrmPostLook(const EditPane& source, QWidget* parent)
    : controls::FormWindow(u"frmPostLook"_s, u"معاينة المشاركة"_s, {6000, 5400}, Frame::ToolWindow,
                           QPoint(120, 1200), parent),
      source_(source)
{
    // A post longer than the window is read by scrolling, or by making the
    // window larger.
    setMinimumSize(200, 120);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The member goes on typing in the pane after opening the look.
    setAttribute(Qt::WA_ShowWithoutActivating);

    // The choice of the forum, caption first on the right; hidden until
    // there is a choice to show.
    forumRow_ = new QWidget(this);
    forumRow_->setLayoutDirection(Qt::RightToLeft);
    forumRow_->setFont(makeup::dialogFont());
    auto* row = new QHBoxLayout(forumRow_);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);
    auto* caption = new QLabel(kForumCaption, forumRow_);
    caption->setObjectName(u"lblForum"_s);
    forumBox_ = new QComboBox(forumRow_);
    forumBox_->setObjectName(u"cboForum"_s);
    forumBox_->setAccessibleName(kForumCaption);
    // As wide as its longest name, at any scale.
    forumBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const forumcode::Engine engine : forumcode::kEngines)
        forumBox_->addItem(forumcode::engineName(engine));
    // The open list reads from the right like the rest of the window; the
    // combo's own menu-like drawing would put the Latin names at the left.
    forumBox_->setItemDelegate(new QStyledItemDelegate(forumBox_));
    forumBox_->view()->setLayoutDirection(Qt::RightToLeft);
    const QFontMetrics metrics(forumBox_->font());
    for (int i = 0; i < forumBox_->count(); ++i) {
        forumBox_->setItemData(
            i, QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute),
            Qt::TextAlignmentRole);
        // Rows as roomy as a menu's.
        forumBox_->setItemData(
            i, QSize(metrics.horizontalAdvance(forumBox_->itemText(i)) + 24, metrics.height() + 10),
            Qt::SizeHintRole);
    }
    caption->setBuddy(forumBox_);
    row->addWidget(caption);
    row->addWidget(forumBox_);
    row->addStretch(1);
    forumRow_->hide();
    connect(forumBox_, &QComboBox::activated, this, &FrmPostLook::forumChosen);

    forumNote_ = new QLabel(this);
    forumNote_->setObjectName(u"lblForumNote"_s);
    forumNote_->setLayoutDirection(Qt::RightToLeft);
    forumNote_->setFont(makeup::dialogFont());
    forumNote_->setWordWrap(true);
    forumNote_->setContentsMargins(8, 4, 8, 4);
    forumNote_->setAutoFillBackground(true);
    QPalette note = forumNote_->palette();
    note.setColor(QPalette::Window, QColor(255, 246, 214));
    note.setColor(QPalette::WindowText, QColor(110, 60, 0));
    forumNote_->setPalette(note);
    forumNote_->hide();

    view_ = new PostLookView(this);
    view_->setObjectName(u"txtLook"_s);
    view_->setAccessibleName(u"شكل المشاركة"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(forumRow_);
    layout->addWidget(forumNote_);
    layout->addWidget(view_, 1);

    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &FrmPostLook::draw);
    connect(source_.pane(), &QPlainTextEdit::textChanged, this, &FrmPostLook::sourceChanged);

    auto* f5 = new QShortcut(Qt::Key_F5, this);
    f5->setContext(Qt::WindowShortcut);
    connect(f5, &QShortcut::activated, this, &QWidget::hide);
}

void FrmPostLook::setLocalPictures(std::optional<LocalPictures> pictures)
{
    view_->setLocalPictures(std::move(pictures));
    if (isVisible())
        draw();
}

void FrmPostLook::setForumChoice(ForumChoice* forum)
{
    if (forum_)
        disconnect(forum_, nullptr, this, nullptr);
    forum_ = forum;
    forumRow_->setVisible(forum_ != nullptr);
    if (forum_) {
        connect(forum_, &ForumChoice::engineChanged, this, &FrmPostLook::showEngine);
        connect(forum_, &ForumChoice::leftOutChanged, this, &FrmPostLook::updateNote);
        // Gone while the program ends: nothing is drawn any more.
        connect(forum_, &QObject::destroyed, this, [this] { forum_ = nullptr; });
    }
    showEngine(engine());
}

forumcode::Engine FrmPostLook::engine() const
{
    return forum_ ? forum_->engine() : forumcode::Engine::Classic;
}

void FrmPostLook::forumChosen(int index)
{
    if (!forum_ || index < 0 || index >= static_cast<int>(forumcode::kEngines.size()))
        return;
    const std::optional<files::Failure> failure =
        forum_->choose(forumcode::kEngines.at(static_cast<size_t>(index)));
    if (failure)
        prompt::message(this, failure->text + u"\n\nThe choice applies until Tarnwell ends."_s,
                        prompt::Icon::Exclamation);
}

void FrmPostLook::showEngine(forumcode::Engine engine)
{
    const auto at = std::find(forumcode::kEngines.begin(), forumcode::kEngines.end(), engine);
    forumBox_->setCurrentIndex(static_cast<int>(at - forumcode::kEngines.begin()));
    if (isVisible())
        draw();
    else
        updateNote();
}

void FrmPostLook::updateNote()
{
    QStringList lines;
    if (forum_) {
        const std::set<LeftOut>& leftOut = forum_->leftOut();
        const std::set<LeftOut> unread = unreadKinds();
        for (const LeftOut kind : {LeftOut::Alignment, LeftOut::Font}) {
            const QString line = noteLine(kind, leftOut.contains(kind), unread.contains(kind));
            if (!line.isEmpty())
                lines.append(line);
        }
    }
    forumNote_->setText(lines.join(u'\n'));
    forumNote_->setVisible(!lines.isEmpty());
}

std::set<LeftOut> FrmPostLook::unreadKinds() const
{
    const std::vector<LeftOut> kinds = forumcode::unreadKinds(source_.state().text, engine());
    return {kinds.begin(), kinds.end()};
}

void FrmPostLook::toggle()
{
    if (isVisible())
        hide();
    else
        showInFront();
}

void FrmPostLook::sourceChanged()
{
    // A hidden look is drawn when it is next shown.
    if (isVisible())
        settle_.start();
}

void FrmPostLook::draw()
{
    settle_.stop();
    view_->showPost(source_.state().text, engine());
    updateNote();
}

void FrmPostLook::showEvent(QShowEvent* event)
{
    // Drawn before it appears, so that it never shows a stale post; the
    // sites may also have changed while it was hidden.
    if (!event->spontaneous())
        draw();
    controls::FormWindow::showEvent(event);
}

void FrmPostLook::hideEvent(QHideEvent* event)
{
    // A change still settling when the look is hidden is drawn when it is
    // next shown, not now.
    settle_.stop();
    controls::FormWindow::hideEvent(event);
}
