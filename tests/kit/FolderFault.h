#pragma once

#include <QString>
#include <QStringList>

// Real storage faults on one folder: a small disk mounted over it, filled up to a few bytes, or the folder
// mounted read-only over itself. Mounting needs root; each call returns false where it cannot mount, and
// error() says why, for the test's skip. The destructor undoes every mount (lazily, should the program
// still hold a file there).
class FolderFault
{
public:
    explicit FolderFault(const QString &folder) : m_folder(folder) {}
    ~FolderFault();
    FolderFault(const FolderFault &) = delete;
    FolderFault &operator=(const FolderFault &) = delete;

    // Puts the folder's files on a disk of that size mounted over it.
    bool mountSmallDisk(qint64 bytes);
    // Fills the small disk but for about the bytes left; makeRoom() frees it again.
    bool fill(qint64 bytesLeft);
    bool makeRoom();
    // The folder mounted read-only over itself; makeWritable() lets it be written again in place, so that
    // files held open stay valid.
    bool makeReadOnly();
    bool makeWritable();

    QString error() const { return m_error; }

private:
    bool run(const QString &program, const QStringList &arguments);
    QString fillerPath() const { return m_folder + QStringLiteral("/.filler"); }

    QString m_folder;
    QString m_error;
    int m_mounts = 0;
};
