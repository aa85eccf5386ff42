#include "ui/print/Impression.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

std::unique_ptr<Impression> Impression::Charger() {
    // The module's one entry point makes its printer.
    using Fabrique = Impression* (*)();
    const QStringList dossiers =
        QCoreApplication::libraryPaths()
        << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TARIVANE_MODULES));
    for (const QString& dossier : dossiers) {
        QLibrary module(QDir(dossier).filePath(QStringLiteral("tarivane-impression")));
        if (auto fabrique = reinterpret_cast<Fabrique>(module.resolve("tarivane_impression")))
            return std::unique_ptr<Impression>(fabrique());
    }
    return nullptr;
}
