#pragma once

#include <QFont>

// The layout's sizes are pixels of a 72-dpi screen: fonts are sized in pixels to fit it.
QFont policeTimes(int pixels, bool bold = false, bool underline = false);
