#pragma once

#include "fees/Annee.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlError;

// Her patients, kept in an SQLite database beside the settings file: each one's name, modality
// and six weekly counts; for each month, the weekdays, the calendar and the counts she corrected;
// and the patient open last. Nothing is written before she keeps a first patient. A file that
// cannot be used is told, in French with its path, and left exactly as it is; the calculator
// then works without patients.
class Patients : public QObject {
    Q_OBJECT
public:
    static constexpr QStringView NomFichier = u"Patients.sqlite";
    // Initials or a pseudonym fit, and so does a PDF's name that holds it.
    static constexpr int LongueurNom = 40;
    // The schema this program writes, kept in PRAGMA user_version.
    static constexpr int Version = 1;

    struct Patient {
        qint64 id = 0;
        QString nom;
        Choix choix;
    };
    // One month of one patient, as she left it in the month window.
    using Mois = ReglagesMois;

    // The database at that path, read when it is there. A lock another copy of the program
    // holds is waited for that many milliseconds before it is told.
    explicit Patients(const QString& chemin = Chemin(), int attente = 5000);
    ~Patients() override;

    // Beside the settings file.
    static QString Chemin();
    // Where they are kept, what the file holds, how to keep a copy: for her, in French.
    static QString Avis(const QString& chemin = Chemin());
    const QString& chemin() const { return chemin_; }
    // Why her patients cannot be used, in French, naming the file; empty when they can.
    QString erreur() const;
    bool utilisable() const { return erreur().isEmpty(); }

    // A name as it is kept: trimmed, each run of blanks made one space. Empty when refused,
    // with the reason.
    static QString Nom(const QString& texte, QString& raison);

    // Sorted by name; none while the file cannot be used.
    QList<Patient> liste() const;
    std::optional<Patient> patient(qint64 id) const;
    Mois mois(qint64 id, int annee, int mois) const;
    // Every patient's month that holds something of hers.
    QHash<qint64, Mois> moisDeTous(int annee, int mois) const;
    // 0 when none.
    qint64 dernier() const;

    // Each change is one transaction. It returns why it was not made, in French; empty when it
    // was. The first patient makes the file, readable by her alone.
    QString creer(const QString& nom, const Choix& choix, qint64* id = nullptr);
    QString renommer(qint64 id, const QString& nom);
    QString supprimer(qint64 id);
    QString enregistrer(qint64 id, const Choix& choix);
    QString enregistrer(qint64 id, int annee, int mois, const Mois& reglages);
    QString retenirDernier(qint64 id);
    // A consistent copy of the whole database, taken while the program runs. An existing file
    // is replaced only when she chose to, and only once the copy is whole.
    QString sauvegarder(const QString& copie, bool remplacer) const;

    // Closed, its log folded into the file, as when the program quits; used again, it opens
    // again.
    void fermer();

signals:
    // A change was saved.
    void modifie();

private:
    enum class Etat { Absent, Pret, Verrouille, Inutilisable };

    bool ouvrir(bool creer) const;
    QSqlDatabase base() const;
    QString ecrire(const std::function<QString(QSqlDatabase&)>& f, bool creer = false);
    QString pourquoi(const QSqlError& e) const;
    QString echec(const QString& raison) const;
    QString nomLibre(QSqlDatabase& db, const QString& texte, qint64 sauf, QString& nom) const;

    QString chemin_;
    QString connexion_;
    int attente_;
    mutable Etat etat_ = Etat::Absent;
    mutable QString erreur_;
    mutable int version_ = 0;
};
