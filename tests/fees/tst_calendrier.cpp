#include "fees/Calendrier.h"
#include "fees/TarifsOfficiels.h"
#include "framework/Number.h"

#include <QTest>

Q_DECLARE_METATYPE(Calendrier)

namespace {

void ajouterMois(const char* nom, Calendrier calendrier, const char* mois, const QString& attendu) {
    QTest::newRow(nom) << calendrier << QString(mois) << attendu;
}

} // namespace

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
    // sources are named beside the data): the values, then the deep-night surcharge.
    void officiels() {
        QStringList vu;
        for (const TarifOfficiel& t : TarifsOfficiels()) {
            vu << t.depuis.toString(u"yyMMdd") + u':';
            for (const Tarif& tarif : ListeTarifs)
                vu << framework::Format(t.valeurs.*tarif.valeur, u"##.00", QLocale::c());
            vu << framework::Format(t.nuitProfonde, u"##.00", QLocale::c());
        }
        QCOMPARE(vu.join(u' '),
                 "240128: 3.15 2.75 8.50 9.15 4.00 18.30 240128: 3.30 2.75 8.50 9.15 4.00 18.30 "
                 "180801: 3.15 2.50 8.50 9.15 4.00 18.30 180801: 3.30 2.50 8.50 9.15 4.00 18.30 "
                 "120527: 3.15 2.50 8.00 9.15 4.00 18.30 120527: 3.30 2.50 8.00 9.15 4.00 18.30 "
                 "090415: 3.15 2.30 8.00 9.15 4.00 18.30 090415: 3.30 2.30 8.00 9.15 4.00 18.30 "
                 "070726: 3.00 2.20 7.80 9.15 4.00 18.30");
    }

    // How a set is named in the chooser, wherever the values in use are named, and how to get
    // the set in force: "en vigueur" only for the newest of its region.
    void nommes_data() {
        QTest::addColumn<int>("jeu"); // index among the official sets; -1: her own values
        QTest::addColumn<QString>("attendu");
        const QString metropole2024 = u"choisissez « Métropole — depuis le 28 janvier 2024 » "
                                      u"sous « Tarifs officiels », puis « Enregistrer »"_qs;
        QTest::newRow("en vigueur")
            << 0
            << u"Métropole — depuis le 28 janvier 2024|tarifs métropole en vigueur depuis le "
               u"28 janvier 2024, liste vérifiée en décembre 2026|"_qs;
        QTest::newRow("remplacés")
            << 2
            << u"Métropole — 1er août 2018, remplacés|tarifs métropole du 1er août 2018, "
               u"remplacés le 28 janvier 2024|"_qs +
                   metropole2024;
        QTest::newRow("outre-mer remplacés par ceux de leur région")
            << 5
            << u"Outre-mer et Mayotte — 27 mai 2012, remplacés|tarifs outre-mer et Mayotte du "
               u"27 mai 2012, remplacés le 1er août 2018|choisissez « Outre-mer et Mayotte — "
               u"depuis le 28 janvier 2024 » sous « Tarifs officiels », puis « Enregistrer »"_qs;
        QTest::newRow("par défaut, pour les deux régions")
            << 8
            << u"Métropole — 26 juillet 2007, remplacés|tarifs de juillet 2007, valeurs par "
               u"défaut du programme, remplacés le 15 avril 2009|choisissez « Métropole — depuis "
               u"le 28 janvier 2024 » ou « Outre-mer et Mayotte — depuis le 28 janvier 2024 » "
               u"sous « Tarifs officiels », puis « Enregistrer »"_qs;
        QTest::newRow("les siens") << -1 << u"|tarifs personnalisés|"_qs;
    }
    void nommes() {
        QFETCH(int, jeu);
        const Tarifs t = jeu < 0 ? Tarifs{3.2, 2.75, 8.5, 9.15, 4} : TarifsOfficiels()[jeu].valeurs;
        const QString libelle = jeu < 0 ? QString() : Libelle(TarifsOfficiels()[jeu]);
        QTEST(libelle + u'|' + Provenance(t) + u'|' + ChoixEnVigueur(t), "attendu");
    }

    // The eleven public holidays of 2026 (Easter on 5 April), as the Code du travail lists them.
    void feriesMetropole() {
        QStringList jours;
        for (const Ferie& f : Feries(2026, Calendrier::Metropole))
            jours << f.date.toString(u"MMdd");
        QCOMPARE(jours.join(u' '), "0101 0406 0501 0508 0514 0525 0714 0815 1101 1111 1225");
    }

    // A month's treatment days, the Sundays and holidays among them, and those holidays.
    void compter_data() {
        QTest::addColumn<Calendrier>("calendrier");
        QTest::addColumn<QString>("mois"); // year, month, weekdays treated from Monday
        QTest::addColumn<QString>("attendu");
        using enum Calendrier;
        const QString mai =
            u"1 Fête du Travail, 8 Victoire 1945, 14 Ascension, 25 Lundi de Pentecôte"_qs;
        const QString e = u"Abolition de l'esclavage"_qs;
        ajouterMois("mai 2026", Metropole, "2026 5 1111111", "31 9 " + mai);
        ajouterMois("1er mai 2008, aussi l'Ascension", Metropole, "2008 5 1111111",
                    "31 7 1 Fête du Travail, Ascension, 8 Victoire 1945, 12 Lundi de Pentecôte");
        ajouterMois("mai 2026, du lundi au vendredi", Metropole, "2026 5 1111100", "21 4 " + mai);
        ajouterMois("Guadeloupe", Guadeloupe, "2026 5 0010000", "4 1 27 " + e);
        ajouterMois("vendredi saint", AlsaceMoselle, "2026 4 0000100", "4 1 3 Vendredi saint");
        ajouterMois("Martinique", Martinique, "2026 5 0000100",
                    "5 3 1 Fête du Travail, 8 Victoire 1945, 22 " + e);
        ajouterMois("Guyane", Guyane, "2026 6 0010000", "4 1 10 " + e);
        ajouterMois("La Réunion, un dimanche", Reunion, "2026 12 0000001", "4 4 20 " + e);
        ajouterMois("Mayotte", Mayotte, "2026 4 1000000", "4 2 6 Lundi de Pâques, 27 " + e);
    }
    void compter() {
        QFETCH(Calendrier, calendrier);
        QFETCH(QString, mois);
        const QStringList m = mois.split(u' ');
        std::array<bool, 7> jours{};
        for (int i = 0; i < 7; ++i)
            jours[i] = m[2][i] == u'1';
        const ComptesMois c = Compter(m[0].toInt(), m[1].toInt(), calendrier, jours);
        QStringList f;
        for (const Ferie& ferie : c.feries)
            f << QString::number(ferie.date.day()) + u' ' + ferie.nom;
        const QString vu = u"%1 %2 %3"_qs.arg(c.joursTraitement).arg(c.dimanchesFeries);
        QTEST(vu.arg(f.join(u", ")).trimmed(), "attendu");
    }
};

QTEST_GUILESS_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
