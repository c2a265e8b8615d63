// The post's look window; see frmpostlook.h.
#include "composer/frmpostlook.h"

#include "composer/editpane.h"
#include "composer/postlookview.h"

#include <QPlainTextEdit>
#include <QShortcut>
#include <QShowEvent>

using namespace Qt::StringLiterals;

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

    view_ = new PostLookView(this);
    view_->setObjectName(u"txtLook"_s);
    view_->setAccessibleName(u"شكل المشاركة"_s);
    view_->setGeometry(rect());

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
    view_->showPost(source_.state().text);
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

void FrmPostLook::resizeEvent(QResizeEvent* event)
{
    view_->setGeometry(rect());
    controls::FormWindow::resizeEvent(event);
}
