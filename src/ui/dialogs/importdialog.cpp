#include "ui/dialogs/importdialog.h"

#include "core/presentation/listdate.h"
#include "ui/dialogs/dialogbuttons.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace {

enum Column { NameColumn, DateColumn, NoteColumn };
constexpr int itemRole = Qt::UserRole;

} // namespace

ImportDialog::ImportDialog(const QList<ImportPlan::Item>& items, const QStringList& files,
                           QWidget* parent)
    : QDialog(parent), m_items(items)
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import"));

    QStringList names;
    for (const QString& file : files)
        names << QFileInfo(file).fileName();
    auto* heading = new QLabel(
        QStringLiteral("Choose the events to add from %1:").arg(names.join(QStringLiteral(", "))),
        this);
    heading->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvwImport"));
    m_list->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Date"), QStringLiteral("Note")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setMinimumSize(720, 320);
    m_list->setColumnWidth(NameColumn, 260);
    m_list->setColumnWidth(DateColumn, 90);
    for (int i = 0; i < m_items.size(); ++i) {
        const ImportPlan::Item& item = m_items[i];
        const bool isNew = item.status == ImportPlan::Item::Status::New;
        auto* row = new QTreeWidgetItem(m_list);
        row->setData(NameColumn, itemRole, i);
        row->setText(NameColumn, item.entry.name);
        row->setText(DateColumn, ListDate::columnText(item.record.value(BirthdayRecord::Date)));
        // A date without its year gets this year; the note says why the age stays hidden.
        const QString note = isNew && !item.entry.hasYear
                                 ? QStringLiteral("no year given: the age is not shown")
                                 : item.reason;
        row->setText(NoteColumn, note);
        row->setToolTip(NoteColumn, note);
        row->setCheckState(NameColumn, isNew ? Qt::Checked : Qt::Unchecked);
        // What cannot be imported stays unchecked, greyed, out of reach of the mouse.
        if (!isNew)
            row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
    }
    connect(m_list, &QTreeWidget::itemChanged, this, &ImportDialog::showCount);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblImportCount"));
    showCount();

    layOutListDialog(this, heading, m_list, m_count);
}

void ImportDialog::showCount()
{
    ImportPlan::Counts counts = ImportPlan::count(m_items);
    counts.added = int(chosenRecords().size());
    m_count->setText(counts.summary(true));
}

QList<BirthdayRecord> ImportDialog::chosenRecords() const
{
    QList<BirthdayRecord> records;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->checkState(NameColumn) == Qt::Checked)
            records.append(m_items[row->data(NameColumn, itemRole).toInt()].record);
    }
    return records;
}
