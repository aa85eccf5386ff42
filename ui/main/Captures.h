#pragma once

#include <QImage>
#include <QList>
#include <QPalette>
#include <QString>
#include <utility>

// The pictures of the README, drawn without a display from the built-in tariffs: the window,
// with its settings panel, the same on a dark desktop theme just after a save, and the
// estimate's printed page. Each with its file name. The window's palette is put back after.
QList<std::pair<QString, QImage>> Captures();

// A dark desktop theme, as the pictures show it and the contrast of every text is checked on.
QPalette PaletteSombre();
