#include "ui/dialogs/datepicker.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <utility>

DatePicker::DatePicker(QWidget* parent) : WholeTabStop<QDateEdit>(parent)
{
    lineEdit()->installEventFilter(this);
}

bool DatePicker::showsHeldDate() const
{
    return dateOf(lineEdit()->text()) == date();
}

qsizetype DatePicker::yearAt() const
{
    const QString format = displayFormat();
    if (format.startsWith(u'y'))
        return 0;
    return format.endsWith(u'y') ? format.size() - 1 : -1;
}

std::optional<QDate> DatePicker::dayWithoutYear() const
{
    const qsizetype at = yearAt();
    if (at < 0)
        return std::nullopt;
    // The text with a leap year put back where the year was left out, with or without the
    // separator the user may have left out too.
    const QString format = displayFormat();
    const QString year = locale().toString(QDate(2000, 1, 1), QStringLiteral("yyyy"));
    qsizetype from = at == 0 ? format.lastIndexOf(u'y') + 1 : format.indexOf(u'y');
    qsizetype to = from;
    while (at == 0 && to < format.size() && !format[to].isLetter())
        ++to;
    while (at != 0 && from > 0 && !format[from - 1].isLetter())
        --from;
    const QString separator = format.sliced(from, to - from);
    const QString text = lineEdit()->text();
    for (const QString& put : {year, at == 0 ? year + separator : separator + year}) {
        const std::optional<QDate> date = dateOf(at == 0 ? put + text : text + put);
        if (date && date->year() == 2000)
            return date;
    }
    return std::nullopt;
}

void DatePicker::showDayWithoutYear(int month, int day)
{
    setDate(QDate(2000, month, day));
    const QString text = lineEdit()->text();
    const qsizetype yearLength =
        locale().toString(QDate(2000, 1, 1), QStringLiteral("yyyy")).size();
    if (const qsizetype at = yearAt(); at >= 0) {
        m_textOnShow = at == 0 ? text.sliced(yearLength) : text.chopped(yearLength);
        lineEdit()->setText(m_textOnShow);
    }
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

// Whether `cut` is Qt's 28 February of a common year made of `typed`, its 29 February: the
// texts are the same numbers between the same separators but for a 29 typed where the cut has
// 28, however many leading zeros the user typed.
bool DatePicker::isLeapDayCut(const QString& typed, const QString& cut) const
{
    const QDate cutDate = dateTimeFromText(cut).date();
    if (cutDate.month() != 2 || cutDate.day() != 28 || QDate::isLeapYear(cutDate.year()))
        return false;
    // A number as its value ("02" and "2" alike), a separator as itself.
    const auto parts = [](const QString& text) {
        QStringList parts;
        for (qsizetype i = 0; i < text.size();) {
            if (!text[i].isDigit()) {
                parts << QString(text[i++]);
                continue;
            }
            int value = 0;
            for (; i < text.size() && text[i].isDigit() && value < 100000; ++i)
                value = value * 10 + text[i].digitValue();
            parts << QString::number(value).prepend(u'#');
        }
        return parts;
    };
    const QStringList typedParts = parts(typed), cutParts = parts(cut);
    if (typedParts.size() != cutParts.size())
        return false;
    int days = 0;
    for (qsizetype i = 0; i < cutParts.size(); ++i) {
        if (typedParts[i] == cutParts[i])
            continue;
        if (typedParts[i] != QLatin1String("#29") || cutParts[i] != QLatin1String("#28"))
            return false;
        ++days;
    }
    return days == 1;
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    // A click puts the cursor into a section whose digits are all there, where a typed digit
    // has no room and is dropped: the section clicked is selected instead, to be typed over,
    // as a native date picker does.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        !lineEdit()->hasSelectedText()) {
        const bool handled = WholeTabStop<QDateEdit>::eventFilter(watched, event);
        setSelectedSection(currentSection());
        return handled;
    }
    return WholeTabStop<QDateEdit>::eventFilter(watched, event);
}

bool DatePicker::event(QEvent* event)
{
    // Being shown writes the held date anew, year and all.
    if (event->type() == QEvent::Show && !m_textOnShow.isEmpty()) {
        const bool handled = WholeTabStop<QDateEdit>::event(event);
        lineEdit()->setText(std::exchange(m_textOnShow, QString()));
        return handled;
    }
    const bool leaving = event->type() == QEvent::FocusOut ||
                         event->type() == QEvent::ActivationChange ||
                         (event->type() == QEvent::KeyPress &&
                          (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                           static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
    const QString typed = lineEdit()->text();
    // Qt would complete a day without a year with the held year; Return on one goes to the
    // dialog as it stands.
    const bool withoutYear = leaving && dayWithoutYear();
    if (withoutYear && event->type() == QEvent::KeyPress) {
        event->ignore();
        return false;
    }
    if (!leaving || (dateOf(typed) && !withoutYear))
        return WholeTabStop<QDateEdit>::event(event);
    const bool handled = WholeTabStop<QDateEdit>::event(event);
    if (lineEdit()->text() != typed)
        lineEdit()->setText(typed);
    return handled;
}
