// The decorations and separators page: the border gallery panel that moves
// inside its window, its scroll bar, the "more" link and the code box.
#include "borderpage.h"

#include "gallerylayout.h"
#include "galleryprogress.h"
#include "makeup.h"
#include "picture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace Qt::StringLiterals;

BorderPage::BorderPage(SiteStore& sites, QWidget* parent)
    : controls::PictureBox(parent), sites_(sites)
{
    setObjectName(makeup::indexed(u"picName"_s, 2));
    setFont(makeup::dialogFont());
    const QFont dialog = makeup::dialogFont();

    // Graphical controls first; the gallery window, the scroll bar and the
    // code box stack above them.
    label8_ = makeup::clickLabel(
        this, u"Label8"_s, {2400, 5460, 2595, 375},
        {u"لمزيد من الفواصل والزخارف إضغط هنا"_s, Qt::black, Qt::AlignHCenter | Qt::AlignTop},
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
    auto* first =
        makeup::image(picMoveit_, makeup::indexed(u"imgBord"_s, 0), {180, 300, 5895, 675}, false);
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

    connect(vs_, &QScrollBar::valueChanged, this, &BorderPage::vsScroll);
}

std::optional<files::Failure> BorderPage::loadGallery(const appfolder::AppFolder& folder,
                                                      const QString& site,
                                                      GalleryProgress& progress)
{
    borderCount_ = gallery::kBorderCount;
    imgBord_.resize(1);
    for (int i = 1; i <= borderCount_; ++i) {
        controls::ImageBox* copy = imgBord_.front()->copyOf(picMoveit_);
        copy->setObjectName(makeup::indexed(u"imgBord"_s, i));
        imgBord_.push_back(copy);
    }

    progress.start(borderCount_);
    for (int i = 0; i < borderCount_; ++i) {
        // Let the loading window repaint once per picture.
        QCoreApplication::processEvents();
        const QString path = folder.borderPicture(i);
        picture::Info info;
        if (auto failure = picture::check(path, &info))
            return failure;
        controls::ImageBox* current = imgBord_.at(static_cast<size_t>(i));
        current->setPictureFile(path, info.size);
        current->setTag(appfolder::webAddress(site, appfolder::borderFileName(i)));

        controls::ImageBox* next = imgBord_.at(static_cast<size_t>(i) + 1);
        next->show();
        const tw::Rect at = controls::twips(current);
        controls::setTwipsTop(next, gallery::nextBorderTop(at.top, at.height));

        progress.loaded(path, i);
    }
    sizeGallery();
    return std::nullopt;
}

void BorderPage::sizeGallery()
{
    const int firstHeight = controls::twips(imgBord_.front()).height;
    const int lastTop = controls::twips(imgBord_.back()).top;
    // The page has no border, so its inner height is its height.
    const int pageScaleHeight = controls::twips(this).height;
    vs_->setMaximum(gallery::borderScrollMax(lastTop, pageScaleHeight, firstHeight));
    borderGalleryTop_ = static_cast<qint16>(controls::twips(picMoveit_).top);
    controls::setTwipsHeight(picMoveit_, gallery::borderContainerHeight(firstHeight, lastTop));
    vs_->setValue(0);
}

void BorderPage::ForceMiddle()
{
    const int line = controls::twips(l_).left;
    for (controls::ImageBox* border : imgBord_)
        controls::setTwipsLeft(border, gallery::centredLeft(line, controls::twips(border).width));
    vsScroll();
}

void BorderPage::vsScroll()
{
    const int firstHeight = controls::twips(imgBord_.front()).height;
    controls::setTwipsTop(picMoveit_,
                          gallery::borderPanelTop(vs_->value(), firstHeight, borderGalleryTop_));
}

void BorderPage::lllClick()
{
}
