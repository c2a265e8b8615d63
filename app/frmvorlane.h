// The main window: a page book with eight tabs down its right edge. It
// builds its frame-level controls, hosts the seven pages, and switches
// between them; each page owns its own behaviour and state.
#pragma once

#include "base/appfolder.h"
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

class BorderPage;
class EditorPage;
class ForumChoice;
class LinkPage;
class NamesPage;
class SiteStore;
class SymbolPage;
class TagToolbar;

class FrmVorlane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabCount = 8;
    static constexpr int kPageCount = 7;

    // The tabs top to bottom, and the pages they show (picName(0..6)); the
    // last tab ends the program and has no page.
    enum class Page { Names, Symbols, Borders, Editor, Smilies, Links, About, Exit };
    Q_ENUM(Page)

    // icon: the window's icon, for a caller that has made it already.
    FrmVorlane(const appfolder::AppFolder& folder, SiteStore& sites, QWidget* parent = nullptr,
               const QIcon& icon = windowIconPicture());
    ~FrmVorlane() override;

    // The page switcher: a click on a tab.
    void lblProgClick(Page page);
    // The current page; none before the first switch and after
    // showNoTabCurrent.
    std::optional<Page> currentPage() const { return currentPage_; }
    // True while the forum-editor page is the current page.
    bool editorPageShown() const { return editorPageShown_; }

    // Start-up steps of the frame itself: every tab drawn as not current,
    // and the logo read for the smilies and about pages.
    void showNoTabCurrent();
    std::optional<files::Failure> loadLogo();

    // The window's icon, also the notification-area icon's picture.
    static QIcon windowIconPicture();
    // The hidden picture boxes that hold the tray menu's item pictures.
    controls::PictureBox* picNote() const { return picNote_; }
    controls::PictureBox* picExit() const { return picExit_; }

    // Whether a notification-area icon exists to bring the window back;
    // without one, closing the window ends the program. Follows the
    // notification area as it comes and goes.
    void setNotificationIconShown(bool shown) { notificationIconShown_ = shown; }
    bool notificationIconShown() const { return notificationIconShown_; }

    // The pages, for the start-up that fills them. The names and symbol
    // pages make their controls when first needed: when asked for here,
    // when first shown, or once the window has first been drawn.
    NamesPage* namesPage() const;
    SymbolPage* symbolPage() const;
    BorderPage* borderPage() const { return borderPage_; }
    EditorPage* editorPage() const { return editorPage_; }
    LinkPage* linkPage() const { return linkPage_; }
    TagToolbar* toolbar1() const { return toolbar1_; }
    // The member's forum, which every page writes its codes for and the
    // post's look reads for.
    ForumChoice* forumChoice() const { return forumChoice_; }

    // The page book's keys (Ctrl+Tab, Ctrl+PgDn and the steps back) also
    // in another window of the program, such as the smilies picker that a
    // step may have opened: a step taken there comes back to this window.
    void addPageKeys(QWidget* window);

Q_SIGNALS:
    // Tab 4 asks for the smilies picker.
    void smiliesRequested();
    // Tab 7, or closing the window where nothing could bring it back.
    void exitRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void centreOnScreen();
    void buildTabs();
    void buildFrame();
    void buildPages(SiteStore& sites);
    void buildWaitingPages() const;
    // Ctrl+Tab and its kin, and the tool buttons' place in the Tab chain.
    void buildKeys();
    // The page `by` steps after (or before) the current one, wrapping
    // round the seven pages, chosen as its tab's click does.
    void stepPage(int by);
    QWidget* picName(int i) const { return picName_.at(static_cast<size_t>(i)); }
    controls::ImageBox* imgProg(int i) const { return imgProg_.at(static_cast<size_t>(i)); }

    appfolder::AppFolder folder_;
    bool notificationIconShown_ = false;
    std::optional<Page> currentPage_;
    bool editorPageShown_ = false;
    bool drawn_ = false;
    bool centredWithFrame_ = false;

    TagToolbar* toolbar1_ = nullptr;
    std::array<controls::ImageBox*, kTabCount> imgProg_{};
    controls::ImageBox* imgActive_ = nullptr;
    controls::ImageBox* imginActive_ = nullptr;
    controls::ClickLabel* lll_ = nullptr;
    controls::PictureBox* picNote_ = nullptr;
    controls::PictureBox* picExit_ = nullptr;
    std::array<QWidget*, kPageCount> picName_{};
    controls::PictureBox* smiliesPage_ = nullptr; // picName(4)
    controls::PictureBox* aboutPage_ = nullptr;   // picName(6)
    NamesPage* namesPage_ = nullptr;
    SymbolPage* symbolPage_ = nullptr;
    BorderPage* borderPage_ = nullptr;
    EditorPage* editorPage_ = nullptr;
    LinkPage* linkPage_ = nullptr;
    ForumChoice* forumChoice_ = nullptr;
};
