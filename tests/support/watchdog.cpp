// Linked into every test program: a modal window that stays open (a test
// that forgot to answer a dialog, or a prompt that reached a real message
// box) fails the running test within seconds, naming the window, and is
// closed so that the program goes on. Without it the program would wait
// for a click until CTest killed it, saying nothing.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdlib>

namespace {

// Seconds a modal window may stay open; tests that mean to keep one open
// longer, and the watchdog's own test, set TARNWELL_TEST_MODAL_SECONDS.
int modalSeconds()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("TARNWELL_TEST_MODAL_SECONDS", &ok);
    return ok && seconds > 0 ? seconds : 10;
}

QString described(const QObject* window, const QString& title)
{
    return QStringLiteral("%1, object name \"%2\", title \"%3\"")
        .arg(QString::fromLatin1(window->metaObject()->className()), window->objectName(), title);
}

class ModalWatch : public QObject {
public:
    explicit ModalWatch(QObject* parent) : QObject(parent), limitMs_(modalSeconds() * 1000)
    {
        // Its ticks come whenever the program handles events, which a
        // modal window's event loop does while it waits.
        timer_.setInterval(250);
        connect(&timer_, &QTimer::timeout, this, &ModalWatch::check);
        timer_.start();
    }

private:
    // The window now modal: a widget where the program has widgets (its
    // class and name say more than those of its native window).
    QObject* modal() const
    {
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            if (QWidget* widget = QApplication::activeModalWidget())
                return widget;
        }
        return QGuiApplication::modalWindow();
    }

    void check()
    {
        QObject* now = modal();
        if (now != watched_) {
            watched_ = now;
            since_.start();
            return;
        }
        if (!now || since_.elapsed() < limitMs_)
            return;
        auto* widget = qobject_cast<QWidget*>(now);
        auto* window = qobject_cast<QWindow*>(now);
        const QString message =
            QStringLiteral("a modal window was left open for %1 s: %2")
                .arg(limitMs_ / 1000)
                .arg(described(now, widget ? widget->windowTitle() : window->title()));
        watched_ = nullptr;
        // Closed first, so that whatever waits for it returns; hidden too
        // where closing is refused.
        const QPointer<QObject> alive(now);
        if (auto* dialog = qobject_cast<QDialog*>(widget))
            dialog->reject();
        else if (widget)
            widget->close();
        else
            window->close();
        if (alive && widget)
            widget->hide();
        else if (alive)
            window->hide();
        if (QTest::currentTestFunction()) {
            QTest::qFail(qPrintable(message), __FILE__, __LINE__);
        } else {
            qCritical("%s", qPrintable(message));
            std::exit(EXIT_FAILURE);
        }
    }

    const qint64 limitMs_;
    QTimer timer_;
    QPointer<QObject> watched_;
    QElapsedTimer since_;
};

void startWatchdog()
{
    // A program without windows has no modal ones.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        new ModalWatch(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startWatchdog)
