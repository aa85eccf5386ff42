#pragma once

#include "fees/Defaut.h"
#include "fees/Estimation.h"
#include "fees/Patients.h"
#include "framework/Picture.h"
#include "ui/Style.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <span>

class Canvas;
class Lien;
class QComboBox;
class QLabel;
class QRadioButton;
class WMois;
class WPatients;
class WPref;

// The calculator window: the modality, six weekly counts, an amount per row and the result
// sheet. Every change of a count recomputes everything at once.
class Window1 : public QMainWindow {
    Q_OBJECT
public:
    static inline const QColor BackColor = FondCalculatrice;

    // The one calculator window, made (and opened) on the first request.
    static Window1* instance();
    ~Window1() override;

    // Reads every choice and tariff afresh, builds the estimate, and shows it: the row amounts,
    // the sheet, and whatever leaves the window.
    void calcul();
    // What the window shows now.
    const Estimation& estimation() const { return *estimation_; }
    // The choices and where the tariffs come from, as the estimate was built from them.
    Choix choix() const;
    const Defaut::RapportLecture& rapport() const { return rapport_; }
    // The patient it shows, whose every change is kept; 0 for none.
    qint64 patient() const { return patient_; }
    // Sets the window to that patient's choices, with one recompute.
    void ouvrirPatient(qint64 id);

signals:
    // The estimate has been built again.
    void recalcule(const Estimation& semaine);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    Window1();
    struct Controle;
    static std::span<const Controle> controles();

    void Layout();
    void CreateControls();
    void creer(const Controle& controle);
    void relier();
    QLabel* montant(Estimation::Poste poste) const;

    void Event_Open();
    void Canvas1_Open();
    void Canvas1_Paint(framework::Graphics& g);
    void RB_Action(int index);
    // The modality's rows shown, the pop-ups left as they are.
    void montrerModalite(bool dpa);
    bool StaticText7_MouseDown(int x, int y);
    // Shows the settings panel, or hides it when it is shown.
    void basculerPanneau();
    void StaticText7_MouseEnter();
    void StaticText7_MouseExit();

    // The settings panel, made on first use; the window owns it.
    WPref* panneau();
    // Her patients' window, made on first use.
    WPatients* fenetrePatients();
    // A patient's choices in the controls, without a recompute.
    void appliquer(const Patients::Patient& patient);
    void fermerPatient();
    void titrer();
    // A change that could not be kept is told, once for the same reason.
    void signalerEchec(const QString& raison);
    void avertirLecture();
    void changementEcran();

    std::unique_ptr<framework::Picture> Image;
    std::optional<Estimation> estimation_;
    Defaut::RapportLecture rapport_;
    QPointer<WPref> panneau_;
    QPointer<WMois> mois_;
    Patients patients_;
    QPointer<WPatients> wpatients_;
    qint64 patient_ = 0;
    QString nomPatient_;
    // The open patient's choices as last kept.
    std::optional<Choix> garde_;
    bool avisDonne_ = false;
    bool suitEcran_ = false;

    QLabel* StaticText1 = nullptr;
    QLabel* StaticText6 = nullptr;
    Lien* StaticText7 = nullptr;
    QLabel* StaticText8 = nullptr;
    QLabel* StaticText9 = nullptr;
    QLabel* StaticText10 = nullptr;
    QLabel* StaticText11 = nullptr;
    QLabel* StaticText12 = nullptr;
    QLabel* StaticText13 = nullptr;
    QLabel* StaticText15 = nullptr;
    // A billing rule the choices break, under the link.
    QLabel* Avertissement = nullptr;
    QComboBox* PopupMenu1 = nullptr;
    QComboBox* PopupMenu2 = nullptr;
    QComboBox* PopupMenu3 = nullptr;
    QComboBox* PopupMenu4 = nullptr;
    QComboBox* PopupMenu5 = nullptr;
    QComboBox* PopupMenu6 = nullptr;
    std::array<QRadioButton*, 2> RB{};
    Canvas* Canvas1 = nullptr;
};
