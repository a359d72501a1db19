#pragma once

#include <QString>

namespace data {

// A statement the engine refused; text is the engine's own message.
struct DbError {
    QString text;
};

// A typed value that is not the number a handler needs.
struct InvalidNumber {
    QString value;
};

} // namespace data
