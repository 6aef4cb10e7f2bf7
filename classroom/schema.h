#pragma once
// The class server's tables, roles and rules, as versioned SQL applied forward only.

#include <QString>
#include <QStringList>

namespace classroom {

// The schema version this program writes and reads.
constexpr int kSchemaVersion = 2;

// The statements that bring a schema of version `version - 1` to `version`, run in one transaction by a
// superuser (classroom/setup.h), in order. Constant text: nothing in them comes from a user.
QStringList migrationTo(int version);

} // namespace classroom
