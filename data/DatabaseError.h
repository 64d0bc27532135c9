#pragma once

#include <QString>
#include <stdexcept>

// Raised by the data layer for every failure of the database or of a statement: a file
// that cannot be opened, a statement the engine refuses, a field a result does not hold.
// The message is the text shown to the user when a read fails.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};
