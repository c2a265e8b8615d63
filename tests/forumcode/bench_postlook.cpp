// The post's look rebuilt from scratch: reading, rich text, and Qt's
// document set and laid out at the look window's width, for a 10 KB and a
// 100 KB post made of the program's own codes; beside it, the same text
// set as plain text and laid out, the floor any look stands on. The median
// of several runs each, in milliseconds.
#include "base/forumcode/forumcode.h"
#include "base/forumcode/postlook.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;
using forumcode::Tag;

namespace {

constexpr int kRuns = 21;
constexpr qreal kWidth = 600;

// A post as the forum editor builds it: decorated names, tagged lines in
// Arabic and Latin, pictures, links, alignment, until it holds the bytes.
QString post(qsizetype bytes)
{
    const auto wrap = [](Tag tag, const QString& value, const QString& text) {
        const forumcode::TagPair pair = forumcode::tagPair(tag, value);
        return pair.open + text + pair.close;
    };
    const auto plain = [](Tag tag, const QString& text) {
        const forumcode::TagPair pair = forumcode::tagPair(tag);
        return pair.open + text + pair.close;
    };
    const QString block =
        forumcode::aligned(
            QStringView(forumcode::kAlignCenter).toString(),
            wrap(Tag::Size, u"5"_s,
                 wrap(Tag::Colour, u"royalblue"_s,
                      forumcode::decorateName(u"][||ioi||][الاسم][||ioi||]["_s, u"أبو فهد"_s)))) +
        u"\r\n"_s + plain(Tag::Bold, u"مرحبا بكم في المنتدى"_s) + u"، هذا سطر من موضوع طويل "_s +
        plain(Tag::Italic, u"with some Latin words"_s) + u" و"_s +
        wrap(Tag::Font, u"Tahoma"_s, plain(Tag::Underline, u"خط آخر"_s)) + u"\r\n"_s +
        forumcode::pictureCode(u"http://site.example/Border/b12.gif"_s) + u"\r\n"_s +
        forumcode::aligned(QStringView(forumcode::kAlignRight).toString(),
                           forumcode::linkedPicture(u"host.example/file.zip"_s,
                                                    u"http://site.example/zqLink/Link7.gif"_s)) +
        u"\r\n"_s + forumcode::textLink(u"host.example/x"_s, u"رابط التحميل"_s) + u"  12345\r\n"_s +
        forumcode::decorateName(u"^~*¤©[£] الاسم [£]©¤*~^"_s, u"Sam"_s) + u"\r\n\r\n"_s;
    QString p;
    while (p.toUtf8().size() < bytes)
        p += block;
    return p;
}

template <typename Act> double medianMs(Act&& act)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        act();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(const char* name, const QString& text, double target)
{
    QString html;
    const double read = medianMs([&] { html = forumcode::postHtml(text); });
    const double look = medianMs([&] {
        QTextDocument doc;
        doc.setTextWidth(kWidth);
        doc.setHtml(forumcode::postHtml(text));
        doc.documentLayout()->documentSize();
    });
    const double floor = medianMs([&] {
        QTextDocument doc;
        doc.setTextWidth(kWidth);
        doc.setPlainText(text);
        doc.documentLayout()->documentSize();
    });
    std::printf("%-7s (%6lld bytes, %5lld bytes of rich text): read and rich text %7.2f ms, "
                "whole look %7.2f ms (target %.0f ms), plain text floor %7.2f ms\n",
                name, static_cast<long long>(text.toUtf8().size()),
                static_cast<long long>(html.toUtf8().size()), read, look, target, floor);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    measure("10 KB", post(10 * 1024), 8);
    measure("100 KB", post(100 * 1024), 50);
    return 0;
}
