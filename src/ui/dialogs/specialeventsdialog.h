#pragma once

#include "listwindow/helphook.h"

#include <QDialog>

class BirthdayStore;

// "Special Events": adds chosen days of the built-in table as yearly records. The caller
// refreshes its list afterwards whatever the outcome.
class SpecialEventsDialog : public QDialog
{
    Q_OBJECT
public:
    SpecialEventsDialog(BirthdayStore& store, const HelpSink& help, QWidget* parent = nullptr);

private:
    BirthdayStore& m_store;
};
