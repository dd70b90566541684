#pragma once

#include <QString>

class QLabel;
class QUrl;
class QWidget;

// Opening with the desktop's default applications, where no application for the type is a failure the user
// is told about, never a silent success. GUI thread only; the messages are modal over parent.

// Opens a web address or a file; when nothing opens it, says which address could not be opened. True when
// it was handed to an application.
bool openLink(const QUrl &url, QWidget *parent);

// Opens a saved document; when nothing opens it, names the file and offers to open the folder that holds
// it. True when the document itself was handed to an application.
bool openDocument(const QString &path, QWidget *parent);

// Makes the links of label open through openLink, over the label's window, instead of silently failing.
void openLinksWithDesktop(QLabel *label);
