#pragma once

#include "listwindow/listviewmode.h"
#include "store/birthdayrecord.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

// The rows of lvwBirthdays: one per live record, columns "Name" and "Date". Kept sorted
// ascending by the text of the sort column, ties in the order the rows were given.
class BirthdayListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Row
    {
        // Every stored field as the list read it: what Edit, Duplicate and Delete expect to
        // find in the file.
        BirthdayRecord record;
        QString dateText; // "yyyy/mm/dd", or "" when the stored date is no date

        int key() const { return record.key; }
        const QString& name() const { return record.value(BirthdayRecord::Name); }
    };

    enum Column { NameColumn = 0, DateColumn = 1, ColumnCount };
    // The item key, "key" followed by the record key.
    static constexpr int ItemKeyRole = Qt::UserRole + 1;
    static constexpr int RecordKeyRole = Qt::UserRole + 2;

    explicit BirthdayListModel(QObject* parent = nullptr);

    static QString itemKey(int recordKey);
    // The record key of an item key: its text without the first three characters.
    static int recordKeyOf(const QString& itemKey);

    void setRows(QList<Row> rows);
    const Row& row(int index) const { return m_rows.at(index); }
    void setSortColumn(ListArrange column);
    ListArrange sortColumn() const { return m_sortColumn; }
    void setIcon(const QIcon& icon) { m_icon = icon; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void sortRows(QList<Row>& rows) const;
    void resort();

    QList<Row> m_rows;
    ListArrange m_sortColumn = ListArrange::Name;
    QIcon m_icon;
};
