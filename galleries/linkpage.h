// Page 5 of the main window, download links: the link-button gallery with
// its scroll bar, the code box and the help and options buttons.
#pragma once

#include "base/appfolder.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/fileaccess.h"
#include "base/forumchoice.h"
#include "galleries/frmoption1.h"
#include "galleries/frmoptions.h"

#include <QPointer>

#include <array>
#include <optional>
#include <vector>

class GalleryProgress;
class SiteStore;
class QLineEdit;
class QPushButton;
class QScrollBar;

class LinkPage : public controls::PictureBox {
    Q_OBJECT
public:
    LinkPage(SiteStore& sites, QWidget* parent);

    // Start-up: gives dimg(0..137) the link-button pictures, growing the
    // grid in rows of six up to the empty end element dimg(138); loads the
    // four small pictures of imgView; then sizes the panel and the scroll
    // bar. Stops at the first picture that cannot be used.
    std::optional<files::Failure> loadGallery(const appfolder::AppFolder& folder,
                                              GalleryProgress& progress);
    // The pictures loadGallery reads, in its order.
    static QStringList galleryPictures(const appfolder::AppFolder& folder);

    qint32 linkGalleryTop() const { return linkGalleryTop_; }

    // The help button's message.
    void cmdHelpClick();
    // The options button: the link-site options window, modal.
    void cmdOptionsClick();

    // A click on link button index: asks for the download address, then
    // previews the button in the image-insertion dialog and shows that
    // dialog modally; its code lands in txtdcode.
    void dimgClick(int index);
    // The forum the download codes are written for; the classic codes
    // without one.
    void setForumChoice(ForumChoice* forum);

    // Takes theLink as the link site for the next button click.
    void setLink(const QString& theLink);
    // Hides the image-insertion dialog and puts the code into txtdcode,
    // wholly selected, with the focus there.
    void pasteCode(const QString& code);

    // The dialogs while they exist (created on first use, discarded by
    // their close boxes).
    FrmOption1* frmOption1() const { return frmOption1_; }
    FrmOptions* frmOptions() const { return frmOptions_; }

    controls::PictureBox* picture1() const { return picture1_; }
    controls::PictureBox* picCont() const { return picCont_; }
    // dimg(0) exists from the start; start-up appends dimg(1..138).
    std::vector<controls::ImageBox*>& dimg() { return dimg_; }
    QScrollBar* vScroll1() const { return vScroll1_; }
    controls::PictureBox* picText() const { return picText_; }
    QLineEdit* txtdcode() const { return txtdcode_; }
    controls::ImageBox* imgView(int index) const { return imgView_.at(static_cast<size_t>(index)); }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdOptions() const { return cmdOptions_; }

protected:
    // The mouse wheel over the gallery scrolls it as it does over VScroll1.
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SiteStore& sites_;
    FrmOption1& ensureFrmOption1();
    void connectClick(controls::ImageBox* button, int index);
    void vScroll1Scroll();
    void sizeGallery();
    // The buttons as the keyboard reaches them, in the Tab chain row by
    // row, right to left.
    void makeButtonsChoices();
    void scrollIntoView(const controls::ImageBox* button);

    // Where the local copies of the buttons are, known from start-up.
    std::optional<appfolder::AppFolder> folder_;
    QPointer<FrmOption1> frmOption1_;
    QPointer<ForumChoice> forum_;
    QPointer<FrmOptions> frmOptions_;
    qint32 linkGalleryTop_ = 0;
    controls::PictureBox* picture1_ = nullptr;
    controls::PictureBox* picCont_ = nullptr;
    std::vector<controls::ImageBox*> dimg_;
    QScrollBar* vScroll1_ = nullptr;
    controls::PictureBox* picText_ = nullptr;
    QLineEdit* txtdcode_ = nullptr;
    std::array<controls::ImageBox*, 4> imgView_{};
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdOptions_ = nullptr;
};
