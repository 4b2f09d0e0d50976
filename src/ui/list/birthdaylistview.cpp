#include "ui/list/birthdaylistview.h"

#include "core/calendar/occurrence.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>

namespace {

// Every item of the icon views fills one cell of the grid, whatever its name: under a large
// icon the name wraps onto two lines and is cut after them, in the other views it is cut at
// the cell's edge. So names never run into each other, and a refresh never changes how much
// of them shows (without it the view sized every item like the first one).
class GridCellDelegate : public QStyledItemDelegate
{
public:
    explicit GridCellDelegate(QListView* view) : QStyledItemDelegate(view), m_view(view) {}
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        return m_view->gridSize() - QSize(2, 2);
    }

private:
    QListView* m_view;
};

bool isMoveKey(int key)
{
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// Room for a long name and the dates; the name's tooltip shows what does not fit.
constexpr int firstWidths[BirthdayListModel::ColumnCount] = {200, 96, 80, 80, 40};
// The name gives way down to this, so that Dutch's wider In and Age still fit the window.
constexpr int narrowestName = 110;

} // namespace

BirthdayListView::BirthdayListView(QWidget* parent)
    : QStackedWidget(parent), m_model(new BirthdayListModel(this)),
      m_selection(new QItemSelectionModel(m_model, this)), m_iconView(new QListView(this)),
      m_detailsView(new QTreeView(this))
{
    setObjectName(QStringLiteral("lvwBirthdays"));
    m_iconView->setObjectName(QStringLiteral("lvwBirthdaysIcons"));
    m_detailsView->setObjectName(QStringLiteral("lvwBirthdaysDetails"));
    // What assistive tools call it: the title its help entry gives it.
    for (QWidget* view : {static_cast<QWidget*>(m_iconView), static_cast<QWidget*>(m_detailsView)})
        view->setAccessibleName(tr("Birthdays List"));

    m_iconView->setModel(m_model);
    m_iconView->setSelectionModel(m_selection);
    m_iconView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_iconView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_iconView->setMovement(QListView::Static);
    m_iconView->setResizeMode(QListView::Adjust);
    m_iconView->setWrapping(true);
    m_iconView->setUniformItemSizes(true);
    m_iconView->setItemDelegate(new GridCellDelegate(m_iconView));
    m_iconView->setTextElideMode(Qt::ElideRight);

    m_detailsView->setModel(m_model);
    m_detailsView->setSelectionModel(m_selection);
    m_detailsView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_detailsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_detailsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_detailsView->setRootIsDecorated(false);
    m_detailsView->setItemsExpandable(false);
    m_detailsView->setUniformRowHeights(true);
    m_detailsView->setAllColumnsShowFocus(true);
    m_detailsView->setIconSize(QSize(16, 16));
    QHeaderView* columns = m_detailsView->header();
    columns->setStretchLastSection(false);
    columns->setSectionsMovable(true);
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(BirthdayListModel::NameColumn, Qt::AscendingOrder);
    // The widths of a first start, widened to the texts as the list fills; the stored layout
    // brings back the user's own (WindowLayout).
    columns->resizeSection(BirthdayListModel::NameColumn,
                           firstWidths[BirthdayListModel::NameColumn]);
    fitColumns();
    connect(columns, &QHeaderView::sectionResized, this, [this] {
        if (!m_fitting)
            m_fitColumns = false;
    });

    addWidget(m_iconView);
    addWidget(m_detailsView);

    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_iconView),
                                    static_cast<QAbstractItemView*>(m_detailsView)}) {
        connect(view, &QAbstractItemView::doubleClicked, this,
                &BirthdayListView::itemDoubleClicked);
        watchRightClicks(view);
        watchRightClicks(view->viewport());
    }
    watchRightClicks(columns);
    watchRightClicks(columns->viewport());
    connect(columns, &QHeaderView::sectionClicked, this, &BirthdayListView::columnClicked);

    setViewMode(ListViewMode::LargeIcons);
}

