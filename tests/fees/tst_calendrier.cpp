#include "fees/Calendrier.h"
#include "fees/TarifsOfficiels.h"
#include "framework/Number.h"
#include "support/Attendu.h"

#include <QTest>

class TestCalendrier : public QObject {
    Q_OBJECT
private slots:
    // Western Easter Sundays 2000-2100, MMDD, twenty years a line, as listed by dates.gmarts.org
    // (Easter Sunday dates, to 2049), jtsoftware.tripod.com/easter (to 2099) and a published
    // 2000-2100 list, which agree wherever they overlap.
    void paques() {
        const QString dates =
            u"04230415033104200411032704160408032304120404042404080331042004050327041604010421"
            u"04120404041704090331042004050328041604010421041303280417040903250413040504250410"
            u"04010421040603290417040903250414040504180410040204210406032904180402042204140330"
            u"04180410032604150406032904110403042204140330041904100326041504070419041104030423"
            u"04070330041904040326041503310420041104030416040803300412040404240415033104200412"
            u"0328"_qs;
        QCOMPARE(dates.size(), 4 * 101);
        for (int annee = 2000; annee <= 2100; ++annee)
            QCOMPARE(Paques(annee).toString(u"MMdd"), dates.mid(4 * (annee - 2000), 4));
    }

    // The official sets as the panel offers them, newest first, as their texts set them (the
    // sources are named beside the data): the values and the deep-night surcharge; how the set
    // is named in the chooser and wherever the values in use are named ("en vigueur" only for the
    // newest of its region); how to get the set in force. Her own values last.
    void officiels() {
        QStringList vu;
        for (const TarifOfficiel& t : TarifsOfficiels()) {
            QString valeurs = t.depuis.toString(u"yyMMdd") + u':';
            for (const Tarif& tarif : ListeTarifs)
                valeurs +=
                    u' ' + framework::Format(t.valeurs.*tarif.valeur, u"##.00", QLocale::c());
            vu << valeurs + u' ' + framework::Format(t.nuitProfonde, u"##.00", QLocale::c());
            vu << Libelle(t) << Provenance(t.valeurs) << ChoixEnVigueur(t.valeurs) << QString();
        }
        const Tarifs siens{3.2, 2.75, 8.5, 9.15, 4};
        vu << Provenance(siens) << ChoixEnVigueur(siens);
        COMPARER_AU_TEXTE(vu.join(u'\n'), "officiels");
    }

    // The eleven public holidays of 2026 (Easter on 5 April), as the Code du travail lists them.
    void feriesMetropole() {
        QStringList jours;
        for (const Ferie& f : Feries(2026, Calendrier::Metropole))
            jours << f.date.toString(u"MMdd");
        QCOMPARE(jours.join(u' '), "0101 0406 0501 0508 0514 0525 0714 0815 1101 1111 1225");
    }

    // A month's treatment days, the Sundays and holidays among them, and those holidays: the
    // year, the month, the weekdays treated from Monday, the calendar.
    void compter_data() { lignesDeTable("feries"); }
    void compter() {
        QFETCH(QString, gestes);
        const QStringList m = gestes.trimmed().split(u' ');
        std::array<bool, 7> jours{};
        for (int i = 0; i < 7; ++i)
            jours[i] = m[2][i] == u'1';
        int n = 0;
        while (NomCalendrier(Calendrier(n)) != m.mid(3).join(u' '))
            QVERIFY(++n < NombreCalendriers);
        const ComptesMois c = Compter(m[0].toInt(), m[1].toInt(), Calendrier(n), jours);
        QStringList f;
        for (const Ferie& ferie : c.feries)
            f << QString::number(ferie.date.day()) + u' ' + ferie.nom;
        const QString vu = u"%1 %2 %3"_qs.arg(c.joursTraitement).arg(c.dimanchesFeries);
        QTEST(vu.arg(f.join(u", ")).trimmed(), "vu");
    }
};

QTEST_GUILESS_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
