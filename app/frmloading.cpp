// The loading window; see frmloading.h.
#include "app/frmloading.h"

#include "base/controls/twipgeometry.h"
#include "base/makeup.h"
#include "base/version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// The style's progress bar strokes rounded, smoothed outlines every time it
// is drawn, which the loading window does many times a second: this one is
// a framed trough with a bar in the highlight colour, drawn in a few fills.
class LoadingBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect trough = rect();
        painter.fillRect(trough, palette().color(QPalette::Base));
        const qint64 range = qint64(maximum()) - minimum();
        const qint64 done = qint64(value()) - minimum();
        const int inner = trough.width() - 2;
        const int width =
            range > 0 && done > 0 ? int(std::min<qint64>(inner, inner * done / range)) : 0;
        if (width > 0) {
            const QRect bar(trough.left() + 1, trough.top() + 1, width, trough.height() - 2);
            const QColor highlight = palette().color(QPalette::Highlight);
            QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
            shade.setColorAt(0, highlight.lighter(120));
            shade.setColorAt(1, highlight.darker(103));
            painter.fillRect(bar, shade);
        }
        // The outline the style gives its frames.
        painter.setPen(palette().color(QPalette::Window).darker(140));
        painter.drawRect(trough.adjusted(0, 0, -1, -1));
    }
};

// The window's own font: Times New Roman 9.75 pt bold.
QFont windowFont()
{
    return makeup::font(u"Times New Roman"_s, 9.75, true);
}
} // namespace

FrmLoading::FrmLoading(std::shared_ptr<controls::BackgroundPicture> background, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      background_(background
                      ? std::move(background)
                      : std::make_shared<controls::BackgroundPicture>(u":/art/welcome.png"_s))
{
    setObjectName(u"frmLoading"_s);
    setWindowTitle(QString());
    setFont(windowFont());
    const QRect client = tw::toPixels(tw::Rect{0, 0, 5055, 3465});
    setFixedSize(client.size());

    makeup::label(this, u"Label1"_s, {60, -60, 1875, 660},
                  {u"Loading..."_s, makeup::kTextBlue, Qt::AlignHCenter | Qt::AlignTop},
                  makeup::font(u"Andalus"_s, 21.75, true));
    makeup::label(this, u"Label2"_s, {3780, 60, 1155, 315}, {u"Please wait.."_s, Qt::black},
                  makeup::font(u"Times New Roman"_s, 9.0, true));
    // Two lines, each in its own reading direction: the Arabic one is
    // embedded right to left (U+202B ... U+202C), so that it reads from the
    // right while both lines keep to the label's left edge.
    makeup::label(
        this, u"lblStat"_s, {60, 480, 1455, 675},
        {u"Tarnwell "_s + QLatin1StringView(version::kVersion) + u"\n\u202Bبرمجة Dravik\u202C"_s,
         QColor(253, 15, 45)},
        windowFont());

    pLoading_ = new LoadingBar(this);
    pLoading_->setObjectName(u"PLoading"_s);
    pLoading_->setTextVisible(false);
    controls::setTwips(pLoading_, {60, 2520, 4935, 225});

    lblStatus_ =
        makeup::label(this, u"lblStatus"_s, {60, 2820, 4875, 615}, {u"File"_s, makeup::kTextBlue},
                      makeup::font(u"Times New Roman"_s, 8.25, true));
    // Long paths must not push the text out of the window.
    lblStatus_->setWordWrap(true);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void FrmLoading::startProgress(int maximum)
{
    flushProgress();
    pLoading_->setMaximum(maximum);
    pLoading_->setValue(0);
}

void FrmLoading::showProgress(const QString& status, int value)
{
    pendingStatus_ = status;
    pendingValue_ = value;
    pending_ = true;
    // Painting every one of two hundred status lines would cost more than
    // reading the pictures; a screen shows sixty frames a second at most.
    constexpr qint64 kFrameMs = 16;
    if (!lastShown_.isValid() || lastShown_.elapsed() >= kFrameMs)
        flushProgress();
}

void FrmLoading::flushProgress()
{
    if (!pending_)
        return;
    pending_ = false;
    lblStatus_->setText(pendingStatus_);
    pLoading_->setValue(pendingValue_);
    lastShown_.start();
}

void FrmLoading::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, background_->pixmap());
    // A fixed dialog frame, since the window has no title bar.
    painter.setPen(QColor(120, 150, 200));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
