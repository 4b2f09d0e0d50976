#pragma once

#include <QLayout>

#include <memory>

// The main window's client area: the list and, at its right, the help panel, both at the top,
// placed to the pixel as the stored layout has them (arrangeListAndHelp): the list keeps its
// left edge, the panel its width, and a room too small leaves the list's width or height as
// it was. Not a box layout: those would share the room out by size hints.
class ListHelpLayout : public QLayout
{
public:
    ListHelpLayout(QWidget* client, QWidget* list, QWidget* help);
    ~ListHelpLayout() override;

    void setGeometry(const QRect& rect) override;
    // The client area takes what room the window gives it.
    QSize sizeHint() const override { return {}; }
    QSize minimumSize() const override { return {}; }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

private:
    QWidget* m_list;
    QWidget* m_help;
    std::unique_ptr<QLayoutItem> m_items[2];
};
