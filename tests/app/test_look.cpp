// What the started main window shows of its decorator pages: every
// pattern caption of the names page whole, and every symbol button of the
// symbol page reachable inside the page and the grid's frame.
#include "app/application.h"
#include "app/frmvorlane.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/findwidget.h"
#include "tests/support/promptrecorder.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        fixture_ = std::make_unique<AppFolderFixture>();
        QVERIFY(fixture_->isValid());
        app_ = std::make_unique<Application>(appfolder::AppFolder(fixture_->root()));
        PromptRecorder prompts;
        QCOMPARE(app_->start(), Application::StartResult::Running);
        window_ = app_->mainWindow();
        QVERIFY(window_);
    }
    void cleanup()
    {
        app_.reset();
        fixture_.reset();
    }

    void patternCaptionsAreShownWhole()
    {
        window_->lblProgClick(FrmVorlane::Page::Names);
        NamesPage* page = window_->namesPage();
        QVERIFY(page->isVisible());
        for (int i = 0; i < NamesPage::kPatternCount; ++i) {
            QRadioButton* o = page->opt(i);
            const QString name = o->objectName();
            // The caption fits its option, and the option the page.
            QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(name));
            QVERIFY2(page->rect().contains(o->geometry()), qPrintable(name));
            // ... and the page the window.
            QVERIFY2(window_->rect().contains(page->geometry()), qPrintable(name));
        }
    }

    void everySymbolHasAPlaceInTheGrid()
    {
        window_->lblProgClick(FrmVorlane::Page::Symbols);
        SymbolPage* page = window_->symbolPage();
        QVERIFY(page->isVisible());
        QVERIFY(window_->rect().contains(page->geometry()));
        const QWidget* frame = named<QWidget>(page, u"Shape16"_s);
        QVERIFY(frame);
        for (int i = 0; i < SymbolPage::kSymbolCount; ++i) {
            QPushButton* b = page->cmd(i);
            QVERIFY2(frame->geometry().contains(b->geometry()), qPrintable(b->objectName()));
            // Reachable: the button itself is what a click at its centre hits.
            const QPoint centre = b->geometry().center();
            QCOMPARE(page->childAt(centre), static_cast<QWidget*>(b));
        }
    }

private:
    std::unique_ptr<AppFolderFixture> fixture_;
    std::unique_ptr<Application> app_;
    FrmVorlane* window_ = nullptr;
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
