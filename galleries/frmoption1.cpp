// The image-insertion dialog; see frmoption1.h.
#include "galleries/frmoption1.h"

#include "base/controls/twipgeometry.h"
#include "base/forumchoice.h"
#include "base/forumcode/forumcode.h"
#include "base/makeup.h"
#include "base/prompt.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The four alignment options, laid out from right to left except "none",
// which stands rightmost.
struct AlignRow {
    const char16_t* caption;
    const char16_t* tag;
    int left;
    int width;
};
constexpr AlignRow kAlignRows[4] = {
    {u"يمين", forumcode::kAlignRight, 2460, 915},
    {u"وسط", forumcode::kAlignCenter, 1320, 975},
    {u"يسار", forumcode::kAlignLeft, 240, 915},
    {u"بدون", forumcode::kAlignNone, 3420, 915},
};

} // namespace

FrmOption1::FrmOption1(QWidget* parent)
    : controls::FormWindow(u"frmOption1"_s, u"اختر الوضعية"_s, {5835, 3885}, Frame::ToolWindow,
                           QPoint(5280, 2475), parent)
{
    setBackgroundFile(u":/art/option1_back.png"_s);
    setFont(makeup::dialogFont());
    const QFont bold = makeup::font(u"Tahoma"_s, 9.75, true);

    imgBack_ = new controls::AnimatedPicture(this);
    imgBack_->setObjectName(u"imgBack"_s);
    controls::setTwips(imgBack_, {2040, 600, 1755, 1215});

    makeup::shape(this, u"Shape2"_s, {60, 2100, 5715, 1215});
    // The label wraps onto two lines in Tahoma. A wider stand-in face would
    // need three, running into "الوضعية" below, so the label may grow to the
    // left, short of the title box's frame, until its first line fits.
    tw::Rect label1Rect{4200, 2160, 1335, 675};
    const int firstLine =
        tw::fromPixels(QFontMetrics(bold).horizontalAdvance(u"عنوان للتحميل"_s) + 4);
    const int grow = std::clamp(firstLine - label1Rect.width, 0, 4200 - 3975 - 60);
    label1Rect.left -= grow;
    label1Rect.width += grow;
    QLabel* label1 = makeup::label(
        this, u"Label1"_s, label1Rect,
        {u"عنوان للتحميل (اختياري)"_s, Qt::black, Qt::AlignHCenter | Qt::AlignTop}, bold);
    label1->setWordWrap(true);
    label1->setToolTip(u"مثال: برنامج نيرو .. مجلد مواضيعي"_s);
    makeup::shape(this, u"Shape1"_s, {300, 2220, 3675, 495});
    makeup::label(this, u"Label2"_s, {4560, 2820, 915, 435},
                  {u"الوضعية"_s, Qt::black, Qt::AlignRight | Qt::AlignTop}, bold);

    txt_ = makeup::textBox(this, u"txt"_s, {360, 2280, 3435, 375}, bold);
    txt_->setLayoutDirection(Qt::RightToLeft);
    txt_->setAccessibleName(label1->text());

    for (size_t i = 0; i < optAlign_.size(); ++i) {
        const AlignRow& row = kAlignRows[i];
        QRadioButton* o =
            makeup::option(this, makeup::indexed(u"OptAlign"_s, static_cast<int>(i)),
                           {row.left, 2820, row.width, 435}, QString::fromUtf16(row.caption), bold,
                           makeup::kPanelTint, makeup::kTextBlue);
        // The circle stands on the right of an Arabic caption.
        o->setLayoutDirection(Qt::RightToLeft);
        o->setProperty("Tag", QString::fromUtf16(row.tag));
        connect(o, &QRadioButton::clicked, this,
                [this, o] { alignment_ = o->property("Tag").toString(); });
        optAlign_.at(i) = o;
    }
    optAlign_.at(1)->setChecked(true);

    cmdOk_ = makeup::button(this, u"cmdOk"_s, {1560, 3420, 2775, 435}, u"موافق"_s, bold);
    cmdTip_ = makeup::button(this, u"cmdTip"_s, {5280, 3420, 495, 435}, u"Tip"_s, font());
    cmdOk_->setDefault(true);

    connect(cmdOk_, &QPushButton::clicked, this, &FrmOption1::cmdOkClick);
    connect(cmdTip_, &QPushButton::clicked, this, &FrmOption1::cmdTipClick);
}

void FrmOption1::setImage(const QString& imglink, const QString& theLink)
{
    imglink_ = imglink;
    theLink_ = theLink;
}

QString FrmOption1::buildCode(const QString& imglink, const QString& theLink, const QString& title,
                              const QString& alignment, forumcode::Engine engine, bool* leftOut)
{
    QString code = forumcode::linkedPicture(theLink, imglink);
    // The title goes on a line of its own under the linked picture.
    if (!title.isEmpty())
        code += u"\r\n"_s + title;
    return forumcode::alignedFor(engine, alignment, code, leftOut);
}

void FrmOption1::cmdOkClick()
{
    bool leftOut = false;
    const QString code =
        buildCode(imglink_, theLink_, txt_->text(), alignment_,
                  forum_ ? forum_->engine() : forumcode::Engine::Classic, &leftOut);
    if (leftOut && forum_)
        forum_->noteLeftOut(forumcode::LeftOut::Alignment);
    txt_->clear();
    Q_EMIT codeReady(code);
}

void FrmOption1::cmdTipClick()
{
    prompt::message(this, u"استخدم محرر المنتدى لتزين الخط تحت الوصلة."_s);
}

void FrmOption1::showEvent(QShowEvent* event)
{
    controls::FormWindow::showEvent(event);
    // The title box is where the user types first.
    QTimer::singleShot(0, txt_, [box = txt_] { box->setFocus(Qt::ActiveWindowFocusReason); });
}

void FrmOption1::closeEvent(QCloseEvent* event)
{
    // The close box discards the dialog; the next use builds a new one.
    event->accept();
    Q_EMIT discarded();
}

void FrmOption1::keyPressEvent(QKeyEvent* event)
{
    // Enter anywhere in the dialog (the title box, an option) confirms it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdOk_->click();
        return;
    }
    controls::FormWindow::keyPressEvent(event);
}
