// The image control: a picture stretched to the control or setting its size.
#pragma once

#include "base/controls/lazypicture.h"
#include "base/fileaccess.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

class QMovie;

namespace controls {

// An image control: shows a picture, either stretched to the control or
// with the control sized to the picture (then its twip size follows the
// picture's pixel size). Only the first frame of an animated file is shown
// unless a movie is set.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr, bool stretch = true);

    bool stretch() const { return stretch_; }
    void setPicture(const QPixmap& picture);
    // A picture file whose header has been read (size in pixels); it is
    // decoded when it is first drawn or asked for.
    void setPictureFile(const QString& path, const QSize& size);
    // Decodes the picture file on the worker thread from now on: for
    // pictures of the first window shown.
    void decodeAhead() { picture_.decodeAhead(); }
    const QPixmap& picture() const { return picture_.get(); }
    // The file the picture comes from; empty when it was set directly.
    const QString& pictureFile() const { return picture_.file(); }
    // What is drawn now: the movie's frame while one plays.
    QPixmap shownPicture() const;
    bool hasPicture() const { return picture_.isSet(); }
    // Plays an animated picture file instead of a still one; the failure
    // if the file cannot be played (the control then stays empty).
    std::optional<files::Failure> playFile(const QString& path);

    // A free text a caller keeps with the control.
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // A new element of the same control array: same kind, size, stretch
    // setting, tooltip and cursor, no picture, hidden.
    ImageBox* copyOf(QWidget* parent) const;

    // What a left click does, for the keyboard (Enter, Return, Space) and
    // screen readers of a box made a choice (choice.h): the same signals.
    Q_INVOKABLE void choose();

Q_SIGNALS:
    void clicked();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool stretch_;
    LazyPicture picture_;
    QMovie* movie_ = nullptr;
    QString tag_;
};

} // namespace controls
