// The main window's frame, tabs, page switcher and closing; see
// frmvorlane.h.
#include "app/frmvorlane.h"

#include "base/backdrop.h"
#include "base/controls/building.h"
#include "base/controls/choice.h"
#include "base/controls/clicklabel.h"
#include "base/controls/iconahead.h"
#include "base/controls/twipgeometry.h"
#include "base/forumchoice.h"
#include "base/makeup.h"
#include "base/picture.h"
#include "base/version.h"
#include "composer/editorpage.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"
#include "composer/tagtoolbar.h"
#include "galleries/borderpage.h"
#include "galleries/linkpage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using controls::ClickLabel;
using controls::ImageBox;
using controls::PictureBox;

namespace {

constexpr tw::Rect kClientArea{0, 0, 9570, 6735};

struct TabRow {
    int top; // imgProg(i).Top
    const char16_t* caption;
    const char16_t* iconName;
    tw::Rect icon;
    const char16_t* iconPicture;
};

// The tab strip, top to bottom; each tab carries an icon at its right end.
constexpr TabRow kTabs[FrmVorlane::kTabCount] = {
    {840, u"مزخرف الأسماء", u"Image16", {8940, 660, 420, 420}, u":/art/tab0.png"},
    {1500, u"المزخرف الخاص", u"Image15", {8940, 1380, 420, 420}, u":/art/tab1.png"},
    {2220, u"زخارف وفواصل", u"Image13", {8940, 2160, 480, 360}, u":/art/tab2.png"},
    {2940, u"محرر المنتدى", u"Image8", {9000, 2880, 360, 420}, u":/art/tab3.png"},
    {3600, u"إبتســـامـــات", u"Image7", {9000, 3600, 285, 300}, u":/art/tab4.gif"},
    {4260, u"وصلات تحميل", u"Image20", {8940, 4140, 405, 420}, u":/art/tab5.gif"},
    {4920, u"عن Dravik", u"Image17", {8940, 4860, 405, 420}, u":/art/tab6.png"},
    {5580, u"خــــــــروج", u"Image19", {8940, 5520, 405, 420}, u":/art/tab7.png"},
};

// The names page reaches right to the tab strip's band, so that the longer
// patterns of its right column are shown whole; the symbol page reaches down
// to the window's bottom edge: its grid has a seventh row for the one symbol
// that has no cell of its own.
constexpr tw::Rect kPageRects[FrmVorlane::kPageCount] = {
    {600, 400, 6795, 6255}, {0, 400, 7395, 6335},   {120, 400, 7155, 6315}, {0, 390, 7395, 6015},
    {0, 0, 7395, 6735},     {120, 720, 7275, 6015}, {0, 0, 7395, 6735},
};

// A caption as a screen reader should read it: without the stretching
// strokes (tatweel) that widen some captions on their bars.
QString spokenCaption(const char16_t* caption)
{
    QString text = QString::fromUtf16(caption);
    text.remove(QChar(0x0640));
    return text;
}

} // namespace

QIcon FrmVorlane::windowIconPicture()
{
    QList<std::pair<QString, QSize>> files;
    for (const int size : {16, 24, 32, 48})
        files.append({u":/art/icon%1.png"_s.arg(size), QSize(size, size)});
    return controls::iconAhead(files);
}

FrmVorlane::FrmVorlane(const appfolder::AppFolder& folder, SiteStore& sites, QWidget* parent,
                       const QIcon& icon)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      folder_(folder)
{
    setObjectName(u"frmVorlane"_s);
    setWindowTitle(u"Tarnwell "_s + QLatin1StringView(version::kVersion));
    setWindowIcon(icon);
    setFont(makeup::dialogFont());
    setFixedSize(tw::toPixels(kClientArea).size());
    setAttribute(Qt::WA_OpaquePaintEvent);

    buildTabs();
    buildFrame();
    buildPages(sites);
    buildKeys();

    centreOnScreen();
}

FrmVorlane::~FrmVorlane() = default;

