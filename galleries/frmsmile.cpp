// The smilies picker; see frmsmile.h.
#include "galleries/frmsmile.h"

#include "base/controls/choice.h"
#include "base/controls/codebox.h"
#include "base/controls/twipgeometry.h"
#include "base/forumcode/forumcode.h"
#include "base/makeup.h"
#include "base/picture.h"
#include "base/sites.h"
#include "base/weblink.h"
#include "galleries/frmview.h"

#include <QCloseEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Rows of ten cells, 50 twips between cells and between rows.
constexpr int kGap = 50;
constexpr int kPerRow = 10;

// Element 0 of each grid. Each grid's fifth row (index 40 alone) would
// reach into the next grid at the first grids' places (tops 2550 and 4740),
// and the last one into the code box; so each grid starts one gap below
// the previous grid's last row, and the controls under the grids move down
// with them.
constexpr tw::Rect kFirstCell[FrmSmile::kGrids] = {
    {60, 360, 555, 465},
    {90, 2935, 555, 465},
    {90, 5510, 555, 465},
};
// How far the code box, its frame and the link label sit below their first
// places (7200, 7260 and 7800): the frame starts one gap below the third
// grid, which ends at 8035.
constexpr int kLowerShift = 885;
constexpr int kClientHeight = 8265 + kLowerShift;

// The shared animation clock's step, in ms; frames last at least this long.
constexpr int kTick = 20;

// Where cell i goes, given element 0 and cell i - 1.
tw::Rect nextCell(const tw::Rect& first, const tw::Rect& previous, int i)
{
    tw::Rect next = previous;
    next.left = previous.left + previous.width + kGap;
    next.top = previous.top;
    if (i % kPerRow == 0) {
        next.left = first.left;
        next.top = previous.top + previous.height + kGap;
    }
    return next;
}

QString gridName(int grid)
{
    return grid == 0 ? u"AG"_s : u"AG"_s + QString::number(grid);
}

} // namespace

QString FrmSmile::category(int grid)
{
    return QString::fromUtf16(catalogue::kSmileySets[grid]);
}

QString FrmSmile::webAddress(const QString& category, int n)
{
    return u"http://"_s + QString::fromLatin1(sites::kSmiliesHost) + u"/smiliespic/"_s + category +
           u'/' + appfolder::smileyName(n) + u".gif"_s;
}

FrmSmile::FrmSmile(const appfolder::AppFolder& folder, FrmView& preview, QWidget* parent)
    : controls::FormWindow(u"frmSmile"_s, u"Smilies"_s, {6480, kClientHeight}, Frame::FixedSingle,
                           QPoint(4380, 825), parent),
      folder_(folder), preview_(preview)
{
    setFont(makeup::dialogFont());
    setWindowIcon(QIcon(u":/art/smile_icon.png"_s));
    // The gradient is stretched over the client area, which is taller than
    // the picture since the grids were moved apart.
    background_.setFile(u":/art/smile_back.png"_s);

    for (int g = 0; g < kGrids; ++g) {
        auto* first = makeup::image(this, makeup::indexed(gridName(g), 0), kFirstCell[g], true);
        first->setCursor(Qt::PointingHandCursor);
        grids_.at(static_cast<size_t>(g)).push_back(first);
        connect(first, &controls::ImageBox::clicked, this, [this, g] { agClick(g, 0); });
    }

    label1_ =
        makeup::clickLabel(this, u"Label1"_s, {1320, 7800 + kLowerShift, 3795, 315},
                           {u"لمزيد من الإبتسامات إضغط هنا"_s, Qt::black, Qt::AlignCenter}, font());
    label1_->setCursor(Qt::PointingHandCursor);
    weblink::makeLinkLabel(label1_, weblink::moreSmiliesPage());
    controls::makeChoice(label1_, label1_->text(), QAccessible::Link);
    makeup::shape(this, u"Shape1"_s, {60, 7200 + kLowerShift, 6315, 375});
    txtWeb_ = makeup::textBox(this, u"txtWeb"_s, {120, 7260 + kLowerShift, 6195, 285},
                              makeup::font(u"Tahoma"_s, 9, true));
    controls::selectAllOnFocusAndClick(txtWeb_);
    controls::nameCodeBox(txtWeb_, u"رمز الابتسامة"_s);

    ticker_.setInterval(kTick);
    ticker_.setTimerType(Qt::CoarseTimer);
    connect(&ticker_, &QTimer::timeout, this, &FrmSmile::tick);

    // The preview hands the focus back when it is closed.
    connect(&preview_, &FrmView::closedByUser, this, [this] {
        if (!isVisible())
            return;
        raise();
        activateWindow();
    });
}

controls::ImageBox* FrmSmile::cell(int grid, int index) const
{
    const auto& cells = grids_.at(static_cast<size_t>(grid));
    return index >= 0 && static_cast<size_t>(index) < cells.size()
               ? cells.at(static_cast<size_t>(index))
               : nullptr;
}

