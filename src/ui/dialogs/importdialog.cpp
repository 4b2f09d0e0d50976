#include "ui/dialogs/importdialog.h"

#include "core/events/birthdayinput.h"
#include "core/presentation/listdate.h"
#include "ui/dialogs/dialogbuttons.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

enum Column { NameColumn, DateColumn, AlertColumn, NoteColumn };
constexpr int itemRole = Qt::UserRole;

// New events and those whose repeats end: the user may choose them.
bool isAddable(ImportPlan::Item::Status status)
{
    return status == ImportPlan::Item::Status::New || status == ImportPlan::Item::Status::Ending;
}

} // namespace

ImportDialog::ImportDialog(const QList<ImportPlan::Item>& items, const QStringList& files, int room,
                           QWidget* parent)
    : QDialog(parent), m_items(items), m_room(room)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import"));

    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    auto* heading = new QLabel(
        tr("Choose the events to add from %1:").arg(names.join(QStringLiteral(", "))), this);
    heading->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvwImport"));
    m_list->setAccessibleName(tr("Events to import"));
    m_list->setHeaderLabels({tr("Name"), tr("Date"), tr("On the Day"), tr("Note")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setMinimumSize(720, 320);
    setColumnWidths(m_list, {260, 90, 110});
    // Tall enough for accented capitals and the check box, whatever the font.
    const QFontMetrics metrics = m_list->fontMetrics();
    const int rowHeight =
        std::max(metrics.lineSpacing(), metrics.boundingRect(QStringLiteral("ÉÅÇgjy")).height()) +
        6;
    for (int i = 0; i < m_items.size(); ++i) {
        const ImportPlan::Item& item = m_items[i];
        const bool isNew = item.status == ImportPlan::Item::Status::New;
        const bool addable = isAddable(item.status);
        auto* row = new QTreeWidgetItem(m_list);
        row->setData(NameColumn, itemRole, i);
        row->setText(NameColumn, item.entry.name);
        row->setSizeHint(NameColumn, QSize(0, rowHeight));
        row->setText(DateColumn, ListDate::columnText(item.record.value(BirthdayRecord::Date)));
        // A date without its year gets this year; the note says why the age stays hidden.
        const QString note =
            isNew && !item.entry.hasYear ? tr("no year given: the age is not shown") : item.reason;
        row->setText(NoteColumn, note);
        row->setToolTip(NoteColumn, note);
        row->setCheckState(NameColumn, isNew ? Qt::Checked : Qt::Unchecked);
        // What cannot be imported stays unchecked, greyed, out of reach of the mouse.
        if (!addable)
            row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
    }
    connect(m_list, &QTreeWidget::itemChanged, this, &ImportDialog::showCount);

    auto* below = new QWidget(this);
    auto* belowLayout = new QHBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    // Select All and Select None change only what can be imported.
    const std::pair<const char*, Qt::CheckState> choices[] = {
        {QT_TR_NOOP("Select &All"), Qt::Checked}, {QT_TR_NOOP("Select &None"), Qt::Unchecked}};
    for (const auto& [caption, state] : choices) {
        auto* button = new QPushButton(tr(caption), below);
        button->setObjectName(state == Qt::Checked ? QStringLiteral("cmdSelectAll")
                                                   : QStringLiteral("cmdSelectNone"));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, state = state] {
            for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
                QTreeWidgetItem* item = m_list->topLevelItem(i);
                if (item->flags().testFlag(Qt::ItemIsUserCheckable))
                    item->setCheckState(NameColumn, state);
            }
        });
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
    m_count->setWordWrap(true);
    belowLayout->addWidget(alertLabel);
    belowLayout->addWidget(m_alert);
    belowLayout->addWidget(m_count, 1);
    showAlerts();
    showCount();

    layOutListDialog(this, heading, m_list, below);
}

QString ImportDialog::alertOf(const ImportPlan::Item& item) const
{
    return m_alert->currentIndex() > 0 ? QString::number(m_alert->currentIndex() - 1)
                                       : item.record.value(BirthdayRecord::Alert);
}

void ImportDialog::showAlerts()
{
    const QStringList choices = BirthdayInput::alertChoices();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        const ImportPlan::Item& item = m_items[row->data(NameColumn, itemRole).toInt()];
        if (isAddable(item.status))
            row->setText(AlertColumn, choices.value(alertOf(item).toInt()));
    }
    // A language's longer choice widens the column rather than being cut; English's fit.
    m_list->setColumnWidth(
        AlertColumn,
        std::max(m_list->columnWidth(AlertColumn),
                 static_cast<const QAbstractItemView*>(m_list)->sizeHintForColumn(AlertColumn)));
}

void ImportDialog::showCount()
{
    ImportPlan::Counts counts = ImportPlan::count(m_items);
    int chosen = 0, endingChosen = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(NameColumn) != Qt::Checked)
            continue;
        ++chosen;
        if (m_items[row->data(NameColumn, itemRole).toInt()].status ==
            ImportPlan::Item::Status::Ending)
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
    QList<BirthdayRecord> records;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(NameColumn) != Qt::Checked)
            continue;
        const ImportPlan::Item& item = m_items[row->data(NameColumn, itemRole).toInt()];
        BirthdayRecord record = item.record;
        record.setValue(BirthdayRecord::Alert, alertOf(item));
        records.append(record);
    }
    return records;
}
