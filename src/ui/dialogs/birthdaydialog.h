#pragma once

#include "listwindow/helphook.h"

#include <QDialog>

class BirthdayStore;
class Clock;

// frmAddBirthday ("Add New Birthday") and frmEditBirthday ("Edit Birthday Details"): one
// dialog, two ways to start. exec() returns Accepted when the record was written; the caller
// then refreshes its list.
class BirthdayDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    // Add: a new record under the smallest free key. Edit: the record with this key.
    BirthdayDialog(Mode mode, int key, BirthdayStore& store, const Clock& clock,
                   const HelpSink& help, QWidget* parent = nullptr);

private:
    Mode m_mode;
    int m_key;
    BirthdayStore& m_store;
    const Clock& m_clock;
};
