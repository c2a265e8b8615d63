// One running copy per user and display; see singleinstance.h.
#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcSingleInstance, "tarnwell.singleinstance", QtInfoMsg)

// A running copy answers at once from its event loop, also during its
// start-up; one that does not answer in this time is not counted on.
constexpr int kAnswerMs = 3000;
// A copy in its own start-up holds the meeting point only while its
// application object connects to the display.
constexpr int kLockMs = 5000;

constexpr QByteArrayView kRequest = "show";
constexpr QByteArrayView kAnswer = "shown\n";

// The desktop session the program shows its windows in. X11's ":0" and
// ":0.0" are one display; under Wayland the X display of the same session
// comes with it, and a nested X server (a test's, a remote one) is a
// display of its own.
QString sessionDisplay()
{
#ifdef Q_OS_WIN
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return u"session%1"_s.arg(session);
#else
    QStringList parts;
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        parts << wayland;
    QString x11 = qEnvironmentVariable("DISPLAY");
    static const QRegularExpression screen(uR"((:\d+)\.\d+$)"_s);
    x11.replace(screen, u"\\1"_s);
    if (!x11.isEmpty())
        parts << x11;
    if (parts.isEmpty()) {
        const QString session = qEnvironmentVariable("XDG_SESSION_ID");
        parts << (session.isEmpty() ? u"console"_s : u"session"_s + session);
    }
    return parts.join(u'-');
#endif
}

QString userId()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("USERNAME");
#else
    return QString::number(getuid());
#endif
}

QString lockFilePath(const QString& serverName)
{
    return QFileInfo(serverName).isAbsolute() ? serverName + u".lock"_s
                                              : QDir::temp().filePath(serverName + u".lock"_s);
}

} // namespace

QString SingleInstance::currentServerName()
{
    static const QRegularExpression unsafe(u"[^A-Za-z0-9._-]"_s);
    QString display = sessionDisplay();
    display.replace(unsafe, u"_"_s);
    // A socket's path has room for about a hundred bytes.
    if (display.size() > 40)
        display = QString::fromLatin1(
            QCryptographicHash::hash(display.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
    QString user = userId();
    user.replace(unsafe, u"_"_s);
    const QString name = u"tarnwell-%1-%2"_s.arg(user, display);
#ifndef Q_OS_WIN
    // The user's own runtime folder, where nobody else can put a socket of
    // that name; the shared temporary folder otherwise.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isAbsolute())
        return QDir(runtime).filePath(name);
#endif
    return name;
}

SingleInstance::SingleInstance(QString serverName) : serverName_(std::move(serverName))
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverToRunningCopy()
{
    if (tryHandOver())
        return true;
    // No copy answered. One may be starting at this very moment (a double
    // click on the menu entry): whoever holds the lock goes on to listen,
    // the other waits for it and hands over. The lock of a copy that died
    // holding it is taken over at once.
    lock_ = std::make_unique<QLockFile>(lockFilePath(serverName_));
    // A lock older than that is not held by a start still under way, even
    // where its process number has been given to another program since.
    lock_->setStaleLockTime(kLockMs);
    if (!lock_->tryLock(kLockMs + 1000)) {
        qCWarning(lcSingleInstance)
            << "another start holds" << lock_->fileName() << "and does not go on; starting anyway";
        lock_.reset();
        return false;
    }
    if (tryHandOver()) {
        lock_.reset();
        return true;
    }
    return false;
}

bool SingleInstance::tryHandOver()
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    // A socket left by a copy that crashed refuses the connection.
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    // The token a launcher gives the program it starts lets the running
    // copy take the focus in its place.
    QByteArray request = kRequest.toByteArray();
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty())
        request += ' ' + token;
    socket.write(request + '\n');
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(kAnswerMs))
        answer += socket.readAll();
    if (answer != kAnswer) {
        qCWarning(lcSingleInstance) << "the running copy did not answer; starting another";
        return false;
    }
    return true;
}

bool SingleInstance::listen()
{
    server_ = std::make_unique<QLocalServer>();
#ifdef Q_OS_WIN
    // A pipe's name is seen by every session: only this user may connect.
    // (A socket file takes the rights of the folder it is in and of the
    // user's file mode; the option would also put it over any file of that
    // name, a running copy's included.)
    server_->setSocketOptions(QLocalServer::UserAccessOption);
#endif
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection())
            answer(socket);
    });
    bool listening = server_->listen(serverName_);
    if (!listening && server_->serverError() == QAbstractSocket::AddressInUseError) {
        // Left by a copy that ended without cleaning up, since nothing
        // answered on it: the lock keeps another start from doing the same
        // now.
        QLocalSocket probe;
        probe.connectToServer(serverName_);
        if (!probe.waitForConnected(kAnswerMs)) {
            QLocalServer::removeServer(serverName_);
            listening = server_->listen(serverName_);
        }
    }
    if (!listening)
        qCWarning(lcSingleInstance)
            << "cannot listen on" << serverName_ << ":" << server_->errorString();
    else
        qCDebug(lcSingleInstance) << "listening on" << server_->fullServerName();
    lock_.reset();
    return listening;
}

void SingleInstance::answer(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A client that never says anything is not kept.
    QTimer::singleShot(kAnswerMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine())
            return;
        const QList<QByteArray> words = socket->readLine().trimmed().split(' ');
        if (words.value(0) != kRequest) {
            socket->abort();
            return;
        }
        // Under Wayland the window takes the focus with the later start's
        // token (Qt uses it on the next activation).
        if (words.size() > 1 && QGuiApplication::platformName() == u"wayland"_s)
            qputenv("XDG_ACTIVATION_TOKEN", words.value(1));
        qCDebug(lcSingleInstance) << "a later start asked for the main window";
        Q_EMIT showRequested();
        socket->write(kAnswer.data(), kAnswer.size());
        socket->flush();
        socket->disconnectFromServer();
    });
}
