#include "birthdaylistmodel.h"

#include <algorithm>

BirthdayListModel::BirthdayListModel(QObject* parent) : QAbstractTableModel(parent) {}

QString BirthdayListModel::itemKey(int recordKey)
{
    return QStringLiteral("key") + QString::number(recordKey);
}

int BirthdayListModel::recordKeyOf(const QString& itemKey)
{
    return itemKey.mid(3).toInt();
}

void BirthdayListModel::sortRows(QList<Row>& rows) const
{
    const bool byDate = m_sortColumn == ListArrange::Date;
    QList<QStringView> texts;
    texts.reserve(rows.size());
    for (const Row& row : rows)
        texts.append(byDate ? row.dateText : row.name());
    QList<Row> sorted;
    sorted.reserve(rows.size());
    for (const qsizetype index : ListViewModes::sortedOrder(texts))
        sorted.append(std::move(rows[index]));
    rows = std::move(sorted);
}

void BirthdayListModel::setRows(QList<Row> rows)
{
    sortRows(rows);
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void BirthdayListModel::setSortColumn(ListArrange column)
{
    if (column == m_sortColumn)
        return;
    m_sortColumn = column;
    resort();
}

void BirthdayListModel::resort()
{
    // Rows move, so the selection and the current item follow them through the persistent
    // indexes.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> beforeKeys;
    for (const QModelIndex& index : before)
        beforeKeys.append(m_rows.at(index.row()).key());

    sortRows(m_rows);

    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i) {
        const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                     [&](const Row& r) { return r.key() == beforeKeys.at(i); });
        after.append(index(int(it - m_rows.cbegin()), before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int BirthdayListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BirthdayListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BirthdayListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return index.column() == NameColumn ? row.name() : row.dateText;
    case Qt::DecorationRole:
        return index.column() == NameColumn ? QVariant(m_icon) : QVariant();
    case ItemKeyRole:
        return itemKey(row.key());
    case RecordKeyRole:
        return row.key();
    default:
        return {};
    }
}

QVariant BirthdayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == NameColumn)
        return tr("Name");
    if (section == DateColumn)
        return tr("Date");
    return {};
}
