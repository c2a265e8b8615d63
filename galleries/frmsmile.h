// The smilies picker (frmSmile): three grids of 41 smilies, one per
// category; a click previews a smiley on top and puts its picture code
// into the code box. Closing the window only hides it.
#pragma once

#include "base/appfolder.h"
#include "base/catalogue.h"
#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/lazypicture.h"
#include "base/formwindow.h"

#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <vector>

class FrmView;
class QLineEdit;

class FrmSmile : public controls::FormWindow {
    Q_OBJECT
public:
    // The categories in the order the grids AG, AG1 and AG2 show them.
    static constexpr int kGrids = catalogue::kSmileySetCount;
    static constexpr int kCells = catalogue::kSmiliesPerSet; // cell i shows smiley i + 1
    static QString category(int grid);
    // The smiley's address on the smilies site.
    static QString webAddress(const QString& category, int n);

    FrmSmile(const appfolder::AppFolder& folder, FrmView& preview, QWidget* parent = nullptr);

    // Whether the grids have been built and filled (on the first showing).
    bool isLoaded() const { return loaded_; }
    // Cell index of grid AG (0), AG1 (1) or AG2 (2); element 0 exists from
    // the start, the others once the picker is loaded.
    controls::ImageBox* cell(int grid, int index) const;
    const std::vector<controls::ImageBox*>& cells(int grid) const
    {
        return grids_.at(static_cast<size_t>(grid));
    }

    // A click on a cell: previews its picture and puts the picture code of
    // its web address into txtWeb, replacing what was there.
    void agClick(int grid, int index);

    // Whether the cells' animations are running: only while the picker can
    // be seen.
    bool isAnimating() const { return ticker_.isActive(); }

    QLineEdit* txtWeb() const { return txtWeb_; }
    controls::ClickLabel* label1() const { return label1_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The Tab chain in reading order, once the grids are built.
    void orderTabs();
    // Builds the grids and gives every cell its picture and its Tag text.
    void formLoad();
    // Gives the cell the frames of the picture file; false when the file
    // cannot be used.
    bool loadPicture(controls::ImageBox* cell, const QString& path);
    // Moves every animation that is due to its next frame.
    void tick();
    // Runs the clock only while the picker is visible and not minimised.
    void followVisibility();

    // The frames of an animated cell, decoded once. All cells share one
    // clock, so their frame changes are painted together and the GIFs are
    // not decoded again on every loop.
    struct Animation {
        controls::ImageBox* cell = nullptr;
        std::vector<QPixmap> frames;
        std::vector<int> delays; // how long each frame stays, in ms
        size_t current = 0;
        qint64 due = 0; // clock time of the next frame
    };

    appfolder::AppFolder folder_;
    FrmView& preview_;
    bool loaded_ = false;
    controls::LazyPicture background_;
    QPixmap scaledBackground_;
    std::array<std::vector<controls::ImageBox*>, kGrids> grids_;
    std::vector<Animation> animations_;
    QTimer ticker_;
    QElapsedTimer clock_;
    QLineEdit* txtWeb_ = nullptr;
    controls::ClickLabel* label1_ = nullptr;
};
