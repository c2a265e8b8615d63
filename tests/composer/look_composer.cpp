// Development aid: pictures of the composer pages holding Arabic and Latin
// text, for judging text direction, alignment and the font picker's faces:
// composer_look <folder>
#include "base/controls/twipgeometry.h"
#include "composer/editorpage.h"
#include "composer/namespage.h"
#include "composer/symbolpage.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"look"_s;
    QDir().mkpath(out);

    EditorPage editor(nullptr);
    controls::setTwips(&editor, {0, 0, 7395, 6015});
    editor.preparePickers();
    QString post;
    for (int i = 0; i < 3; ++i) {
        post += u"مرحبا بكم في المنتدى [B]hello[/B] نص عربي\n"_s
                u"English line with [COLOR=red]أحمر[/COLOR] inside\n"_s
                u"[SIZE=3]123 رقم في البداية[/SIZE]\n"_s;
    }
    editor.txtEdit()->setPlainText(post);
    editor.show();
    QCoreApplication::processEvents();
    editor.grab().save(out + u"/editor.png"_s);
    for (QTextBlock b = editor.txtEdit()->document()->begin(); b.isValid() && b.blockNumber() < 4;
         b = b.next()) {
        const QTextLine line = b.layout()->lineAt(0);
        qInfo("block %d: caret 0 at x %.0f, line from %.0f to %.0f, rtl %d", b.blockNumber(),
              line.cursorToX(0), line.naturalTextRect().left(), line.naturalTextRect().right(),
              int(b.textDirection()));
    }

    NamesPage names(nullptr);
    controls::setTwips(&names, {0, 0, 6795, 6255});
    names.txtInput()->setText(u"سارة"_s);
    names.show();
    names.activateWindow();
    QCoreApplication::processEvents();
    // Leaving the name entry stores the name, as a click on a pattern does.
    names.txtInput()->setFocus();
    names.opt(7)->setFocus();
    names.optClick(7);
    QCoreApplication::processEvents();
    names.grab().save(out + u"/names.png"_s);

    SymbolPage symbols(nullptr);
    controls::setTwips(&symbols, {0, 0, 7395, 6335});
    symbols.txtOut()->setText(u"©®™ abc"_s);
    symbols.show();
    QCoreApplication::processEvents();
    symbols.grab().save(out + u"/symbols.png"_s);
    return 0;
}
