#include "LocalIdFollower.h"

#include "BaseObject.h"
#include "RecordVariant.h"

namespace {

const BaseObject *recordAt(const QModelIndex &index)
{
    return recordFromVariant<BaseObject>(index.data(Qt::UserRole));
}

} // namespace

LocalIdFollower::LocalIdFollower(const QAbstractItemModel *model)
{
    noteRows(model, QModelIndex());
}

void LocalIdFollower::noteRows(const QAbstractItemModel *model, const QModelIndex &parent)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        if (const BaseObject *record = recordAt(index); record && record->id < 0)
            m_rows.append({QPersistentModelIndex(index), record->id});
        noteRows(model, index);
    }
}

int LocalIdFollower::current(int id) const
{
    if (id >= 0)
        return id;
    for (const auto &[index, noted] : m_rows) {
        if (noted != id)
            continue;
        const BaseObject *record = index.isValid() ? recordAt(index) : nullptr;
        return record ? record->id : id;
    }
    return id;
}
