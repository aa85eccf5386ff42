#include "fees/Annee.h"
#include "fees/Estimation.h"
#include "fees/Francais.h"
#include "framework/Number.h"
#include "framework/Raison.h"
#include "framework/TextOutputStream.h"
#include "support/Attendu.h"
#include "support/Dossier.h"

#include <QtGui>
#include <QtTest>
#include <cstdio>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using framework::FolderItem;

Q_DECLARE_METATYPE(Choix)
Q_DECLARE_METATYPE(Tarifs)
Q_DECLARE_METATYPE(Defaut::RapportLecture)

namespace {

constexpr Choix Dpca{4, 7, 1, 3, 7, 7, Modalite::DPCA};
const QDate Jour(2026, 12, 6);
const std::array<QString, 5> Affiches{"3.00", "2.20", "7.80", "9.15", "4.00"};
const char* const Defauts = "3 2.2 7.8 9.15 4";

// What a reading left: the lines ignored, then the values in use, each as its shortest exact
// text ("-0" and 0 differ, so do 2.2 and 2.2000001).
QString lu(const Defaut::RapportLecture& r) {
    QStringList out;
    for (int l : r.lignesIgnorees)
        out << QString::number(l);
    out << u"|"_qs;
    for (const Tarif& t : ListeTarifs)
        out << framework::Str(Defaut::Courants().*t.valeur, QLocale::c());
    return (r.erreur + u' ' + out.join(u' ')).trimmed();
}

// What a folder holds, links and kinds included, to see that nothing changed (POSIX places only).
[[maybe_unused]] QStringList etat(const QString& dossier) {
    QStringList out;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                          QDir::System | QDir::NoDotAndDotDot)) {
        QFile fichier(f.filePath());
        out << f.fileName() + u' ' + f.symLinkTarget() + u' ' + QString::number(f.size()) +
                   (f.isFile() && fichier.open(QIODevice::ReadOnly) ? fichier.read(64).toHex()
                                                                    : QByteArray());
    }
    return out;
}

} // namespace

class TestFees : public QObject {
    Q_OBJECT
private slots:
    void init() { Defaut::Initialiser(); }
    void cleanup() { QFile::remove(FolderItem::GetConfigItem("Tarivane").path()); }
    // The settings file.
    void lecture_data();
    void lecture();
    void hostilePlaces_data();
    void hostilePlaces();
    void windowsPlaces_data();
    void windowsPlaces();
    void writtenWholeWhereSheChose_data();
    void writtenWholeWhereSheChose();
    void whereTheFileLives_data();
    void whereTheFileLives();
    // The estimate.
    void whatTheCopySays_data();
    void whatTheCopySays();
};

void TestFees::lecture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("attendu"); // ignored lines | values in use
    QTest::newRow("no file") << QByteArray() << "| 3 2.2 7.8 9.15 4";
    QTest::newRow("three lines, CRLF and byte order mark: the rest as it was")
        << QByteArray("\xEF\xBB\xBF"
                      "1\r\n2\r\n3\r\n")
        << "4 5 | 1 2 3 9.15 4";
    QTest::newRow("a word, an empty line, a negative; minus zero is zero")
        << QByteArray("3.5\nabc\n\n-9\n-0,00\n") << "2 3 4 | 3.5 2.2 7.8 9.15 0";
    QTest::newRow("valid numbers on lines of 4096 bytes, read, and 4097, too long")
        << QByteArray("3.2\n") + QByteArray(4093, '0') + "2.5\n" + QByteArray(4094, '0') +
               "7.5\n8\n5\n"
        << "3 | 3.2 2.5 7.8 8 5";
    QTest::newRow("each tariff at its ceiling")
        << QByteArray("20\n20\n50\n50\n9\n") << "| 20 20 50 50 9";
    QTest::newRow("each tariff just above")
        << QByteArray("20.01\n20.01\n50.01\n50.01\n9.01\n") << "1 2 3 4 5 | 3 2.2 7.8 9.15 4";
    QTest::newRow("other locales' separators and digits, a euro sign, a count of three decimals")
        << QByteArray("3٫00\n٢,٥\n7,85€\n9.15\n2.255\n") << "5 | 3 2.5 7.85 9.15 4";
    QTest::newRow("lines ended by a lone CR")
        << QByteArray("3.5\r2.5\r7\r9\r4\r") << "| 3.5 2.5 7 9 4";
    // Shown, billed and named alike: a tariff is kept to the cent or not at all.
    QTest::newRow("tariffs with fractions of a cent")
        << QByteArray("3.154\n2.75000005\n8.5\n9.15\n4\n") << "1 2 | 3 2.2 8.5 9.15 4";
}

