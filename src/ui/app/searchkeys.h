#pragma once

#include <QList>
#include <QObject>

#include <functional>

class BirthdayListView;
class QAction;
class QLineEdit;

// The list's keys in the search field above it. Escape clears the search and gives the list
// the keyboard; Down and Return go to the first match, and Return then edits it, as in the
// list. The list's commands reach it from the field too: `always` (Edit: the field's own use of
// its key is End's as well), and `whileEmpty` only while the field holds no text (with text in
// it, Del and Ctrl+A edit the text, as in every text field).
class SearchKeys : public QObject
{
public:
    SearchKeys(QLineEdit* field, BirthdayListView* list, QList<QAction*> always,
               QList<QAction*> whileEmpty, std::function<void()> edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isForList(const QKeySequence& pressed) const;

    QLineEdit* m_field;
    BirthdayListView* m_list;
    QList<QAction*> m_always;
    QList<QAction*> m_whileEmpty;
    std::function<void()> m_edit;
};