void BirthdayListView::fitColumns()
{
    if (!m_fitColumns)
        return;
    m_fitting = true;
    QHeaderView* columns = header();
    const auto fitted = [this, columns](int column) {
        return std::max(
            columns->sectionSizeHint(column),
            static_cast<const QAbstractItemView*>(m_detailsView)->sizeHintForColumn(column));
    };
    int others = 0;
    for (int column = BirthdayListModel::NameColumn + 1; column < BirthdayListModel::ColumnCount;
         ++column) {
        columns->resizeSection(
            column, std::max({firstWidths[column], fitted(column), readableWidth(column)}));
        others += columns->sectionSize(column);
    }
    // The name takes the room the others leave, so that every column shows in the window; a
    // hidden view has no room to go by yet.
    if (m_detailsView->isVisible()) {
        const int nameWidest = std::max(firstWidths[BirthdayListModel::NameColumn],
                                        fitted(BirthdayListModel::NameColumn));
        columns->resizeSection(
            BirthdayListModel::NameColumn,
            std::clamp(m_detailsView->viewport()->width() - others, narrowestName, nameWidest));
    }
    m_fitting = false;
}

int BirthdayListView::readableWidth(int column) const
{
    if (column != BirthdayListModel::InColumn)
        return 0;
    // Each plural form of the language, at its widest number of days ahead; the cell's margins
    // as the item delegate lays them.
    const QFontMetrics metrics = m_detailsView->fontMetrics();
    int widest = 0;
    for (const qint64 days : {0, 1, 2, 8, 18, 108, 308, 366})
        widest = std::max(widest, metrics.horizontalAdvance(daysUntilText(days)));
    const int margin = m_detailsView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    return widest + 2 * margin + 1;
}

void BirthdayListView::watchRightClicks(QWidget* widget)
{
    // Our own handling of the right button: no platform context menu.
    widget->setContextMenuPolicy(Qt::PreventContextMenu);
    widget->installEventFilter(this);
}

bool BirthdayListView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        // As every desktop list does: an item that is not selected becomes the selection, so
        // the menu's commands act on what was clicked; a selected one keeps the selection.
        for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(m_iconView),
                                        static_cast<QAbstractItemView*>(m_detailsView)}) {
            const QModelIndex index = watched == view->viewport()
                                          ? view->indexAt(mouse->position().toPoint())
                                          : QModelIndex();
            if (index.isValid() && !isRowChosen(index.row()))
                m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        Q_EMIT contextMenuRequested(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::KeyPress:
        if (const auto* key = static_cast<QKeyEvent*>(event);
            !m_keyMoving && (watched == m_iconView || watched == m_detailsView) &&
            isMoveKey(key->key()) && !(key->modifiers() & Qt::ControlModifier)) {
            // A keyboard move selects the item it lands on, even where the view keeps its
            // current item unselected (Home on it after a click beside the items cleared the
            // selection). Control moves without selecting, as in every list.
            m_keyMoving = true;
            const bool handled = QCoreApplication::sendEvent(watched, event);
            m_keyMoving = false;
            const QModelIndex current = m_selection->currentIndex();
            if (current.isValid() && !isRowChosen(current.row()))
                selectRow(current.row());
            return handled;
        }
        break;
    case QEvent::Resize:
        if (watched == m_detailsView->viewport())
            fitColumns();
        break;
    case QEvent::ContextMenu:
        // The keyboard's menu key: open the menu at the pointer's place in the list.
        if (static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
            Q_EMIT contextMenuRequested(static_cast<QContextMenuEvent*>(event)->globalPos());
        }
        return true;
    default:
        break;
    }
    return QStackedWidget::eventFilter(watched, event);
}

QHeaderView* BirthdayListView::header() const
{
    return m_detailsView->header();
}

QWidget* BirthdayListView::activeView() const
{
    return currentWidget();
}

