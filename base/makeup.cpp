// Builders for the windows' make-up; see makeup.h.
#include "base/makeup.h"

#include "base/controls/twipgeometry.h"
#include "base/picture.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace makeup {

namespace {

// Windows faces the make-up names, and what stands in for each where the
// face is missing. The Arabic faces come last: they supply the glyphs the
// Latin stand-ins lack. Each face the font picker offers has a stand-in of
// its own look, so that the picker shows twelve different faces.
struct StandIn {
    QStringList families;
    // Where no cut of the right width or weight exists, the family that is
    // drawn wider or narrower (stretch, in percent) and perhaps heavier.
    QString reshaped = {};
    int stretch = QFont::Unstretched;
    bool black = false;
};

const QHash<QString, StandIn>& standIns()
{
    static const QHash<QString, StandIn> table = {
        {u"Times New Roman"_s, {{u"Liberation Serif"_s, u"Noto Naskh Arabic"_s, u"Amiri"_s}}},
        {u"MS Sans Serif"_s, {{u"Liberation Sans"_s, u"Noto Sans Arabic"_s, u"DejaVu Sans"_s}}},
        {u"Tahoma"_s, {{u"Tahoma"_s, u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}}},
        {u"Arial"_s, {{u"Liberation Sans"_s, u"Noto Sans Arabic"_s}}},
        {u"Arial Narrow"_s,
         {{u"Liberation Sans Narrow"_s, u"Liberation Sans"_s, u"Noto Sans Arabic"_s},
          u"Liberation Sans"_s,
          82}},
        {u"Arial Black"_s,
         {{u"Liberation Sans"_s, u"Noto Kufi Arabic"_s}, u"Liberation Sans"_s, 118, true}},
        {u"Courier New"_s, {{u"Liberation Mono"_s, u"DejaVu Sans Mono"_s, u"Noto Sans Arabic"_s}}},
        {u"Comic Sans MS"_s,
         {{u"Comic Neue"_s, u"KacstPen"_s, u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}}},
        {u"Verdana"_s, {{u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}}},
        {u"System"_s, {{u"System"_s, u"DejaVu Sans"_s, u"Noto Sans Arabic"_s}}},
        {u"Simplified Arabic"_s,
         {{u"Noto Naskh Arabic"_s, u"Noto Serif"_s, u"KacstBook"_s, u"Amiri"_s}}},
        {u"DecoType Naskh Variants"_s, {{u"Amiri"_s, u"Noto Naskh Arabic"_s}}},
        {u"Andalus"_s, {{u"KacstDecorative"_s, u"Amiri"_s, u"Liberation Serif"_s}}},
        // Wine's Wingdings draws only a few of the letters of its own name
        // (the rest as empty boxes); where it cannot draw the whole caption
        // the name is shown readable, in a face no other name uses.
        {u"Wingdings"_s, {{u"Wingdings"_s, u"Noto Sans Display"_s, u"DejaVu Sans"_s}}},
    };
    return table;
}

// Look-alike faces that Debian installs where the font system does not look
// (its fonts-wine package). They are registered with the application's font
// database only when a font first asks for them.
const QHash<QString, QStringList>& privateFaceFiles()
{
    static const QHash<QString, QStringList> files = {
        // Only the regular cut: the bold one spaces some signs ("/") wide,
        // which spoils the addresses in the code boxes; Qt emboldens the
        // regular cut instead.
        {u"Tahoma"_s, {u"tahoma.ttf"_s}},
        {u"System"_s, {u"system.ttf"_s}},
        {u"Wingdings"_s, {u"wingding.ttf"_s}},
    };
    return files;
}

constexpr const char16_t* kPrivateFaceFolders[] = {
    u"/usr/share/wine/fonts/",
    u"/usr/lib/wine/fonts/",
    u"/opt/wine/share/wine/fonts/",
};

// Registers a private look-alike face; true when its family can be used.
bool registerPrivateFace(const QString& family)
{
    static QHash<QString, bool> registered;
    const auto known = registered.constFind(family);
    if (known != registered.cend())
        return *known;
    bool any = false;
    for (const QString& file : privateFaceFiles().value(family)) {
        for (const char16_t* folder : kPrivateFaceFolders) {
            const QString path = QString::fromUtf16(folder) + file;
            if (!QFileInfo(path).isFile())
                continue;
            const int id = QFontDatabase::addApplicationFont(path);
            if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(family))
                any = true;
            break;
        }
    }
    registered.insert(family, any);
    return any;
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
    // Left and right mean the sides of the window as it stands: a label
    // otherwise swaps them for a caption in Arabic, which reads right to
    // left, and draws a right-aligned caption flush left.
    label->setAlignment(text.alignment | Qt::AlignAbsolute);
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
struct Resolved {
    QStringList families;
    int stretch = QFont::Unstretched;
    bool black = false;
};

const Resolved& resolve(const QString& face)
{
    static QHash<QString, Resolved> resolved;
    auto it = resolved.constFind(face);
    if (it != resolved.cend())
        return *it;
    // One look at the installed families; asking for each name in turn
    // costs the font system a full alias search every time.
    static const QSet<QString> installed = [] {
        const QStringList all = QFontDatabase::families();
        return QSet<QString>(all.cbegin(), all.cend());
    }();
    // A face held only as pictures of its letters at a few pixel sizes
    // (Wine's System) is drawn from the 1x pictures on a scaled screen, its
    // letters spaced apart: there the next face draws the caption.
    static const bool scaledScreen = [] {
        const auto screens = QGuiApplication::screens();
        return std::any_of(screens.cbegin(), screens.cend(),
                           [](const QScreen* s) { return s->devicePixelRatio() > 1.0; });
    }();
    auto usable = [](const QString& family) {
        const bool present = installed.contains(family) ||
                             (privateFaceFiles().contains(family) && registerPrivateFace(family));
        return present && !(scaledScreen && !QFontDatabase::isScalable(family));
    };
    auto realUsable = [](const QString& family) {
        return installed.contains(family) && !(scaledScreen && !QFontDatabase::isScalable(family));
    };
    Resolved r;
    const bool real = realUsable(face);
    if (real)
        r.families << face;
    const StandIn standIn = standIns().value(face);
    for (const QString& family : standIn.families) {
        if (!r.families.contains(family) && usable(family))
            r.families << family;
    }
    // The real face is drawn as it is; a stand-in perhaps reshaped.
    if (!real && !r.families.isEmpty() && r.families.first() == standIn.reshaped) {
        r.stretch = standIn.stretch;
        r.black = standIn.black;
    }
    if (r.families.isEmpty())
        r.families << face;
    return *resolved.insert(face, r);
}
} // namespace

QFont font(const QString& face, double pointSize, bool bold)
{
    const Resolved& r = resolve(face);
    QFont f;
    f.setFamilies(r.families);
    f.setPointSizeF(pointSize);
    f.setWeight(r.black ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
    if (r.stretch != QFont::Unstretched)
        f.setStretch(r.stretch);
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
        QSize size;
        if (!stretch) {
            const files::Result<picture::Info> checked = picture::check(picturePath);
            if (checked.ok())
                size = checked.value().size;
        }
        img->setPictureFile(picturePath, size);
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