void TestFees::lecture() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, attendu);
    const Dossier d;
    if (!bytes.isNull())
        QVERIFY(d.ecrire(bytes));
    const Defaut::RapportLecture rapport = Defaut::Lecture();
    QCOMPARE(rapport.chemin, bytes.isNull() ? QString() : d.chemin());
    QCOMPARE(lu(rapport), attendu);
}

// Made in the test folder ("programme=x": the program's folder there); read, then saved.
void TestFees::hostilePlaces_data() {
    QTest::addColumn<QString>("preparation");
    QTest::newRow("a named pipe") << "mkfifo Tarivane";
    // The device made here, not the system's: a faulty save must not replace /dev/zero.
    QTest::newRow("a link to an endless device") << "mknod zero c 1 5 && ln -s %1/zero Tarivane";
    QTest::newRow("a folder") << "mkdir Tarivane";
    QTest::newRow("a dangling link") << "ln -s %1/absent Tarivane";
    QTest::newRow("a file this user may not read") << "echo 5 > Tarivane && chmod 0 Tarivane";
    QTest::newRow("a gigabyte without a line break") << "truncate -s 1G Tarivane";
    QTest::newRow("another user's file, replaced as its owner left it")
        << "echo 1 > Tarivane && chmod 640 Tarivane && chown 4242:4343 Tarivane";
    QTest::newRow("a link to a regular file")
        << "printf '3.5\\n2\\n3\\n4\\n5\\n' > vrai && ln -s %1/vrai Tarivane";
    QTest::newRow("a link to a file that fails when read") << "ln -s /proc/self/mem Tarivane";
    QTest::newRow("a folder on the path is a file") << "programme=fichier/sous-dossier";
    QTest::newRow("a folder that cannot be made") << "programme=protege/config";
    QTest::newRow("a folder that cannot be written") << "programme=protege";
    QTest::newRow("a size limit: the old file kept") << "echo 3 > Tarivane && ulimit -f 0";
}

