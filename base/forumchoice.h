// The member's forum engine: the one choice every page writes its codes
// for, kept in the user's own settings folder (Forum.dat, one line holding
// the engine's word), and what the codes written for it had to leave out.
#pragma once

#include "base/fileaccess.h"
#include "base/forumcode/engine.h"

#include <QObject>
#include <QString>

#include <optional>
#include <set>

class ForumChoice : public QObject {
    Q_OBJECT
public:
    // path: the settings file; the user's own Forum.dat by default.
    explicit ForumChoice(QString path = defaultPath(), QObject* parent = nullptr);

    // Forum.dat in the user's settings folder.
    static QString defaultPath();
    const QString& path() const { return path_; }

    // Reads the choice. A missing file is the classic dialect, said to
    // nobody. A file that cannot be used (a folder, unreadable, empty, or a
    // word no engine has, as a newer copy may write) is also the classic
    // dialect, and the message returned names the file and why; the file
    // stays as it is until the member chooses an engine.
    std::optional<QString> load();

    forumcode::Engine engine() const { return engine_; }

    // The member's choice: it applies at once and is saved. A file that
    // already holds it is not written. A failed save is returned (naming
    // the file and why); the choice still applies for this run.
    std::optional<files::Failure> choose(forumcode::Engine engine);

    // A code was written without a tag of this kind, which the engine
    // cannot read. Each kind is kept until another engine is chosen.
    void noteLeftOut(forumcode::LeftOut kind);
    const std::set<forumcode::LeftOut>& leftOut() const { return leftOut_; }

Q_SIGNALS:
    void engineChanged(forumcode::Engine engine);
    // A kind was left out for the first time since the engine was chosen.
    void leftOutChanged();

private:
    // load() without the signal.
    std::optional<QString> read();

    QString path_;
    forumcode::Engine engine_ = forumcode::Engine::Classic;
    std::set<forumcode::LeftOut> leftOut_;
};
