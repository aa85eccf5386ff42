#pragma once

#include "fees/Annee.h"
#include "fees/Patients.h"

class Copie;

// One calendar month of all her patients: each one's estimate of that month, with its own
// weekdays, calendar and corrections, beside its week, and the sum of the months.
class Patientele {
public:
    struct Ligne {
        Patients::Patient patient;
        Choix mois; // the month's counts, proposed and corrected
        Estimation::Total semaine;
        Estimation::Total total; // the month's
    };

    // The tariffs, their source, the date and the locale are the reference's.
    Patientele(const QList<Patients::Patient>& patients,
               const QHash<qint64, Patients::Mois>& reglages, const Estimation& reference,
               int annee, int mois);

    int annee() const { return annee_; }
    int mois() const { return mois_; }
    // "Mes patients en mai 2026".
    QString titre() const;
    const QList<Ligne>& lignes() const { return lignes_; }
    const Estimation& reference() const { return reference_; }
    // Its patients' modalities: "DPCA", "DPCA et DPA".
    QString modalites() const;
    // The months' unrounded totals summed.
    const Estimation::Total& total() const { return total_; }

    // What leaves the window: one row per patient, the total, the tariffs.
    QString texte() const;
    QString html() const;

private:
    Copie copie() const;

    Estimation reference_;
    int annee_;
    int mois_;
    QList<Ligne> lignes_;
    Estimation::Total total_;
};
