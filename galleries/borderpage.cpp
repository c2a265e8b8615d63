// The decorations and separators page: the border gallery panel that moves
// inside its window, its scroll bar, the "more" link and the code box.
#include "galleries/borderpage.h"

#include "base/controls/choice.h"
#include "base/controls/codebox.h"
#include "base/controls/twipgeometry.h"
#include "base/forumchoice.h"
#include "base/forumcode/forumcode.h"
#include "base/makeup.h"
#include "base/picture.h"
#include "base/prompt.h"
#include "base/sites.h"
#include "base/sitestore.h"
#include "base/weblink.h"
#include "galleries/frmviewborder.h"
#include "galleries/gallerylayout.h"
#include "galleries/galleryprogress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace borders {

QString forumCode(const QString& address)
{
    return forumcode::pictureCode(address);
}

QString centredForumCode(const QString& address, forumcode::Engine engine, bool* leftOut)
{
    return forumcode::alignedFor(engine, QString::fromUtf16(forumcode::kAlignCenter),
                                 forumCode(address), leftOut);
}

QString fileName(const QString& address)
{
    return address.mid(address.lastIndexOf(u'/') + 1);
}

} // namespace borders

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
    weblink::makeLinkLabel(label8_, weblink::homePage());
    controls::makeChoice(label8_, label8_->text(), QAccessible::Link);

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
    listenToBorder(first, 0);

    vs_ = makeup::vScroll(this, u"vs"_s, {6660, 120, 375, 5115});
    vs_->setSingleStep(200);
    vs_->setPageStep(200);

    txtCode_ = makeup::textBox(this, u"txtCode"_s, {300, 5880, 6255, 315},
                               makeup::font(u"Times New Roman"_s, 9.75, true), Qt::AlignHCenter);
    txtCode_->setToolTip(u"هنا سوف يظهر الإسم المزخرف"_s);
    txtCode_->hide();
    controls::selectAllOnFocusAndClick(txtCode_);
    controls::nameCodeBox(txtCode_, u"رمز الزخرفة"_s);

    connect(vs_, &QScrollBar::valueChanged, this, &BorderPage::vsScroll);
}

QStringList BorderPage::galleryPictures(const appfolder::AppFolder& folder)
{
    QStringList pictures;
    for (int i = 0; i < gallery::kBorderCount; ++i)
        pictures << folder.borderPicture(i);
    return pictures;
}

std::optional<files::Failure> BorderPage::loadGallery(const appfolder::AppFolder& folder,
                                                      const QString& site,
                                                      GalleryProgress& progress)
{
    folder_ = folder;
    borderCount_ = gallery::kBorderCount;
    imgBord_.resize(1);
    for (int i = 1; i <= borderCount_; ++i) {
        controls::ImageBox* copy = imgBord_.front()->copyOf(picMoveit_);
        copy->setObjectName(makeup::indexed(u"imgBord"_s, i));
        imgBord_.push_back(copy);
        listenToBorder(copy, i);
    }

    progress.start(borderCount_);
    for (int i = 0; i < borderCount_; ++i) {
        // Let the loading window repaint once per picture.
        QCoreApplication::processEvents();
        const QString path = folder.borderPicture(i);
        const files::Result<picture::Info> checked = picture::check(path);
        if (!checked.ok())
            return checked.failure();
        controls::ImageBox* current = imgBord_.at(static_cast<size_t>(i));
        current->setPictureFile(path, checked.value().size);
        current->setTag(appfolder::webAddress(site, appfolder::borderFileName(i)));

        controls::ImageBox* next = imgBord_.at(static_cast<size_t>(i) + 1);
        next->show();
        const tw::Rect at = controls::twips(current);
        controls::setTwipsTop(next, gallery::nextBorderTop(at.top, at.height));

        progress.loaded(path, i);
    }
    sizeGallery();
    makeBordersChoices();
    return std::nullopt;
}

void BorderPage::makeBordersChoices()
{
    // Each border with a picture is a choice, read by its number; Tab goes
    // down the column, then to the "more" link and the code box.
    QWidget* previous = nullptr;
    for (int i = 0; i < borderCount_; ++i) {
        controls::ImageBox* border = imgBord_.at(static_cast<size_t>(i));
        controls::makeChoice(border, u"زخرفة "_s + QString::number(i + 1));
        border->installEventFilter(this);
        if (previous)
            setTabOrder(previous, border);
        previous = border;
    }
    if (!previous)
        return;
    setTabOrder(previous, label8_);
    setTabOrder(label8_, txtCode_);
}

bool BorderPage::eventFilter(QObject* watched, QEvent* event)
{
    // A border reached by the keyboard is scrolled into the gallery's
    // window, as the scroll bar would bring it.
    if (event->type() == QEvent::FocusIn) {
        const auto found = std::find(imgBord_.begin(), imgBord_.end(), watched);
        if (found != imgBord_.end())
            scrollIntoView(*found);
    }
    return controls::PictureBox::eventFilter(watched, event);
}

