#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a copy holds, written as plain text and as an HTML table by the same calls, so that a
// mail and a document always say the same. Every text is set in French typography and, in the
// HTML, escaped.
class Copie {
public:
    struct Colonne {
        QString titre;
        bool aDroite = false; // numbers and amounts
    };

    // "Tarivane — <titre>", then the modality and, when there is one, the patient.
    Copie(const QString& titre, const QString& modalite, const QString& patient = {});

    void tableau(const QList<Colonne>& colonnes);
    // A row: its line of text, its cells, and how it is made, under it.
    void rangee(const QString& ligne, const QStringList& cellules, const QString& detail = {});
    // A total across the table: its caption and how it is made on the left, the amount right.
    void total(const QString& libelle, const QString& montant, const QString& formule);
    void finTableau();
    void paragraphe(const QString& texte, bool gras = false);
    void liste(const QStringList& elements);
    // A blank line in the text; paragraphs already stand apart in the HTML.
    void espace();

    QString texte() const;
    QString html() const;

private:
    QStringList texte_;
    QString html_;
    int colonnes_ = 0;
    QList<bool> aDroite_;
};
