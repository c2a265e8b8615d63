// The download links page: the link-button gallery in its moving panel,
// the scroll bar, and below them the code box with the help and options
// buttons.
#include "galleries/linkpage.h"

#include "base/catalogue.h"
#include "base/controls/choice.h"
#include "base/controls/codebox.h"
#include "base/controls/shapes.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "base/picture.h"
#include "base/prompt.h"
#include "base/sites.h"
#include "base/sitestore.h"
#include "galleries/frmoption1.h"
#include "galleries/frmoptions.h"
#include "galleries/gallerylayout.h"
#include "galleries/galleryprogress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRegion>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// One of the three overlapping bands behind the gallery. Drawn as three
// rounded rectangles, each band's rounded corners would poke out at the
// gallery's left and right edges where it meets the next; so the bands
// read as one rounded panel: only the panel's outer corners are rounded,
// and a lower band draws no edge along its top, which lies inside the band
// above it (its own lower edge is covered by the band below).
class BandShape : public controls::FrameShape {
public:
    BandShape(QWidget* parent, bool first, bool last)
        : controls::FrameShape(parent, makeup::kPanelTint, makeup::kFrameBlue), first_(first),
          last_(last)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = std::min<qreal>(std::min(box.width(), box.height()) / 4.0, 10.0);
        QPainterPath path;
        path.addRoundedRect(box, radius, radius);
        QPainterPath square;
        const qreal half = box.height() / 2;
        if (!first_)
            square.addRect(QRectF(box.left(), box.top(), box.width(), half));
        if (!last_)
            square.addRect(QRectF(box.left(), box.top() + half, box.width(), half));
        path = path.united(square);
        if (!first_)
            painter.setClipRect(rect().adjusted(0, 2, 0, 0));
        painter.setPen(QPen(outline(), 1));
        painter.setBrush(fill());
        painter.drawPath(path);
    }

private:
    bool first_;
    bool last_;
};

// The gallery's window inside Picture1: the panel's place at start-up,
// inside the bands. The panel, taller than the page and moved up as it
// scrolls, is seen only through it, so that it never covers the bands'
// outline above or below.
constexpr tw::Rect kGalleryWindow{180, 240, 6435, 4215};
// The three bands together, in Picture1.
constexpr tw::Rect kBandPanel{60, 0, 6675, 4515};

// Keeps the panel clipped to the gallery's window wherever it moves and
// however tall it grows.
class ClipToWindow : public QObject {
public:
    explicit ClipToWindow(QWidget* panel) : QObject(panel), panel_(panel)
    {
        panel->installEventFilter(this);
        clip();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            clip();
        return false;
    }

private:
    void clip()
    {
        const QRect window = tw::toPixels(kGalleryWindow).translated(-panel_->pos());
        panel_->setMask(QRegion(window.intersected(panel_->rect())));
    }

    QWidget* panel_;
};

// Shows a window modally and returns once it is hidden (its own buttons)
// or closed (its close box), as a modal form does.
void runModal(controls::FormWindow* window)
{
    class HideWatcher : public QObject {
    public:
        explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Hide)
                loop_.quit();
            return false;
        }

    private:
        QEventLoop& loop_;
    };

    window->setWindowModality(Qt::ApplicationModal);
    // Brought back also when the user minimised it the last time.
    window->showInFront();
    window->activateWindow();
    if (!window->isVisible())
        return;
    QEventLoop loop;
    HideWatcher watcher(loop);
    const QPointer<QWidget> alive(window);
    window->installEventFilter(&watcher);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    if (alive)
        alive->removeEventFilter(&watcher);
}

} // namespace

LinkPage::LinkPage(SiteStore& sites, QWidget* parent) : controls::PictureBox(parent), sites_(sites)
{
    setObjectName(makeup::indexed(u"picName"_s, 5));
    setFont(makeup::dialogFont());
    const QFont dialog = makeup::dialogFont();

    // Taller than the page: its lower part is simply cut off.
    picture1_ = makeup::pictureBox(this, u"Picture1"_s, {0, 120, 7395, 8115});

    // Background bands behind the gallery; each overlaps the one above.
    struct Band {
        const char16_t* name;
        tw::Rect rect;
    };
    constexpr Band kBands[] = {{u"Shape5", {60, 0, 6675, 1755}},
                               {u"Shape6", {60, 1680, 6675, 1755}},
                               {u"Shape7", {60, 3360, 6675, 1155}}};
    for (size_t i = 0; i < std::size(kBands); ++i) {
        auto* band = new BandShape(picture1_, i == 0, i + 1 == std::size(kBands));
        band->setObjectName(QString::fromUtf16(kBands[i].name));
        controls::setTwips(band, kBands[i].rect);
    }

    picCont_ = makeup::pictureBox(picture1_, u"picCont"_s, kGalleryWindow, makeup::kPanelTint);
    new ClipToWindow(picCont_);
    // The first link button; start-up copies it for the rest.
    auto* first = makeup::image(picCont_, makeup::indexed(u"dimg"_s, 0), {60, 60, 720, 705}, true);
    first->setCursor(Qt::PointingHandCursor);
    dimg_.push_back(first);
    connectClick(first, 0);

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
    controls::selectAllOnFocusAndClick(txtdcode_);
    controls::nameCodeBox(txtdcode_, u"رمز زر التحميل"_s);
    cmdHelp_ = makeup::button(picText_, u"cmdHelp"_s, {2760, 660, 915, 375}, u"مساعدة"_s, dialog);
    cmdOptions_ =
        makeup::button(picText_, u"cmdOptions"_s, {4440, 660, 795, 375}, u"خيارات"_s, dialog);

    connect(vScroll1_, &QScrollBar::valueChanged, this, &LinkPage::vScroll1Scroll);
    connect(cmdHelp_, &QPushButton::clicked, this, &LinkPage::cmdHelpClick);
    connect(cmdOptions_, &QPushButton::clicked, this, &LinkPage::cmdOptionsClick);
}

