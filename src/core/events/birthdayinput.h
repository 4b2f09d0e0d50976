#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The checks the event editor makes on what the user typed before anything is written.
namespace BirthdayInput {

// The most the data file's Name cell holds, in bytes of the stored (UTF-8) text.
inline constexpr int nameMaxBytes = 255;

bool nameFits(const QString& name);
qsizetype nameBytes(const QString& name);

// The days-in-advance text is accepted when it is a decimal number as a whole (optional sign,
// decimal point and surrounding blanks) whose value is zero or more. " 5", ".5" and "-0" pass;
// "-1", "", "5a" and "." do not.
bool notifyTextValid(const QString& text);

// What happens on the day, as the editor lists it: the Alert value is the index ("0", "1").
inline QStringList alertChoices()
{
    //: What happens on the event's day: an alert window opens.
    return {QCoreApplication::translate("BirthdayInput", "Show a Dialog"),
            //: What happens on the event's day: no alert window, the event is only listed in
            //: the notification. The exclamation mark is part of the program's wording.
            QCoreApplication::translate("BirthdayInput", "Do Nothing!")};
}

} // namespace BirthdayInput