void FrmSmile::formLoad()
{
    loaded_ = true;
    // Build the grids.
    for (int g = 0; g < kGrids; ++g) {
        auto& cells = grids_.at(static_cast<size_t>(g));
        const tw::Rect first = controls::twips(cells.front());
        for (int i = 1; i < kCells; ++i) {
            controls::ImageBox* copy = cells.front()->copyOf(this);
            copy->setObjectName(makeup::indexed(gridName(g), i));
            controls::setTwips(copy, nextCell(first, controls::twips(cells.back()), i));
            connect(copy, &controls::ImageBox::clicked, this, [this, g, i] { agClick(g, i); });
            cells.push_back(copy);
        }
    }
    // Fill them. A picture that cannot be played leaves its cell empty; the
    // cell still carries its Tag and can be clicked.
    for (int g = 0; g < kGrids; ++g) {
        const QString c = category(g);
        const auto& cells = grids_.at(static_cast<size_t>(g));
        for (int i = 0; i < kCells; ++i) {
            const QString path = folder_.smiley(c, i + 1);
            controls::ImageBox* x = cells.at(static_cast<size_t>(i));
            x->show();
            (void)loadPicture(x, path);
            x->setTag(path + u'|' + webAddress(c, i + 1));
            controls::makeChoice(x, u"ابتسامة "_s + c + u' ' + appfolder::smileyName(i + 1));
        }
    }
    orderTabs();
}

void FrmSmile::orderTabs()
{
    // Grid by grid, row by row from the right end, then the code box and
    // the link under the grids.
    QList<QWidget*> order;
    for (const auto& cells : grids_) {
        const int count = static_cast<int>(cells.size());
        for (int row = 0; row * kPerRow < count; ++row) {
            for (int i = std::min((row + 1) * kPerRow, count) - 1; i >= row * kPerRow; --i)
                order.append(cells.at(static_cast<size_t>(i)));
        }
    }
    order << txtWeb_ << label1_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void FrmSmile::keyPressEvent(QKeyEvent* event)
{
    // Escape puts the picker away, as its close box does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    controls::FormWindow::keyPressEvent(event);
}

bool FrmSmile::loadPicture(controls::ImageBox* cell, const QString& path)
{
    // Checked whole first: the GIF reader accepts a file cut short.
    if (!picture::check(path).ok())
        return false;
    QImageReader reader(path);
    Animation animation;
    animation.cell = cell;
    while (reader.canRead()) {
        const QImage frame = reader.read();
        if (frame.isNull())
            break;
        animation.frames.push_back(QPixmap::fromImage(frame));
        animation.delays.push_back(std::max(reader.nextImageDelay(), kTick));
    }
    if (animation.frames.empty())
        return false;
    cell->setPicture(animation.frames.front());
    if (animation.frames.size() > 1) {
        animation.due = animation.delays.front();
        animations_.push_back(std::move(animation));
    }
    return true;
}

void FrmSmile::tick()
{
    const qint64 now = clock_.elapsed();
    for (Animation& a : animations_) {
        if (now < a.due)
            continue;
        // After a pause the animation goes on from where it stood.
        if (now - a.due > a.delays.at(a.current))
            a.due = now;
        a.current = (a.current + 1) % a.frames.size();
        a.due += a.delays.at(a.current);
        a.cell->setPicture(a.frames.at(a.current));
    }
}

void FrmSmile::followVisibility()
{
    const bool seen = isVisible() && !isMinimized() && !animations_.empty();
    if (seen && !ticker_.isActive()) {
        if (!clock_.isValid())
            clock_.start();
        ticker_.start();
    } else if (!seen && ticker_.isActive()) {
        ticker_.stop();
    }
}

void FrmSmile::agClick(int grid, int index)
{
    controls::ImageBox* x = cell(grid, index);
    if (!x)
        return;
    const QString tag = x->tag();
    const qsizetype p = tag.indexOf(u'|');
    preview_.agif()->setTag(tag.mid(p + 1));
    const QString returned = preview_.viewIt(tag.left(p));
    txtWeb_->setText(returned);
    txtWeb_->setText(forumcode::pictureCode(txtWeb_->text()));
    // Show the code from its start, as a fresh box would.
    txtWeb_->setCursorPosition(0);
}

void FrmSmile::showEvent(QShowEvent* event)
{
    // The pictures are read once, on the first showing.
    if (!loaded_)
        formLoad();
    controls::FormWindow::showEvent(event);
    followVisibility();
}

void FrmSmile::hideEvent(QHideEvent* event)
{
    controls::FormWindow::hideEvent(event);
    followVisibility();
    // The preview belongs to the picker: it does not stay behind on top of
    // the other windows when the picker is closed or minimised.
    preview_.hide();
}

void FrmSmile::changeEvent(QEvent* event)
{
    controls::FormWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        followVisibility();
}

void FrmSmile::closeEvent(QCloseEvent* event)
{
    // There is one picker for the whole run: closing only hides it.
    event->ignore();
    hide();
}

void FrmSmile::paintEvent(QPaintEvent* event)
{
    // Scaled once: the cells repaint their small squares many times a
    // second, and each repaint draws the background under them.
    // In the screen's pixels: a 2x screen gets the sharper picture scaled
    // to its own pixels.
    const qreal ratio = devicePixelRatioF();
    if (scaledBackground_.deviceIndependentSize() != QSizeF(size())) {
        const QPixmap& picture = background_.get();
        scaledBackground_ = picture.isNull() ? QPixmap()
                                             : picture.scaled(size() * ratio, Qt::IgnoreAspectRatio,
                                                              Qt::SmoothTransformation);
        scaledBackground_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (scaledBackground_.isNull())
        painter.fillRect(dirty, Qt::white);
    else
        painter.drawPixmap(QRectF(dirty), scaledBackground_,
                           QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}
