#include "ui/dialogs/importdialog.h"

#include "core/events/birthdayinput.h"
#include "core/text/textconv.h"
#include "ui/dialogs/dialogbuttons.h"
#include "ui/presentation/listdate.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

enum Column { NameColumn, DateColumn, AlertColumn, NoteColumn, ColumnCount };

// New events and those whose repeats end: the user may choose them.
bool isAddable(ImportPlan::Item::Status status)
{
    return status == ImportPlan::Item::Status::New || status == ImportPlan::Item::Status::Ending;
}

} // namespace

// The plan's items as rows, each with its check box; the texts are made when a row is drawn.
class ImportRows : public QAbstractTableModel
{
public:
    ImportRows(const QList<ImportPlan::Item>& items, int rowHeight, QObject* parent)
        : QAbstractTableModel(parent), m_items(items), m_rowHeight(rowHeight),
          m_alertChoices(BirthdayInput::alertChoices())
    {
        m_checked.reserve(m_items.size());
        for (const ImportPlan::Item& item : m_items)
            m_checked.push_back(item.status == ImportPlan::Item::Status::New);
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_items.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        const QString titles[] = {ImportDialog::tr("Name"), ImportDialog::tr("Date"),
                                  ImportDialog::tr("On the Day"), ImportDialog::tr("Note")};
        return section >= 0 && section < ColumnCount ? titles[section] : QVariant();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const ImportPlan::Item& item = m_items[index.row()];
        if (index.column() == NameColumn && role == Qt::CheckStateRole)
            return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
        // Tall enough for accented capitals and the check box, whatever the font.
        if (index.column() == NameColumn && role == Qt::SizeHintRole)
            return QSize(0, m_rowHeight);
        if (role != Qt::DisplayRole && !(index.column() == NoteColumn && role == Qt::ToolTipRole))
            return {};
        switch (index.column()) {
        case NameColumn:
            return item.entry.name;
        case DateColumn:
            return item.record.isYearless()
                       ? TextConv::shownDayMonthText(item.record.rule->month, item.record.rule->day)
                       : ListDate::columnText(item.record.value(BirthdayRecord::Date));
        case AlertColumn:
            return isAddable(item.status) ? m_alertChoices.value(alertOf(item).toInt()) : QString();
        default:
            // The note says why a date without its year shows no age.
            return item.status == ImportPlan::Item::Status::New && !item.entry.hasYear
                       ? ImportDialog::tr("no year given: the age is not shown")
                       : item.reason;
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        // What cannot be imported stays unchecked, greyed, out of reach of the mouse.
        if (!index.isValid() || !isAddable(m_items[index.row()].status))
            return Qt::ItemIsSelectable;
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled |
               (index.column() == NameColumn ? Qt::ItemIsUserCheckable : Qt::NoItemFlags);
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
            return false;
        m_checked[index.row()] = value.toInt() == Qt::Checked;
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

    // Select All and Select None change only what can be imported.
    void checkAll(bool checked)
    {
        for (qsizetype i = 0; i < m_items.size(); ++i)
            if (isAddable(m_items[i].status))
                m_checked[i] = checked;
        Q_EMIT dataChanged(index(0, NameColumn), index(rowCount({}) - 1, NameColumn),
                           {Qt::CheckStateRole});
    }

    // 0: each event's own action; else the action chosen for all, one past its number.
    void setAlertChoice(int choice)
    {
        m_alertChoice = choice;
        Q_EMIT dataChanged(index(0, AlertColumn), index(rowCount({}) - 1, AlertColumn));
    }

    QString alertOf(const ImportPlan::Item& item) const
    {
        return m_alertChoice > 0 ? QString::number(m_alertChoice - 1)
                                 : item.record.value(BirthdayRecord::Alert);
    }

    const QList<ImportPlan::Item>& items() const { return m_items; }
    bool isChecked(qsizetype row) const { return m_checked[row]; }

private:
    QList<ImportPlan::Item> m_items;
    std::vector<bool> m_checked;
    int m_rowHeight;
    QStringList m_alertChoices;
    int m_alertChoice = 0;
};

ImportDialog::ImportDialog(const QList<ImportPlan::Item>& items, const QStringList& files, int room,
                           QWidget* parent)
    : QDialog(parent), m_room(room)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import"));

    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    auto* heading = new QLabel(
        tr("Choose the events to add from %1:").arg(names.join(QStringLiteral(", "))), this);
    heading->setWordWrap(true);

    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("lvwImport"));
    m_list->setAccessibleName(tr("Events to import"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setMinimumSize(720, 320);
    const QFontMetrics metrics = m_list->fontMetrics();
    const int rowHeight =
        std::max(metrics.lineSpacing(), metrics.boundingRect(QStringLiteral("ÉÅÇgjy")).height()) +
        6;
    m_rows = new ImportRows(items, rowHeight, this);
    m_list->setModel(m_rows);
    setColumnWidths(m_list, {260, 90, 110});
    connect(m_rows, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole))
                    showCount();
            });

    // The choices in a row, the count on a line of its own below them: beside them a longer
    // translation wrapped it to more lines than the window had room for.
    auto* below = new QWidget(this);
    auto* belowColumn = new QVBoxLayout(below);
    belowColumn->setContentsMargins(0, 0, 0, 0);
    auto* belowLayout = new QHBoxLayout;
    belowColumn->addLayout(belowLayout);
    // Select All and Select None change only what can be imported.
    const std::pair<const char*, Qt::CheckState> choices[] = {
        {QT_TR_NOOP("Select &All"), Qt::Checked}, {QT_TR_NOOP("Select &None"), Qt::Unchecked}};
    for (const auto& [caption, state] : choices) {
        auto* button = new QPushButton(tr(caption), below);
        button->setObjectName(state == Qt::Checked ? QStringLiteral("cmdSelectAll")
                                                   : QStringLiteral("cmdSelectNone"));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, m_rows,
                [this, state = state] { m_rows->checkAll(state == Qt::Checked); });
        belowLayout->addWidget(button);
    }
    auto* alertLabel = new QLabel(tr("On the &Day:"), below);
    alertLabel->setObjectName(QStringLiteral("lblImportAlert"));
    m_alert = new QComboBox(below);
    m_alert->setObjectName(QStringLiteral("cboImportAlert"));
    m_alert->addItem(tr("Each as listed"));
    m_alert->addItems(BirthdayInput::alertChoices());
    alertLabel->setBuddy(m_alert);
    connect(m_alert, &QComboBox::currentIndexChanged, this, &ImportDialog::showAlerts);
    m_count = new QLabel(below);
    m_count->setObjectName(QStringLiteral("lblImportCount"));
    belowLayout->addWidget(alertLabel);
    belowLayout->addWidget(m_alert);
    belowLayout->addStretch(1);
    belowColumn->addWidget(m_count);
    showAlerts();
    showCount();

    layOutListDialog(this, heading, m_list, below);
}

