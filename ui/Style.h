#pragma once

#include <QFont>
#include <QPalette>

class QWidget;

// The layout's sizes are pixels of a 72-dpi screen: fonts are sized in pixels to fit it.
QFont policeTimes(int pixels, bool bold = false, bool underline = false);

// Gives one colour role of a widget's palette a colour, leaving the others as they are.
void teinter(QWidget* widget, QPalette::ColorRole role, const QColor& color);
