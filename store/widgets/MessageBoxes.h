#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The kinds of the standard message boxes; each value is also the box's icon code.
enum class MessageKind { Information = 1, Restriction = 2, Error = 3 };

// Modal boxes with one "OK" button over parent; they return when dismissed.
void showMessage(MessageKind kind, const QString &text, QWidget *parent);
// As showMessage, but returns at once while the box stays up (Prompts::tell).
void tellMessage(MessageKind kind, const QString &text, QWidget *parent);
void showInformation(const QString &text, QWidget *parent);
void showRestriction(const QString &text, QWidget *parent);
void showError(const QString &text, QWidget *parent);

// A modal "Yes"/"No" question; true only when "Yes" was pressed.
bool askYesNo(QMessageBox::Icon icon, const QString &title, const QString &text, bool yesByDefault, QWidget *parent);
// Modal "Yes"/"No" questions whose default is "No"; true only when "Yes" was pressed.
bool confirmDelete(int count, QWidget *parent);
bool confirmRemoveFolder(const QString &folderName, QWidget *parent);