void TestFees::hostilePlaces() {
    QFETCH(QString, preparation);
#ifndef Q_OS_UNIX
    QSKIP(
        "POSIX places (links, pipes, devices, owners, modes, size limits), made by a POSIX shell");
#else
    const Dossier d;
    const QString dossier = QDir::cleanPath(d.chemin(""));
    QProcess shell;
    shell.setWorkingDirectory(dossier);
    shell.start("sh", {"-c", "echo x > fichier && mkdir protege && chmod 555 protege && " +
                                 QString(preparation).replace("%1", dossier)});
    QVERIFY(shell.waitForFinished());
    if (shell.exitCode() != 0 && (preparation.contains("chown") || preparation.contains("mknod")))
        QSKIP("only root can give files away or make a device");
    QCOMPARE(shell.exitCode(), 0);
    if (preparation.startsWith("programme="))
        FolderItem::SetApplicationFolder(d.chemin(preparation.section(u'=', 1)));
    // Nobody else may write in the test folder, nor in "protege".
    QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ExeOther | QFile::ReadOther));
    const QStringList avant = etat(dossier);

    // Read and saved in a child process, as an unprivileged user where permissions matter.
    const bool personne = preparation.contains("chmod 0") || preparation.contains("protege");
    // Never blocks (a read that waited would fail on the test's time limit), never reads
    // without bound.
    const QString lecture = dansUnEnfant([] { return lu(Defaut::Lecture()); }, personne);
    // A save replaces nothing but a regular file, says why in French, and leaves no file open;
    // beyond the size limit its write fails as any other, and the program goes on.
    const QString ecriture = dansUnEnfant(
        [&] {
            const rlimit limite{0, RLIM_INFINITY};
            if (preparation.contains("ulimit -f 0"))
                setrlimit(RLIMIT_FSIZE, &limite);
            const qsizetype ouverts = QDir("/proc/self/fd").count();
            const QString raison = Defaut::Ecriture(Affiches).erreur;
            return QDir("/proc/self/fd").count() == ouverts ? raison : "<open file>";
        },
        personne);
    COMPARER_AU_TEXTE(QString(lecture + "\nsave: " + (ecriture.isEmpty() ? "<saved>" : ecriture))
                          .replace(dossier, "…"),
                      "hostile");
    if (!ecriture.isEmpty())
        QCOMPARE(etat(dossier), avant);
    if (preparation.contains("vrai"))
        QCOMPARE(QFileInfo(d.chemin()).symLinkTarget(), d.chemin("vrai"));
    struct stat st {};
    if (preparation.contains("chown") && ::stat(QFile::encodeName(d.chemin()), &st) == 0)
        QCOMPARE(QString::asprintf("%o %d %d", st.st_mode & 07777, st.st_uid, st.st_gid),
                 "640 4242 4343");
#endif
}

void TestFees::windowsPlaces_data() {
    QTest::addColumn<QString>("preparation"); // of the settings file "1", in the test folder
    QTest::addColumn<QString>("lecture");     // what reading gives
    QTest::addColumn<QString>("ecriture");    // why a save is refused, or nothing
    // Wine cannot make the other places: a file another user may not read (it knows one user
    // and no access rights), a size limit, links, pipes and devices.
    // Windows refuses to replace a file held open as it refuses one that may not be written.
    QTest::newRow("a file another program holds open without sharing")
        << "verrou"
        << "le fichier est occupé | " + QString(Defauts) << "permission refusée";
    QTest::newRow("a read-only file") << "lecture seule"
                                      << "2 3 4 5 | 1 2.2 7.8 9.15 4"
                                      << "le fichier est en lecture seule";
    QTest::newRow("a folder past MAX_PATH") << "long"
                                            << "2 3 4 5 | 1 2.2 7.8 9.15 4"
                                            << "";
}

void TestFees::windowsPlaces() {
    QFETCH(QString, preparation);
    QFETCH(QString, lecture);
    QFETCH(QString, ecriture);
#ifndef Q_OS_WIN
    QSKIP("Windows places (sharing, attributes, MAX_PATH)");
#else
    const Dossier d;
    QString dossier = QDir::cleanPath(d.chemin(""));
    if (preparation == "long") {
        // Three folders of a hundred characters: past the 260 of MAX_PATH.
        dossier += u'/' + QStringList(3, QString(100, u'd')).join(u'/');
        QVERIFY(QDir().mkpath(dossier));
        FolderItem::SetApplicationFolder(dossier);
    }
    QFile fichier(dossier + "/Tarivane");
    QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write("1\n") == 2);
    fichier.close();
    // Held open by "another program" that shares it with no one: Windows refuses a second open
    // of it, in this process as in any other.
    const HANDLE verrou =
        preparation == "verrou"
            ? ::CreateFileW(fichier.fileName().toStdWString().c_str(), GENERIC_READ | GENERIC_WRITE,
                            0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
            : nullptr;
    QVERIFY(verrou != INVALID_HANDLE_VALUE);
    // Let go and writable again, for the test folder to go.
    const auto fin = qScopeGuard([&] {
        if (verrou)
            ::CloseHandle(verrou);
        fichier.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    });
    if (preparation == "lecture seule")
        QVERIFY(fichier.setPermissions(QFile::ReadOwner | QFile::ReadOther));
    const QStringList avant = etat(dossier);

    QCOMPARE(lu(Defaut::Lecture()), lecture);
    QCOMPARE(Defaut::Ecriture(Affiches).erreur, ecriture);
    if (!ecriture.isEmpty())
        QCOMPARE(etat(dossier), avant);
#endif
}

