#pragma once

class QWidget;

// Opens the maker's website in the user's browser; tells the user when that is not possible.
void websiteOpen(QWidget* parent);
