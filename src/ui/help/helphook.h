#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Receives a help key ("name", "date", ...) when the mouse moves over a registered control;
// the main window passes its showHelp.
using HelpSink = std::function<void(const QString& helpKey)>;

// Registers a control with its help key: whenever the mouse moves over it, the sink is called.
// One line per control; a list or text box counts with its viewport. An empty sink registers
// nothing.
void installHelpHook(QWidget* control, const QString& helpKey, const HelpSink& sink);
