// The symbol decorator page: the result line in its frame, copy and erase,
// and the grid of 73 symbol buttons.
#include "composer/symbolpage.h"

#include "base/controls/choice.h"
#include "base/controls/twipgeometry.h"
#include "base/makeup.h"

#include <limits>

#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumns = 12;
constexpr int kRows = 6;
constexpr int kCell = 540;
constexpr int kGridLeft = 540;
constexpr int kGridTop = 2340;
constexpr int kButtonSize = 495;

// Button index in each cell of the symbol grid, rows top to bottom.
constexpr int kGrid[kRows][kColumns] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 72},
    {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 11, 48},
    {47, 46, 45, 44, 43, 42, 41, 40, 39, 38, 23, 37},
    {35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 36, 25},
    {71, 70, 69, 68, 67, 66, 57, 56, 55, 54, 24, 53},
    {59, 58, 65, 64, 63, 62, 61, 52, 51, 50, 22, 49},
};

// cmd(60) would share its grid cell with cmd(52) and could never be
// reached there; it opens a seventh row, under its cell-mate, and the
// grid's frame grows by that row.
constexpr int kStrayIndex = 60;
constexpr int kStrayColumn = 7;
constexpr tw::Rect kStrayCell{kGridLeft + kCell * kStrayColumn, kGridTop + kCell* kRows,
                              kButtonSize, kButtonSize};

// Each button's caption is the symbol it inserts ("&&" shows one ampersand).
const QString kSymbols[SymbolPage::kSymbolCount] = {
    u"~"_s,    u"!"_s,   u"@"_s,   u"#"_s,   u"$"_s,   u"%"_s,    u"^"_s,   u"&&"_s,  // 0
    u"*"_s,    u"("_s,   u")"_s,   u"="_s,   u"+"_s,   u"_"_s,    u"'"_s,   u"\""_s,  // 8
    u"\\"_s,   u"/"_s,   u"<"_s,   u">"_s,   u"©"_s,   u"®"_s,    u"¶"_s,   u"™"_s,   // 16
    u"||"_s,   u"__"_s,  u"()"_s,  u")("_s,  u"<>"_s,  u";"_s,    u"±"_s,   u"¬"_s,   // 24
    u"§"_s,    u"¦"_s,   u"¤"_s,   u"£"_s,   u"³"_s,   u"²"_s,    u"¹"_s,   u"¥"_s,   // 32
    u"»"_s,    u"¼"_s,   u"¾"_s,   u"½"_s,   u"·"_s,   u"|"_s,    u"]"_s,   u"["_s,   // 40
    u"#_#"_s,  u":_:"_s, u"?_?"_s, u"©-©"_s, u"=_="_s, u"::"_s,   u"QX"_s,  u"{_}"_s, // 48
    u"}{"_s,   u"{}"_s,  u"$_$"_s, u"+_+"_s, u"*_*"_s, u"/_\\"_s, u"-_-"_s, u"9_9"_s, // 56
    u"^_*"_s,  u"^_^"_s, u"SoS"_s, u"$$$"_s, u"#@!"_s, u"!@#"_s,  u"#@"_s,  u"@#"_s,  // 64
    u"*()*"_s,                                                                        // 72
};

} // namespace

SymbolPage::SymbolPage(QWidget* parent, controls::Building building) : controls::PictureBox(parent)
{
    setObjectName(makeup::indexed(u"picName"_s, 1));
    setFont(makeup::dialogFont());
    if (building == controls::Building::Now)
        build();
}

