#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QWidget;

// Printing lives in a module of its own, loaded at the first print, so that Qt's print support
// is not mapped into every start of the program.
class Impression {
public:
    virtual ~Impression() = default;

    // Opens the platform's print dialog over the window. Once the user accepts it, `page` draws
    // on the printer; a printer that will not start is reported to `echec` by its name or file.
    virtual void imprimer(QWidget* fenetre, std::function<void(QPainter&)> page,
                          std::function<void(const QString& imprimante)> echec) = 0;

    // The module, from the folders the program loads libraries from, else from the library
    // folder of the installation the program belongs to; null where it is in none.
    static std::unique_ptr<Impression> Charger();
};
