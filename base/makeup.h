// Helpers that build a window from its make-up tables: each call creates
// one control, names it after the table (arrays as "opt(3)"), places it in
// twips and gives it its colours and font. Graphical controls (labels,
// images, shapes, lines) should be created before the windowed controls of
// the same container (text boxes, buttons, option buttons, picture boxes,
// frames, scroll bars), which are drawn above them where they overlap.
#pragma once

#include "base/controls/clicklabel.h"
#include "base/controls/imagebox.h"
#include "base/controls/picturebox.h"
#include "base/controls/shapes.h"
#include "base/twips.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace makeup {

// The four colours that recur throughout the windows.
inline const QColor kWindowBlue{14, 119, 235};
inline const QColor kPanelTint{239, 243, 250};
inline const QColor kFrameBlue{142, 196, 244};
inline const QColor kTextBlue{79, 137, 234};

// "opt", 3 -> "opt(3)": the object name of an element of a control array.
QString indexed(const QString& array, int index);

// A font by its Windows face name, with the faces that stand in for it on
// systems without it (and that carry the Arabic glyphs) as fallbacks.
QFont font(const QString& face, double pointSize, bool bold);
// The default dialog font: MS Sans Serif 8.25 pt regular.
QFont dialogFont();

struct Text {
    QString caption;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

QLabel* label(QWidget* parent, const QString& name, const tw::Rect& rect, const Text& text,
              const QFont& font);
controls::ClickLabel* clickLabel(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const Text& text, const QFont& font);
controls::FrameShape* shape(QWidget* parent, const QString& name, const tw::Rect& rect,
                            const QColor& fill = kPanelTint, const QColor& outline = kFrameBlue);
controls::LineShape* line(QWidget* parent, const QString& name, QPoint from, QPoint to,
                          const QColor& colour, int width = 1);
controls::ImageBox* image(QWidget* parent, const QString& name, const tw::Rect& rect, bool stretch,
                          const QString& picturePath = {});
controls::PictureBox* pictureBox(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const QColor& background = Qt::white);
// Single-line text box without a border of its own (its frame shape draws it).
QLineEdit* textBox(QWidget* parent, const QString& name, const tw::Rect& rect, const QFont& font,
                   Qt::Alignment alignment = Qt::AlignLeft, const QColor& fill = kPanelTint);
QPlainTextEdit* multiLineTextBox(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const QFont& font, const QColor& fill = kPanelTint);
// Captions use "&" for an access key and "&&" for a visible ampersand.
QPushButton* button(QWidget* parent, const QString& name, const tw::Rect& rect,
                    const QString& caption, const QFont& font);
QRadioButton* option(QWidget* parent, const QString& name, const tw::Rect& rect,
                     const QString& caption, const QFont& font, const QColor& background,
                     const QColor& foreground);
QScrollBar* vScroll(QWidget* parent, const QString& name, const tw::Rect& rect);

} // namespace makeup
