// The link-site options window (frmOptions): shows the link site as
// Links.dat holds it, resets it to the delivered one and saves it.
#pragma once

#include "base/formwindow.h"

class SiteStore;
class QLineEdit;
class QPushButton;

class FrmOptions : public controls::FormWindow {
    Q_OBJECT
public:
    // Reads Links.dat into txtSite; a file that cannot be read is reported
    // and the box keeps the delivered site.
    explicit FrmOptions(SiteStore& sites, QWidget* parent = nullptr);

    void cmdDefaultClick();
    void cmdBackClick();
    // Puts "http://" in front of a site without it, writes Links.dat whole
    // or not at all, and on success takes the site at once. A failed write
    // is reported with its reason and changes neither the file nor the
    // site in use. A site saved meanwhile by another copy is replaced only
    // when the user agrees.
    void cmdSaveClick();

    QLineEdit* txtSite() const { return txtSite_; }
    QPushButton* cmdBack() const { return cmdBack_; }
    QPushButton* cmdDefault() const { return cmdDefault_; }
    QPushButton* cmdSave() const { return cmdSave_; }

Q_SIGNALS:
    // The site was saved; the page takes it as its link site.
    void linkSaved(const QString& site);
    // The close box was used: the window is being discarded.
    void discarded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void formLoad();

    SiteStore& sites_;
    QLineEdit* txtSite_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdDefault_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
};
