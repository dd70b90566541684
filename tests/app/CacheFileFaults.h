#pragma once

#include <QString>
#include <functional>

// Faults of the cache file itself, made with SQLite's own connections where a crash would leave them.

// Damages the cache file as a crash, a disk or another program may: "half" cuts it to half its length,
// "header" writes over its header, "directory" puts a folder in its place, "pageN" writes random bytes over
// its page N. Every page goes into the file itself first, unless the log is to keep what it holds.
bool damageCache(const QString &path, const QString &damage, bool checkpoint = true);

// Runs the writes while another connection holds the cache's log open, so that no checkpoint copies them
// into the file, and leaves the file and its log as they were then: as a killed program leaves them.
bool leaveInLog(const QString &path, const std::function<bool()> &writes);

// Leaves the cache as a crash in the middle of a commit leaves it in the rollback journal's format (where
// the log cannot be used): pages of the unfinished commit in the file, their old content in a hot journal.
bool leaveHotJournal(const QString &path);
