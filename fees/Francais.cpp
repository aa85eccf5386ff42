#include "fees/Francais.h"

namespace Francais {

namespace {

QString quantieme(QDate date) {
    return date.day() == 1 ? QStringLiteral("1er") : QString::number(date.day());
}

} // namespace

const QLocale& Locale() {
    static const QLocale francais(QLocale::French, QLocale::France);
    return francais;
}

QString Date(QDate date) {
    return quantieme(date) + u' ' + Locale().monthName(date.month()) + u' ' +
           QString::number(date.year());
}

QString Jour(QDate date) {
    return Locale().dayName(date.dayOfWeek()) + u' ' + quantieme(date) + u' ' +
           Locale().monthName(date.month());
}

QString Mois(int annee, int mois) {
    return Locale().standaloneMonthName(mois) + u' ' + QString::number(annee);
}

QString De(const QString& mot) {
    static const QString voyelles = QStringLiteral("aàâeéèêiîoôuûy");
    if (!mot.isEmpty() && voyelles.contains(mot.front().toLower()))
        return QStringLiteral("d'") + mot;
    return QStringLiteral("de ") + mot;
}

QString Liste(const QStringList& termes) {
    if (termes.size() < 2)
        return termes.join(QString());
    return termes.mid(0, termes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ") +
           termes.last();
}

} // namespace Francais
