#pragma once

#include "ui/print/Impression.h"

#include <QPrinter>

// The printer keeps the user's choices from one print to the next.
class Imprimante : public Impression {
public:
    Imprimante();
    void imprimer(QWidget* fenetre, std::function<void(QPainter&)> page,
                  std::function<void(const QString& imprimante)> echec) override;

private:
    QPrinter imprimante_;
};
