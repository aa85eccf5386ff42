#pragma once

#include "fees/Defaut.h"

class QWidget;

// Shows the program's version, the settings file in use and its five tariffs, and where the
// official tariffs are published; without blocking the window and without opening any link.
void montrerAPropos(QWidget* fenetre, const Defaut::RapportLecture& provenance);