void SymbolPage::build()
{
    if (built_)
        return;
    built_ = true;
    const QFont dialog = makeup::dialogFont();

    // Graphical controls first so that the buttons stack above them.
    makeup::line(this, u"Line1"_s, {540, 2100}, {6960, 2100}, Qt::white, 2);
    makeup::shape(this, u"Shape16"_s, {300, 2160, 6915, 3555 + kCell});

    // The result line sits in a captionless white frame with an etched edge.
    frame1_ = new QFrame(this);
    frame1_->setObjectName(u"Frame1"_s);
    frame1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1_->setAutoFillBackground(true);
    QPalette framePalette = frame1_->palette();
    framePalette.setColor(QPalette::Window, Qt::white);
    frame1_->setPalette(framePalette);
    controls::setTwips(frame1_, {360, 120, 6495, 705});

    makeup::shape(frame1_, u"Shape12"_s, {660, 180, 5655, 435});
    selectAllButton_ =
        makeup::button(frame1_, u"Command1"_s, {60, 240, 435, 315}, u"الكل"_s, dialog);
    selectAllButton_->setToolTip(u"تظليل الكل"_s);
    txtOut_ = makeup::textBox(frame1_, u"txtOut"_s, {780, 240, 5415, 315},
                              makeup::font(u"Times New Roman"_s, 12, true), Qt::AlignHCenter);

    cmdCopy_ = makeup::button(this, u"cmdCopy"_s, {5280, 1020, 1335, 375}, u"نسخ"_s, dialog);
    cmdErase_ = makeup::button(this, u"cmdErase"_s, {5280, 1560, 1335, 375}, u"مسح"_s, dialog);

    const QFont symbolFont = makeup::font(u"Times New Roman"_s, 9.75, true);
    auto place = [&](int index, const tw::Rect& rect) {
        cmd_.at(static_cast<size_t>(index)) =
            makeup::button(this, makeup::indexed(u"cmd"_s, index), rect,
                           kSymbols[static_cast<size_t>(index)], symbolFont);
    };
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            place(kGrid[r][c],
                  {kGridLeft + kCell * c, kGridTop + kCell * r, kButtonSize, kButtonSize});
        }
    }
    place(kStrayIndex, kStrayCell);

    // A screen reader reads each symbol as shown ("&&" shows "&"), and
    // Enter clicks every button of the page as Space does.
    txtOut_->setAccessibleName(u"سطر الرموز"_s);
    for (int i = 0; i < kSymbolCount; ++i) {
        QString shown = kSymbols[static_cast<size_t>(i)];
        cmd(i)->setAccessibleName(shown.replace(u"&&"_s, u"&"_s));
        controls::clickOnEnter(cmd(i));
    }
    for (QPushButton* button : {selectAllButton_, cmdCopy_, cmdErase_})
        controls::clickOnEnter(button);

    // Tab reads the page as it is laid out, from the right: the line and
    // its select-all button, copy and erase, then the grid row by row.
    QList<QWidget*> order{txtOut_, selectAllButton_, cmdCopy_, cmdErase_};
    for (int r = 0; r < kRows; ++r) {
        for (int c = kColumns - 1; c >= 0; --c)
            order.append(cmd(kGrid[r][c]));
    }
    order.append(cmd(kStrayIndex));
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    // A long line of symbols must not be cut short.
    txtOut_->setMaxLength(std::numeric_limits<int>::max());
    for (int i = 0; i < kSymbolCount; ++i)
        connect(cmd(i), &QPushButton::clicked, this, [this, i] { cmdClick(i); });
    connect(selectAllButton_, &QPushButton::clicked, this, &SymbolPage::selectAllClick);
    connect(cmdCopy_, &QPushButton::clicked, this, &SymbolPage::cmdCopyClick);
    connect(cmdErase_, &QPushButton::clicked, this, &SymbolPage::cmdEraseClick);
}

void SymbolPage::cmdClick(int index)
{
    // Appended through the line's own editing, so that its undo keeps
    // working; the caret first leaves any selection for the end.
    txtOut_->end(false);
    txtOut_->insert(cmd(index)->text());
}

void SymbolPage::selectAllClick()
{
    txtOut_->selectAll();
    txtOut_->setFocus(Qt::OtherFocusReason);
}

void SymbolPage::cmdCopyClick()
{
    // The application keeps serving the text for as long as it runs, also
    // where the clipboard belongs to the program that set it (X11).
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(txtOut_->text());
}

void SymbolPage::cmdEraseClick()
{
    txtOut_->clear();
}