QStringList LinkPage::galleryPictures(const appfolder::AppFolder& folder)
{
    QStringList pictures;
    for (int i = 0; i < gallery::kLinkCount; ++i)
        pictures << folder.linkPicture(i);
    for (int i = 1; i <= catalogue::kOptionPictures; ++i)
        pictures << folder.optionPicture(i);
    return pictures;
}

std::optional<files::Failure> LinkPage::loadGallery(const appfolder::AppFolder& folder,
                                                    GalleryProgress& progress)
{
    folder_ = folder;
    progress.start(gallery::kLinkCount - 1);
    dimg_.resize(1);
    dimg_.reserve(gallery::kLinkElements);
    const tw::Rect first = controls::twips(dimg_.front());
    for (int i = 0; i < gallery::kLinkCount; ++i) {
        // Let the loading window repaint once per picture.
        QCoreApplication::processEvents();
        const QString path = folder.linkPicture(i);
        const files::Result<picture::Info> checked = picture::check(path);
        if (!checked.ok())
            return checked.failure();
        controls::ImageBox* current = dimg_.back();
        current->setPictureFile(path, checked.value().size);

        controls::ImageBox* next = dimg_.front()->copyOf(picCont_);
        next->setObjectName(makeup::indexed(u"dimg"_s, i + 1));
        controls::setTwips(next, gallery::nextLinkCell(first, controls::twips(current), i + 1));
        next->show();
        dimg_.push_back(next);
        connectClick(next, i + 1);

        progress.loaded(path, i);
    }

    static_assert(std::tuple_size_v<decltype(imgView_)> == catalogue::kOptionPictures,
                  "one imgView per option picture");
    for (int i = 0; i < catalogue::kOptionPictures; ++i) {
        const QString path = folder.optionPicture(i + 1);
        const files::Result<picture::Info> checked = picture::check(path);
        if (!checked.ok())
            return checked.failure();
        imgView_.at(static_cast<size_t>(i))->setPictureFile(path, checked.value().size);
    }
    sizeGallery();
    makeButtonsChoices();
    return std::nullopt;
}

