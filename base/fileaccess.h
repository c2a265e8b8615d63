// Reading the delivered files safely: a file that is missing, a folder, a
// pipe or a device, or unreadable, gives a message that names it and the
// system's reason instead of a hang or a misleading "not found". Also the
// one way the program says that using a file failed, and why.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace files {

// Why a file could not be used: the file, and a message for the user that
// names it ("File not found:", "Path not found:", or the system's reason).
struct Failure {
    QString path;
    QString text;
};

// What an operation that gives a value came to: the value, or the Failure.
// An operation that gives nothing back returns std::optional<Failure>,
// empty when it worked.
template <class T> class Result {
public:
    Result(T value) : outcome_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : outcome_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return outcome_.index() == 0; }
    // Only when ok().
    const T& value() const { return std::get<0>(outcome_); }
    T& value() { return std::get<0>(outcome_); }
    // Only when not ok().
    const Failure& failure() const { return std::get<1>(outcome_); }
    // The failure, if any, as an operation without a value reports it.
    std::optional<Failure> error() const
    {
        return ok() ? std::nullopt : std::optional<Failure>(failure());
    }

private:
    std::variant<T, Failure> outcome_;
};

// Reads a whole regular file. Never blocks on a pipe or device: anything
// that is not a regular file is refused without being read.
Result<QByteArray> readAll(const QString& path);

// The message for a file that could not be opened, from the system's error
// number: missing files and folders are named as such, anything else
// carries the system's own text (a name too long, permission denied...).
Failure openFailure(const QString& path, int systemError);

} // namespace files
