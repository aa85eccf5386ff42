#pragma once

#include "fees/Patientele.h"

#include <array>

// A calendar year of all her patients: each month's total of every patient's month, and their
// sum.
class PatienteleAnnee {
public:
    // The months' settings of every patient, January first.
    PatienteleAnnee(const QList<Patients::Patient>& patients,
                    const std::array<QHash<qint64, Patients::Mois>, 12>& reglages,
                    const Estimation& reference, int annee);

    int annee() const { return annee_; }
    // "Mes patients en 2026".
    QString titre() const;
    const QList<Patientele>& mois() const { return mois_; }
    const Estimation::Total& total() const { return total_; }
    const Estimation& reference() const { return mois_.front().reference(); }

    QString texte() const;
    QString html() const;

private:
    Copie copie() const;

    int annee_;
    QList<Patientele> mois_;
    Estimation::Total total_;
};
