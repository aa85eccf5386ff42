#include "support/Attendu.h"
#include "support/Dossier.h"
#include "ui/patients/WPatients.h"

#include <QtTest>
#include <QtWidgets>

using Poste = Estimation::Poste;

namespace {

constexpr Choix Dpca{4, 7, 1, 3, 7, 7, Modalite::DPCA};
constexpr Choix Dpa{2, 7, 1, 7, 7, 3, Modalite::DPA};

Estimation semaine(const Choix& c) {
    return Estimation(c, Tarifs{}, {}, QDate(2026, 5, 6));
}

// The window on May 2026, beside a main window, its patients' file holding those bytes if any,
// and its controls by name.
struct Fenetre {
    Dossier dossier;
    const QByteArray fichier;
    const bool ecrit = fichier.isNull() || dossier.ecrire(fichier, "Patients.sqlite");
    Patients patients;
    QWidget principale;
    WPatients w{&principale, patients, semaine(Dpca)};

    explicit Fenetre(const QByteArray& octets = {}) : fichier(octets) {
        w.montrer();
        w.findChild<QComboBox*>("MoisPatients")->setCurrentIndex(4);
        w.findChild<QSpinBox*>("AnneePatients")->setValue(2026);
    }
    template <typename T = QPushButton> T* c(const char* nom) { return w.findChild<T*>(nom); }
    void cliquer(const char* bouton, const QString& nom = {}) {
        c<QLineEdit>("NomPatient")->setText(nom);
        QTest::mouseClick(c(bouton), Qt::LeftButton);
    }
    QString lu(const char* label) {
        return c<QLabel>(label)->text().replace(QChar(0xA0), u' ').replace(QChar(0x202F), u' ');
    }
};

} // namespace

class TestWPatients : public QObject {
    Q_OBJECT
private slots:
    void totalOfAllPatients_data();
    void totalOfAllPatients();
    void aFileThatCannotBeUsed();
};

// In May 2026: each patient's month, the total, and what leaves the window.
void TestWPatients::totalOfAllPatients_data() {
    QTest::addColumn<QStringList>("patients"); // "*": the one open in the main window
    QTest::newRow("two patients, DPCA and DPA") << QStringList{"A dpca", "B dpa"};
    QTest::newRow("a correction and her own weekdays, each for its patient")
        << QStringList{"A dpca pansements=10", "B dpca 1111110", "C dpca"};
    QTest::newRow("the open one as the main window shows it, DPA")
        << QStringList{"*A dpca", "B dpca"};
    QTest::newRow("one") << QStringList{"A dpca"};
    QTest::newRow("none") << QStringList{};
}

void TestWPatients::totalOfAllPatients() {
    QFETCH(QStringList, patients);
    Fenetre f;
    for (const QString& p : patients) {
        const QStringList mots = p.split(u' ');
        qint64 id = 0;
        QVERIFY(
            f.patients
                .creer(mots[0].mid(mots[0].startsWith(u'*')), mots[1] == "dpa" ? Dpa : Dpca, &id)
                .isEmpty());
        Patients::Mois mois;
        if (mots.value(2).startsWith("pansements="))
            mois.corrections.insert(Poste::Pansements, mots[2].section(u'=', 1).toInt());
        else if (mots.size() > 2)
            mois = {{true, true, true, true, true, true, false}, 7, Calendrier::Metropole, {}};
        QVERIFY(f.patients.enregistrer(id, 2026, 5, mois).isEmpty());
        if (p.startsWith(u'*'))
            f.w.setOuvert(id);
    }
    f.w.suivre(semaine(f.w.ouvert() ? Dpa : Dpca));
    QTest::qWait(0);
    auto* liste = f.c<QTableWidget>("ListePatients");
    QStringList vu{liste->horizontalHeaderItem(3)->text() + ':'};
    for (int r = 0; r < liste->rowCount(); ++r)
        vu << liste->item(r, 3)->text();
    vu << "| " + f.lu("TotalPatients") + " " + f.lu("LibelleTotal") + "\n=== bulle\n" +
              f.c<QLabel>("TotalPatients")->toolTip() + "\n=== texte\n" + f.w.patientele().texte() +
              "\n=== html\n" + f.w.patientele().html() + "\n=== année\n" + f.w.annee().texte() +
              "\n=== html\n" + f.w.annee().html();
    COMPARER_AU_TEXTE(vu.join(u' '), "patients");
}

void TestWPatients::aFileThatCannotBeUsed() {
    Fenetre f(QByteArray(4096, 'x'));
    QVERIFY(f.ecrit);
    QVERIFY(f.lu("FichierPatients").contains("ce n'est pas une base de patients de Tarivane"));
    QVERIFY(f.lu("FichierPatients").contains(QDir::toNativeSeparators(Patients::Chemin())));
    QVERIFY(!f.c("NouveauPatient")->isEnabled());
}

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestWPatients test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_wpatients.moc"
