#pragma once

#include "fees/PatienteleAnnee.h"

class Sortie;

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// Her patients: each one kept with the main window's treatment, opened there again, renamed or
// deleted, and the chosen month's estimate of each of them and of all of them. It opens beside
// the main window, which stays usable, and says where the patients are kept and what is wrong
// with their file, if anything.
class WPatients : public QWidget {
    Q_OBJECT
public:
    // Beside the window that owns it: the patients of that store, in the tariffs of the window's
    // estimate, whose choices make a new patient.
    WPatients(QWidget* fenetre, Patients& patients, const Estimation& semaine);

    // Beside the main window, inside the screen, in front.
    void montrer();
    // The main window's estimate was built again: its choices are those of the open patient.
    void suivre(const Estimation& semaine);
    // The patient the main window shows, 0 for none.
    qint64 ouvert() const { return ouvert_; }
    void setOuvert(qint64 id);
    // What the table shows, for what leaves the window.
    const Patientele& patientele() const { return *patientele_; }
    // The year of all of them, made when asked for.
    const PatienteleAnnee& annee();
    // What leaves this window: the month of all her patients.
    Sortie* sortie() const { return sortie_; }
    // Asks where, then writes a consistent copy of every patient there.
    void sauvegarder();

signals:
    // She chose to open that patient: the main window takes its choices.
    void patientOuvert(qint64 id);
    void patientRenomme(qint64 id, const QString& nom);
    // Gone with all that was kept for it; the main window keeps no patient if it was that one.
    void patientSupprime(qint64 id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    // The list and every amount read again, on the next turn of the event loop, once for many
    // changes, and only while shown.
    void planifier();
    void actualiser();
    qint64 choisi() const;
    // Open, rename and delete act on the patient chosen in the list.
    void majBoutons();
    void nouveau();
    void ouvrir();
    // The main window takes that patient's choices; it is the one open at the next start.
    void ouvrirPatient(qint64 id);
    void renommer();
    void supprimer();
    void dire(const QString& texte);
    // Her patients, the open one as the main window shows it.
    QList<Patients::Patient> liste() const;

    QWidget* fenetre_;
    Patients& patients_;
    std::optional<Estimation> semaine_;
    std::optional<Patientele> patientele_;
    std::optional<PatienteleAnnee> annee_;
    Sortie* sortie_ = nullptr;
    qint64 ouvert_ = 0;
    bool prevu_ = false;
    bool aJour_ = false;

    QLineEdit* NomPatient = nullptr;
    QPushButton* NouveauPatient = nullptr;
    QTableWidget* ListePatients = nullptr;
    QPushButton* OuvrirPatient = nullptr;
    QPushButton* RenommerPatient = nullptr;
    QPushButton* SupprimerPatient = nullptr;
    QComboBox* MoisPatients = nullptr;
    QSpinBox* AnneePatients = nullptr;
    QLabel* LibelleTotal = nullptr;
    QLabel* TotalPatients = nullptr;
    QLabel* Message = nullptr;
    QLabel* Fichier = nullptr;
};
