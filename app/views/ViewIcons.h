#pragma once

#include <QIcon>

// The icon of a resource image, loaded once and then shared by every row and header that shows it: the
// lists hold tens of thousands of rows, and each QIcon built from a file name would read the image anew.
// GUI thread only.
QIcon viewIcon(const char *resourcePath);
