// The member's forum engine; see forumchoice.h.
#include "base/forumchoice.h"

#include "base/appfolder.h"
#include "base/settingsfile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ForumChoice::ForumChoice(QString path, QObject* parent) : QObject(parent), path_(std::move(path))
{
}

QString ForumChoice::defaultPath()
{
    return appfolder::userSettingsRoot() + QDir::separator() + u"Forum.dat"_s;
}

std::optional<QString> ForumChoice::load()
{
    const forumcode::Engine before = engine_;
    const std::optional<QString> warning = read();
    if (engine_ != before) {
        leftOut_.clear();
        Q_EMIT engineChanged(engine_);
    }
    return warning;
}

std::optional<QString> ForumChoice::read()
{
    engine_ = forumcode::Engine::Classic;
    const QFileInfo info(path_);
    // Nobody has chosen yet: the classic codes, as always.
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;

    const QString fallBack = u"\n\nThe classic codes are written until you choose your forum in "
                             "the post's look window; the file is left as it is until then."_s;
    const files::Result<settings::Value> read = settings::readValue(path_);
    if (!read.ok())
        return read.failure().text + fallBack;
    const std::optional<forumcode::Engine> engine = forumcode::engineFromKey(read.value().text);
    if (!engine) {
        // Shown whole only while it is short: a file of another kind may
        // hold anything.
        QString word = read.value().text;
        if (word.size() > 60)
            word = word.left(60) + u"…"_s;
        return u"%1 names a forum this copy of Tarnwell does not know: \"%2\"."_s.arg(
                   QDir::toNativeSeparators(path_), word) +
               fallBack;
    }
    engine_ = *engine;
    return std::nullopt;
}

std::optional<files::Failure> ForumChoice::choose(forumcode::Engine engine)
{
    if (engine != engine_) {
        engine_ = engine;
        // What was left out for one engine says nothing about another.
        leftOut_.clear();
        Q_EMIT engineChanged(engine_);
    }

    const QString key = forumcode::engineKey(engine);
    const files::Result<settings::Value> now = settings::readValue(path_);
    if (now.ok() && now.value().text == key)
        return std::nullopt;
    const QString folder = QFileInfo(path_).path();
    if (!QDir().mkpath(folder))
        return files::Failure{
            path_, u"Cannot save %1:\nThe folder %2 cannot be created."_s.arg(
                       QDir::toNativeSeparators(path_), QDir::toNativeSeparators(folder))};
    const files::Result<settings::Encoding> written = settings::writeValue(path_, key);
    if (!written.ok())
        return written.failure();
    return std::nullopt;
}

void ForumChoice::noteLeftOut(forumcode::LeftOut kind)
{
    if (leftOut_.insert(kind).second)
        Q_EMIT leftOutChanged();
}