void TestFees::writtenWholeWhereSheChose_data() {
    QTest::addColumn<QString>("preparation"); // in the test folder
    QTest::addColumn<QString>("nom");         // the file written, a document unless "Tarivane"
    QTest::addColumn<QString>("attendu");     // why it failed | what the test folder holds
    // Whatever their names, even the one a killed save of Qt's leaves: the program deletes nothing
    // it did not make.
    QTest::newRow("her own files beside the settings, kept")
        << "touch Tarivane.Backup Tarivane.202401 Tarivane.ANCIEN Tarivane.Copie1 "
           ".Tarivane-copie2 Tarivane.x3Fk9Q"
        << "Tarivane"
        << " | .Tarivane-copie2 Tarivane Tarivane.202401 Tarivane.ANCIEN Tarivane.Backup "
           "Tarivane.Copie1 Tarivane.x3Fk9Q";
    // Qt makes the new file beside the old under a name seven bytes longer: near the system's
    // limit it cannot, and the old file stays as it was, nothing beside it.
    const QString tropLong = "le nom du fichier ou son chemin est trop près de la longueur permise "
                             "pour qu'il soit remplacé en entier";
    const QString long_ = QString(246, u'n') + ".pdf";
    QTest::newRow("a link to a name of 250 bytes: refused, the old file kept")
        << "echo 1 > " + long_ + " && ln -s " + long_ + " Tarivane"
        << "Tarivane" << tropLong + " | " + long_ + " Tarivane";
    QTest::newRow("a document named in 250 bytes: refused, the earlier one kept")
        << "echo 1 > " + long_ << long_ << tropLong + " | " + long_;
    const QString profond = QStringList(20, QString(200, u'd')).join(u'/') + '/' + QString(41, 'd');
    QTest::newRow("in a folder of 4082 characters: refused, the old file kept")
        << "mkdir -p " + profond + " && echo 1 > " + profond + "/Tarivane" << profond + "/Tarivane"
        << tropLong + " | " + QString(200, u'd');
    QTest::newRow("a mistyped folder") << ""
                                       << "Documets/y.pdf"
                                       << "le dossier « %1/Documets » n'existe pas | ";
#ifdef Q_OS_WIN
    // Where the places above cannot be made, their Windows equivalents.
    QTest::newRow("a folder in its place")
        << "mkdir Tarivane"
        << "Tarivane"
        << "ce n'est pas un fichier ordinaire mais un dossier | Tarivane";
    QTest::newRow("a device's name") << ""
                                     << "NUL"
                                     << "ce nom de fichier n'est pas permis | ";
    QTest::newRow("a character Windows forbids in a name")
        << ""
        << "Estimation?.pdf"
        << "ce nom de fichier n'est pas permis | ";
#endif
    QTest::newRow("a folder not named in UTF-8: no look-alike made")
        << "mkdir \"$(printf 'caf\\351')\""
        << "caf\uFFFD/y.pdf"
        << "le dossier « %1/caf\uFFFD » n'existe pas | ";
    // A copy of this program there cannot name its folder: it keeps its settings in the
    // configuration folder, reads them back at its next start, and leaves the file beside it.
    QTest::newRow("a copy in a folder not named in UTF-8")
        << "d=\"$(printf 'caf\\351')\" && mkdir $d && echo 1 > $d/Tarivane && cp " +
               QCoreApplication::applicationFilePath() +
               " $d/ && TARIVANE_COPIE=1 $d/tst_fees && TARIVANE_COPIE=1 $d/tst_fees && "
               "head -1 $d/Tarivane"
        << ""
        << "| 3 2.2 7.8 9.15 4|tst_fees/Tarivane|tst_fees/Tarivane | 3 2.2 7.8 9.15 "
           "4|tst_fees/Tarivane|1 | ";
}

