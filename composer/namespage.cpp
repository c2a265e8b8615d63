// The names decorator page: the name entry, the 24 decoration patterns in
// two columns and the result box.
#include "composer/namespage.h"

#include "base/controls/codebox.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"

#include "base/forumcode/forumcode.h"

#include <algorithm>
#include <limits>

#include <QEvent>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

struct PatternRow {
    int index;
    int left;
    int top;
    int width;
    QString caption;
};

constexpr int kOptionHeight = 495;

// Two columns of twelve rows, 360 twips apart. The upper six rows of each
// column count down the page, the lower six count back up, so opt(18) and
// opt(12) end up at the bottom. The blanks around a caption belong to it.
const PatternRow kPatterns[] = {
    {0, 360, 780, 2895, u" ~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~ "_s},
    {1, 360, 1140, 3075, u" ؛¤ّ,¸¸,ّ¤؛°`°؛¤ الاسم ¤؛°`°؛¤ّ,¸¸,ّ¤؛ "_s},
    {2, 360, 1500, 3075, u" ][][§¤°^°¤§][ الاسم ][§¤°^°¤§][][ "_s},
    {3, 360, 1860, 3075, u" ©§¤°^°¤§©¤ الاسم ¤©§¤°^°¤§© "_s},
    {4, 360, 2220, 3075, u" §¤~^~¤§ الاسم §¤~^~¤§ "_s},
    {5, 360, 2580, 3075, u" ][§¤°~^™ الاسم ™^~°¤§][ "_s},
    {6, 3660, 780, 2775, u"°¨¨™¤¦ الاسم ¦¤™¨¨°"_s},
    {7, 3660, 1140, 2715, u"`·.¸¸.·¯`··._.· (الاسم) `·.¸¸.·¯`··._.·"_s},
    {8, 3660, 1500, 2955, u"•·.·°¯`·.·• (الاسم) •·.·°¯`·.·•"_s},
    {9, 3660, 1860, 2955, u"=----> (الاسم) <----="_s},
    {10, 3660, 2220, 2955, u"···^v¯`×) (الاسم) (×¯`v^···"_s},
    {11, 3660, 2580, 2955, u"×÷·.·°¯`·)» (الاسم) «(·°¯`·.·÷×"_s},
    {12, 3660, 4740, 2955, u"^~*¤©[£] الاسم [£]©¤*~^"_s},
    {13, 3660, 4380, 2955, u"{}{}{}{}{الاسم}{}{}{}{}"_s},
    {14, 3660, 4020, 2955, u"(*_*) الاسم (*_*)"_s},
    {15, 3660, 3660, 2955, u"~®§§][][ الاسم][][§§®~"_s},
    {16, 3660, 3300, 2715, u"~*¤ô§ô¤*~الاسم~*¤ô§ô¤*~"_s},
    {17, 3660, 2940, 2955, u"O?°· (الاسم ) ·°?O"_s},
    {18, 360, 4740, 3075, u"~¤ô¦¦§¦¦ô¤~ الاسم ~¤ô¦¦§¦¦ô¤~"_s},
    {19, 360, 4380, 3075, u"<<======الاسم======>>"_s},
    {20, 360, 4020, 3075, u"][||ioi||][الاسم][||ioi||]["_s},
    {21, 360, 3660, 3075, u"~¤¦¦§¦¦¤~ الاسم ~¤¦¦§¦¦¤~"_s},
    {22, 360, 3300, 3075, u"(¯`·._.·(الاسم )·._.·°¯)"_s},
    {23, 360, 2940, 3075, u"¨°o.O (الاسم) O.o°¨"_s},
};

// While an option is disabled its caption is the classic grey, which
// stays legible on white.
void greyWhileDisabled(QRadioButton* option)
{
    QPalette p = option->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    option->setPalette(p);
}

} // namespace

NamesPage::NamesPage(QWidget* parent, controls::Building building) : controls::PictureBox(parent)
{
    setObjectName(makeup::indexed(u"picName"_s, 0));
    setFont(makeup::dialogFont());
    if (building == controls::Building::Now)
        build();
}

