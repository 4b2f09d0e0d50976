#include "ui/list/birthdaylistmodel.h"

#include "core/rules/rulechoices.h"
#include "core/text/textconv.h"

#include <algorithm>
#include <iterator>

BirthdayListModel::BirthdayListModel(QObject* parent) : QAbstractTableModel(parent) {}

void BirthdayListModel::Row::setNext(std::optional<NextEvent> coming)
{
    nextDays = coming ? coming->next.days : -1;
    next = std::move(coming);
}

void BirthdayListModel::sortRows(QList<Row>& rows) const
{
    if (m_sortColumn == ListArrange::NextDate) {
        // Today first; events with no coming day (a one-off that has passed) last.
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            const quint64 left = quint64(a.nextDays); // -1 turns into the largest
            const quint64 right = quint64(b.nextDays);
            if (left != right)
                return left < right;
            return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
        });
        return;
    }
    if (m_sortColumn == ListArrange::Age) {
        // Youngest first; events that show no age last, by name.
        const auto age = [](const Row& row) {
            return row.next && row.next->showAge ? quint64(row.next->next.years) : ~quint64(0);
        };
        std::stable_sort(rows.begin(), rows.end(), [&age](const Row& a, const Row& b) {
            if (age(a) != age(b))
                return age(a) < age(b);
            return QString::compare(a.name, b.name, Qt::CaseInsensitive) < 0;
        });
        return;
    }
    if (m_sortColumn == ListArrange::Date) {
        // As the "yyyy/mm/dd" texts sort, no date ("") first.
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            return a.date.value_or(QDate()) < b.date.value_or(QDate());
        });
        return;
    }
    QList<QStringView> texts;
    texts.reserve(rows.size());
    for (const Row& row : rows)
        texts.append(row.name);
    QList<Row> sorted;
    sorted.reserve(rows.size());
    for (const qsizetype index : ListViewModes::sortedOrder(texts))
        sorted.append(std::move(rows[index]));
    rows = std::move(sorted);
}

bool BirthdayListModel::passes(const Row& row) const
{
    return m_filter.isEmpty() || row.name.contains(m_filter, Qt::CaseInsensitive);
}

void BirthdayListModel::applyFilter()
{
    // Without a filter the two lists share their rows rather than copy every one.
    if (m_filter.isEmpty()) {
        m_rows = m_allRows;
        return;
    }
    m_rows.clear();
    std::copy_if(m_allRows.cbegin(), m_allRows.cend(), std::back_inserter(m_rows),
                 [this](const Row& row) { return passes(row); });
}

void BirthdayListModel::setRows(QList<Row> rows)
{
    for (Row& row : rows) {
        const std::optional<YearlyRule>& rule = row.record.rule;
        if (row.date && rule && rule->kind == YearlyRule::Kind::OtherCalendar)
            row.otherDay = dayInOwnCalendar(*rule, *row.date);
    }
    sortRows(rows);
    beginResetModel();
    m_allRows = std::move(rows);
    applyFilter();
    endResetModel();
}

void BirthdayListModel::setFilter(const QString& text)
{
    if (text == m_filter)
        return;
    m_filter = text;
    relayout();
}

void BirthdayListModel::setSortColumn(ListArrange column)
{
    if (column == m_sortColumn)
        return;
    m_sortColumn = column;
    relayout();
}

void BirthdayListModel::relayout()
{
    // Rows move, so the selection and the current item follow them through the persistent
    // indexes; a row the filter hides leaves the selection, so no command acts on it unseen.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> beforeKeys;
    for (const QModelIndex& index : before)
        beforeKeys.append(m_rows.at(index.row()).key);

    sortRows(m_allRows);
    applyFilter();

    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i) {
        const auto it = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                     [&](const Row& r) { return r.key == beforeKeys.at(i); });
        after.append(it == m_rows.cend() ? QModelIndex()
                                         : index(int(it - m_rows.cbegin()), before.at(i).column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QString BirthdayListModel::sourceText(const Row& row)
{
    //: The tip of an event that a subscription keeps in step; %1 is the event's name, %2 the
    //: subscription's.
    return tr("%1\nFollows the subscription \"%2\": a change there changes it here.")
        .arg(row.name, row.source);
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
    if (index.column() == NameColumn && !row.source.isEmpty()) {
        // What a sync keeps in step is told apart from the user's own events.
        if (role == Qt::DisplayRole)
            return row.name + QStringLiteral(" \u21BB");
        if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
            return sourceText(row);
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case NameColumn:
            return row.name;
        case DateColumn: {
            QString text =
                !row.date ? ListDate::unreadableText(row.record.value(BirthdayRecord::Date))
                : row.record.isYearless()
                    ? TextConv::shownDayMonthText(row.record.rule->month, row.record.rule->day)
                    : m_dateFormat.columnText(row.date);
            // An event kept in another calendar is known by its day there; its Gregorian day
            // is the next one, shown in Next, and both are in the tip. Both in the cell would
            // widen the column past the window in longer languages.
            if (!row.otherDay.isEmpty())
                text = role == Qt::DisplayRole ? row.otherDay
                                               //: The tip of the "Date" column of an event kept
                                               //: in another calendar: %1 is its date, %2 the
                                               //: same day in that calendar ("2 Iyar").
                                               : tr("%1 (%2)").arg(text, row.otherDay);
            // A right-to-left locale's date (Arabic's separators carry right-to-left marks)
            // is isolated with its own direction, as the notification lines are: a
            // left-to-right list would otherwise move its year to the middle.
            return text.isRightToLeft() ? u'\u2068' + text + u'\u2069' : text;
        }
        case NextColumn:
            return row.next ? row.next->dateText() : QString();
        case InColumn:
            return row.next ? row.next->inText() : QString();
        case AgeColumn:
            return row.next ? row.next->ageText() : QString();
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        return index.column() == AgeColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                           : QVariant();
    case Qt::DecorationRole:
        return index.column() == NameColumn ? QVariant(m_icon) : QVariant();
    case RecordKeyRole:
        return row.key;
    default:
        return {};
    }
}

QVariant BirthdayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == NameColumn)
        //: Column header of the event list: the event's name.
        return tr("Name");
    if (section == DateColumn)
        //: Column header of the event list: the date stored with the event (year, month, day).
        return tr("Date");
    if (section == NextColumn)
        //: Column header of the event list: the date the event falls on next (not "the next one").
        return tr("Next");
    if (section == InColumn)
        //: Column header of the event list: how long until the event ("today", "in 3 days").
        //: A narrow column: one short word.
        return tr("In");
    if (section == AgeColumn)
        //: Column header of the event list: the years since the date (a person's age).
        return tr("Age");
    return {};
}
