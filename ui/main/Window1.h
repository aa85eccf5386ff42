#pragma once

#include "fees/Defaut.h"
#include "framework/Picture.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class Canvas;
class QComboBox;
class QLabel;
class QRadioButton;

// The calculator window: the modality, six weekly counts, an amount per row and the result
// sheet. Every change of a count recomputes everything at once.
class Window1 : public QMainWindow {
    Q_OBJECT
public:
    static inline const QColor BackColor{216, 253, 244};

    // The one calculator window, made (and opened) on the first request.
    static Window1* instance();
    ~Window1() override;

    // Reads every choice and tariff afresh, writes the row amounts, redraws the sheet.
    void calcul();

    // The sheet as last drawn.
    const framework::Picture* image() const { return Image.get(); }
    // What the last reading of the settings file found.
    const Defaut::RapportLecture& rapportLecture() const { return rapport_; }

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Window1();
    void Layout();
    void CreateControls();
    QLabel* label(const char* name, const QRect& geometry, const QString& text, int align,
                  QColor color, bool bold, bool underline);
    QComboBox* popup(const char* name, const QRect& geometry, int first, int last, int index);

    void Event_Open();
    void Canvas1_Open();
    void Canvas1_Paint(framework::Graphics& g);
    void RB_Action(int index);
    bool StaticText7_MouseDown(int x, int y);
    void StaticText7_MouseEnter();
    void StaticText7_MouseExit();
    void avertirLignesIgnorees();
    void changementEcran();

    std::unique_ptr<framework::Picture> Image;
    Defaut::RapportLecture rapport_;
    bool avisDonne_ = false;
    bool suitEcran_ = false;

    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* StaticText4 = nullptr;
    QLabel* StaticText5 = nullptr;
    QLabel* StaticText6 = nullptr;
    QLabel* StaticText7 = nullptr;
    QLabel* StaticText8 = nullptr;
    QLabel* StaticText9 = nullptr;
    QLabel* StaticText10 = nullptr;
    QLabel* StaticText11 = nullptr;
    QLabel* StaticText12 = nullptr;
    QLabel* StaticText13 = nullptr;
    QLabel* StaticText14 = nullptr;
    QLabel* StaticText15 = nullptr;
    QLabel* StaticText16 = nullptr;
    QLabel* StaticText17 = nullptr;
    QLabel* StaticText18 = nullptr;
    QComboBox* PopupMenu1 = nullptr;
    QComboBox* PopupMenu2 = nullptr;
    QComboBox* PopupMenu3 = nullptr;
    QComboBox* PopupMenu4 = nullptr;
    QComboBox* PopupMenu5 = nullptr;
    QComboBox* PopupMenu6 = nullptr;
    std::array<QRadioButton*, 2> RB{};
    Canvas* Canvas1 = nullptr;
};
