#pragma once

#include "data/query.h"

#include <QString>

namespace data {

// The lines of a document still being written stand in its line table under the
// document id "tmp" until the document is saved.
struct Staging {
    const char* lines;     // line table
    const char* docColumn; // its document column

    // select of the staged lines, with their rowid to remove one by
    QString listSql() const;
    // whether any line is staged
    bool any(Query& q) const;
    // removes the one line with this rowid while it is still staged; false when it is not
    bool removeLine(Query& q, qint64 rowid) const;
    // moves every staged line to the saved document
    void rekey(Query& q, const QString& documentId) const;
};

namespace staged {
inline constexpr Staging invreceive2{"invreceive2", "receiveid"};
inline constexpr Staging invpayment2{"invpayment2", "invpayid"};
inline constexpr Staging durablereceive2{"durablereceive2", "durreceiveid"};
inline constexpr Staging durableborrow2{"durableborrow2", "durbowid"};
inline constexpr Staging durableinformrepair2{"durableinformrepair2", "durinrepairid"};
inline constexpr Staging durablerepair2{"durablerepair2", "durrepairid"};
inline constexpr Staging durablerepair3{"durablerepair3", "durrepairid"};
} // namespace staged

} // namespace data
