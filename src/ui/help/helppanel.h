#pragma once

#include <QFrame>

class QLabel;

// picHelp: the interactive help panel with its title lblHelpTitle and text lblHelpText.
class HelpPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr const char* initialTitle = "Interactive Help";
    static constexpr const char* initialText =
        "Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the "
        "screen to get help on that item.";

    explicit HelpPanel(QWidget* parent = nullptr);

    QString title() const;
    QString text() const;
    QLabel* titleLabel() const { return m_title; }
    QLabel* textLabel() const { return m_text; }

    // helpUpdate: shows the entry of the key when the key is known and the panel does not show
    // it yet, and repaints at once. Unknown keys (letter case counts) change nothing. Returns
    // whether the captions changed.
    bool helpUpdate(const QString& helpKey);

private:
    QLabel* m_title;
    QLabel* m_text;
};