void BorderPage::scrollIntoView(const controls::ImageBox* border)
{
    const int step = gallery::kBorderScrollUnit;
    const tw::Rect at = controls::twips(border);
    const int view = controls::twips(picture3_).height;
    // The positions at which the border's top and bottom are both inside
    // the window; the nearest to the present one.
    const int lowest = (borderGalleryTop_ + at.top + at.height - view + step - 1) / step;
    const int highest = (borderGalleryTop_ + at.top) / step;
    const int value = vs_->value();
    if (value > highest)
        vs_->setValue(highest);
    else if (value < lowest)
        vs_->setValue(std::min(lowest, highest));
}

void BorderPage::sizeGallery()
{
    const int firstHeight = controls::twips(imgBord_.front()).height;
    const int lastTop = controls::twips(imgBord_.back()).top;
    borderGalleryTop_ = static_cast<qint16>(controls::twips(picMoveit_).top);
    // The list scrolls until its end element reaches the bottom of the
    // gallery window, Picture3, so the last border can be seen whole.
    const int viewHeight = controls::twips(picture3_).height;
    vs_->setMaximum(gallery::borderScrollMax(borderGalleryTop_, lastTop, viewHeight));
    controls::setTwipsHeight(picMoveit_, gallery::borderContainerHeight(firstHeight, lastTop));
    vs_->setValue(0);
}

void BorderPage::forceMiddle()
{
    const int line = controls::twips(l_).left;
    for (controls::ImageBox* border : imgBord_)
        controls::setTwipsLeft(border, gallery::centredLeft(line, controls::twips(border).width));
    vsScroll();
}

void BorderPage::vsScroll()
{
    controls::setTwipsTop(picMoveit_, gallery::borderPanelTop(vs_->value(), borderGalleryTop_));
}

void BorderPage::wheelEvent(QWheelEvent* event)
{
    // Reached when the borders, the panel and the gallery window have let
    // the wheel pass; over the rest of the page it stays unused.
    if (picture3_->geometry().contains(event->position().toPoint())) {
        QCoreApplication::sendEvent(vs_, event);
        return;
    }
    controls::PictureBox::wheelEvent(event);
}

void BorderPage::listenToBorder(controls::ImageBox* border, int index)
{
    connect(border, &controls::ImageBox::mouseUp, this,
            [this, index](Qt::MouseButton button) { imgBordMouseUp(index, button); });
}

void BorderPage::imgBordMouseUp(int index, Qt::MouseButton button)
{
    if (index < 0 || static_cast<size_t>(index) >= imgBord_.size())
        return;
    const QString address = imgBord_.at(static_cast<size_t>(index))->tag();
    if (button == Qt::LeftButton) {
        bool leftOut = false;
        txtCode_->setText(borders::centredForumCode(
            address, forum_ ? forum_->engine() : forumcode::Engine::Classic, &leftOut));
        if (leftOut && forum_)
            forum_->noteLeftOut(forumcode::LeftOut::Alignment);
        // A code wider than the box shows its beginning, not its end.
        txtCode_->setCursorPosition(0);
    } else if (button == Qt::RightButton) {
        showViewer(index, address);
    }
}

FrmViewBorder* BorderPage::viewer() const
{
    return viewer_;
}

void BorderPage::showViewer(int index, const QString& address)
{
    if (!viewer_)
        viewer_ = new FrmViewBorder(window());
    // The viewer plays the border's own local file, the one the gallery
    // shows. A picture that cannot be played leaves the viewer empty; it
    // still opens with the address and the code.
    QString local;
    if (folder_ && index < borderCount_)
        local = folder_->borderPicture(index);
    (void)viewer_->borderPicture()->setPictureFile(local);
    viewer_->borderPicture()->play();
    viewer_->setCodes(borders::forumCode(address), address);
    viewer_->showModal();
}

void BorderPage::lllClick()
{
    QWidget* owner = window();
    const QString password = prompt::password(owner, u"Password?"_s, u"Prompt"_s);
    if (password.isEmpty())
        return;
    if (password != u"8052"_s) {
        prompt::message(owner, u"Access Denied!"_s, prompt::Icon::Critical);
        return;
    }
    const QString site = prompt::input(owner, u"Input the Site of the borders to save:"_s, {},
                                       QString::fromLatin1(sites::kDefaultBorderSite));
    if (site.isEmpty())
        return;
    // The store writes BordSite.dat whole or not at all and takes the new
    // site only once it is on disk.
    const auto confirm = [owner](const QString& question) {
        return prompt::question(owner, question);
    };
    const files::Result<SiteStore::Saved> saved = sites_.saveBorderSite(site, confirm);
    if (!saved.ok()) {
        prompt::message(owner,
                        saved.failure().text + u"\n\nThe border site has not been changed."_s,
                        prompt::Icon::Critical);
        return;
    }
    if (saved.value() == SiteStore::Saved::Declined)
        return;
    prompt::message(owner,
                    u"Successfully updated!\n"
                    "Now you must upload all the files located on the folder (Border) "
                    "to the site \n"_s +
                        site,
                    prompt::Icon::Information);
}
