// Page 2 of the main window, decorations and separators: the border
// gallery in its moving panel, the scroll bar, the "more" link and the
// border code box.
#pragma once

#include "base/appfolder.h"
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/controls/shapes.h"
#include "base/fileaccess.h"
#include "base/forumchoice.h"
#include "base/forumcode/engine.h"

#include <QPointer>

#include <optional>
#include <vector>

class FrmViewBorder;
class GalleryProgress;
class SiteStore;
class QLabel;
class QLineEdit;
class QScrollBar;

// The texts a border gives, from its web address.
namespace borders {
// "[IMG]" + address + "[/IMG]", brackets in the address percent-encoded.
QString forumCode(const QString& address);
// The forum code centred as the engine writes it ("[ALIGN=CENTER]" ...
// "[/ALIGN]" in the classic codes); uncentred, with *leftOut set, where the
// engine has no alignment.
QString centredForumCode(const QString& address,
                         forumcode::Engine engine = forumcode::Engine::Classic,
                         bool* leftOut = nullptr);
// The part after the last "/", or the whole address when it has none.
QString fileName(const QString& address);
} // namespace borders

class BorderPage : public controls::PictureBox {
    Q_OBJECT
public:
    BorderPage(SiteStore& sites, QWidget* parent);

    // Start-up: creates imgBord(1..60) and gives borders 0..59 their
    // pictures from the Border folder and their web addresses under site,
    // one column 300 twips apart; then sizes the panel and the scroll bar.
    // Stops at the first picture that cannot be used.
    std::optional<files::Failure> loadGallery(const appfolder::AppFolder& folder,
                                              const QString& site, GalleryProgress& progress);
    // The pictures loadGallery reads, in its order.
    static QStringList galleryPictures(const appfolder::AppFolder& folder);
    // Centres every border on the line of l, then re-applies the scroll
    // position.
    void forceMiddle();

    // A mouse button released over imgBord(index): the left button puts the
    // centred forum code into txtCode, the right one opens the viewer with
    // the border playing and its address and code; other buttons do nothing.
    void imgBordMouseUp(int index, Qt::MouseButton button);

    // The forum the centred code is written for; the classic codes without
    // one.
    void setForumChoice(ForumChoice* forum) { forum_ = forum; }

    // The administrative command of the main window's "خيارات إدارية"
    // label: asks for the password, then for the new border site, and saves
    // it in BordSite.dat. The addresses already built keep the old site
    // until the next start.
    void lllClick();

    // The border viewer while it exists (created on the first right click,
    // again after its close box discarded it).
    FrmViewBorder* viewer() const;

    qint16 borderCount() const { return borderCount_; }
    qint16 borderGalleryTop() const { return borderGalleryTop_; }

    controls::PictureBox* picture3() const { return picture3_; }
    controls::PictureBox* picMoveit() const { return picMoveit_; }
    // imgBord(0) exists from the start; start-up appends imgBord(1..60).
    std::vector<controls::ImageBox*>& imgBord() { return imgBord_; }
    // vs of the make-up.
    QScrollBar* scrollBar() const { return vs_; }
    controls::ClickLabel* label8() const { return label8_; }
    QLineEdit* txtCode() const { return txtCode_; }
    controls::FrameShape* shpcode() const { return shpcode_; }
    // l of the make-up: the line the borders are centred on.
    QLabel* centreLine() const { return l_; }

protected:
    // The mouse wheel over the gallery scrolls it as it does over vs.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SiteStore& sites_;
    QPointer<ForumChoice> forum_;
    void vsScroll();
    void sizeGallery();
    // The borders as the keyboard reaches them, in the Tab chain top down.
    void makeBordersChoices();
    void scrollIntoView(const controls::ImageBox* border);
    void listenToBorder(controls::ImageBox* border, int index);
    void showViewer(int index, const QString& address);

    std::optional<appfolder::AppFolder> folder_;
    QPointer<FrmViewBorder> viewer_;

    qint16 borderCount_ = 0;
    qint16 borderGalleryTop_ = 0;
    controls::PictureBox* picture3_ = nullptr;
    controls::PictureBox* picMoveit_ = nullptr;
    std::vector<controls::ImageBox*> imgBord_;
    QScrollBar* vs_ = nullptr;
    controls::ClickLabel* label8_ = nullptr;
    QLineEdit* txtCode_ = nullptr;
    controls::FrameShape* shpcode_ = nullptr;
    QLabel* l_ = nullptr;
};
