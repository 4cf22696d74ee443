#pragma once

#include <QString>

// SQLite files in a backup: copied through SQLite's online backup, so that the copy is one
// consistent state of the database while other programs keep writing to it, and checked before a
// restore puts one in place.
namespace SqliteCopy {

// Whether the file starts with the header of an SQLite database.
bool isDatabase(const QString& file);
// Copies the database source into the new file target; false with the reason in error.
bool copy(const QString& source, const QString& target, QString* error);
// Whether the database passes SQLite's quick check; false with the reason in error.
bool check(const QString& file, QString* error);

} // namespace SqliteCopy