void FrmVorlane::centreOnScreen()
{
    // A window is placed by its frame's corner: the frame (the window
    // manager's title bar and edges, none before the window is first
    // shown) is what is centred.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect frame(QPoint(), frameGeometry().size());
        move(screen->availableGeometry().center() - frame.center());
    }
}

bool FrmVorlane::event(QEvent* event)
{
    // The frame is known only once the window manager has put it around
    // the window: the first show is centred again with it.
    if (!centredWithFrame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                               event->type() == QEvent::Show)) {
        if (isVisible() && frameGeometry().size() != size()) {
            centredWithFrame_ = true;
            centreOnScreen();
        }
    }
    return QWidget::event(event);
}

void FrmVorlane::buildTabs()
{
    // Three passes, so that the icons lie on the tab pictures and the
    // captions on both.
    const QFont tabFont = font();
    for (int i = 0; i < kTabCount; ++i) {
        const TabRow& row = kTabs[i];
        auto* tab =
            makeup::image(this, makeup::indexed(u"imgProg"_s, i), {7500, row.top, 1815, 495}, true);
        tab->setCursor(Qt::PointingHandCursor);
        // The tab bar itself takes the keyboard's focus; its caption and
        // icon lie on it.
        controls::makeChoice(tab, spokenCaption(row.caption), QAccessible::PageTab);
        connect(tab, &ImageBox::clicked, this, [this, i] { lblProgClick(static_cast<Page>(i)); });
        imgProg_[static_cast<size_t>(i)] = tab;
    }
    for (int i = 0; i < kTabCount; ++i) {
        const TabRow& row = kTabs[i];
        auto* icon = makeup::image(this, QString::fromUtf16(row.iconName), row.icon, true);
        const QString file = QString::fromUtf16(row.iconPicture);
        // Animated icons play; the others decode on the worker meanwhile.
        // Only a GIF can hold frames, and walking one is cheap; checking a
        // PNG would decode it.
        const auto animated = [&file] {
            const files::Result<picture::Info> checked = picture::check(file);
            return checked.ok() && checked.value().frames > 1;
        };
        if (file.endsWith(u".gif"_s) && animated()) {
            (void)icon->playFile(file);
        } else {
            icon->setPictureFile(file, QSize());
            icon->decodeAhead();
        }
        // The icon sits on its tab: a click on it is a click on the tab.
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    for (int i = 0; i < kTabCount; ++i) {
        const TabRow& row = kTabs[i];
        const tw::Rect rect = i == 0 ? tw::Rect{7680, row.top + 120, 1215, 375}
                                     : tw::Rect{7500, row.top + 120, 1635, 375};
        auto* caption = makeup::clickLabel(
            this, makeup::indexed(u"lblProg"_s, i), rect,
            {QString::fromUtf16(row.caption), Qt::white, Qt::AlignHCenter | Qt::AlignVCenter},
            tabFont);
        // The caption's line is centred on the whole bar rather than on the
        // label's lower part: Arabic faces carry tall line boxes, which put
        // a caption that starts at the label's top visibly low in its bar.
        const QRect bar = tw::toPixels(tw::Rect{7500, row.top, 1815, 495});
        QRect shown = caption->geometry();
        shown.setTop(bar.top());
        shown.setBottom(bar.bottom());
        caption->setGeometry(shown);
        caption->setCursor(Qt::PointingHandCursor);
        caption->setAccessibleName(spokenCaption(row.caption));
        connect(caption, &ClickLabel::clicked, this,
                [this, i] { lblProgClick(static_cast<Page>(i)); });
    }
}

void FrmVorlane::buildFrame()
{
    imgActive_ = makeup::image(this, u"imgActive"_s, {4200, 8880, 1845, 555}, true,
                               u":/art/tab_active.png"_s);
    imgActive_->hide();
    imginActive_ = makeup::image(this, u"imginActive"_s, {1920, 9060, 1875, 585}, true,
                                 u":/art/tab_inactive.png"_s);
    imginActive_->hide();

    auto* lll = makeup::clickLabel(
        this, u"lll"_s, {7800, 6300, 1335, 315},
        {u"خيارات إدارية"_s, QColor(240, 4, 39), Qt::AlignHCenter | Qt::AlignTop},
        makeup::font(u"Times New Roman"_s, 9.75, true));
    lll->setCursor(Qt::PointingHandCursor);
    controls::makeChoice(lll, lll->text(), QAccessible::Link);
    lll_ = lll;
    connect(lll, &ClickLabel::clicked, this, [this] { borderPage_->lllClick(); });

    // The pictures of the notification-area menu's items.
    picNote_ = makeup::pictureBox(this, u"picNote"_s, {-195, 615, 255, 255});
    picNote_->setPictureFile(u":/art/picnote.png"_s);
    picNote_->hide();
    picExit_ = makeup::pictureBox(this, u"picExit"_s, {-195, 3240, 210, 210});
    picExit_->setPictureFile(u":/art/picexit.png"_s);
    picExit_->hide();
}

void FrmVorlane::buildPages(SiteStore& sites)
{
    // Start-up shows the editor page: the two decorator pages wait.
    namesPage_ = new NamesPage(this, controls::Building::WhenNeeded);
    symbolPage_ = new SymbolPage(this, controls::Building::WhenNeeded);
    borderPage_ = new BorderPage(sites, this);
    editorPage_ = new EditorPage(this);
    editorPage_->setLocalPictures(LocalPictures(folder_, &sites));
    smiliesPage_ = new PictureBox(this);
    smiliesPage_->setObjectName(makeup::indexed(u"picName"_s, 4));
    // The smilies page shows the title artwork until start-up puts the
    // logo there.
    smiliesPage_->setPictureFile(u":/art/title.png"_s);
    linkPage_ = new LinkPage(sites, this);
    aboutPage_ = new PictureBox(this);
    aboutPage_->setObjectName(makeup::indexed(u"picName"_s, 6));

    // The other pages name themselves.
    picName_ = {namesPage_,   symbolPage_, borderPage_, editorPage_,
                smiliesPage_, linkPage_,   aboutPage_};
    for (int i = 0; i < kPageCount; ++i)
        controls::setTwips(picName_[static_cast<size_t>(i)], kPageRects[i]);

    // One forum for every page that writes code, and for the post's look.
    forumChoice_ = new ForumChoice(ForumChoice::defaultPath(), this);
    borderPage_->setForumChoice(forumChoice_);
    editorPage_->setForumChoice(forumChoice_);
    linkPage_->setForumChoice(forumChoice_);

    toolbar1_ = new TagToolbar(this);
    controls::setTwips(toolbar1_, {0, 0, 9570, 405});
    toolbar1_->hide();
    toolbar1_->raise();
    connect(toolbar1_, &TagToolbar::buttonClicked, editorPage_, &EditorPage::toolbar1ButtonClick);
}

namespace {
// The usual keys of a page book, and the step each takes.
struct PageStep {
    QKeySequence keys;
    int step;
};
const PageStep kPageSteps[] = {
    {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
    {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
    {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
};
} // namespace

void FrmVorlane::addPageKeys(QWidget* window)
{
    for (const PageStep& step : kPageSteps) {
        auto* shortcut = new QShortcut(step.keys, window);
        connect(shortcut, &QShortcut::activated, this, [this, by = step.step] {
            activateWindow();
            stepPage(by);
        });
    }
}

void FrmVorlane::buildKeys()
{
    // The page book's keys step through the seven pages, round and round,
    // from wherever the focus is in the window.
    for (const PageStep& step : kPageSteps) {
        auto* shortcut = new QShortcut(step.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, by = step.step] { stepPage(by); });
    }

    // The tool buttons join the Tab chain after the frame's own controls,
    // the rightmost first; the editor page's controls follow them.
    QList<QWidget*> tools;
    for (int i = TagToolbar::kButtonCount; i >= 1; --i) {
        QAction* action = toolbar1_->button(i);
        if (action->isSeparator())
            continue;
        if (QWidget* button = toolbar1_->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            tools.append(button);
        }
    }
    QWidget* previous = lll_;
    for (QWidget* tool : tools) {
        setTabOrder(previous, tool);
        previous = tool;
    }
}

void FrmVorlane::stepPage(int by)
{
    const int from = currentPage_ ? static_cast<int>(*currentPage_) : 0;
    const int to = ((from + by) % kPageCount + kPageCount) % kPageCount;
    lblProgClick(static_cast<Page>(to));
    // The new page's first control takes the focus, unless the page put it
    // somewhere itself (the editor's pane) or opened a window (the smilies).
    if (currentPage_ != static_cast<Page>(to) || currentPage_ == Page::Smilies)
        return;
    QWidget* page = picName(to);
    QWidget* focused = QApplication::focusWidget();
    if (focused && page->isAncestorOf(focused) && focused->isVisible())
        return;
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // A page without controls (the about page) leaves the focus on its tab.
    imgProg(to)->setFocus(Qt::TabFocusReason);
}

NamesPage* FrmVorlane::namesPage() const
{
    namesPage_->build();
    return namesPage_;
}

SymbolPage* FrmVorlane::symbolPage() const
{
    symbolPage_->build();
    return symbolPage_;
}

void FrmVorlane::buildWaitingPages() const
{
    namesPage_->build();
    symbolPage_->build();
}

void FrmVorlane::lblProgClick(Page page)
{
    const int index = static_cast<int>(page);
    if (index < 0 || index >= kTabCount || page == currentPage_)
        return;

    borderPage_->txtCode()->hide();
    borderPage_->shpcode()->hide();
    toolbar1_->hide();
    editorPageShown_ = false;

    switch (page) {
    case Page::Borders:
        borderPage_->txtCode()->show();
        borderPage_->shpcode()->show();
        break;
    case Page::Editor:
        toolbar1_->show();
        editorPageShown_ = true;
        break;
    case Page::Smilies:
        Q_EMIT smiliesRequested();
        break;
    case Page::Exit:
        Q_EMIT exitRequested();
        return;
    default:
        break;
    }

    for (ImageBox* tab : imgProg_)
        tab->setPicture(imginActive_->picture());
    imgProg(index)->setPicture(imgActive_->picture());
    currentPage_ = page;

    for (QWidget* shown : picName_)
        shown->hide();
    // A decorator page clicked before it was made is made now.
    if (page == Page::Names)
        namesPage_->build();
    else if (page == Page::Symbols)
        symbolPage_->build();
    picName(index)->show();
    // The editor's pane takes what is typed at once, also straight after
    // start-up, when no control has the focus yet.
    if (page == Page::Editor)
        editorPage_->txtEdit()->setFocus(Qt::OtherFocusReason);
}

void FrmVorlane::showNoTabCurrent()
{
    currentPage_.reset();
    for (ImageBox* tab : imgProg_)
        tab->setPicture(imginActive_->picture());
}

std::optional<files::Failure> FrmVorlane::loadLogo()
{
    // Both pages show the logo; each reads it for itself.
    const QString logo = folder_.logo();
    for (PictureBox* page : {aboutPage_, smiliesPage_}) {
        if (auto failure = picture::check(logo).error())
            return failure;
        page->setPictureFile(logo);
    }
    return std::nullopt;
}

void FrmVorlane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    backdrop::paintMainWindow(painter);
    // The pages that wait are made once the window is on the screen, before
    // anyone could reach them.
    if (!drawn_) {
        drawn_ = true;
        QTimer::singleShot(0, this, &FrmVorlane::buildWaitingPages);
    }
}

void FrmVorlane::closeEvent(QCloseEvent* event)
{
    if (notificationIconShown_) {
        // The window only hides; the notification icon brings it back.
        event->ignore();
        toolbar1_->hide();
        hide();
        return;
    }
    // Nothing could show a hidden window again: closing ends the program.
    event->accept();
    Q_EMIT exitRequested();
}
