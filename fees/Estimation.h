#pragma once

#include "fees/Calcul.h"
#include "fees/Calendrier.h"
#include "fees/Defaut.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What a window shows for one set of choices, as it leaves the program: every row with its
// amount as on screen and how that amount is made, both totals, the tariffs in use and where
// they come from, and the billing rules the amounts cannot check. Built from values only, never
// from a window's controls.
class Estimation {
public:
    // A calendar month rather than a week: the same rows, with the month's counts.
    struct Mois {
        int annee = 0;
        int mois = 0; // 1 to 12
        Calendrier calendrier = Calendrier::Metropole;
        QList<Ferie> feries; // the month's public holidays that fall on a treatment day
        double moyenne = 0;  // the week's average month, for comparison
    };
    struct Ligne {
        QString libelle; // as on screen
        double nombre = 0;
        QString code;       // the act code shown, empty when the row has none
        QString montant;    // as on screen
        QString par;        // "par jour de traitement", "par semaine", "par mois"
        QString formule;    // how the amount is made, in the tariffs in use
        QStringList regles; // the billing rules of this row the amount cannot check
    };
    struct Total {
        QString libelle; // "Facturation hebdomadaire"
        double valeur = 0;
        QString montant; // as the sheet shows it
        QString formule;
    };
    struct Parametre {
        QString libelle; // as the panel shows it
        QString valeur;
    };

    Estimation(const Choix& choix, const Tarifs& tarifs, const Defaut::RapportLecture& provenance,
               QDate date, const QLocale& locale = QLocale(),
               const std::optional<Mois>& mois = std::nullopt);

    QDate date() const { return date_; }
    // "6 décembre 2026", "1er mars 2027".
    QString dateEnLettres() const;
    // "Estimation du 6 décembre 2026", "Estimation de mai 2026 (Métropole)".
    QString titre() const;
    const std::optional<Mois>& mois() const { return mois_; }
    const QString& modalite() const { return modalite_; }
    bool dpa() const { return dpa_; }
    const QList<Ligne>& lignes() const { return lignes_; }
    // Unrounded.
    const Montants& montants() const { return montants_; }
    // The week's total and average month; a month's total and the week's average month.
    const std::array<Total, 2>& totaux() const { return totaux_; }
    const QList<Parametre>& tarifs() const { return tarifs_; }
    // "tarifs métropole en vigueur depuis le 28 janvier 2024", or "tarifs personnalisés".
    const QString& jeuTarifs() const { return jeuTarifs_; }
    // The text that set those values, when they are an official set.
    const QString& sourceTarifs() const { return sourceTarifs_; }
    // The settings file the tariffs were read from, or why they are the built-in ones.
    const QString& provenance() const { return provenance_; }
    // What to check before relying on these amounts.
    const QStringList& aVerifier() const { return aVerifier_; }
    // A rule these choices break that the window can see; empty when none.
    const QString& avertissement() const { return avertissement_; }
    const QLocale& locale() const { return locale_; }
    QString nombre(const Ligne& ligne) const;

    // The rows with their formulas, the totals, the tariffs, their source, what to check.
    QString texte() const;
    // The same as a small table, for what is pasted into a document.
    QString html() const;
    // Their tail: the tariffs, their source, what to check.
    QString texteTarifs() const;
    QString htmlTarifs() const;

private:
    QDate date_;
    QLocale locale_;
    std::optional<Mois> mois_;
    QString modalite_;
    bool dpa_ = false;
    Montants montants_;
    QList<Ligne> lignes_;
    std::array<Total, 2> totaux_;
    QList<Parametre> tarifs_;
    QString jeuTarifs_;
    QString sourceTarifs_;
    QString provenance_;
    QStringList aVerifier_;
    QString avertissement_;
};
