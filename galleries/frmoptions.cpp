// The link-site options window; see frmoptions.h.
#include "galleries/frmoptions.h"

#include "base/forumcode/forumcode.h"
#include "base/makeup.h"
#include "base/prompt.h"
#include "base/sites.h"
#include "base/sitestore.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

FrmOptions::FrmOptions(SiteStore& sites, QWidget* parent)
    : controls::FormWindow(u"frmOptions"_s, u"خيارات"_s, {6255, 2325}, Frame::ToolWindow,
                           QPoint(4230, 3915), parent),
      sites_(sites)
{
    setBackgroundFile(u":/art/options_back.png"_s);
    const QFont windowFont = makeup::font(u"Tahoma"_s, 9.75, true);
    setFont(windowFont);

    makeup::image(this, u"Image1"_s, {0, 0, 6255, 315}, true, u":/art/options_banner.png"_s);
    makeup::label(this, u"Label1"_s, {2520, 480, 1215, 315},
                  {u"موقع الصور"_s, Qt::black, Qt::AlignRight | Qt::AlignTop}, windowFont);
    makeup::shape(this, u"Shape1"_s, {240, 960, 5715, 375});
    makeup::line(this, u"Line2"_s, {780, 1560}, {5400, 1560}, Qt::black);

    txtSite_ = makeup::textBox(this, u"txtSite"_s, {300, 1020, 5535, 300}, windowFont);
    // A line box cuts a paste at 32,767 characters without a word; a site
    // is taken whole.
    txtSite_->setMaxLength(std::numeric_limits<int>::max());
    txtSite_->setText(QString::fromLatin1(sites::kDefaultLinkSite));
    txtSite_->setAccessibleName(u"موقع الصور"_s);
    cmdBack_ = makeup::button(this, u"cmdBack"_s, {180, 1800, 1275, 375}, u"تراجع"_s, windowFont);
    cmdDefault_ =
        makeup::button(this, u"cmdDefault"_s, {2580, 1800, 1095, 375}, u"الإفتراضي"_s, windowFont);
    cmdSave_ = makeup::button(this, u"cmdSave"_s, {4800, 1800, 1275, 375}, u"حفظ"_s, windowFont);

    connect(cmdBack_, &QPushButton::clicked, this, &FrmOptions::cmdBackClick);
    connect(cmdDefault_, &QPushButton::clicked, this, &FrmOptions::cmdDefaultClick);
    connect(cmdSave_, &QPushButton::clicked, this, &FrmOptions::cmdSaveClick);

    formLoad();
}

void FrmOptions::formLoad()
{
    const files::Result<QString> site = sites_.readLinkSettings();
    if (site.ok())
        txtSite_->setText(site.value());
    else
        prompt::message(this, site.failure().text, prompt::Icon::Exclamation);
}

void FrmOptions::cmdDefaultClick()
{
    txtSite_->setText(QString::fromLatin1(sites::kDefaultLinkSite));
}

void FrmOptions::cmdBackClick()
{
    hide();
}

void FrmOptions::cmdSaveClick()
{
    txtSite_->setText(forumcode::withScheme(txtSite_->text()));
    const QString site = txtSite_->text();
    const auto confirm = [this](const QString& question) {
        return prompt::question(this, question);
    };
    const files::Result<SiteStore::Saved> saved = sites_.saveLinkSite(site, confirm);
    if (!saved.ok()) {
        prompt::message(this, saved.failure().text, prompt::Icon::Exclamation);
        return;
    }
    // Declined: the site typed stays in the box, unsaved.
    if (saved.value() == SiteStore::Saved::Declined)
        return;
    prompt::message(this, u"تم تعديل الوصلة تأكد بعدم العبث بهذه الخيارات بدون مشاورة Dravik"_s);
    Q_EMIT linkSaved(site);
}

void FrmOptions::closeEvent(QCloseEvent* event)
{
    // The close box discards the window; the next opening reads Links.dat
    // again.
    event->accept();
    Q_EMIT discarded();
}
