#include "ui/Style.h"

#include "fees/Francais.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QSpinBox>
#include <QWidget>

QFont policeTimes(int pixels, bool bold, bool underline) {
    // No style hint: where "Times" is missing, the system's aliases give its metric twin, which
    // a serif hint would pass over for the default serif face.
    QFont f(QStringLiteral("Times"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

void teinter(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QComboBox* choixDuMois(QWidget* parent, const QString& nom) {
    auto* mois = new QComboBox(parent);
    mois->setObjectName(nom);
    mois->setAccessibleName(QStringLiteral("Mois"));
    for (int m = 1; m <= 12; ++m)
        mois->addItem(Francais::Locale().standaloneMonthName(m));
    mois->setCurrentIndex(QDate::currentDate().month() - 1);
    return mois;
}

QSpinBox* choixDeLAnnee(QWidget* parent, const QString& nom) {
    auto* annee = new QSpinBox(parent);
    annee->setObjectName(nom);
    annee->setAccessibleName(QStringLiteral("Année"));
    annee->setRange(2000, 2100);
    annee->setValue(QDate::currentDate().year());
    return annee;
}

void montrerMontant(QLabel* label, const Estimation::Ligne& ligne) {
    label->setText(ligne.montant);
    label->setAccessibleDescription(QStringLiteral("%1 : %2").arg(ligne.libelle, ligne.montant));
}

void texteEntier(QLabel* label, const QString& texte, int pixels) {
    QFont f = label->font();
    for (f.setPixelSize(pixels); f.pixelSize() > 6; f.setPixelSize(f.pixelSize() - 1))
        if (QFontMetrics(f).horizontalAdvance(texte) <= label->width())
            break;
    label->setFont(f);
    label->setText(texte);
}
