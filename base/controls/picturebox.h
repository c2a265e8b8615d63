// The picture box: a coloured container with an unscaled picture.
#pragma once

#include "base/controls/lazypicture.h"

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace controls {

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
    // The file the picture comes from; empty when it was set directly.
    const QString& pictureFile() const { return picture_.file(); }
    void setBackground(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
    LazyPicture picture_;
};

} // namespace controls
