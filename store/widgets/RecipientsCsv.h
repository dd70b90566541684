#pragma once

#include "RecipientStatus.h"

#include <QList>
#include <QString>

class QTreeWidget;

// Asks where to save a CSV file. The name gets ".csv" unless it already ends with it in any case; empty
// when the dialog was cancelled or the chosen directory does not exist.
QString askCsvFileName();

// Asks for a file and writes one "recipient;status text" line per entry, CR LF terminated, in UTF-8.
// False when no file was chosen or it could not be written.
bool exportRecipientsCsv(const QList<RecipientStatus> &deliveryList);

// Appends one row per entry: the recipient, then its status text.
void fillRecipientStatusTree(const QList<RecipientStatus> &deliveryList, QTreeWidget *tree);