void ImportDialog::showAlerts()
{
    m_rows->setAlertChoice(m_alert->currentIndex());
    // A language's longer choice widens the column rather than being cut; English's fit.
    m_list->setColumnWidth(
        AlertColumn,
        std::max(m_list->columnWidth(AlertColumn),
                 static_cast<const QAbstractItemView*>(m_list)->sizeHintForColumn(AlertColumn)));
}

void ImportDialog::showCount()
{
    const QList<ImportPlan::Item>& items = m_rows->items();
    ImportPlan::Counts counts = ImportPlan::count(items);
    int chosen = 0, endingChosen = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!m_rows->isChecked(i))
            continue;
        ++chosen;
        if (items[i].status == ImportPlan::Item::Status::Ending)
            ++endingChosen;
    }
    // Never more than the data file takes: what is chosen beyond its room is said to stay out.
    counts.added = std::min(chosen, m_room);
    counts.noRoom += chosen - counts.added;
    counts.ending -= endingChosen;
    m_count->setText(counts.summary(true));
}

QList<BirthdayRecord> ImportDialog::chosenRecords() const
{
    const QList<ImportPlan::Item>& items = m_rows->items();
    QList<BirthdayRecord> records;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!m_rows->isChecked(i))
            continue;
        BirthdayRecord record = items[i].record;
        record.setValue(BirthdayRecord::Alert, m_rows->alertOf(items[i]));
        records.append(record);
    }
    return records;
}
