#include "FolderFault.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <unistd.h>

FolderFault::~FolderFault()
{
    for (; m_mounts > 0; --m_mounts)
        run(QStringLiteral("umount"), {QStringLiteral("-l"), m_folder});
}

bool FolderFault::run(const QString &program, const QStringList &arguments)
{
    if (::geteuid() != 0) {
        m_error = QStringLiteral("mounting needs root; this test runs as uid %1").arg(::geteuid());
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    m_error = QStringLiteral("%1 %2 failed: %3")
                  .arg(program, arguments.join(' '), QString::fromLocal8Bit(process.readAll()).trimmed());
    return false;
}

bool FolderFault::mountSmallDisk(qint64 bytes)
{
    // The folder's files wait aside while the disk is mounted over them, then move onto it.
    const QTemporaryDir aside;
    if (!aside.isValid() || !run(QStringLiteral("cp"), {QStringLiteral("-a"), m_folder + "/.", aside.path()}))
        return false;
    if (!run(QStringLiteral("mount"),
             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
              QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_folder}))
        return false;
    ++m_mounts;
    return run(QStringLiteral("cp"), {QStringLiteral("-a"), aside.path() + "/.", m_folder});
}

bool FolderFault::fill(qint64 bytesLeft)
{
    QFile filler(fillerPath());
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    // Written until the disk refused; then the few bytes asked for are given back.
    return filler.resize(qMax<qint64>(0, filler.size() - bytesLeft));
}

bool FolderFault::makeRoom()
{
    return QFile::remove(fillerPath());
}

bool FolderFault::makeReadOnly()
{
    if (!run(QStringLiteral("mount"), {QStringLiteral("--bind"), m_folder, m_folder}))
        return false;
    ++m_mounts;
    return run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), m_folder});
}

bool FolderFault::makeWritable()
{
    return run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,bind,rw"), m_folder});
}
