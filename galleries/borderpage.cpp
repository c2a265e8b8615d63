// The decorations and separators page: the border gallery panel that moves
// inside its window, its scroll bar, the "more" link and the code box.
#include "borderpage.h"

#include "makeup.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

BorderPage::BorderPage(QWidget* parent) : controls::PictureBox(parent)
{
    setObjectName(makeup::indexed(u"picName"_s, 2));
    setFont(makeup::dialogFont());
    const QFont dialog = makeup::dialogFont();

    // Graphical controls first; the gallery window, the scroll bar and the
    // code box stack above them.
    label8_ = makeup::clickLabel(this, u"Label8"_s, {2400, 5460, 2595, 375},
                                 {u"لمزيد من الفواصل والزخارف إضغط هنا"_s, Qt::black,
                                  Qt::AlignHCenter | Qt::AlignTop},
                                 dialog);
    label8_->setCursor(Qt::PointingHandCursor);

    // The code box and its frame only appear once a border has been chosen.
    shpcode_ = makeup::shape(this, u"shpcode"_s, {180, 5820, 6555, 435});
    shpcode_->hide();

    // An invisible marker: the gallery centres the border pictures on its
    // left edge.
    l_ = makeup::label(this, u"l"_s, {3900, 0, 135, 315}, {}, dialog);

    picture3_ = makeup::pictureBox(this, u"Picture3"_s, {0, 180, 6615, 4995});
    picMoveit_ = makeup::pictureBox(picture3_, u"picMoveit"_s, {60, 120, 6495, 5295});

    // The first border picture; start-up copies it for the rest and then
    // gives each its picture, after which it takes the picture's size.
    auto* first = makeup::image(picMoveit_, makeup::indexed(u"imgBord"_s, 0),
                                {180, 300, 5895, 675}, false);
    first->setToolTip(
        u"إضغط باليمين على الصورة لإظهارها مع وصلتها الأصلية .. وإضغط عليها باليسار لإظهار وصلتها للمنتدى"_s);
    first->setCursor(Qt::PointingHandCursor);
    imgBord_.push_back(first);

    vs_ = makeup::vScroll(this, u"vs"_s, {6660, 120, 375, 5115});
    vs_->setSingleStep(200);
    vs_->setPageStep(200);

    txtCode_ = makeup::textBox(this, u"txtCode"_s, {300, 5880, 6255, 315},
                               makeup::font(u"Times New Roman"_s, 9.75, true), Qt::AlignHCenter);
    txtCode_->setToolTip(u"هنا سوف يظهر الإسم المزخرف"_s);
    txtCode_->hide();
}