void TestFees::writtenWholeWhereSheChose() {
    QFETCH(QString, preparation);
    QFETCH(QString, nom);
    QFETCH(QString, attendu);
    const Dossier d;
    const QString dossier = QDir::cleanPath(d.chemin(""));
    QString erreur;
    // A plain folder is made the same way everywhere; the rest needs a POSIX shell.
    if (preparation.startsWith("mkdir ") &&
        !preparation.contains(QRegularExpression("[ $]-?p|[\"$]")))
        QVERIFY(QDir(dossier).mkdir(preparation.mid(6)));
    else if (!preparation.isEmpty()) {
#ifndef Q_OS_UNIX
        QSKIP("made by a POSIX shell");
#endif
        QProcess shell;
        shell.setWorkingDirectory(dossier);
        shell.start("sh", {"-c", preparation});
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.exitCode(), 0);
        erreur = QString::fromUtf8(shell.readAllStandardOutput()).trimmed();
    }
    if (!nom.isEmpty()) {
        const QByteArray avant = d.contenu(nom);
        auto flux =
            FolderItem(d.chemin(nom))
                .CreateTextFile(erreur, nom.endsWith("Tarivane") ? FolderItem::Nouveau::Reglages
                                                                 : FolderItem::Nouveau::Document);
        if (flux) {
            flux->WriteLine("nouveau");
            flux->Close(erreur);
        }
        QCOMPARE(d.contenu(nom), erreur.isEmpty() ? "nouveau\n" : avant);
#ifdef Q_OS_UNIX
        // A new settings file is its owner's alone (Qt writes the permissions as hexadecimal
        // digits).
        if (avant == "<absent>" && erreur.isEmpty() && nom == "Tarivane")
            QCOMPARE(QString::number(QFileInfo(d.chemin(nom)).permissions() & 0xFFF, 16), "600");
#endif
    }
    const QStringList tient = QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden |
                                                      QDir::System | QDir::NoDotAndDotDot);
    QCOMPARE(erreur.replace(QDir::toNativeSeparators(dossier), "%1") + " | " + tient.join(u' '),
             QString(attendu).replace(u'/', QDir::separator()));
}

void TestFees::whereTheFileLives_data() {
    using C = FolderItem::Copie;
    QTest::addColumn<C>("copie");
    QTest::addColumn<bool>("config");    // a file in the configuration folder to begin with
    QTest::addColumn<QString>("places"); // where it is read, written, read again
    QTest::newRow("portable copy, beside it") << C::Portable << true << "beside beside beside";
    QTest::newRow("installed copy, never beside it") << C::Installee << false << " config config";
    QTest::newRow("protected, beside it until saved")
        << C::Protegee << false << "beside config config";
    QTest::newRow("protected, once saved") << C::Protegee << true << "config config config";
}

void TestFees::whereTheFileLives() {
    QFETCH(FolderItem::Copie, copie);
    QFETCH(bool, config);
    QFETCH(QString, places);
    const Dossier d(copie);
    const QString chemin = FolderItem::GetConfigItem("Tarivane").path();
    QFile f(chemin);
    QVERIFY(d.ecrire("1\n") && (!config || (QDir().mkpath(QFileInfo(chemin).path()) &&
                                            f.open(QIODevice::WriteOnly) && f.write("2\n"))));
    f.close();
    const QString avant = Defaut::Lecture().chemin;
    const Defaut::ResultatEcriture r = Defaut::Ecriture(Affiches);
    QStringList vus;
    for (const QString& c : {avant, r.chemin, r.relu.chemin})
        vus << (c == d.chemin() ? "beside" : c == chemin ? "config" : c);
    QCOMPARE(vus.join(u' '), places);
}

