#pragma once

#include "listwindow/helphook.h"

#include <QDialog>

class SettingsStore;

// frmComments: sends comments and suggestions to the maker's server.
class CommentsForm : public QDialog
{
    Q_OBJECT
public:
    CommentsForm(SettingsStore& settings, const HelpSink& help, QWidget* parent = nullptr);

private:
    SettingsStore& m_settings;
};
