#pragma once

#include "app/MenuBar1.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"
#include "screenshots/PaletteSombre.h"
#include "ui/main/Window1.h"
#include "ui/mois/WMois.h"
#include "ui/settings/WPref.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <utility>

// The window and, on its right, its settings panel as shown, on one picture.
inline QImage AvecPanneau(Window1* fenetre, bool enregistrer) {
    if (!fenetre->findChild<WPref*>() || !fenetre->findChild<WPref*>()->isVisible())
        MenuBar1::instance()->item(QStringLiteral("EditPreferences"))->trigger();
    auto* panneau = fenetre->findChild<WPref*>();
    if (enregistrer)
        panneau->findChild<QPushButton*>()->click();
    QCoreApplication::processEvents();
    const QPixmap principale = fenetre->grab();
    const QPixmap reglages = panneau->grab();
    const qreal ratio = principale.devicePixelRatio();
    QPixmap ensemble(QSize(principale.width() + reglages.width(),
                           std::max(principale.height(), reglages.height())));
    ensemble.setDevicePixelRatio(ratio);
    ensemble.fill(Qt::white);
    QPainter p(&ensemble);
    p.drawPixmap(0, 0, principale);
    p.drawPixmap(QPointF(principale.width() / ratio, 0), reglages);
    return ensemble.toImage();
}

// The calculator shown on an empty application folder, so that the pictures show the built-in
// tariffs; the folder lasts as long as the returned window is drawn.
inline std::unique_ptr<Window1> PremierDemarrage(const QTemporaryDir& vide) {
    framework::FolderItem::SetApplicationFolder(vide.path());
    Defaut::Initialiser();
    std::unique_ptr<Window1> fenetre(Window1::instance());
    fenetre->show();
    // The first start's notice comes up once the window has.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return fenetre;
}

// The windows of the README, drawn from the built-in tariffs: the calculator, the same with its
// settings panel on a dark desktop theme just after a save, in DPA, the month window and her
// patients' window.
inline QList<std::pair<QString, QImage>> FenetresExemples() {
    const QTemporaryDir vide;
    const std::unique_ptr<Window1> fenetre = PremierDemarrage(vide);
    QList<std::pair<QString, QImage>> images{
        {QStringLiteral("main-window.png"), fenetre->grab().toImage()}};

    // On a dark desktop theme, just after a save, in DPA.
    const QPalette avant = QApplication::palette();
    QApplication::setPalette(PaletteSombre());
    fenetre->findChild<QRadioButton*>(QStringLiteral("RB(1)"))->click();
    images.append({QStringLiteral("main-window-dark.png"), AvecPanneau(fenetre.get(), true)});
    fenetre->findChild<QRadioButton*>(QStringLiteral("RB(0)"))->click();
    QApplication::setPalette(avant);

    // The month window for May 2026, mainland calendar, with its year.
    MenuBar1::instance()->item(QStringLiteral("FileMois"))->trigger();
    auto* mois = fenetre->findChild<WMois*>();
    mois->findChild<QSpinBox*>(QStringLiteral("Annee"))->setValue(2026);
    mois->findChild<QComboBox*>(QStringLiteral("Mois"))->setCurrentIndex(4);
    mois->findChild<QComboBox*>(QStringLiteral("Calendrier"))->setCurrentIndex(0);
    mois->findChild<QPushButton*>(QStringLiteral("LAnnee"))->setChecked(true);
    QCoreApplication::processEvents();
    images.append({QStringLiteral("month-window.png"), mois->grab().toImage()});

    // Her patients in May 2026: two kept from the window, one in DPA; their file named as on
    // her machine rather than in the passing folder.
    MenuBar1::instance()->item(QStringLiteral("FilePatients"))->trigger();
    auto* patients = fenetre->findChild<QWidget*>(QStringLiteral("WPatients"));
    const auto nouveau = [&](const char* nom) {
        patients->findChild<QLineEdit*>(QStringLiteral("NomPatient"))->setText(nom);
        patients->findChild<QPushButton*>(QStringLiteral("NouveauPatient"))->click();
    };
    nouveau("M. D.");
    nouveau("B. L.");
    fenetre->findChild<QRadioButton*>(QStringLiteral("RB(1)"))->click();
    patients->findChild<QComboBox*>(QStringLiteral("MoisPatients"))->setCurrentIndex(4);
    patients->findChild<QSpinBox*>(QStringLiteral("AnneePatients"))->setValue(2026);
    QCoreApplication::processEvents();
    auto* fichier = patients->findChild<QLabel*>(QStringLiteral("FichierPatients"));
    fichier->setText(fichier->text().replace(QDir::toNativeSeparators(vide.path()),
                                             QStringLiteral("/home/infirmiere/Tarivane")));
    images.append({QStringLiteral("patients-window.png"), patients->grab().toImage()});
    framework::FolderItem::SetApplicationFolder({});
    return images;
}

// What the screen shows: each window at its place, the main window first, framed by a line
// since there is no window manager to draw their borders.
inline QImage Bureau(const QList<QWidget*>& fenetres) {
    const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
    QImage image(ecran.size(), QImage::Format_RGB32);
    image.fill(QColor(80, 96, 112));
    QPainter p(&image);
    for (QWidget* w : fenetres) {
        const QRect cadre = w->frameGeometry().translated(-ecran.topLeft());
        p.drawPixmap(cadre.topLeft(), w->grab());
        p.setPen(QColor(40, 40, 40));
        p.drawRect(cadre.adjusted(0, 0, -1, -1));
    }
    return image;
}

// The first start on this screen, with its notice, then the main window, its panel and the
// month window as they open side by side, or as best they can: "first-start-1366x768.png",
// "windows-1366x768.png".
inline QList<std::pair<QString, QImage>> BureauxExemples() {
    const QTemporaryDir vide;
    const std::unique_ptr<Window1> fenetre = PremierDemarrage(vide);
    const QSize e = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QString taille = QStringLiteral("%1x%2.png").arg(e.width()).arg(e.height());
    auto* avis = fenetre->findChild<QWidget*>(QStringLiteral("AvisLecture"));
    QList<std::pair<QString, QImage>> images{
        {QStringLiteral("first-start-") + taille, Bureau({fenetre.get(), avis})}};
    avis->findChild<QPushButton*>(QStringLiteral("OuvrirParametrage"))->click();
    MenuBar1::instance()->item(QStringLiteral("FileMois"))->trigger();
    auto* mois = fenetre->findChild<WMois*>();
    mois->findChild<QSpinBox*>(QStringLiteral("Annee"))->setValue(2026);
    mois->findChild<QComboBox*>(QStringLiteral("Mois"))->setCurrentIndex(4);
    QCoreApplication::processEvents();
    images.append({QStringLiteral("windows-") + taille,
                   Bureau({fenetre.get(), fenetre->findChild<WPref*>(), mois})});
    framework::FolderItem::SetApplicationFolder({});
    return images;
}
