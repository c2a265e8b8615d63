// Builders for the windows' make-up; see makeup.h.
#include "makeup.h"

#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>

using namespace Qt::StringLiterals;

namespace makeup {

namespace {

// Windows faces the make-up names, and what stands in for each where the
// face is missing. The Arabic faces come last: they supply the glyphs the
// Latin stand-ins lack.
const QHash<QString, QStringList>& standIns()
{
    static const QHash<QString, QStringList> table = {
        {u"Times New Roman"_s, {u"Liberation Serif"_s, u"Noto Naskh Arabic"_s, u"Amiri"_s}},
        {u"MS Sans Serif"_s, {u"Liberation Sans"_s, u"Noto Sans Arabic"_s, u"DejaVu Sans"_s}},
        {u"Tahoma"_s, {u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}},
        {u"Arial"_s, {u"Liberation Sans"_s, u"Noto Sans Arabic"_s}},
        {u"Arial Narrow"_s,
         {u"Liberation Sans Narrow"_s, u"Liberation Sans"_s, u"Noto Sans Arabic"_s}},
        {u"Arial Black"_s, {u"DejaVu Sans"_s, u"Noto Kufi Arabic"_s}},
        {u"Courier New"_s, {u"Liberation Mono"_s, u"DejaVu Sans Mono"_s, u"Noto Sans Arabic"_s}},
        {u"Comic Sans MS"_s, {u"KacstPen"_s, u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}},
        {u"Verdana"_s, {u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}},
        {u"System"_s, {u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}},
        {u"Simplified Arabic"_s, {u"Noto Naskh Arabic"_s, u"KacstBook"_s, u"Amiri"_s}},
        {u"DecoType Naskh Variants"_s, {u"Amiri"_s, u"Noto Naskh Arabic"_s}},
        {u"Andalus"_s, {u"KacstDecorative"_s, u"Amiri"_s, u"Liberation Serif"_s}},
        {u"Wingdings"_s, {u"DejaVu Sans"_s}},
    };
    return table;
}

template <typename W> W* placed(W* widget, const QString& name, const tw::Rect& rect)
{
    widget->setObjectName(name);
    controls::setTwips(widget, rect);
    return widget;
}

void applyText(QLabel* label, const Text& text, const QFont& font)
{
    label->setText(text.caption);
    label->setFont(font);
    label->setAlignment(text.alignment);
    label->setWordWrap(true);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, text.colour);
    label->setPalette(p);
}

void fillWith(QWidget* widget, const QColor& fill)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, fill);
    p.setColor(QPalette::Window, fill);
    widget->setPalette(p);
}

} // namespace

QString indexed(const QString& array, int index)
{
    return array + u'(' + QString::number(index) + u')';
}

namespace {
// The faces to ask for in place of a Windows face name: the face itself
// where it is installed, otherwise its installed stand-ins. Naming only
// faces that exist spares the font system a search for each missing one.
QStringList installedFamilies(const QString& face)
{
    static QHash<QString, QStringList> resolved;
    auto it = resolved.find(face);
    if (it != resolved.end())
        return *it;
    // One look at the installed families; asking for each name in turn
    // costs the font system a full alias search every time.
    static const QSet<QString> installed = [] {
        const QStringList all = QFontDatabase::families();
        return QSet<QString>(all.cbegin(), all.cend());
    }();
    QStringList families;
    if (installed.contains(face))
        families << face;
    for (const QString& standIn : standIns().value(face)) {
        if (installed.contains(standIn))
            families << standIn;
    }
    if (families.isEmpty())
        families << face;
    return *resolved.insert(face, families);
}
} // namespace

QFont font(const QString& face, double pointSize, bool bold)
{
    QFont f;
    f.setFamilies(installedFamilies(face));
    f.setPointSizeF(pointSize);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    return f;
}

QFont dialogFont()
{
    return font(u"MS Sans Serif"_s, 8.25, false);
}

QLabel* label(QWidget* parent, const QString& name, const tw::Rect& rect, const Text& text,
              const QFont& font)
{
    auto* l = placed(new QLabel(parent), name, rect);
    applyText(l, text, font);
    return l;
}

controls::ClickLabel* clickLabel(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const Text& text, const QFont& font)
{
    auto* l = placed(new controls::ClickLabel(parent), name, rect);
    applyText(l, text, font);
    return l;
}

controls::FrameShape* shape(QWidget* parent, const QString& name, const tw::Rect& rect,
                            const QColor& fill, const QColor& outline)
{
    return placed(new controls::FrameShape(parent, fill, outline), name, rect);
}

controls::LineShape* line(QWidget* parent, const QString& name, QPoint from, QPoint to,
                          const QColor& colour, int width)
{
    auto* l = new controls::LineShape(parent, from, to, colour, width);
    l->setObjectName(name);
    return l;
}

controls::ImageBox* image(QWidget* parent, const QString& name, const tw::Rect& rect, bool stretch,
                          const QString& picturePath)
{
    auto* img = placed(new controls::ImageBox(parent, stretch), name, rect);
    // Decoded when first drawn; an unstretched image needs its size now.
    if (!picturePath.isEmpty()) {
        picture::Info info;
        if (!stretch)
            (void)picture::check(picturePath, &info);
        img->setPictureFile(picturePath, info.size);
    }
    return img;
}

controls::PictureBox* pictureBox(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const QColor& background)
{
    return placed(new controls::PictureBox(parent, background), name, rect);
}

QLineEdit* textBox(QWidget* parent, const QString& name, const tw::Rect& rect, const QFont& font,
                   Qt::Alignment alignment, const QColor& fill)
{
    auto* t = placed(new QLineEdit(parent), name, rect);
    t->setFrame(false);
    t->setFont(font);
    t->setAlignment(alignment | Qt::AlignVCenter);
    fillWith(t, fill);
    return t;
}

QPlainTextEdit* multiLineTextBox(QWidget* parent, const QString& name, const tw::Rect& rect,
                                 const QFont& font, const QColor& fill)
{
    auto* t = placed(new QPlainTextEdit(parent), name, rect);
    t->setFrameShape(QFrame::NoFrame);
    t->setFont(font);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fillWith(t, fill);
    return t;
}

QPushButton* button(QWidget* parent, const QString& name, const tw::Rect& rect,
                    const QString& caption, const QFont& font)
{
    auto* b = placed(new QPushButton(caption, parent), name, rect);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

QRadioButton* option(QWidget* parent, const QString& name, const tw::Rect& rect,
                     const QString& caption, const QFont& font, const QColor& background,
                     const QColor& foreground)
{
    auto* o = placed(new QRadioButton(caption, parent), name, rect);
    o->setFont(font);
    QPalette p = o->palette();
    // Option buttons fill their background from the Button role.
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Button, background);
    p.setColor(QPalette::WindowText, foreground);
    o->setPalette(p);
    o->setAutoFillBackground(true);
    return o;
}

QScrollBar* vScroll(QWidget* parent, const QString& name, const tw::Rect& rect)
{
    return placed(new QScrollBar(Qt::Vertical, parent), name, rect);
}

} // namespace makeup
