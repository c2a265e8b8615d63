// A complete application folder in a temporary directory: the delivered
// pictures and settings files copied from the build, which tests may then
// break (remove a picture, empty a settings file) before starting up.
#pragma once

#include <QString>
#include <QTemporaryDir>

class AppFolderFixture {
public:
    AppFolderFixture();

    bool isValid() const { return valid_; }
    QString root() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }

    bool remove(const QString& relative) const;
    bool write(const QString& relative, const QByteArray& contents) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};
