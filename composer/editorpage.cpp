// The forum editor page: the size, colour and font pickers, the copy and
// keyboard buttons, and the edit pane.
#include "composer/editorpage.h"

#include "base/controls/choice.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"

#include <algorithm>
#include <cstdlib>

#include <QContextMenuEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

struct SizeRow {
    int n;
    tw::Rect rect;
    double points;
};

// "خط 1" .. "خط 7", each caption in the size it stands for.
constexpr SizeRow kSizes[] = {
    {1, {720, 300, 315, 195}, 8.25},   {2, {1260, 300, 315, 195}, 8.25},
    {3, {1860, 300, 330, 225}, 9},     {4, {2400, 240, 435, 285}, 12},
    {5, {3120, 240, 540, 330}, 14.25}, {6, {3960, 180, 675, 390}, 18},
    {7, {4980, 120, 795, 480}, 21.75},
};

struct Swatch {
    int index;
    QString tag;
};

// The swatch grid as it appears on screen; black is at the right end of
// the top row. The tag is the colour's name, which later becomes the
// tooltip and the value of the colour tag.
constexpr int kSwatchTops[3] = {780, 1200, 1620};
constexpr int kSwatchLefts[9] = {420, 1080, 1740, 2400, 3060, 3720, 4380, 5010, 5670};
constexpr int kNarrowColumnLeft = 4380;
const Swatch kSwatches[3][9] = {
    {{18, u"coral"_s},
     {14, u"tomato"_s},
     {13, u"orange"_s},
     {10, u"darkblue"_s},
     {9, u"blue"_s},
     {12, u"royalblue"_s},
     {11, u"skyblue"_s},
     {1, u"white"_s},
     {0, u"black"_s}},
    {{17, u"deeppink"_s},
     {16, u"seagreen"_s},
     {15, u"limegreen"_s},
     {8, u"green"_s},
     {7, u"darkred"_s},
     {6, u"firebrick"_s},
     {5, u"red"_s},
     {4, u"crimson"_s},
     {3, u"orangered"_s}},
    {{2, u"gray"_s},
     {25, u"silver"_s},
     {26, u"teal"_s},
     {23, u"chocolate"_s},
     {24, u"sienna"_s},
     {21, u"sandybrown"_s},
     {22, u"burlywood"_s},
     {19, u"indigo"_s},
     {20, u"purple"_s}},
};

// The colours' names as a screen reader reads them, the name the code
// carries after each.
QString spokenColour(const QString& tag)
{
    static const QHash<QString, QString> kArabic = {
        {u"black"_s, u"أسود"_s},          {u"white"_s, u"أبيض"_s},
        {u"gray"_s, u"رمادي"_s},          {u"orangered"_s, u"أحمر برتقالي"_s},
        {u"crimson"_s, u"قرمزي"_s},       {u"red"_s, u"أحمر"_s},
        {u"firebrick"_s, u"أحمر طوبي"_s}, {u"darkred"_s, u"أحمر داكن"_s},
        {u"green"_s, u"أخضر"_s},          {u"blue"_s, u"أزرق"_s},
        {u"darkblue"_s, u"أزرق داكن"_s},  {u"skyblue"_s, u"أزرق سماوي"_s},
        {u"royalblue"_s, u"أزرق ملكي"_s}, {u"orange"_s, u"برتقالي"_s},
        {u"tomato"_s, u"أحمر طماطمي"_s},  {u"limegreen"_s, u"أخضر ليموني"_s},
        {u"seagreen"_s, u"أخضر بحري"_s},  {u"deeppink"_s, u"وردي غامق"_s},
        {u"coral"_s, u"مرجاني"_s},        {u"indigo"_s, u"نيلي"_s},
        {u"purple"_s, u"أرجواني"_s},      {u"sandybrown"_s, u"بني رملي"_s},
        {u"burlywood"_s, u"خشبي"_s},      {u"chocolate"_s, u"بني شوكولاتي"_s},
        {u"sienna"_s, u"بني محمر"_s},     {u"silver"_s, u"فضي"_s},
        {u"teal"_s, u"أزرق مخضر"_s},
    };
    const QString arabic = kArabic.value(tag);
    return arabic.isEmpty() ? tag : arabic + u" ("_s + tag + u')';
}

