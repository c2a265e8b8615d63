// The drawn shapes: rounded frames and straight lines, which take no clicks.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QWidget>

namespace controls {

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

} // namespace controls
