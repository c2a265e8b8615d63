// The small set of control kinds the windows are made of, each placed in
// twips: picture images (stretched or sized to their picture), picture
// boxes, rounded frame shapes, lines, clickable labels, borderless text
// boxes, buttons and option buttons. Windows build themselves from these
// through the helpers in makeup.h.
#pragma once

#include "base/picture.h"
#include "base/twips.h"

#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include <future>

class QMovie;

namespace controls {

// A control's picture: set directly, or named by a file that is decoded
// only when the picture is first drawn or asked for.
// An icon whose pictures (one file per size) decode on the worker thread
// from the moment it is made; it is complete when first drawn or asked
// for, and behaves as an icon made from the files then.
QIcon iconAhead(const QList<std::pair<QString, QSize>>& files);

class LazyPicture {
public:
    void set(const QPixmap& picture);
    void setFile(const QString& path);
    // Starts decoding the named file now, on the worker thread, so that it
    // is ready when first drawn.
    void decodeAhead();
    const QPixmap& get() const;
    bool isSet() const
    {
        return !picture_.isNull() || !pendingFile_.isEmpty() || decoding_.valid();
    }

private:
    mutable QPixmap picture_;
    mutable QString pendingFile_;
    mutable std::shared_future<QImage> decoding_;
};

// A large picture decoded on another thread while the window is being
// built, and handed over as a pixmap when it is first drawn.
class BackgroundPicture {
public:
    explicit BackgroundPicture(const QString& path);
    const QPixmap& pixmap();

private:
    std::future<QImage> decoding_;
    QPixmap pixmap_;
};

// Remembers a control's twip rectangle so that reading it back is exact
// (pixel geometry is only its rounded image).
void setTwips(QWidget* widget, const tw::Rect& rect);
tw::Rect twips(const QWidget* widget);
void setTwipsLeft(QWidget* widget, int left);
void setTwipsTop(QWidget* widget, int top);
void setTwipsHeight(QWidget* widget, int height);

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

Q_SIGNALS:
    void clicked();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool stretch_;
    LazyPicture picture_;
    QMovie* movie_ = nullptr;
    QString tag_;
};

// When a page makes its controls: as it is constructed, or when its window
// first needs them (the page's build()), which spares start-up the pages
// nobody has looked at yet.
enum class Building { Now, WhenNeeded };

// A picture box: a plain container with a background colour and an
// optional picture drawn unscaled at its top left corner.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const QColor& background = Qt::white);

    void setPicture(const QPixmap& picture);
    // Decoded when first drawn or asked for.
    void setPictureFile(const QString& path);
    const QPixmap& picture() const { return picture_.get(); }
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
    LazyPicture picture_;
};

// A rounded rectangle with an opaque fill and an outline, drawn behind text
// boxes and groups of controls.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    FrameShape(QWidget* parent, const QColor& fill, const QColor& outline, int lineWidth = 1);

    QColor fill() const { return fill_; }
    QColor outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
    int lineWidth_;
};

// A straight line between two points given in the container's twips.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget* parent, QPoint fromTwips, QPoint toTwips, const QColor& colour,
              int width = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF from_;
    QPointF to_;
    QColor colour_;
    int width_;
};

// A label that reports clicks and can show the thin pressed-look frame.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    // 0: no frame, 1: fixed single frame.
    void setBorderStyle(int style);
    int borderStyle() const { return borderStyle_; }

Q_SIGNALS:
    void clicked();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int borderStyle_ = 0;
};

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

// Makes a code box select its whole text whenever it gets the focus and
// again on every click inside it, so that a click never leaves a partial
// selection and the code is ready to copy. A code wider than the box shows
// its start, also when it is put into the box and when it is selected.
void selectAllOnFocusAndClick(QLineEdit* box);
// Selects the whole text with the caret at its start, which stays in view.
void selectAllFromStart(QLineEdit* box);

} // namespace controls
