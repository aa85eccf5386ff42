#pragma once

#include "fees/Defaut.h"
#include "support/Dossier.h"
#include "ui/main/Window1.h"
#include "ui/settings/WPref.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// The main window opened on a temporary application folder, holding the given settings file
// (none when null), and its controls and those of its settings panel by name.
class Fenetre {
public:
    // Shown, with its panel when asked.
    enum Ouverture { Cachee, Montree, AvecPanneau };
    explicit Fenetre(const QByteArray& fichier = {}, Ouverture ouverture = Cachee) {
        Defaut::Initialiser();
        if (!fichier.isNull())
            dossier_.ecrire(fichier);
        fenetre_ = Window1::instance();
        if (ouverture != Cachee && montrer() && ouverture == AvecPanneau)
            basculer();
    }
    ~Fenetre() { delete fenetre_; }
    Fenetre(const Fenetre&) = delete;
    Fenetre& operator=(const Fenetre&) = delete;

    // Quit and started again on the same folder.
    void redemarrer() {
        delete fenetre_;
        Defaut::Initialiser();
        fenetre_ = Window1::instance();
    }

    Window1* operator->() const { return fenetre_; }
    Window1* fenetre() const { return fenetre_; }
    const Dossier& dossier() const { return dossier_; }

    bool montrer() const {
        // Active once the start-up notice, if any, has come up over it.
        fenetre_->show();
        if (!QTest::qWaitForWindowExposed(fenetre_))
            return false;
        QCoreApplication::processEvents();
        fenetre_->activateWindow();
        return QTest::qWaitForWindowActive(fenetre_);
    }
    template <typename T = QWidget> T* w(const QString& nom) const {
        T* c = fenetre_->findChild<T*>(nom);
        if (!c)
            qFatal("no control %s", qPrintable(nom));
        return c;
    }
    QString texte(const QString& nom) const { return w<QLabel>(nom)->text(); }
    // A click on the "Paramétrage" link.
    void basculer() const { QTest::mouseClick(w("StaticText7"), Qt::LeftButton); }
    WPref* panneau() const { return fenetre_->findChild<WPref*>(); }
    QLineEdit* champ(int i) const {
        return panneau()->findChild<QLineEdit*>(QStringLiteral("EF(%1)").arg(i));
    }
    QLabel* message() const { return panneau()->findChild<QLabel*>("Message"); }
    // A click on "Enregistrer".
    void enregistrer() const {
        QTest::mouseClick(panneau()->findChild<QPushButton*>(), Qt::LeftButton);
    }

private:
    Dossier dossier_;
    QPointer<Window1> fenetre_;
};
