// The settings file as a hostile user could leave it: any bytes, read through the same bounded
// reader the program uses; and any text through the number reader.
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "framework/Number.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dossier;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    framework::FolderItem::SetApplicationFolder(dossier.path());
    {
        QFile f(dossier.filePath(Defaut::NomFichier.toString()));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
    }
    Defaut::Initialiser();
    const Defaut::RapportLecture rapport = Defaut::Lecture();
    if (!rapport.erreur.isEmpty() || rapport.lignesIgnorees.size() > 5)
        std::abort();
    for (const Tarif& t : ListeTarifs) {
        const double v = Defaut::Courants().*t.valeur;
        if (!(v >= 0 && v <= t.plafond) || std::signbit(v))
            std::abort();
    }

    // Whatever reads as a number must format and read back, in the program's locales.
    const QString texte = QString::fromUtf8(bytes);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
        bool ok = false;
        const double v = framework::CDbl(texte, &ok, locale);
        if (!ok)
            continue;
        if (!std::isfinite(v))
            std::abort();
        bool back = false;
        framework::CDbl(framework::Format(v, u"##.00", locale), &back, locale);
        const QString shortest = framework::Str(v, locale);
        if (!back || (!shortest.contains(u'e') && framework::CDbl(shortest, nullptr, locale) != v))
            std::abort();
    }
    return 0;
}