// What a mail pastes and a page prints, whole.
void TestFees::whatTheCopySays_data() {
    QTest::addColumn<Choix>("semaine");
    QTest::addColumn<Tarifs>("tarifs");
    QTest::addColumn<Defaut::RapportLecture>("rapport");
    QTest::addColumn<int>("mois");       // of 2026; 0 the week, 13 the year
    QTest::addColumn<int>("pansements"); // her correction; -1 none; -2 her surveillances at 5
    const Defaut::RapportLecture ligne2{"/x/Tarivane", "", {2}};
    QTest::newRow("week-dpa-her-tariffs-a-line-ignored")
        << Choix{2, 7, 1, 7, 0, 7, Modalite::DPA} << Tarifs{3.1, 2.2, 8, 9.4, 5} << ligne2 << 0
        << -1;
    QTest::newRow("week-six-bags-one-night-tariffs-in-force-two-lines-ignored")
        << Choix{6, 7, 1, 0, 1, 7, Modalite::DPCA} << Tarifs{3.15, 2.75, 8.5, 9.15, 4}
        << Defaut::RapportLecture{"/x/Tarivane", "", {2, 4}} << 0 << -1;
    QTest::newRow("may-2026-a-path-to-escape")
        << Dpca << Tarifs{} << Defaut::RapportLecture{"/a&b/Tarivane", "", {}} << 5 << -1;
    QTest::newRow("may-2026-no-sunday-in-the-week")
        << Choix{4, 7, 0, 3, 0, 7, Modalite::DPCA} << Tarifs{} << ligne2 << 5 << -1;
    QTest::newRow("may-2026-dpca-surveillances-corrected-in-dpa")
        << Choix{4, 7, 1, 3, 0, 7, Modalite::DPCA} << Tarifs{} << ligne2 << 5 << -2;
    QTest::newRow("april-2026-monday-to-friday-a-count-corrected")
        << Choix{4, 5, 1, 3, 0, 7, Modalite::DPCA} << Tarifs{} << ligne2 << 4 << 12;
    QTest::newRow("year-2026") << Dpca << Tarifs{} << ligne2 << 13 << -1;
}

void TestFees::whatTheCopySays() {
    QFETCH(Choix, semaine);
    QFETCH(Tarifs, tarifs);
    QFETCH(Defaut::RapportLecture, rapport);
    QFETCH(int, mois);
    QFETCH(int, pansements);
    ReglagesMois r;
    if (pansements >= 0)
        r.corrections[Estimation::Poste::Pansements] = pansements;
    if (pansements == -2)
        r.corrections[Estimation::Poste::Surveillance] = 5;
    // A week on the 1st of a month, its title says "1er".
    Estimation e(semaine, tarifs, rapport, mois ? Jour : QDate(2026, 3, 1), Francais::Locale());
    QString vu;
    if (mois == 13) {
        e.setPatient(u"M. D."_qs); // her patient's year names her
        const Annee an(e, {true, true, true, true, true, true, true}, 2026, Calendrier::Metropole);
        vu = an.texte() + "\n=== html\n" + an.html();
    } else {
        const Estimation m = mois ? EstimationDuMois(e, 2026, mois, r) : e;
        vu = m.texte() + "\n=== html\n" + m.html() + "\n=== avertissement\n" + m.avertissement();
    }
    COMPARER_AU_TEXTE(vu, "copy");
}

int main(int argc, char* argv[]) {
    // As the program starts: a write beyond the size limit fails instead of ending it.
    framework::IgnorerSignalDeTaille();
    // Keeps the configuration folder of these tests apart from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    // A copy of this program, run from another folder: where it reads and what, then where it
    // saves.
    if (qEnvironmentVariableIsSet("TARIVANE_COPIE")) {
        QCoreApplication app(argc, argv);
        const auto fin = [](const QString& c) {
            return QDir::toNativeSeparators(c).section(u'/', -2);
        };
        const Defaut::RapportLecture avant = Defaut::Lecture();
        const Defaut::ResultatEcriture r = Defaut::Ecriture(Affiches);
        std::printf("%s %s|%s|", qPrintable(fin(avant.chemin)), qPrintable(lu(avant)),
                    qPrintable(r.erreur + fin(r.chemin)));
        return 0;
    }
    QGuiApplication app(argc, argv);
    TestFees test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fees.moc"
