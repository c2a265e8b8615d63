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

    // What a left click does, for the keyboard (Enter, Return, Space) and
    // screen readers of a label made a choice (choice.h): the same signals.
    Q_INVOKABLE void choose();

Q_SIGNALS:
    void clicked();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int borderStyle_ = 0;
};

} // namespace controls
