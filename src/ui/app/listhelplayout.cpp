#include "ui/app/listhelplayout.h"

#include "ui/presentation/controlsarrangement.h"

#include <QWidget>

ListHelpLayout::ListHelpLayout(QWidget* client, QWidget* list, QWidget* help)
    : QLayout(client), m_list(list), m_help(help)
{
    setContentsMargins(0, 0, 0, 0);
    addChildWidget(list);
    addChildWidget(help);
    m_items[0] = std::make_unique<QWidgetItem>(list);
    m_items[1] = std::make_unique<QWidgetItem>(help);
}

ListHelpLayout::~ListHelpLayout() = default;

void ListHelpLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const ArrangeResult out =
        arrangeListAndHelp({rect.width(), rect.height(), !m_help->isHidden(), m_help->width(),
                            m_list->width(), m_list->height()});
    m_list->setGeometry(m_list->x(), 0, out.listWidth, out.listHeight);
    m_help->setGeometry(out.helpLeft, 0, m_help->width(), out.helpHeight);
}

void ListHelpLayout::addItem(QLayoutItem* item)
{
    // The two places are fixed; nothing else goes here.
    delete item;
}

int ListHelpLayout::count() const
{
    return (m_items[0] ? 1 : 0) + (m_items[1] ? 1 : 0);
}

QLayoutItem* ListHelpLayout::itemAt(int index) const
{
    int seen = 0;
    for (const auto& item : m_items) {
        if (item && seen++ == index)
            return item.get();
    }
    return nullptr;
}

QLayoutItem* ListHelpLayout::takeAt(int index)
{
    int seen = 0;
    for (auto& item : m_items) {
        if (item && seen++ == index)
            return item.release();
    }
    return nullptr;
}
