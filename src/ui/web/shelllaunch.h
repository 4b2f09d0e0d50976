#pragma once

#include <QString>

class QWidget;

// Asks the desktop to open an address (a web page, or "mailto:" and a mail address) with the
// user's default program. False when the desktop could not hand it on.
bool openAddress(const QString& target);

// The maker's website address.
QString websiteUrl();
// The maker's support mail address.
QString supportMail();

// Opens the maker's website in the user's browser; tells the user when that is not possible.
void openWebsite(QWidget* parent);

// Tells the user that an address could not be opened.
void showOpenFailed(QWidget* parent, const QString& target);
