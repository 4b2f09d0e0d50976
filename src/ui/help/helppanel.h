#pragma once

#include <QFrame>

class QLabel;

// The interactive help panel: the title and text of the entry for the control under the
// pointer, or a welcome until there is one.
class HelpPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr const char* initialTitle = QT_TR_NOOP("Interactive Help");
    static constexpr const char* initialText = QT_TR_NOOP(
        "Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the "
        "screen to get help on that item.");

    explicit HelpPanel(QWidget* parent = nullptr);

    QString title() const;
    QString text() const;
    QLabel* titleLabel() const { return m_title; }
    QLabel* textLabel() const { return m_text; }

    // Shows the entry of the key when the key is known and the panel does not show it yet,
    // and repaints at once. Unknown keys (letter case counts) change nothing.
    void showTopic(const QString& helpKey);

private:
    QLabel* m_title;
    QLabel* m_text;
};
