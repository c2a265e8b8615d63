// The border viewer; see frmviewborder.h.
#include "galleries/frmviewborder.h"

#include "base/controls/codebox.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QColor kCaptionBlue{53, 118, 215};

} // namespace

FrmViewBorder::FrmViewBorder(QWidget* parent)
    : controls::FormWindow(u"frmViewBorder"_s, u"zqBorderViewer"_s, {8595, 4785}, Frame::ToolWindow,
                           QPoint(3540, 2835), parent)
{
    // The close box discards the viewer; the page makes a new one next time.
    setAttribute(Qt::WA_DeleteOnClose);
    setBackgroundFile(u":/art/viewborder_back.png"_s);

    const QFont caption = makeup::font(u"Tahoma"_s, 12, true);
    // Addresses and codes are Latin text: a Western face, not an Arabic one.
    const QFont code = makeup::font(u"Comic Sans MS"_s, 9, true);

    // Graphical controls first, then the boxes and the button above them.
    makeup::label(this, u"Label1"_s, {7140, 3180, 1275, 375}, {u"وصلة ويب"_s, kCaptionBlue},
                  caption);
    makeup::shape(this, u"shpcode"_s, {240, 3180, 6555, 435}, Qt::white);
    makeup::label(this, u"Label2"_s, {7020, 3780, 1395, 375}, {u"كود المنتدى"_s, kCaptionBlue},
                  caption);
    makeup::shape(this, u"Shape1"_s, {240, 3720, 6555, 435}, Qt::white);

    ag_ = new controls::AnimatedPicture(this);
    ag_->setObjectName(u"AG"_s);
    controls::setTwips(ag_, {420, 840, 7815, 1635});

    txtWebCode_ = makeup::textBox(this, u"txtWebCode"_s, {300, 3240, 6315, 315}, code,
                                  Qt::AlignLeft, Qt::white);
    txtForumCode_ = makeup::textBox(this, u"txtForumCode"_s, {300, 3780, 6375, 315}, code,
                                    Qt::AlignLeft, Qt::white);
    ag_->setAccessibleName(u"الزخرفة"_s);
    controls::nameCodeBox(txtWebCode_, u"وصلة ويب للزخرفة"_s);
    controls::nameCodeBox(txtForumCode_, u"كود المنتدى للزخرفة"_s);
    for (QLineEdit* box : {txtWebCode_, txtForumCode_}) {
        // Web addresses and forum code read left to right whatever the
        // interface's direction.
        box->setLayoutDirection(Qt::LeftToRight);
        controls::selectAllOnFocusAndClick(box);
    }

    cmdHide_ = makeup::button(this, u"cmdHide"_s, {3060, 4320, 1875, 375}, u"موافق"_s,
                              makeup::dialogFont());
    connect(cmdHide_, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmViewBorder::setCodes(const QString& forumCode, const QString& webAddress)
{
    txtWebCode_->setText(webAddress);
    txtForumCode_->setText(forumCode);
    // Long addresses show their beginning until the box is clicked.
    txtWebCode_->setCursorPosition(0);
    txtForumCode_->setCursorPosition(0);
}

void FrmViewBorder::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    showInFront();
    activateWindow();
    if (!isVisible())
        return;
    QEventLoop loop;
    connect(this, &FrmViewBorder::hidden, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
}

void FrmViewBorder::hideEvent(QHideEvent* event)
{
    controls::FormWindow::hideEvent(event);
    // The system hiding a tool window along with its owner is not the user
    // dismissing it.
    if (!event->spontaneous())
        Q_EMIT hidden();
}

void FrmViewBorder::keyPressEvent(QKeyEvent* event)
{
    // Escape does what the OK button does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdHide_->click();
        return;
    }
    controls::FormWindow::keyPressEvent(event);
}
