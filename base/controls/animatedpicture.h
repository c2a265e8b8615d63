// The animated-picture viewer, which animates only while it can be seen.
#pragma once

#include "base/fileaccess.h"

#include <QString>
#include <QWidget>

#include <optional>

class QMovie;

namespace controls {

// The animated-picture viewer: shows a picture file from a full path,
// animated when the file holds several frames (looping as the file asks),
// centred and scaled down when it is larger than the control. It keeps a
// caller's text in its tag and reports a click on the picture, which a
// preview window takes as its close request. Frames advance only while the
// viewer is visible and its window is not minimised.
class AnimatedPicture : public QWidget {
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget* parent = nullptr);

    // Loads the file for display; on failure (missing, not a picture, cut
    // short) the viewer is left empty and the failure goes to the caller.
    [[nodiscard]] std::optional<files::Failure> setPictureFile(const QString& path);
    // Shows the loaded picture, animated when it has several frames.
    void play();

    QString pictureFile() const { return file_; }
    bool isAnimating() const;
    int frameCount() const { return frames_; }

    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs the movie only while someone can see it.
    void followVisibility();

    QMovie* movie_ = nullptr;
    QString file_;
    QString tag_;
    int frames_ = 0;
    bool playing_ = false;
    QWidget* watchedWindow_ = nullptr;
};

} // namespace controls
