#include "fees/Calendrier.h"
#include "fees/TarifsOfficiels.h"
#include "framework/Number.h"

#include <QTest>

Q_DECLARE_METATYPE(Tarifs)
Q_DECLARE_METATYPE(Calendrier)

namespace {

QString cents(double v) {
    return framework::Format(v, u"##.00", QLocale::c());
}

void ajouterOfficiel(const char* nom, int rang, const QString& region, const char* attendu) {
    QTest::newRow(nom) << rang << region + u" — depuis le "_qs + QString::fromUtf8(attendu);
}

void ajouterProvenance(const char* nom, Tarifs tarifs, int rang, const QString& provenance) {
    QTest::newRow(nom) << tarifs << rang << provenance;
}

void ajouterMois(const char* nom, Calendrier calendrier, const char* mois, const QString& attendu) {
    QTest::newRow(nom) << calendrier << QString(mois) << attendu;
}

} // namespace

class TestCalendrier : public QObject {
    Q_OBJECT
private slots:
    // Each set by its rank: its label, then AMI, IFD, dimanche, nuit, poches and nuit profonde.
    void officiels_data() {
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("attendu");
        const QString m = u"Métropole"_qs, o = u"Outre-mer et Mayotte"_qs;
        ajouterOfficiel("avenant 10", 0, m, "28 janvier 2024 3.15 2.75 8.50 9.15 4.00 18.30");
        ajouterOfficiel("avenant 10, DOM", 1, o, "28 janvier 2024 3.30 2.75 8.50 9.15 4.00 18.30");
        ajouterOfficiel("avenant 5", 2, m, "1er août 2018 3.15 2.50 8.50 9.15 4.00 18.30");
        ajouterOfficiel("avenant 5, DOM", 3, o, "1er août 2018 3.30 2.50 8.50 9.15 4.00 18.30");
        ajouterOfficiel("avenant 3", 4, m, "27 mai 2012 3.15 2.50 8.00 9.15 4.00 18.30");
        ajouterOfficiel("avenant 3, DOM", 5, o, "27 mai 2012 3.30 2.50 8.00 9.15 4.00 18.30");
        ajouterOfficiel("avenant 1", 6, m, "15 avril 2009 3.15 2.30 8.00 9.15 4.00 18.30");
        ajouterOfficiel("avenant 1, DOM", 7, o, "15 avril 2009 3.30 2.30 8.00 9.15 4.00 18.30");
        ajouterOfficiel("convention 2007", 8, m, "26 juillet 2007 3.00 2.20 7.80 9.15 4.00 18.30");
    }
    void officiels() {
        QFETCH(int, rang);
        QCOMPARE(TarifsOfficiels().size(), 9);
        const TarifOfficiel& t = TarifsOfficiels().at(rang);
        QStringList v{Libelle(t)};
        for (const Tarif& tarif : ListeTarifs)
            v << cents(t.valeurs.*tarif.valeur);
        QTEST((v << cents(t.nuitProfonde)).join(u' '), "attendu");
        QVERIFY(!t.source.isEmpty());
    }

    // The set recognised, by rank (-1: none), and how the values are named.
    void provenance_data() {
        QTest::addColumn<Tarifs>("tarifs");
        QTest::addColumn<int>("rang");
        QTest::addColumn<QString>("provenance");
        const QString m = u"tarifs métropole en vigueur depuis le 28 janvier 2024"_qs;
        ajouterProvenance("métropole", {3.15, 2.75, 8.5, 9.15, 4}, 0, m);
        ajouterProvenance("outre-mer", {3.3, 2.75, 8.5, 9.15, 4}, 1,
                          u"tarifs outre-mer et Mayotte en vigueur depuis le 28 janvier 2024"_qs);
        ajouterProvenance("au centime près", {3.1499999, 2.75, 8.5, 9.15, 4.0000001}, 0, m);
        ajouterProvenance("défauts", {}, 8,
                          u"tarifs de juillet 2007, valeurs par défaut du programme"_qs);
        ajouterProvenance("un centime de moins", {3.14, 2.75, 8.5, 9.15, 4}, -1,
                          u"tarifs personnalisés"_qs);
    }
    void provenance() {
        QFETCH(Tarifs, tarifs);
        const TarifOfficiel* officiel = Reconnaitre(tarifs);
        QTEST(officiel ? int(officiel - TarifsOfficiels().data()) : -1, "rang");
        QTEST(Provenance(tarifs), "provenance");
    }

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
        ajouterMois("février 2026", Metropole, "2026 2 1111111", "28 4");
        ajouterMois("mai 2026, du lundi au vendredi", Metropole, "2026 5 1111100", "21 4 " + mai);
        ajouterMois("août 2026", Metropole, "2026 8 1111111", "31 6 15 Assomption");
        ajouterMois("14 juillet un dimanche", Metropole, "2024 7 1111111",
                    "31 4 14 Fête nationale");
        ajouterMois("vendredi saint", AlsaceMoselle, "2026 4 0000100", "4 1 3 Vendredi saint");
        ajouterMois("26 décembre", AlsaceMoselle, "2026 12 0000010", "4 1 26 Saint-Étienne");
        ajouterMois("Guadeloupe", Guadeloupe, "2026 5 0010000", "4 1 27 " + e);
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
        const QList<Ferie> an = Feries(m[0].toInt(), calendrier);
        QVERIFY(
            std::is_sorted(an.begin(), an.end(), [](auto& a, auto& b) { return a.date < b.date; }));
    }

    void repartir_data() {
        QTest::addColumn<double>("parSemaine");
        QTest::addColumn<int>("joursMois");
        QTest::addColumn<int>("joursSemaine");
        QTest::addColumn<int>("actes");
        QTest::newRow("3 par semaine, mois de 31 jours") << 3.0 << 31 << 7 << 13;
        QTest::newRow("3 par semaine, février") << 3.0 << 28 << 7 << 12;
        QTest::newRow("tous les jours") << 7.0 << 31 << 7 << 31;
        QTest::newRow("une moitié va au-dessus") << 1.0 << 7 << 2 << 4;
        QTest::newRow("aucun jour de traitement") << 2.0 << 31 << 0 << 0;
    }
    void repartir() {
        QFETCH(double, parSemaine);
        QFETCH(int, joursMois);
        QFETCH(int, joursSemaine);
        QTEST(Repartir(parSemaine, joursMois, joursSemaine), "actes");
    }
};

QTEST_GUILESS_MAIN(TestCalendrier)
#include "tst_calendrier.moc"
