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

class Copie;

// What a window shows for one set of choices, as it leaves the program: every row with its
// count and amount and how that amount is made, both totals, the tariffs in use and where they
// come from, and the billing rules the amounts cannot check. Built from values only, never from
// a window's controls; every view reads its numbers here and formats nothing again.
class Estimation {
public:
    // The rows in the order they stand on screen. Surveillance is a row in DPA only.
    enum class Poste { Journee, Jours, Pansements, Dimanches, Nuits, Surveillance };
    static constexpr int NombrePostes = 6;

    // A count she set in place of the calendar's.
    struct Correction {
        Poste poste;
        int propose = 0;
        int corrige = 0;
    };
    // A calendar month rather than a week: the same rows, with the month's counts, and what
    // they were proposed from.
    struct Mois {
        int annee = 0;
        int mois = 0; // 1 to 12
        Calendrier calendrier = Calendrier::Metropole;
        QList<Ferie> feries;         // the month's public holidays that fall on a treatment day
        double moyenne = 0;          // the week's average month, for comparison
        std::array<bool, 7> jours{}; // the weekdays treated, 0 = lundi
        // False when the week bills no Sunday or holiday: the month proposes none either.
        bool dimanchesSemaine = true;
        QList<Correction> corrections;
    };
    struct Ligne {
        Poste poste;
        QString libelle; // as on screen
        double nombre = 0;
        QString code;       // the act code shown, empty when the row has none
        double valeur = 0;  // unrounded
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

    Estimation(const Choix& choix, const Tarifs& tarifs, const Defaut::RapportLecture& rapport,
               QDate date, const QLocale& locale = QLocale(),
               const std::optional<Mois>& mois = std::nullopt);

    QDate date() const { return date_; }
    // "Estimation du 6 décembre 2026", "Estimation de mai 2026 (Métropole)".
    QString titre() const;
    const std::optional<Mois>& mois() const { return mois_; }
    const Choix& choix() const { return choix_; }
    const Tarifs& valeurs() const { return valeurs_; }
    const Defaut::RapportLecture& rapport() const { return rapport_; }
    Modalite modalite() const { return choix_.modalite; }
    QString nomModalite() const { return NomModalite(choix_.modalite).toString(); }
    const QList<Ligne>& lignes() const { return lignes_; }
    bool a(Poste poste) const { return int(poste) < lignes_.size(); }
    const Ligne& ligne(Poste poste) const { return lignes_.at(int(poste)); }
    // The week's (or the month's) total, and the average month.
    const Total& total() const { return totaux_[0]; }
    const Total& moyenne() const { return totaux_[1]; }
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
    // The patient it is for, as she named it; empty for none.
    const QString& patient() const { return patient_; }
    void setPatient(const QString& nom) { patient_ = nom; }
    // For a month, what its counts rest on: the weekdays treated, the calendar, why no Sunday
    // is proposed, each count she corrected beside the calendar's proposal.
    QStringList hypotheses() const;
    // For a month whose week bills no Sunday or holiday, why none is proposed; else empty.
    QString sansDimanches() const;
    // A count as the window shows it.
    QString nombre(double n) const;
    QString nombre(Poste poste) const { return nombre(ligne(poste).nombre); }

    // The rows with their formulas, the totals, the tariffs, their source, what to check.
    QString texte() const;
    // The same as a small table, for what is pasted into a document.
    QString html() const;
    // Their tail: the tariffs, their source, what to check.
    void ajouterTarifs(Copie& copie) const;

private:
    void ajouterLignes(const Montants& m);
    void ajouterTotaux(const Montants& m);
    void ajouterVerifications();
    Copie copie() const;

    QDate date_;
    QLocale locale_;
    std::optional<Mois> mois_;
    Choix choix_;
    Tarifs valeurs_;
    Defaut::RapportLecture rapport_;
    QList<Ligne> lignes_;
    std::array<Total, 2> totaux_;
    QList<Parametre> tarifs_;
    QString jeuTarifs_;
    QString sourceTarifs_;
    QString provenance_;
    QStringList aVerifier_;
    QString avertissement_;
    QString nuitProfonde_;
    QString patient_;
};
