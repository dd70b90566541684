#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

// Reads the persisted task rows ({id, parameter, value}) out of a damaged cache file, on copies in a
// scratch folder so that the file itself stays as it was found: the file with its write-ahead log, which
// holds every change committed since the last checkpoint; then the file alone; then the file under a
// rebuilt header, for a header spoiled over pages that are still whole. False when no attempt could read
// the task table.
bool salvageTaskRows(const QString &path, QList<QVariantList> &rows);
