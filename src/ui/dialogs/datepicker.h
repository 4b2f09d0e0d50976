#pragma once

#include "ui/dialogs/wholetabstop.h"

#include <QDateEdit>

#include <optional>

// The editor's date picker, which never shows one date while it holds another.
// - 29 February typed while the year still holds a common year stays as typed (Qt would cut it
//   to the 28th), so the year can follow, in whatever order the sections come.
// - A text that stands for no date it can hold (29 February of a common year, a year half
//   typed or below its minimum) stays on screen when the picker loses the focus, when its
//   window loses the activation and on Return, where Qt would put a date the user did not
//   type; the dialog asks showsHeldDate() and says so instead of saving it.
// - A click selects the section clicked, so that what is typed next replaces it.
// - A day and month with the year left out ("15/04/", "/04/15") stands for a day without a
//   year, where the year comes first or last in the form; between the day and the month it
//   would leave no text that reads as one.
class DatePicker : public WholeTabStop<QDateEdit>
{
public:
    explicit DatePicker(QWidget* parent = nullptr);

    // Whether the text shown stands for the date the picker holds (date()).
    bool showsHeldDate() const;
    // The day and month shown without a year, in the year 2000; none when a year is shown.
    std::optional<QDate> dayWithoutYear() const;
    void showDayWithoutYear(int month, int day);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QDate> dateOf(const QString& text) const;
    bool isLeapDayCut(const QString& typed, const QString& cut) const;
    // The year's place in the form: its first or last character, or -1 when it has none there.
    qsizetype yearAt() const;

    QString m_textOnShow; // a day without a year, put back after Qt writes the held date
};
