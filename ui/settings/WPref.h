#pragma once

#include "fees/Tarifs.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// The settings panel: the five tariffs, one field each, and "Enregistrer". It sits against
// the main window's right edge and leaves the main window usable.
class WPref : public QWidget {
    Q_OBJECT
public:
    static inline const QColor BackColor{254, 251, 215};

    // The one panel, made (hidden, its fields filled) on the first request.
    static WPref* instance();
    // The panel if it has been made, without making it.
    static WPref* existant();

    void ShowWithin(QWidget* parent);
    // Places the panel against the right edge of the window, top-aligned.
    void placer(const QWidget* parent);
    // Gives the focus to the field that holds no value, so that nothing is selected.
    void donnerFocus();

    void BevelButton2_Action();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WPref(QWidget* parent);
    void CreateControls();
    void Event_Open();
    void EF_GotFocus(int index);
    void montrerMessage(const QString& texte);
    void marquer(int index, bool faux);

    std::array<QLineEdit*, Tarifs::Nombre> EF{};
    std::array<QLabel*, Tarifs::Nombre> ST{};
    QPushButton* BevelButton2 = nullptr;
    QLineEdit* EditField1 = nullptr;
    QLabel* Message = nullptr;
};
