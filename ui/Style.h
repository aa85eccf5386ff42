#pragma once

#include "fees/Estimation.h"

#include <QFont>
#include <QPalette>

class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;

// The calculator's background, which its other windows share.
inline const QColor FondCalculatrice{216, 253, 244};

// The layout's sizes are pixels of a 72-dpi screen: fonts are sized in pixels to fit it.
QFont policeTimes(int pixels, bool bold = false, bool underline = false);

// Gives one colour role of a widget's palette a colour, leaving the others as they are.
void teinter(QWidget* widget, QPalette::ColorRole role, const QColor& color);

// A month's and a year's choosers, on the current month.
QComboBox* choixDuMois(QWidget* parent, const QString& nom);
QSpinBox* choixDeLAnnee(QWidget* parent, const QString& nom);

// Shows a row's amount, read out with its row.
void montrerMontant(QLabel* label, const Estimation::Ligne& ligne);

// Sets a label's text in the largest font, up to the given size, that shows it whole.
void texteEntier(QLabel* label, const QString& texte, int pixels);
