#pragma once

#include "fees/Defaut.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The settings panel: the five tariffs, one field each, and "Enregistrer". It sits against
// the main window and leaves the main window usable.
class WPref : public QWidget {
    Q_OBJECT
public:
    static inline const QColor BackColor{254, 251, 215};

    // Made hidden, its fields filled from the values in use, beside the window that owns it.
    explicit WPref(QWidget* parent);

    void ShowWithin(QWidget* parent);
    // Places the panel against the window's edge.
    void placer(const QWidget* parent);
    // Gives the focus to the field that holds no value, so that nothing is selected.
    void donnerFocus();

signals:
    // The file has been written and read back: the values in use have changed.
    void Enregistre(const Defaut::RapportLecture& relu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Event_Open();
    void EF_GotFocus(int index);
    void BevelButton2_Action();
    void montrerMessage(const QString& texte);
    void marquer(int index, bool refuse);

    std::array<QLineEdit*, ListeTarifs.size()> EF{};
    std::array<QLabel*, ListeTarifs.size()> ST{};
    QPushButton* BevelButton2 = nullptr;
    QLineEdit* EditField1 = nullptr;
    QLabel* Message = nullptr;
};
