#pragma once

#include "fees/Calcul.h"
#include "fees/Defaut.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

// What the window shows for one set of choices, as it leaves the program: every row with its
// amount as on screen and how that amount is made, both totals, the tariffs in use and where
// they come from. Built from values only, never from the window's controls.
class Estimation {
public:
    struct Ligne {
        QString libelle; // as on screen
        double nombre = 0;
        QString code;    // the act code shown, empty when the row has none
        QString montant; // as on screen
        QString formule; // how the amount is made, in the tariffs in use
    };
    struct Parametre {
        QString libelle; // as the panel shows it
        QString valeur;
    };

    Estimation(const Choix& choix, const Tarifs& tarifs, const Defaut::RapportLecture& provenance,
               QDate date, const QLocale& locale = QLocale());

    QDate date() const { return date_; }
    // "6 décembre 2026", "1er mars 2027".
    QString dateEnLettres() const;
    const QString& modalite() const { return modalite_; }
    bool dpa() const { return dpa_; }
    const QList<Ligne>& lignes() const { return lignes_; }
    // Unrounded, for the result sheet.
    const Montants& montants() const { return montants_; }
    const QString& hebdomadaire() const { return hebdomadaire_; }
    const QString& mensuelle() const { return mensuelle_; }
    const QString& formuleHebdomadaire() const { return formuleHebdomadaire_; }
    const QString& formuleMensuelle() const { return formuleMensuelle_; }
    const QList<Parametre>& tarifs() const { return tarifs_; }
    // The settings file the tariffs were read from, or why they are the built-in ones.
    const QString& provenance() const { return provenance_; }
    const QLocale& locale() const { return locale_; }
    QString nombre(const Ligne& ligne) const;

    // One line per row, then the totals, the tariffs and their source.
    QString texte() const;
    // The same as a small table, for what is pasted into a document.
    QString html() const;

private:
    QDate date_;
    QLocale locale_;
    QString modalite_;
    bool dpa_ = false;
    Montants montants_;
    QList<Ligne> lignes_;
    QString hebdomadaire_;
    QString mensuelle_;
    QString formuleHebdomadaire_;
    QString formuleMensuelle_;
    QList<Parametre> tarifs_;
    QString provenance_;
};
