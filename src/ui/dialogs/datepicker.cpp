#include "ui/dialogs/datepicker.h"

#include <QKeyEvent>
#include <QLineEdit>

bool DatePicker::showsHeldDate() const
{
    return dateOf(lineEdit()->text()) == date();
}

// The date a text stands for, completed as Qt completes it when the picker is left ("5" for
// "05"); nullopt for a text that stands for no date the picker can hold.
std::optional<QDate> DatePicker::dateOf(const QString& text) const
{
    QString completed = text;
    int pos = 0;
    QValidator::State state = QDateEdit::validate(completed, pos);
    if (state != QValidator::Acceptable) {
        QDateEdit::fixup(completed);
        state = QDateEdit::validate(completed, pos);
    }
    if (state != QValidator::Acceptable || isLeapDayCut(text, completed))
        return std::nullopt;
    return dateTimeFromText(completed).date();
}

QValidator::State DatePicker::validate(QString& input, int& pos) const
{
    QString fixed = input;
    int fixedPos = pos;
    const QValidator::State state = QDateEdit::validate(fixed, fixedPos);
    // Kept as typed, and taken as whole so that the year section comes next; the picker holds
    // Qt's 28th meanwhile, which showsHeldDate() tells apart.
    if (state == QValidator::Acceptable && fixed != input && isLeapDayCut(input, fixed))
        return state;
    input = fixed;
    pos = fixedPos;
    return state;
}

// Whether `cut` is Qt's 28 February of a common year made of `typed`, its 29 February.
bool DatePicker::isLeapDayCut(const QString& typed, const QString& cut) const
{
    const QDate cutDate = dateTimeFromText(cut).date();
    if (cutDate.month() != 2 || cutDate.day() != 28 || QDate::isLeapYear(cutDate.year()))
        return false;
    // The texts of 28 and 29 February of a leap year differ in the day alone: put that 29
    // into the cut text.
    const QString day28 = textFromDateTime(QDate(2000, 2, 28).startOfDay());
    const QString day29 = textFromDateTime(QDate(2000, 2, 29).startOfDay());
    if (day28.size() != day29.size() || day28.size() != cut.size())
        return false;
    qsizetype first = 0, last = day28.size();
    while (first < last && day28[first] == day29[first])
        ++first;
    while (last > first && day28[last - 1] == day29[last - 1])
        --last;
    return typed == cut.first(first) + day29.sliced(first, last - first) + cut.sliced(last);
}

bool DatePicker::event(QEvent* event)
{
    const bool leaving = event->type() == QEvent::FocusOut ||
                         event->type() == QEvent::ActivationChange ||
                         (event->type() == QEvent::KeyPress &&
                          (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                           static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
    const QString typed = lineEdit()->text();
    if (!leaving || dateOf(typed))
        return WholeTabStop<QDateEdit>::event(event);
    const bool handled = WholeTabStop<QDateEdit>::event(event);
    if (lineEdit()->text() != typed)
        lineEdit()->setText(typed);
    return handled;
}
