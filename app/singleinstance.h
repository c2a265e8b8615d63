// One running copy per user and display: a start that finds a copy running
// asks it to show its main window and ends before showing anything; the
// copy that runs listens for the starts that come after it.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The meeting point of the copies of one user on one display (one
    // desktop session), from the environment the program was started in.
    static QString currentServerName();

    explicit SingleInstance(QString serverName = currentServerName());
    ~SingleInstance() override;

    // Call first thing, before the application object exists. True when a
    // running copy took the request: this process ends with status 0.
    // False: this start is the running copy, and keeps the meeting point
    // to itself until listen(), so that a start at the same moment waits
    // for it instead of running beside it. A copy that ended without
    // cleaning up (a crash) leaves nothing that stops this.
    bool handOverToRunningCopy();

    // With the application object: takes the later starts' requests. False
    // (and the program runs on, alone or not) where the meeting point
    // cannot be made.
    bool listen();

Q_SIGNALS:
    // A later start asked for the main window.
    void showRequested();

private:
    bool tryHandOver();
    void answer(QLocalSocket* socket);

    QString serverName_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};
