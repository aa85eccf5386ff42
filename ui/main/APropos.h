#pragma once

class Estimation;
class QWidget;

// Shows the program's version, where the tariffs in use come from and what they are, and where
// the official tariffs are published; without blocking the window and without opening any link.
void montrerAPropos(QWidget* fenetre, const Estimation& estimation);
