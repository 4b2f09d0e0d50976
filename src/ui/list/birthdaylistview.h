#pragma once

#include "ui/list/birthdaylistmodel.h"
#include "ui/presentation/listviewmode.h"

#include <QListView>
#include <QStackedWidget>
#include <QTreeView>

class QHeaderView;
class QItemSelectionModel;

// The event list in its four views. Large icons, small icons and list are one
// QListView in different modes; details is a QTreeView with the column headers. Both show the
// same model through the same selection model, so switching views keeps the selection.
class BirthdayListView : public QStackedWidget
{
    Q_OBJECT
public:
    explicit BirthdayListView(QWidget* parent = nullptr);

    BirthdayListModel* model() const { return m_model; }
    QItemSelectionModel* selectionModel() const { return m_selection; }
    QHeaderView* header() const;
    QListView* iconView() const { return m_iconView; }
    QTreeView* detailsView() const { return m_detailsView; }
    // The view that is showing now.
    QWidget* activeView() const;

    void setViewMode(ListViewMode mode);
    ListViewMode viewMode() const { return m_mode; }
    // Sets the sort column; the rows re-sort at once and the header shows it.
    void setArrange(ListArrange arrange);

    int itemCount() const;
    // The row of the item selected last, or -1 when there is none.
    int currentRow() const;
    // Makes the row the only selected item and the current one, and shows it.
    void selectRow(int row);
    // Selects the event with this record key as selectRow does; false when it is not listed.
    bool selectKey(int key);
    // Rows of all selected items, top to bottom.
    QList<int> selectedRows() const;
    // Fills the list anew, keeping selected (and current) the rows that still show the same
    // event: the same key and the same fields but for the LastDate stamp. The views keep
    // their scrolling, so the same events stay in sight.
    void replaceRows(QList<BirthdayListModel::Row> rows);
    // The narrowest width of a details column that shows whole every text it can hold in the
    // program's language ("in 353 Tagen" in "In"); 0 for a column of no such limit.
    int readableWidth(int column) const;

Q_SIGNALS:
    void itemDoubleClicked();
    // A right click anywhere in the list, after an item clicked that was not selected has
    // become the selection.
    void contextMenuRequested(const QPoint& globalPos);
    void columnClicked(int logicalIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchRightClicks(QWidget* widget);
    // The details' columns at their first-start widths, wider where a text needs it, and the
    // name in the room left (its tooltip shows the rest), so every column shows whole.
    void fitColumns();
    bool isRowChosen(int row) const;

    BirthdayListModel* m_model;
    QItemSelectionModel* m_selection;
    QListView* m_iconView;
    QTreeView* m_detailsView;
    ListViewMode m_mode = ListViewMode::LargeIcons;
    // The columns follow their texts until their widths come from elsewhere: the stored
    // layout or the user's hand.
    bool m_fitColumns = true;
    bool m_fitting = false;
};
