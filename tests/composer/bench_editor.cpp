// Editing a long post: one wrap-selection and one insert-at-caret in txtEdit
// holding a 1 MB post (UTF-8), the median of several runs each. Printed for
// the operation alone, for the whole click (snapshot and guard included)
// and for the click with the pane's relayout and repaint that follow it.
#include "base/controls/twipgeometry.h"
#include "composer/editorpage.h"
#include "composer/editpane.h"
#include "tests/support/promptrecorder.h"
#include "tests/support/recordingplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRuns = 21;

// Lines of mixed Arabic and Latin text with some tags, as a long forum post
// would hold, until the post reaches 1 MB in UTF-8.
QString longPost()
{
    const QString line = u"[B]مرحبا بكم[/B] في المنتدى، هذا سطر من موضوع طويل with some Latin "
                         u"words and [COLOR=red]لون[/COLOR] 12345\n"_s;
    const qsizetype lineBytes = line.toUtf8().size();
    QString post;
    post.reserve((1 << 20) / 1.5);
    for (qsizetype bytes = 0; bytes < (1 << 20); bytes += lineBytes)
        post += line;
    return post;
}

// The median time of act(), each run after prepare(run) and the events it
// caused; with settle, the events act() causes (relayout, repaint) count.
template <typename Prepare, typename Act> double medianMs(Prepare&& prepare, Act&& act, bool settle)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare(run);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        act();
        if (settle)
            QCoreApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PromptRecorder prompts;
    RecordingPlatform platform;

    QWidget host;
    auto* page = new EditorPage(&host);
    controls::setTwips(page, {0, 0, 7395, 6015});
    host.resize(page->size());
    host.show();
    QPlainTextEdit* edit = page->txtEdit();
    const QString post = longPost();
    edit->setPlainText(post);
    QCoreApplication::processEvents();
    const qsizetype chars = edit->document()->characterCount();

    // A different place in the middle of the post for every run.
    auto select = [edit](int run, int length) {
        QTextCursor c = edit->textCursor();
        const int at = edit->document()->characterCount() / 2 + run * 997;
        c.setPosition(at);
        c.setPosition(at + length, QTextCursor::KeepAnchor);
        edit->setTextCursor(c);
    };
    EditPane& pane = *page->editPane();
    const forumcode::TagPair colour = forumcode::tagPair(forumcode::Tag::Colour, u"red"_s);
    const QString picture = u"[IMG]http://www.tarnwell.example/pics/logo.gif[/IMG]"_s;

    // Selections are set outside the timed part.
    auto timed = [](auto&& prepare, auto&& act, bool settle) {
        return medianMs(prepare, act, settle);
    };
    auto selectWord = [&](int run) { select(run, 12); };
    auto caret = [&](int run) { select(run, 0); };
    const double wrapOp = timed(
        selectWord, [&] { pane.wrapSelection(colour); }, false);
    const double wrapClick = timed(
        selectWord, [&] { page->pickerClick(colour); }, false);
    const double wrapShown = timed(
        selectWord, [&] { page->pickerClick(colour); }, true);
    const double insertOp = timed(
        caret, [&] { pane.insertAtCaret(picture); }, false);
    prompts.answers.clear();
    const double insertClick = timed(
        caret,
        [&] {
            prompts.answers = {u"www.tarnwell.example/pics/logo.gif"_s};
            page->toolbar1ButtonClick(ToolbarButton::Picture);
        },
        false);
    const double insertShown = timed(
        caret,
        [&] {
            prompts.answers = {u"www.tarnwell.example/pics/logo.gif"_s};
            page->toolbar1ButtonClick(ToolbarButton::Picture);
        },
        true);

    std::printf("post: %lld characters, %lld bytes UTF-8, %d lines\n",
                static_cast<long long>(chars), static_cast<long long>(post.toUtf8().size()),
                static_cast<int>(post.count(u'\n')));
    std::printf("median of %d runs, ms       operation  click  click+repaint\n", kRuns);
    std::printf("wrap selection (colour)     %9.3f %6.3f %9.3f\n", wrapOp, wrapClick, wrapShown);
    std::printf("insert at caret (picture)   %9.3f %6.3f %9.3f\n", insertOp, insertClick,
                insertShown);
    return 0;
}
