// The main window's load step: the logo, the settings files, the link and
// border galleries grown and filled picture by picture while the loading
// window shows the progress, and the first page.
#include "frmvorlane.h"

#include "borderpage.h"
#include "editorpage.h"
#include "frmloading.h"
#include "gallerylayout.h"
#include "linkpage.h"
#include "makeup.h"
#include "platform.h"
#include "prompt.h"
#include "settingsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>

#include <algorithm>

using namespace Qt::StringLiterals;
using controls::ImageBox;

namespace {

// Why start-up stopped; the text names the file and what failed.
struct StartupFailure {
    QString text;
};

// Reads a picture file's header: it must exist and be a picture. Its
// pixels are decoded later, when the picture is first drawn, so that the
// galleries of the pages not shown yet cost nothing at start-up.
QSize checkPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StartupFailure{appfolder::describeOpenFailure(path, file.errorString())};
    // A GIF names its size in its first ten bytes; anything else is asked
    // of the image readers.
    const QByteArray head = file.read(10);
    if (head.size() == 10 && (head.startsWith("GIF87a") || head.startsWith("GIF89a"))) {
        const auto byte = [&head](int i) { return static_cast<unsigned char>(head.at(i)); };
        const QSize size(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
        if (!size.isEmpty())
            return size;
    }
    file.close();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        throw StartupFailure{u"Invalid picture (%1):\n%2"_s.arg(reader.errorString(), path)};
    return size;
}

QString readSetting(const QString& path)
{
    settings::ReadResult result = settings::readValue(path);
    if (!result.value)
        throw StartupFailure{result.error};
    return *result.value;
}

} // namespace

FrmVorlane::LoadResult FrmVorlane::load()
{
    try {
        for (ImageBox* tab : imgProg_)
            tab->setPicture(imginActive_->picture());
        loadLogo();
        prepareEditorPickers();

        frmLoading_ = std::make_unique<FrmLoading>(welcome_);
        frmLoading_->show();

        readSettings();
        loadLinkGallery();
        loadOptionPictures();
        sizeLinkGallery();
        lblProgClick(3);
        loadBorderGallery();
        sizeBorderGallery();
        ForceMiddle();
    } catch (const StartupFailure& failure) {
        QWidget* owner = this;
        if (frmLoading_) {
            // The loading window stays behind the message with its last status.
            frmLoading_->flushProgress();
            owner = frmLoading_.get();
        }
        prompt::message(owner, u"Tarnwell cannot start.\n\n"_s + failure.text, prompt::Icon::Critical);
        return LoadResult::Failed;
    }
    frmLoading_.reset();
    return LoadResult::Loaded;
}

void FrmVorlane::loadLogo()
{
    // Both pages show the logo; each reads it for itself, as every start
    // reads its pictures afresh.
    const QString logo = folder_.logo();
    checkPicture(logo);
    aboutPage_->setPictureFile(logo);
    checkPicture(logo);
    smiliesPage_->setPictureFile(logo);
}

void FrmVorlane::prepareEditorPickers()
{
    for (int i = 0; i < EditorPage::kColourCount; ++i) {
        ImageBox* swatch = editorPage_->imgClr(i);
        swatch->setToolTip(swatch->tag());
    }
    // Each font label is drawn in the face it names. Where that face can
    // draw the whole caption (a Latin font name) the font system need not
    // look for fallback faces, the dearest part of drawing text at start-up.
    for (int i = 0; i < EditorPage::kFontCount; ++i) {
        QLabel* label = editorPage_->lblfont(i);
        const QString caption = label->text();
        const QFont stored = label->font();
        const QFont named = makeup::font(caption, stored.pointSizeF(), stored.bold());
        QFont single = named;
        single.setStyleStrategy(QFont::NoFontMerging);
        const QFontMetrics metrics(single);
        const bool drawsAll = std::all_of(caption.cbegin(), caption.cend(),
                                          [&metrics](QChar c) { return metrics.inFont(c); });
        label->setFont(drawsAll ? single : named);
    }
}

void FrmVorlane::readSettings()
{
    linkSite = readSetting(folder_.linkSettings());
    borderSite = readSetting(folder_.borderSettings());
}