struct FontRow {
    int index;
    int left;
    int top;
    int width;
    QString face;
};

// Each font label shows the name of the face it applies.
const FontRow kFonts[] = {
    {0, 540, 2160, 1575, u"Times New Roman"_s},
    {1, 2220, 2160, 1575, u"Simplified Arabic"_s},
    {2, 4500, 2160, 1575, u"Arial"_s},
    {3, 540, 2400, 1575, u"Arial Narrow"_s},
    {4, 2220, 2400, 1575, u"Comic Sans MS"_s},
    {5, 4500, 2400, 1575, u"Courier New"_s},
    {8, 540, 2640, 1575, u"Tahoma"_s},
    {9, 2220, 2640, 1575, u"Verdana"_s},
    {10, 4500, 2640, 1575, u"Wingdings"_s},
    {6, 540, 2940, 1575, u"Arial Black"_s},
    {7, 2220, 2940, 1575, u"System"_s},
    {11, 4140, 2880, 2175, u"DecoType Naskh Variants"_s},
};

// The faces that stand in for the Windows ones where those are missing
// (Arabic glyphs especially) can run wider than the designed labels. A
// one-line caption then keeps its line and is given the room it needs on
// screen instead of wrapping out of sight; the twip rectangle stays as
// designed, and the label grows from its aligned edge.
QRect fitCaption(QLabel* label)
{
    label->setWordWrap(false);
    QRect g = tw::toPixels(controls::twips(label));
    const int extra = label->sizeHint().width() - g.width();
    if (extra > 0) {
        if (label->alignment() & Qt::AlignHCenter)
            g.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
            g.setWidth(g.width() + extra);
        label->setGeometry(g);
    }
    return g;
}

// A white heading would vanish on the white page: it sits on a window-blue
// rounded backdrop a little larger than its caption.
void heading(QWidget* parent, const QString& name, const tw::Rect& rect, const QString& caption)
{
    auto* backdrop = makeup::shape(parent, name + u".backdrop"_s, rect, makeup::kWindowBlue,
                                   makeup::kWindowBlue);
    auto* label =
        makeup::label(parent, name, rect, {caption, Qt::white, Qt::AlignHCenter | Qt::AlignVCenter},
                      makeup::font(u"Tahoma"_s, 9.75, true));
    backdrop->setGeometry(fitCaption(label).adjusted(-2, -1, 2, 1));
}

} // namespace

