#pragma once

#include "fees/Annee.h"
#include "fees/Patients.h"

#include <QHash>
#include <QWidget>

class QGridLayout;
class QLayout;
#include <array>
#include <optional>

class Sortie;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// A calendar month of the main window's treatment: the month's counts proposed from its
// calendar, which she may correct, each row's amount and the month's total beside the window's
// average month; on request, the twelve months of the year. It follows the main window live.
class WMois : public QWidget {
    Q_OBJECT
public:
    // Beside the window that owns it, from that window's estimate of the week.
    WMois(QWidget* fenetre, const Estimation& semaine);

    // Beside the main window, inside the screen, in front.
    void montrer();
    const Estimation& estimation() const { return *estimation_; }
    const Annee& annee() const { return *annee_; }
    // What leaves this window by the menus: its year while the year is shown, else the month.
    Sortie* sortie() const;

    // The week has been computed again: new choices replace the proposals, new tariffs only the
    // amounts.
    void suivre(const Estimation& semaine);
    // Where her months are kept: the open patient's, or this window's own while none is.
    void setPatient(Patients* patients, qint64 id);

signals:
    // What she set for a month could not be kept: why, in French.
    void echec(const QString& raison);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QLayout* creerPeriode();
    QLayout* creerSemaine();
    void creerRangees(QGridLayout* grille);
    void creerTotaux(QGridLayout* grille);
    QWidget* creerAnnee();
    void relier();
    std::array<bool, 7> jours() const;
    Calendrier calendrier() const;
    int cle() const;
    // The chosen month's settings: hers, or the week's first days and the calendar in use.
    ReglagesMois reglagesDuMois() const;
    void garder(const ReglagesMois& reglages);
    void montrerReglages();
    // The weekdays or the calendar changed: kept, then proposed again.
    void noterReglages();
    void corriger(int champ);
    void retablir();
    // The calendar's counts in the fields, then everything computed again.
    void proposer();
    void calculer();
    void calculerAnnee();

    QWidget* fenetre_;
    std::optional<Estimation> semaine_;
    QHash<int, ReglagesMois> reglages_;
    Patients* patients_ = nullptr;
    qint64 patient_ = 0;
    Proposition propose_;
    std::optional<Estimation> estimation_;
    std::optional<Annee> annee_;
    Sortie* sortie_ = nullptr;
    Sortie* sortieAnnee_ = nullptr;

    QComboBox* Mois = nullptr;
    QSpinBox* AnneeChoisie = nullptr;
    QComboBox* Region = nullptr;
    std::array<QCheckBox*, 7> Jour{};
    QLabel* LibellePoches = nullptr;
    QLabel* Poches = nullptr;
    // Treatment days, Sundays and holidays, dressings, night acts, surveillance.
    std::array<QSpinBox*, 5> Champ{};
    std::array<QLabel*, 5> Libelle{};
    // The estimate's rows, in its order.
    std::array<QLabel*, 6> Montant{};
    QLabel* LibelleTotal = nullptr;
    QLabel* LibelleMoyenne = nullptr;
    QLabel* TotalMois = nullptr;
    QLabel* MoyenneFenetre = nullptr;
    QLabel* Feries = nullptr;
    QPushButton* LAnnee = nullptr;
    QPushButton* Retablir = nullptr;
    QWidget* SectionAnnee = nullptr;
    QLabel* TitreAnnee = nullptr;
    std::array<QLabel*, 12> MoisAnnee{};
    // The year's total and its 52 weeks, each with its caption.
    std::array<QLabel*, 2> LibelleAnnee{};
    std::array<QLabel*, 2> TotalAnnee{};
};
