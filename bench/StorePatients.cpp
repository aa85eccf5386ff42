#include "StorePatients.h"

#include "fees/Patients.h"

#include <QDate>

QString storePatients(Patients& patients, int count) {
    const QDate aujourdhui = QDate::currentDate();
    qint64 id = 0;
    for (int i = 0; i < count; ++i) {
        // Every count is one the window's pop-ups offer: opened, the patient is shown as kept.
        const bool dpa = i % 4 == 3;
        const Choix choix{dpa ? 2.0 : 3.0 + i % 2,
                          7.0 - i % 3,
                          double(i % 2),
                          double(i % 8),
                          double(i * 3 % 15),
                          dpa ? double(7 - i % 4) : 7.0,
                          dpa ? Modalite::DPA : Modalite::DPCA};
        const QString nom = QStringLiteral("Patient %1").arg(i + 1, 3, 10, QLatin1Char('0'));
        if (const QString raison = patients.creer(nom, choix, &id); !raison.isEmpty())
            return raison;
        if (i % 2)
            continue;
        Patients::Mois mois;
        mois.pourJours = int(choix.jours);
        // Her own weekdays: the last ones of the week rather than the first.
        for (int j = 0; j < 7; ++j)
            mois.jours[j] = j >= 7 - mois.pourJours;
        mois.calendrier = i % 10 == 0 ? Calendrier::AlsaceMoselle : Calendrier::Metropole;
        if (i % 6 == 0)
            mois.corrections.insert(Estimation::Poste::Pansements, i % 20);
        if (const QString raison =
                patients.enregistrer(id, aujourdhui.year(), aujourdhui.month(), mois);
            !raison.isEmpty())
            return raison;
    }
    return patients.retenirDernier(id);
}
