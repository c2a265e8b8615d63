// The download links page: the link-button gallery in its moving panel,
// the scroll bar, and below them the code box with the help and options
// buttons.
#include "linkpage.h"

#include "makeup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

LinkPage::LinkPage(QWidget* parent) : controls::PictureBox(parent)
{
    setObjectName(makeup::indexed(u"picName"_s, 5));
    setFont(makeup::dialogFont());
    const QFont dialog = makeup::dialogFont();

    // Taller than the page: its lower part is simply cut off.
    picture1_ = makeup::pictureBox(this, u"Picture1"_s, {0, 120, 7395, 8115});

    // Background bands behind the gallery; each overlaps the one above.
    makeup::shape(picture1_, u"Shape5"_s, {60, 0, 6675, 1755});
    makeup::shape(picture1_, u"Shape6"_s, {60, 1680, 6675, 1755});
    makeup::shape(picture1_, u"Shape7"_s, {60, 3360, 6675, 1155});

    picCont_ = makeup::pictureBox(picture1_, u"picCont"_s, {180, 240, 6435, 4215},
                                  makeup::kPanelTint);
    // The first link button; start-up copies it for the rest.
    auto* first = makeup::image(picCont_, makeup::indexed(u"dimg"_s, 0), {60, 60, 720, 705}, true);
    first->setCursor(Qt::PointingHandCursor);
    dimg_.push_back(first);

    vScroll1_ = makeup::vScroll(picture1_, u"VScroll1"_s, {6900, 60, 255, 4455});
    vScroll1_->setSingleStep(200);
    vScroll1_->setPageStep(200);

    picText_ = makeup::pictureBox(picture1_, u"picText"_s, {60, 4620, 7155, 1275});
    makeup::shape(picText_, u"Shape4"_s, {60, 0, 7035, 1155}, Qt::white, makeup::kTextBlue);
    makeup::shape(picText_, u"Shape3"_s, {120, 60, 6915, 495});

    // Start-up loads their pictures; the outer two start hidden.
    constexpr tw::Rect kViews[4] = {
        {5400, 660, 495, 375}, {3840, 660, 495, 375}, {2160, 660, 495, 375}, {420, 660, 375, 375}};
    for (int i = 0; i < 4; ++i) {
        auto* img = makeup::image(picText_, makeup::indexed(u"imgView"_s, i),
                                  kViews[static_cast<size_t>(i)], true);
        imgView_.at(static_cast<size_t>(i)) = img;
    }
    imgView_.at(0)->hide();
    imgView_.at(3)->hide();

    txtdcode_ = makeup::textBox(picText_, u"txtdcode"_s, {180, 120, 6795, 375},
                                makeup::font(u"Tahoma"_s, 9.75, true), Qt::AlignHCenter);
    cmdHelp_ = makeup::button(picText_, u"cmdHelp"_s, {2760, 660, 915, 375}, u"مساعدة"_s, dialog);
    cmdOptions_ =
        makeup::button(picText_, u"cmdOptions"_s, {4440, 660, 795, 375}, u"خيارات"_s, dialog);
}