EditorPage::EditorPage(QWidget* parent) : controls::PictureBox(parent)
{
    setObjectName(makeup::indexed(u"picName"_s, 3));
    setFont(makeup::dialogFont());
    const QFont dialog = makeup::dialogFont();
    const makeup::Text blue{{}, makeup::kTextBlue};

    // Graphical controls first (shapes, labels, images, the line); the
    // buttons and the edit pane are created after them and stack above.
    makeup::shape(this, u"Shape15"_s, {120, 120, 6315, 495});
    for (const SizeRow& row : kSizes) {
        makeup::Text text = blue;
        text.caption = u"خط "_s + QString::number(row.n);
        auto* size = makeup::clickLabel(this, makeup::indexed(u"lblSize"_s, row.n), row.rect, text,
                                        makeup::font(u"Times New Roman"_s, row.points, true));
        size->setWordWrap(false);
        size->installEventFilter(this);
        lblSize_.at(static_cast<size_t>(row.n - 1)) = size;
    }
    heading(this, u"Label2"_s, {6480, 180, 570, 240}, u"الحجم"_s);

    makeup::shape(this, u"Shape14"_s, {120, 660, 6315, 1395}, Qt::white);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 9; ++c) {
            const Swatch& s = kSwatches[r][c];
            const int width = (kSwatchLefts[c] == kNarrowColumnLeft || s.index == 26) ? 435 : 465;
            const int height = s.index == 0 ? 375 : 345;
            auto* img = makeup::image(this, makeup::indexed(u"imgClr"_s, s.index),
                                      {kSwatchLefts[c], kSwatchTops[r], width, height}, true,
                                      u":/art/swatch%1.png"_s.arg(s.index));
            img->setTag(s.tag);
            // The palette is on the page shown first.
            img->decodeAhead();
            imgClr_.at(static_cast<size_t>(s.index)) = img;
        }
    }
    heading(this, u"Label4"_s, {6540, 1080, 450, 240}, u"اللون"_s);

    makeup::shape(this, u"Shape13"_s, {120, 2100, 6315, 1155});
    // Stored in one face; start-up shows each caption in the face it names.
    const QFont fontLabelFont = makeup::font(u"Times New Roman"_s, 9.75, true);
    for (const FontRow& row : kFonts) {
        makeup::Text text = blue;
        text.caption = row.face;
        auto* face = makeup::clickLabel(this, makeup::indexed(u"lblfont"_s, row.index),
                                        {row.left, row.top, row.width, 315}, text, fontLabelFont);
        face->setWordWrap(false);
        // Start-up redraws each font label in the face it names.
        face->installEventFilter(this);
        lblfont_.at(static_cast<size_t>(row.index)) = face;
    }
    heading(this, u"Label3"_s, {6540, 2160, 435, 240}, u"الخط"_s);

    makeup::line(this, u"Line2"_s, {120, 3330}, {6420, 3330}, makeup::kPanelTint);

    // The reminder runs under the ENG and Arabic buttons, which cover its
    // left end.
    makeup::label(this, u"Label1"_s, {1440, 3480, 5625, 315},
                  {u"عند عمل نسخ لأي كود تأكد انك في وضعية اللغة العربية "_s, QColor(0, 255, 0),
                   Qt::AlignHCenter | Qt::AlignTop},
                  dialog);
    makeup::shape(this, u"Shape9"_s, {120, 3900, 7155, 1995});
    // Lies under the edit pane, which hides it.
    makeup::label(this, u"Label7"_s, {6180, 4020, 690, 240}, {u"الواجهة"_s, Qt::white},
                  makeup::font(u"Tahoma"_s, 9.75, true));

    selectAllButton_ =
        makeup::button(this, u"Command2"_s, {180, 3420, 435, 375}, u"الكل"_s, dialog);
    copyButton_ = makeup::button(this, u"Command5"_s, {600, 3420, 435, 375}, u"نسخ"_s, dialog);
    defaultKeyboardButton_ =
        makeup::button(this, u"Command4"_s, {1080, 3420, 615, 375}, u"ENG"_s, dialog);
    arabicKeyboardButton_ =
        makeup::button(this, u"Command3"_s, {1680, 3420, 615, 375}, u"عربي"_s, dialog);

    txtEdit_ = makeup::multiLineTextBox(this, u"txtEdit"_s, {240, 4020, 6885, 1785},
                                        makeup::font(u"Times New Roman"_s, 12, true));
    // Forum posts are written in Arabic: the pane reads right to left.
    txtEdit_->setLayoutDirection(Qt::RightToLeft);

    connectBehaviour();
    makeKeyboardReachable();
}

