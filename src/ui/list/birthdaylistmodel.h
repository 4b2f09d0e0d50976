#pragma once

#include "core/calendar/nextevent.h"
#include "core/events/birthdayrecord.h"
#include "ui/presentation/listdate.h"
#include "ui/presentation/listviewmode.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

// The rows of the event list: one per live record, columns "Name", "Date", "Next", "In" and "Age".
// Kept sorted ascending by the text of the sort column, ties in the order the rows were given;
// by the next date, the soonest first. A filter on the names hides the other rows: the model
// has only the rows shown, so row numbers mean the same to the views and the commands.
class BirthdayListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Row
    {
        Row(int key = -1, QString name = {}, std::optional<QDate> date = {})
            : key(key), name(std::move(name)), date(date)
        {}

        int key = -1; // the record key
        QString name; // as stored
        // The stored date, read; none when it is no date. The "Date" column shows it as
        // "yyyy/mm/dd", or for none the stored text after a mark.
        std::optional<QDate> date;
        // Every stored field as the list read it (key and name above repeat two of them): what
        // Edit, Duplicate and Delete expect to find in the file.
        BirthdayRecord record;
        // The coming occurrence, which the "Next", "In" and "Age" columns show; -1 days when
        // none. (The columns' texts, the date's too, are made when shown: a refresh of a long
        // list would spend most of its time on texts nobody scrolls to.)
        std::optional<NextEvent> next;
        qint64 nextDays = -1;
        // For an event kept in another calendar, its date's day there ("2 Iyar"), which the
        // "Date" column shows beside it: made once a refresh, as ICU is slow to write it.
        QString otherDay;
        // The subscription the event follows (its name), empty for none: the name shows a mark
        // and its tip says which.
        QString source;

        void setNext(std::optional<NextEvent> next);
    };

    enum Column { NameColumn = 0, DateColumn, NextColumn, InColumn, AgeColumn, ColumnCount };
    static constexpr int RecordKeyRole = Qt::UserRole + 1;

    explicit BirthdayListModel(QObject* parent = nullptr);

    void setRows(QList<Row> rows);
    const Row& row(int index) const { return m_rows.at(index); }
    void setSortColumn(ListArrange column);
    ListArrange sortColumn() const { return m_sortColumn; }
    void setIcon(const QIcon& icon) { m_icon = icon; }
    // Shows only the rows whose name holds the text, in any letter case; "" shows all.
    void setFilter(const QString& text);
    QString filter() const { return m_filter; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // The tip of an event that follows a subscription: its name, then which one it follows.
    static QString sourceText(const Row& row);

private:
    void sortRows(QList<Row>& rows) const;
    bool passes(const Row& row) const;
    // m_rows from m_allRows.
    void applyFilter();
    // Sorts and filters the rows again, keeping the selection on the rows still shown.
    void relayout();

    QList<Row> m_allRows; // every row, sorted
    QList<Row> m_rows;    // those the filter lets through
    QString m_filter;
    ListArrange m_sortColumn = ListArrange::Name;
    QIcon m_icon;
    ListDate::ColumnFormat m_dateFormat;
};
