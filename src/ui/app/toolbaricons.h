#pragma once

#include <QIcon>

// The toolbar's own pictures, for desktops whose icon theme has none that fits: small flat
// drawings, one per button identifier. An unknown identifier gives a null icon.
QIcon toolbarFallbackIcon(const QString& identifier);
