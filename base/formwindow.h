// A secondary window as the make-up describes one: a fixed client area in
// twips, its kind of frame, an optional background picture, and where it
// first appears (a stored screen position of its client area, in twips, or
// wherever the system places new windows).
#pragma once

#include "base/controls/lazypicture.h"
#include "base/twips.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace controls {

class FormWindow : public QWidget {
    Q_OBJECT
public:
    enum class Frame {
        FixedSingle, // a title bar with close and minimise, no maximise
        ToolWindow,  // a small title bar with close only, not in the taskbar
        Sizable,     // an ordinary window
    };

    FormWindow(const QString& name, const QString& caption, QSize clientTwips, Frame frame,
               std::optional<QPoint> storedPositionTwips, QWidget* parent = nullptr);

    // The picture drawn at the top left corner of the client area.
    void setBackgroundFile(const QString& path);
    void setBackgroundColour(const QColor& colour);
    const QPixmap& backgroundPicture() const { return picture_.get(); }

    Frame frame() const { return frame_; }

    // Shows the window in front of the others, bringing it back first when
    // the user minimised it: show() alone leaves a minimised window as it is.
    void showInFront();
    std::optional<QPoint> storedPosition() const { return storedPosition_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Frame frame_;
    std::optional<QPoint> storedPosition_;
    bool placed_ = false;
    QColor background_ = Qt::white;
    LazyPicture picture_;
};

} // namespace controls
