#pragma once

#include <QString>
#include <stdexcept>

namespace quillmere {

// A failure the program cannot go on from: a text document that cannot be read,
// a picture that cannot be loaded. It travels up to the handler that started the
// command, which reports it to the user and ends the program.
class FatalError : public std::runtime_error {
public:
    explicit FatalError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

} // namespace quillmere
