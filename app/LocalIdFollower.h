#pragma once

#include <QList>
#include <QPair>
#include <QPersistentModelIndex>

class QAbstractItemModel;

// Follows the contacts list's rows of groups and contacts created offline (negative ids) while a modal
// editor runs: the pump may give them their service ids meanwhile, and the records the editor returns must
// then name those ids, or their tasks would create the objects a second time. GUI thread only.
class LocalIdFollower
{
public:
    // Notes every row of the model (the contacts list's) whose record has a negative id.
    explicit LocalIdFollower(const QAbstractItemModel *model);

    // The id that the row which had this id shows now; the id itself when it is no local id, did not
    // change, or its row is gone.
    int current(int id) const;

private:
    void noteRows(const QAbstractItemModel *model, const QModelIndex &parent);

    QList<QPair<QPersistentModelIndex, int>> m_rows;
};