void FrmVorlane::showLoadingProgress(const QString& path, int value)
{
    frmLoading_->showProgress(u"File: \""_s + path + u"\" successfully loaded."_s, value);
}

void FrmVorlane::loadLinkGallery()
{
    QProgressBar* progress = frmLoading_->pLoading();
    progress->setMaximum(gallery::kLinkCount - 1);
    progress->setValue(0);

    auto& dimg = linkPage_->dimg();
    dimg.resize(1);
    dimg.reserve(gallery::kLinkElements);
    const tw::Rect first = controls::twips(dimg.front());
    for (int i = 0; i < gallery::kLinkCount; ++i) {
        // Let the loading window repaint once per picture.
        QCoreApplication::processEvents();
        const QString path = folder_.linkPicture(i);
        ImageBox* current = dimg.back();
        current->setPictureFile(path, checkPicture(path));

        ImageBox* next = dimg.front()->copyOf(linkPage_->picCont());
        next->setObjectName(makeup::indexed(u"dimg"_s, i + 1));
        controls::setTwips(next, gallery::nextLinkCell(first, controls::twips(current), i + 1));
        next->show();
        dimg.push_back(next);

        showLoadingProgress(path, i);
    }
}

void FrmVorlane::loadOptionPictures()
{
    for (int i = 0; i < 4; ++i) {
        const QString path = folder_.optionPicture(i + 1);
        linkPage_->imgView(i)->setPictureFile(path, checkPicture(path));
    }
}

void FrmVorlane::sizeLinkGallery()
{
    const auto& dimg = linkPage_->dimg();
    const int picTextHeight = controls::twips(linkPage_->picText()).height;
    const int height = gallery::linkContainerHeight(controls::twips(dimg.at(114)).height,
                                                    controls::twips(dimg.at(138)).top, picTextHeight);
    controls::setTwipsHeight(linkPage_->picCont(), height);
    linkGalleryTop = controls::twips(linkPage_->picCont()).top;
    linkPage_->vScroll1()->setMaximum(gallery::linkScrollMax(
        height, controls::twips(linkPage_->picture1()).height, picTextHeight));
}

void FrmVorlane::loadBorderGallery()
{
    borderCount = gallery::kBorderCount;
    auto& imgBord = borderPage_->imgBord();
    imgBord.resize(1);
    for (int i = 1; i <= borderCount; ++i) {
        ImageBox* copy = imgBord.front()->copyOf(borderPage_->picMoveit());
        copy->setObjectName(makeup::indexed(u"imgBord"_s, i));
        imgBord.push_back(copy);
    }

    QProgressBar* progress = frmLoading_->pLoading();
    progress->setMaximum(borderCount);
    progress->setValue(0);
    for (int i = 0; i < borderCount; ++i) {
        QCoreApplication::processEvents();
        const QString path = folder_.borderPicture(i);
        ImageBox* current = imgBord.at(static_cast<size_t>(i));
        current->setPictureFile(path, checkPicture(path));
        current->setTag(appfolder::webAddress(borderSite, appfolder::borderFileName(i)));

        ImageBox* next = imgBord.at(static_cast<size_t>(i) + 1);
        next->show();
        const tw::Rect at = controls::twips(current);
        controls::setTwipsTop(next, gallery::nextBorderTop(at.top, at.height));

        showLoadingProgress(path, i);
    }
}

void FrmVorlane::sizeBorderGallery()
{
    const auto& imgBord = borderPage_->imgBord();
    const int firstHeight = controls::twips(imgBord.front()).height;
    const int lastTop = controls::twips(imgBord.back()).top;
    // The page has no border, so its inner height is its height.
    const int pageScaleHeight = controls::twips(picName(2)).height;
    borderPage_->vs()->setMaximum(gallery::borderScrollMax(lastTop, pageScaleHeight, firstHeight));
    borderGalleryTop = static_cast<qint16>(controls::twips(borderPage_->picMoveit()).top);
    controls::setTwipsHeight(borderPage_->picMoveit(),
                             gallery::borderContainerHeight(firstHeight, lastTop));
    borderPage_->vs()->setValue(0);
}