void NamesPage::build()
{
    if (built_)
        return;
    built_ = true;

    // Frames first: windowed controls stack above them.
    makeup::shape(this, u"Shape10"_s, {360, 60, 5775, 495}, Qt::white);
    makeup::shape(this, u"Shape11"_s, {360, 5580, 5775, 495}, Qt::white);

    const QFont nameFont = makeup::font(u"Times New Roman"_s, 12, true);
    txtInput_ = makeup::textBox(this, u"txtInput"_s, {420, 120, 5655, 375}, nameFont,
                                Qt::AlignHCenter, Qt::white);
    txtInput_->setToolTip(u"اكتب هنا الإسم الذي تريد ان تزخرفه"_s);
    txtInput_->setAccessibleName(u"الاسم"_s);

    // The patterns wait for a name: start-up leaves them disabled until
    // something has been typed.
    const QFont patternFont = makeup::font(u"MS Sans Serif"_s, 9.75, false);
    for (const PatternRow& row : kPatterns) {
        auto* o = makeup::option(this, makeup::indexed(u"opt"_s, row.index),
                                 {row.left, row.top, row.width, kOptionHeight}, row.caption,
                                 patternFont, Qt::white, Qt::black);
        // A caption the face draws wider than the pattern's width is not
        // cut short: its option grows to the right, into the room the page
        // leaves beside the right column.
        tw::Rect fitted = controls::twips(o);
        fitted.width = std::max(fitted.width, tw::fromPixels(o->sizeHint().width()));
        controls::setTwips(o, fitted);
        o->setEnabled(false);
        greyWhileDisabled(o);
        opt_.at(static_cast<size_t>(row.index)) = o;
    }
    opt_.at(11)->setToolTip(u"إختار من هنا الزخارف"_s);

    txtOutput_ = makeup::textBox(this, u"txtOutput"_s, {420, 5640, 5535, 375}, nameFont,
                                 Qt::AlignHCenter, Qt::white);

    // A long name in a long pattern must not be cut short.
    txtInput_->setMaxLength(std::numeric_limits<int>::max());
    txtOutput_->setMaxLength(std::numeric_limits<int>::max());
    // The result is there to be copied whole.
    controls::selectAllOnFocusAndClick(txtOutput_);
    controls::nameCodeBox(txtOutput_, u"الاسم المزخرف"_s);

    // Tab reads the page from the right: the name, the right column of
    // patterns top down, the left column, then the result.
    QList<QWidget*> order{txtInput_};
    for (const int column : {3660, 360}) {
        QList<const PatternRow*> rows;
        for (const PatternRow& row : kPatterns) {
            if (row.left == column)
                rows.append(&row);
        }
        std::sort(rows.begin(), rows.end(),
                  [](const PatternRow* a, const PatternRow* b) { return a->top < b->top; });
        for (const PatternRow* row : rows)
            order.append(opt(row->index));
    }
    order.append(txtOutput_);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    connect(txtInput_, &QLineEdit::textChanged, this, &NamesPage::txtInputChange);
    txtInput_->installEventFilter(this);
    for (int i = 0; i < kPatternCount; ++i)
        connect(opt(i), &QRadioButton::clicked, this, [this, i] { optClick(i); });
}

void NamesPage::txtInputChange()
{
    const bool named = !txtInput_->text().isEmpty();
    for (QRadioButton* o : opt_)
        o->setEnabled(named);
}

void NamesPage::optClick(int index)
{
    txtOutput_->setText(forumcode::decorateName(opt(index)->text(), nameText_));
}

bool NamesPage::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the name entry validates it; a click on a pattern takes the
    // focus first, so the pattern always gets the name as last typed.
    if (watched == txtInput_ && event->type() == QEvent::FocusOut)
        nameText_ = txtInput_->text();
    return controls::PictureBox::eventFilter(watched, event);
}
