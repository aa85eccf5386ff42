#pragma once

#include <QPrinter>
#include <functional>
#include <memory>

class Page;
class QWidget;

// The printer keeps the user's choices from one print to the next.
class Imprimante {
public:
    Imprimante();

    // Opens the platform's print dialog over the window. Once the user accepts it, the page that
    // `page` makes is printed on the printer's pages. A printer that will not start is reported
    // to `echec` by its name; a file that could not be written, by its path and why, in French.
    void imprimer(QWidget* fenetre, std::function<std::unique_ptr<Page>()> page,
                  std::function<void(const QString& imprimante, const QString& raison)> echec);

private:
    QPrinter imprimante_;
};