void EditorPage::makeKeyboardReachable()
{
    // Every picker is a choice, read by what it puts into the post.
    for (int n = 1; n <= kSizeCount; ++n)
        controls::makeChoice(lblSize(n), u"حجم "_s + QString::number(n));
    for (controls::ImageBox* swatch : imgClr_)
        controls::makeChoice(swatch, spokenColour(swatch->tag()));
    for (controls::ClickLabel* face : lblfont_)
        controls::makeChoice(face, face->text());
    for (QPushButton* button :
         {selectAllButton_, copyButton_, defaultKeyboardButton_, arabicKeyboardButton_})
        controls::clickOnEnter(button);
    txtEdit_->setAccessibleName(u"نص المشاركة"_s);

    // Tab reads the page from the right, row by row: the sizes, the
    // swatches, the font names, the buttons above the pane, the pane.
    QList<QWidget*> order;
    for (int n = kSizeCount; n >= 1; --n)
        order.append(lblSize(n));
    for (const auto& row : kSwatches) {
        for (int c = 8; c >= 0; --c)
            order.append(imgClr(row[c].index));
    }
    QList<const FontRow*> faces;
    for (const FontRow& row : kFonts)
        faces.append(&row);
    // Rows from the top, each from its right end; the last row's labels
    // stand a little out of line, so a row is what starts within a label's
    // height.
    std::sort(faces.begin(), faces.end(), [](const FontRow* a, const FontRow* b) {
        if (std::abs(a->top - b->top) >= 200)
            return a->top < b->top;
        return a->left > b->left;
    });
    for (const FontRow* row : faces)
        order.append(lblfont(row->index));
    order << arabicKeyboardButton_ << defaultKeyboardButton_ << copyButton_ << selectAllButton_
          << txtEdit_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void EditorPage::preparePickers()
{
    for (controls::ImageBox* swatch : imgClr_)
        swatch->setToolTip(swatch->tag());
    // Each font label is drawn in the first of its faces that can draw the
    // whole caption on its own (a symbol face that lacks letters of its own
    // name would show empty boxes). Such a face needs no search for
    // fallback faces, the dearest part of drawing text at start-up.
    for (QLabel* label : lblfont_) {
        const QString caption = label->text();
        const QFont stored = label->font();
        const QFont named = makeup::font(caption, stored.pointSizeF(), stored.bold());
        QFont chosen = named;
        for (const QString& family : named.families()) {
            QFont single = named;
            single.setFamilies({family});
            single.setStyleStrategy(QFont::NoFontMerging);
            const QFontMetrics metrics(single);
            if (std::all_of(caption.cbegin(), caption.cend(),
                            [&metrics](QChar c) { return metrics.inFont(c); })) {
                chosen = single;
                break;
            }
        }
        label->setFont(chosen);
    }
}

controls::ClickLabel* EditorPage::lblSize(int index) const
{
    if (index < 1 || index > kSizeCount)
        return nullptr;
    return lblSize_.at(static_cast<size_t>(index - 1));
}

void EditorPage::fitCaptions()
{
    for (QLabel* label : lblSize_)
        fitCaption(label);
    for (QLabel* label : lblfont_)
        fitCaption(label);
    captionsFitted_ = true;
}

void EditorPage::showEvent(QShowEvent* event)
{
    // Measured once the captions have their final faces, just before the
    // page is first drawn: measuring text is the dear part of building it.
    if (!captionsFitted_)
        fitCaptions();
    controls::PictureBox::showEvent(event);
}

bool EditorPage::eventFilter(QObject* watched, QEvent* event)
{
    // The pane's menu comes to its viewport from the mouse and to the pane
    // itself from the keyboard.
    if (event->type() == QEvent::ContextMenu &&
        (watched == txtEdit_ || watched == txtEdit_->viewport())) {
        showTxtEditMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::FontChange && captionsFitted_) {
        if (auto* label = qobject_cast<QLabel*>(watched)) {
            // Measured once the label has taken in its new font: a label
            // the keyboard can reach measures its frame only then.
            static_cast<QObject*>(label)->event(event);
            fitCaption(label);
            return true;
        }
    }
    return controls::PictureBox::eventFilter(watched, event);
}
