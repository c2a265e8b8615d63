// The main window: a page book with eight tabs down its right edge. It
// builds its frame-level controls, hosts the seven pages, runs the start-up
// load step and switches pages; the pages' own behaviour lives with them.
#pragma once

#include "appfolder.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class BorderPage;
class EditorPage;
class FrmLoading;
class LinkPage;
class NamesPage;
class SymbolPage;
class TagToolbar;
class QLabel;

#include "controls.h"

class FrmVorlane : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTabCount = 8;
    static constexpr int kPageCount = 7;

    enum class LoadResult { Loaded, Failed, Restarting };

    explicit FrmVorlane(const appfolder::AppFolder& folder, QWidget* parent = nullptr);
    ~FrmVorlane() override;

    // The start-up load step. On failure the message naming what failed has
    // been shown and nothing was written.
    LoadResult load();

    // The page switcher (tab 0..7).
    void lblProgClick(int index);
    // Centres every border picture on the centre line, then re-applies the
    // scroll position.
    void ForceMiddle();
    void cmdHelpClick();
    // Ends the program: removes the notification icon first.
    void exitProgram();

    // Whether a notification-area icon exists to bring the window back;
    // without one, closing the window ends the program.
    void setNotificationIconShown(bool shown) { notificationIconShown_ = shown; }
    bool notificationIconShown() const { return notificationIconShown_; }

    // Variables shared with the pages and the secondary windows.
    const appfolder::AppFolder& appFolder() const { return folder_; }
    QString nameText;
    QString undoText;
    qint16 undoSelStart = 0;
    qint16 undoSelLength = 0;
    QString linkSite;
    qint32 linkGalleryTop = 0;
    qint16 borderCount = 0;
    qint16 borderGalleryTop = 0;
    QString borderSite;
    // True while the forum-editor page is current.
    bool editorPageShown = false;

    // Controls, by their make-up names.
    TagToolbar* toolbar1() const { return toolbar1_; }
    controls::ImageBox* imgProg(int i) const { return imgProg_.at(static_cast<size_t>(i)); }
    controls::ClickLabel* lblProg(int i) const { return lblProg_.at(static_cast<size_t>(i)); }
    controls::ImageBox* imgActive() const { return imgActive_; }
    controls::ImageBox* imginActive() const { return imginActive_; }
    QWidget* picName(int i) const { return picName_.at(static_cast<size_t>(i)); }
    controls::ClickLabel* lll() const { return lll_; }
    controls::PictureBox* picNote() const { return picNote_; }
    controls::PictureBox* picExit() const { return picExit_; }
    NamesPage* namesPage() const { return namesPage_; }
    SymbolPage* symbolPage() const { return symbolPage_; }
    BorderPage* borderPage() const { return borderPage_; }
    EditorPage* editorPage() const { return editorPage_; }
    LinkPage* linkPage() const { return linkPage_; }
    // The loading window while start-up runs (and after a failed one).
    FrmLoading* frmLoading() const { return frmLoading_.get(); }
    // The current page's index, or -1 before the first switch.
    int currentPage() const;

Q_SIGNALS:
    // Tab 4 asks for the smilies picker.
    void smiliesRequested();
    // The options button of the download-links page.
    void optionsRequested();
    void programEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrame();
    void buildTabs();
    void buildPages();
    void wireScrolling();
    void vsScroll();
    void vScroll1Scroll();

    // The load step's parts, in order; each throws StartupFailure.
    void loadLogo();
    void prepareEditorPickers();
    void readSettings();
    void loadLinkGallery();
    void loadOptionPictures();
    void sizeLinkGallery();
    void loadBorderGallery();
    void sizeBorderGallery();
    void showLoadingProgress(const QString& path, int value);

    appfolder::AppFolder folder_;
    controls::BackgroundPicture background_;
    // The loading window's picture, decoded while this window is built.
    std::shared_ptr<controls::BackgroundPicture> welcome_;
    bool notificationIconShown_ = false;
    std::unique_ptr<FrmLoading> frmLoading_;

    TagToolbar* toolbar1_ = nullptr;
    std::array<controls::ImageBox*, kTabCount> imgProg_{};
    std::array<controls::ClickLabel*, kTabCount> lblProg_{};
    controls::ImageBox* imgActive_ = nullptr;
    controls::ImageBox* imginActive_ = nullptr;
    controls::ClickLabel* lll_ = nullptr;
    controls::PictureBox* picNote_ = nullptr;
    controls::PictureBox* picExit_ = nullptr;
    std::array<QWidget*, kPageCount> picName_{};
    controls::PictureBox* smiliesPage_ = nullptr;  // picName(4)
    controls::PictureBox* aboutPage_ = nullptr;    // picName(6)
    NamesPage* namesPage_ = nullptr;
    SymbolPage* symbolPage_ = nullptr;
    BorderPage* borderPage_ = nullptr;
    EditorPage* editorPage_ = nullptr;
    LinkPage* linkPage_ = nullptr;
};