void BirthdayListView::setViewMode(ListViewMode mode)
{
    m_mode = mode;
    switch (mode) {
    case ListViewMode::LargeIcons:
        m_iconView->setViewMode(QListView::IconMode);
        m_iconView->setFlow(QListView::LeftToRight);
        m_iconView->setIconSize(QSize(32, 32));
        // The icon, two lines of the name and the style's margins around them.
        m_iconView->setGridSize(QSize(96, 32 + 2 * m_iconView->fontMetrics().lineSpacing() + 10));
        m_iconView->setWordWrap(true);
        m_iconView->setSpacing(0);
        break;
    case ListViewMode::SmallIcons:
        m_iconView->setViewMode(QListView::ListMode);
        m_iconView->setFlow(QListView::LeftToRight);
        m_iconView->setIconSize(QSize(16, 16));
        m_iconView->setGridSize(QSize(160, 20));
        m_iconView->setWordWrap(false);
        break;
    case ListViewMode::List:
        m_iconView->setViewMode(QListView::ListMode);
        m_iconView->setFlow(QListView::TopToBottom);
        m_iconView->setIconSize(QSize(16, 16));
        m_iconView->setGridSize(QSize(160, 20));
        m_iconView->setWordWrap(false);
        break;
    case ListViewMode::Details:
        break;
    }
    // setViewMode resets these two.
    m_iconView->setMovement(QListView::Static);
    m_iconView->setWrapping(true);
    m_iconView->setResizeMode(QListView::Adjust);

    QWidget* wanted = mode == ListViewMode::Details ? static_cast<QWidget*>(m_detailsView)
                                                    : static_cast<QWidget*>(m_iconView);
    // The window's keyboard stays with the list, even while the window is hidden.
    const bool hadFocus = currentWidget() && window()->focusWidget() == currentWidget();
    setCurrentWidget(wanted);
    if (hadFocus)
        wanted->setFocus();
}

void BirthdayListView::setArrange(ListArrange arrange)
{
    m_model->setSortColumn(arrange);
    header()->setSortIndicator(arrange == ListArrange::Age ? int(BirthdayListModel::AgeColumn)
                                                           : int(arrange),
                               Qt::AscendingOrder);
}

bool BirthdayListView::isRowChosen(int row) const
{
    // The icon views select the first column only, the details view whole rows.
    return m_selection->isSelected(m_model->index(row, BirthdayListModel::NameColumn));
}

int BirthdayListView::itemCount() const
{
    return m_model->rowCount();
}

int BirthdayListView::currentRow() const
{
    const QModelIndex current = m_selection->currentIndex();
    if (current.isValid() && isRowChosen(current.row()))
        return current.row();
    // The current index was deselected (Ctrl+click): the last of the selected items stands in.
    const QList<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.last();
}

void BirthdayListView::selectRow(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    const auto rows =
        m_mode == ListViewMode::Details ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate;
    m_selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | rows);
    qobject_cast<QAbstractItemView*>(activeView())->scrollTo(index);
}

bool BirthdayListView::selectKey(int key)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->row(row).key == key) {
            selectRow(row);
            return true;
        }
    }
    return false;
}

QList<int> BirthdayListView::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (isRowChosen(row))
            rows.append(row);
    }
    return rows;
}

void BirthdayListView::replaceRows(QList<BirthdayListModel::Row> rows)
{
    const auto sameEvent = [](const BirthdayRecord& a, const BirthdayRecord& b) {
        for (int field = 0; field < BirthdayRecord::FieldCount; ++field) {
            if (field != BirthdayRecord::LastDate && a.values[field] != b.values[field])
                return false;
        }
        return true;
    };
    QHash<int, BirthdayRecord> chosen;
    for (int row : selectedRows())
        chosen.insert(m_model->row(row).key, m_model->row(row).record);
    const int current = currentRow();
    const BirthdayRecord currentRecord =
        current >= 0 ? m_model->row(current).record : BirthdayRecord();

    QAbstractItemView* const views[] = {m_iconView, m_detailsView};
    QList<QPoint> scrolled;
    for (const QAbstractItemView* view : views)
        scrolled.append({view->horizontalScrollBar()->value(), view->verticalScrollBar()->value()});

    m_model->setRows(std::move(rows));
    QItemSelection selection;
    QModelIndex currentIndex;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const BirthdayRecord& record = m_model->row(row).record;
        const auto was = chosen.constFind(record.key);
        if (was == chosen.cend() || !sameEvent(*was, record))
            continue;
        selection.select(m_model->index(row, 0),
                         m_model->index(row, BirthdayListModel::ColumnCount - 1));
        if (record.key == currentRecord.key)
            currentIndex = m_model->index(row, 0);
    }
    fitColumns();
    m_selection->select(selection, QItemSelectionModel::Select);
    if (currentIndex.isValid())
        m_selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
    // The reset lays the views out later, from the top, and the current item scrolls into
    // sight: laid out now, they go back to where they were.
    for (int i = 0; i < 2; ++i) {
        views[i]->doItemsLayout();
        views[i]->horizontalScrollBar()->setValue(scrolled.at(i).x());
        views[i]->verticalScrollBar()->setValue(scrolled.at(i).y());
    }
}
