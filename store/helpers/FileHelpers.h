#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Small file operations. Each opens and closes the file itself and returns false when it could not be
// read or written; outputs are left as they were on failure. Text files are UTF-8.

bool readFileBytes(QByteArray &bytes, const QString &path);
bool readTextFile(QString &text, const QString &path);

// Writes text to directory + fileName (a plain concatenation), replacing the file.
bool writeTextFile(const QString &directory, const QString &text, const QString &fileName);

// Appends every line of the file, trimmed, that is not empty.
bool readLines(QStringList &lines, const QString &path);

// Writes each line followed by CR LF to directory + fileName, replacing the file.
bool writeLines(const QString &directory, const QStringList &lines, const QString &fileName);

// Splits line at the first separator into trimmed key and value; leaves both unchanged when the
// separator is missing, first or last.
void splitKeyValue(const QString &line, QString &key, QString &value, QChar separator);

// Sets map[key] = value for every "key=value" line with a non-empty key and value; a later line wins.
bool readKeyValueFile(QMap<QString, QString> &map, const QString &path);

// Deletes the visible plain files of the directory, then the directory itself when it is empty.
bool removeDirectory(const QString &path);

// The text after the last "/", or the whole text.
QString fileNameOfPath(const QString &path);

// The file directory of the task with that id in the customer directory, ending in "/"; nothing is made.
QString taskDirectoryPath(int taskId);

// Removes the file directory of the task with that id. Ids below 1 have no directory: nothing to do.
bool removeTaskDirectory(int taskId);
