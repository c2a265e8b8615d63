// The animated-picture preview (frmView): plays a smiley for the smilies
// picker and hands back the address the picker stored with it. Closing it
// only hides it.
#pragma once

#include "base/controls/animatedpicture.h"
#include "base/formwindow.h"

class FrmView : public controls::FormWindow {
    Q_OBJECT
public:
    explicit FrmView(QWidget* parent = nullptr);

    // Plays the picture file at path, shows the window above all others
    // (bringing it back when it was minimised) and returns the Tag of Agif.
    // A file that cannot be played leaves the preview empty. While a modal
    // window of the program is open, the preview stays below it.
    QString viewIt(const QString& path);

    controls::AnimatedPicture* agif() const { return agif_; }

Q_SIGNALS:
    // The user closed the preview (close box or a click on the picture);
    // the picker takes the focus back.
    void closedByUser();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void hidePreview();

    controls::AnimatedPicture* agif_ = nullptr;
    bool keepOnTop_ = false; // once shown by viewIt
};
