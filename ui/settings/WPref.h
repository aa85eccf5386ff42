#pragma once

#include "fees/Defaut.h"

#include <QTimer>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The settings panel: the five tariffs, one field each, and "Enregistrer". It sits beside the
// main window, inside the screen, and leaves the main window usable.
class WPref : public QWidget {
    Q_OBJECT
public:
    static inline const QColor BackColor{254, 251, 215};

    // Made hidden, its fields filled from the values in use, beside the window that owns it.
    explicit WPref(QWidget* parent);

    void ShowWithin(QWidget* parent);
    // Gives the focus to the field that holds no value, so that nothing is selected.
    void donnerFocus();

signals:
    // The file has been written and read back: the values in use have changed.
    void enregistre(const Defaut::RapportLecture& relu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void Event_Open();
    void EF_GotFocus(int index);
    void BevelButton2_Action();
    // Why a field's text cannot be saved, in French.
    QString refus(int index, Defaut::Refus refus, const QString& texte) const;
    // Return and Ctrl+S: no save answers keys that went into no field.
    void enregistrerAuClavier();
    void montrerMessage(const QString& texte, const QColor& couleur = {});
    // A refused field is pink; one whose text is not the value in use is marked as changed.
    void marquer(int index);
    bool modifie(int index) const;
    // The confirmation only when the file read back holds what the fields show.
    QString nonGarde(const Defaut::ResultatEcriture& r,
                     const std::array<QString, ListeTarifs.size()>& textes) const;
    // The chooser shows the official set the fields hold, if any; under it, the set in use.
    void suivreChamps();
    void TarifsOfficiels_Change(int index);

    std::array<QLineEdit*, ListeTarifs.size()> EF{};
    std::array<QLabel*, ListeTarifs.size()> ST{};
    QPushButton* BevelButton2 = nullptr;
    QLineEdit* EditField1 = nullptr;
    QLabel* Message = nullptr;
    QComboBox* TarifsOfficiels = nullptr;
    QLabel* JeuTarifs = nullptr;
    QTimer effacement_;
    // What the last save said goes at the next edit.
    bool provisoire_ = false;
    std::array<bool, ListeTarifs.size()> refuse_{};
    // Keys typed while no field had the focus.
    bool touchesPerdues_ = false;
};