void LinkPage::makeButtonsChoices()
{
    // Each button with a picture is a choice, read by its number. Tab goes
    // through the rows top down, each from its right end, then to the code
    // box and the buttons under it, right to left.
    QList<QWidget*> order;
    for (int row = 0; row * gallery::kLinksPerRow < gallery::kLinkCount; ++row) {
        for (int i = std::min((row + 1) * gallery::kLinksPerRow, gallery::kLinkCount) - 1;
             i >= row * gallery::kLinksPerRow; --i) {
            controls::ImageBox* button = dimg_.at(static_cast<size_t>(i));
            controls::makeChoice(button, u"زر تحميل "_s + QString::number(i + 1));
            button->installEventFilter(this);
            order.append(button);
        }
    }
    order << txtdcode_ << cmdOptions_ << cmdHelp_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

bool LinkPage::eventFilter(QObject* watched, QEvent* event)
{
    // A button reached by the keyboard is scrolled into the gallery's
    // window, as the scroll bar would bring it.
    if (event->type() == QEvent::FocusIn) {
        const auto found = std::find(dimg_.begin(), dimg_.end(), watched);
        if (found != dimg_.end())
            scrollIntoView(*found);
    }
    return controls::PictureBox::eventFilter(watched, event);
}

void LinkPage::scrollIntoView(const controls::ImageBox* button)
{
    const tw::Rect at = controls::twips(button);
    const tw::Rect window = kGalleryWindow;
    const auto seen = [&](int value) {
        const int top = gallery::linkPanelTop(value, linkGalleryTop_) + at.top;
        return top >= window.top && top + at.height <= window.top + window.height;
    };
    const int value = vScroll1_->value();
    if (seen(value))
        return;
    // The panel's top is minus the position, once it has left its place.
    const int highest = at.top - window.top;
    const int lowest = at.top + at.height - window.top - window.height;
    if (seen(0))
        vScroll1_->setValue(0);
    else
        vScroll1_->setValue(value > highest ? highest : std::max(lowest, 1));
}

void LinkPage::sizeGallery()
{
    const int picTextHeight = controls::twips(picText_).height;
    const int height = gallery::linkContainerHeight(
        controls::twips(dimg_.at(114)).height, controls::twips(dimg_.at(gallery::kLinkCount)).top,
        picTextHeight);
    controls::setTwipsHeight(picCont_, height);
    linkGalleryTop_ = controls::twips(picCont_).top;
    vScroll1_->setMaximum(
        gallery::linkScrollMax(height, controls::twips(picture1_).height, picTextHeight));
}

void LinkPage::vScroll1Scroll()
{
    controls::setTwipsTop(picCont_, gallery::linkPanelTop(vScroll1_->value(), linkGalleryTop_));
}

void LinkPage::wheelEvent(QWheelEvent* event)
{
    // Reached when the buttons and the panel have let the wheel pass: over
    // the gallery and its bands it scrolls the gallery, as over VScroll1.
    const QRect bands = tw::toPixels(kBandPanel).translated(picture1_->pos());
    if (bands.contains(event->position().toPoint())) {
        QCoreApplication::sendEvent(vScroll1_, event);
        return;
    }
    controls::PictureBox::wheelEvent(event);
}

void LinkPage::cmdHelpClick()
{
    const QStringList lines = {
        u"يتخصص هذ البرنامج للمنتديات حيث يقوم بوضع وصلات للتحميل"_s,
        u"طريقة إستخدام البرنامج:"_s,
        QString(),
        u"تختار الصورة التي تريد عملة وصلة بها"_s,
        u"سوف يسألك البرنامج ان تضع الوصلة مثلاً"_s,
        QString::fromLatin1(sites::kExampleDownload),
        u"ثم عليك ان تنسخ الكود الذي سيظهر ولصقه في المنتدى"_s,
    };
    prompt::message(this, lines.join(u"\r\n"_s), prompt::Icon::Information);
}

void LinkPage::connectClick(controls::ImageBox* button, int index)
{
    connect(button, &controls::ImageBox::clicked, this, [this, index] { dimgClick(index); });
}

FrmOption1& LinkPage::ensureFrmOption1()
{
    if (!frmOption1_) {
        frmOption1_ = new FrmOption1(window());
        frmOption1_->setForumChoice(forum_);
        connect(frmOption1_, &FrmOption1::codeReady, this, &LinkPage::pasteCode);
        connect(frmOption1_, &FrmOption1::discarded, this, [this] {
            // Deleted once its modal loop has returned.
            frmOption1_->deleteLater();
            frmOption1_ = nullptr;
        });
    }
    return *frmOption1_;
}

void LinkPage::dimgClick(int index)
{
    const QString example = QString::fromLatin1(sites::kExampleDownload);
    // The prompt's title keeps "Tarnwell1.2", as it always read, whatever
    // the version.
    const QString answer =
        prompt::input(this,
                      u"ضع وصلة التحميل التي تريد ان تنقلك الصورة إليها عند الضغط عليها "_s +
                          u"\r\n"_s + u"مثال : "_s + example,
                      u"Tarnwell1.2"_s, example);
    if (answer.isEmpty())
        return;

    FrmOption1& dialog = ensureFrmOption1();
    // The local copy is previewed. The end element has no picture, and a
    // button whose file cannot be played leaves the preview empty; the
    // dialog works all the same.
    const appfolder::AppFolder folder = folder_.value_or(appfolder::AppFolder::ofExecutable());
    if (!dialog.imgBack()->setPictureFile(folder.linkPicture(index)))
        dialog.imgBack()->play();
    dialog.setImage(appfolder::webAddress(sites_.linkSite(), appfolder::linkFileName(index)),
                    answer);
    runModal(&dialog);
}

void LinkPage::setForumChoice(ForumChoice* forum)
{
    forum_ = forum;
    if (frmOption1_)
        frmOption1_->setForumChoice(forum_);
}

void LinkPage::setLink(const QString& theLink)
{
    sites_.setLink(theLink);
}

void LinkPage::pasteCode(const QString& code)
{
    if (frmOption1_)
        frmOption1_->hide();
    txtdcode_->setText(code);
    window()->activateWindow();
    txtdcode_->setFocus(Qt::OtherFocusReason);
    txtdcode_->selectAll();
}

void LinkPage::cmdOptionsClick()
{
    if (!frmOptions_) {
        frmOptions_ = new FrmOptions(sites_, window());
        connect(frmOptions_, &FrmOptions::linkSaved, this, &LinkPage::setLink);
        connect(frmOptions_, &FrmOptions::discarded, this, [this] {
            frmOptions_->deleteLater();
            frmOptions_ = nullptr;
        });
    }
    runModal(frmOptions_);
}
