#pragma once

#include "listwindow/helphook.h"

#include <QDialog>

// frmAbout: "About Candlewatcher v2.00".
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(const HelpSink& help, QWidget* parent = nullptr);
};
