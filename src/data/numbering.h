#pragma once

#include "data/query.h"

#include <QString>

namespace data {

// A table whose id the program makes from its count.
struct Numbering {
    const char* table;
    const char* idColumn;
    int width;
};

namespace numbered {
inline constexpr Numbering company{"company", "compid", 4};
inline constexpr Numbering departgroup{"departgroup", "deptgroupid", 2};
inline constexpr Numbering department{"department", "deptid", 4};
inline constexpr Numbering employee{"employee", "empid", 4};        // prefix: division id
inline constexpr Numbering invgroup{"invgroup", "invgroupid", 4};
inline constexpr Numbering invtype{"invtype", "invtypeid", 2};
inline constexpr Numbering inv{"inv", "invid", 6};                  // prefix: group + type id
inline constexpr Numbering durablegroup{"durablegroup", "durgroupid", 4};
inline constexpr Numbering durabletype{"durabletype", "durtypeid", 4};
inline constexpr Numbering durable2{"durable2", "durid", 10};       // prefix: serial number
inline constexpr Numbering land_locate{"land_locate", "locate_id", 6};
inline constexpr Numbering building{"building", "building_id", 10};
} // namespace numbered

// count left-filled with "0" to width (never cut), after the prefix.
QString numberedId(qint64 count, int width, const QString& prefix = {});

// Gives the row just inserted by `inserted` its id and returns it. Run inside the
// handler's transaction, right after the insert.
QString assignId(Query& inserted, const Numbering& table, const QString& prefix = {});

} // namespace data
