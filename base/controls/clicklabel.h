// The label that reports clicks and can show a thin pressed-look frame.
#pragma once

#include <QLabel>

namespace controls {

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

} // namespace controls
