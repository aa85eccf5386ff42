#include "fees/Defaut.h"
#include "framework/Number.h"
#include "support/Dossier.h"
#include "support/Utilisateur.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using framework::FolderItem;

namespace {

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

// What a folder holds, links and kinds included, to see that nothing changed.
QStringList etat(const QString& dossier) {
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

class TestDefaut : public QObject {
    Q_OBJECT
private slots:
    void init() { Defaut::Initialiser(); }
    void cleanup() { QFile::remove(FolderItem::GetConfigItem("Tarivane").path()); }
    void lecture_data();
    void lecture();
    void hostilePlaces_data();
    void hostilePlaces();
    void saveWritesTextsAsGivenAndReadsThemBack();
    void whereTheFileLives_data();
    void whereTheFileLives();
};

void TestDefaut::lecture_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("attendu"); // ignored lines | values in use
    QTest::newRow("no file") << QByteArray() << "| 3 2.2 7.8 9.15 4";
    QTest::newRow("five lines") << QByteArray("3.10\n2.50\n8.00\n9.40\n5\n") << "| 3.1 2.5 8 9.4 5";
    QTest::newRow("seven lines: the first five")
        << QByteArray("1\n2\n3\n4\n5\n6\n7\n") << "| 1 2 3 4 5";
    QTest::newRow("three lines: the rest as it was")
        << QByteArray("1\n2\n3\n") << "4 5 | 1 2 3 9.15 4";
    QTest::newRow("a word, an empty line, a negative")
        << QByteArray("3.5\nabc\n\n-9\n4\n") << "2 3 4 | 3.5 2.2 7.8 9.15 4";
    QTest::newRow("zero is a value, minus zero is zero")
        << QByteArray("0\n-0\n-0,00\n0\n0\n") << "| 0 0 0 0 0";
    QTest::newRow("comma decimals, all of them kept")
        << QByteArray("3,14159\n2,2\n7,8\n9,15\n4,5\n") << "| 3.14159 2.2 7.8 9.15 4.5";
    QTest::newRow("CRLF and byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                            "3.1\r\n2.3\r\n7.9\r\n9.2\r\n5\r\n")
                                              << "| 3.1 2.3 7.9 9.2 5";
    QTest::newRow("a valid number on a line too long")
        << QByteArray("3.2\n") + QByteArray(4997, '0') + QByteArray("2.5\n7\n8\n5\n")
        << "2 | 3.2 2.2 7 8 5";
    QTest::newRow("each tariff at its ceiling")
        << QByteArray("20\n20\n50\n50\n9\n") << "| 20 20 50 50 9";
    QTest::newRow("each tariff just above")
        << QByteArray("20.01\n20.01\n50.01\n50.01\n9.01\n") << "1 2 3 4 5 | 3 2.2 7.8 9.15 4";
    QTest::newRow("a number of 309 digits")
        << QByteArray("1" + QByteArray(308, '0') + "\n") << "1 2 3 4 5 | 3 2.2 7.8 9.15 4";
    QTest::newRow("empty file") << QByteArray("") << "1 2 3 4 5 | 3 2.2 7.8 9.15 4";
}

void TestDefaut::lecture() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, attendu);
    const Dossier d;
    if (!bytes.isNull())
        QVERIFY(d.ecrire(bytes));
    const Defaut::RapportLecture rapport = Defaut::Lecture();
    QCOMPARE(rapport.chemin, bytes.isNull() ? QString() : d.chemin());
    QCOMPARE(lu(rapport), attendu);
}

void TestDefaut::hostilePlaces_data() {
    QTest::addColumn<QString>("genre");
    QTest::addColumn<QString>("lecture");  // what reading gives; %1 the folder
    QTest::addColumn<QString>("ecriture"); // why a save is refused, or nothing
    const QString refus = "ce n'est pas un fichier ordinaire mais un %1 | ";
    const QString lien = "c'est un lien vers « %2 », qui n'est pas un fichier ordinaire mais un "
                         "périphérique";
    const auto row = [](const char* nom, const char* genre, const QString& lecture,
                        const QString& ecriture) {
        QTest::newRow(nom) << QString(genre) << lecture << ecriture;
    };
    row("a named pipe", "fifo", refus.arg("tube nommé") + Defauts,
        refus.arg("tube nommé").chopped(3));
    row("a link to a device made here", "mknod", lien.arg("%1/peripherique") + " | " + Defauts,
        lien.arg("%1/peripherique"));
    row("a link to an endless device", "zero", lien.arg("/dev/zero") + " | " + Defauts,
        lien.arg("/dev/zero"));
    row("a folder", "dossier", refus.arg("dossier") + Defauts, refus.arg("dossier").chopped(3));
    const QString casse = "c'est un lien vers « %1/absent », qui ne mène à rien (le fichier ou "
                          "son dossier n'existe pas)";
    row("a dangling link", "casse", casse + " | " + Defauts, casse);
    row("a file this user may not read", "illisible", QString("permission refusée | ") + Defauts,
        "permission refusée");
    row("a gigabyte without a line break", "gigaoctet", QString("1 2 3 4 5 | ") + Defauts, "");
    row("a link to a regular file", "lien", "| 3.5 2 3 4 5", "");
    // The program's folder itself: "dossier/" and where it is.
    row("a folder on the path is a file", "dossier/fichier/sous-dossier", QString("| ") + Defauts,
        "un élément du chemin n'est pas un dossier");
    row("a folder that cannot be made", "dossier/protege/config", QString("| ") + Defauts,
        "le dossier « %1/protege/config » n'existe pas et n'a pas pu être créé : permission "
        "refusée");
    row("a folder that cannot be written", "dossier/protege", QString("| ") + Defauts,
        "permission refusée");
    row("a full disk or a size limit", "limite", QString("| ") + Defauts,
        "le fichier dépasse la taille permise");
    const QString boucle = "des liens symboliques tournent en rond";
    row("links in a loop", "dossier/boucle", boucle + " | " + Defauts, boucle);
    const QString long_ = "le chemin est trop long";
    row("a name too long", qPrintable("dossier/" + QString(300, u'n')), long_ + " | " + Defauts,
        long_);
}

void TestDefaut::hostilePlaces() {
    QFETCH(QString, genre);
    QFETCH(QString, lecture);
    QFETCH(QString, ecriture);
    const Dossier d;
    const QString dossier = QDir::cleanPath(d.chemin(""));
    const QByteArray fichier = QFile::encodeName(d.chemin());
    QVERIFY(d.ecrire("x", "fichier") && QDir().mkdir(d.chemin("protege")));
    QVERIFY(QFile::link(d.chemin("boucle"), d.chemin("boucle")));
    QVERIFY(QFile::setPermissions(d.chemin("protege"), QFile::ReadOther | QFile::ExeOther));
    if (genre == "fifo")
        QCOMPARE(::mkfifo(fichier, 0644), 0);
    if (genre == "mknod") {
        if (::mknod(QFile::encodeName(d.chemin("peripherique")), S_IFCHR | 0666, makedev(1, 3)))
            QSKIP("devices cannot be made here");
        QVERIFY(QFile::link(d.chemin("peripherique"), d.chemin()));
    }
    if (genre == "zero")
        QVERIFY(QFile::link("/dev/zero", d.chemin()));
    if (genre == "dossier")
        QVERIFY(QDir().mkdir(d.chemin()));
    if (genre.startsWith("dossier/"))
        FolderItem::SetApplicationFolder(d.chemin(genre.mid(8)));
    if (genre == "casse")
        QVERIFY(QFile::link(d.chemin("absent"), d.chemin()));
    if (genre == "illisible")
        QVERIFY(d.ecrire("5\n5\n5\n5\n5\n") && ::chmod(fichier, 0) == 0);
    if (genre == "gigaoctet")
        QVERIFY(d.ecrire("") && ::truncate(fichier, 1 << 30) == 0);
    if (genre == "lien")
        QVERIFY(d.ecrire("3.5\n2\n3\n4\n5\n", "vrai") && QFile::link(d.chemin("vrai"), d.chemin()));
    // Nobody else may write in the test folder, nor in "protege".
    QVERIFY(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ExeOther | QFile::ReadOther));
    const QStringList avant = etat(dossier);

    // Read and saved as an unprivileged user would, where permissions matter.
    const bool utilisateur = genre == "illisible" || genre.contains("protege");
    const auto commeIl = [&](const std::function<QString()>& f) {
        return utilisateur ? commeUtilisateur(f) : f();
    };
    // Never blocks, never reads without bound.
    QElapsedTimer chrono;
    chrono.start();
    QCOMPARE(commeIl([] { return lu(Defaut::Lecture()); }), lecture.replace("%1", dossier));
    QVERIFY2(chrono.elapsed() < 1000, qPrintable(QString::number(chrono.elapsed())));
    // A save replaces nothing but a regular file, and says why in French.
    QCOMPARE(commeIl([&] {
                 std::signal(SIGXFSZ, SIG_IGN);
                 rlimit limite{genre == "limite" ? 3 : RLIM_INFINITY, RLIM_INFINITY};
                 setrlimit(RLIMIT_FSIZE, &limite);
                 const QString raison = Defaut::Ecriture(Affiches).erreur;
                 limite.rlim_cur = RLIM_INFINITY;
                 setrlimit(RLIMIT_FSIZE, &limite);
                 return raison;
             }),
             ecriture.replace("%1", dossier));
    if (!ecriture.isEmpty())
        QCOMPARE(etat(dossier), avant);
    if (genre == "lien")
        QCOMPARE(QFileInfo(d.chemin()).symLinkTarget(), d.chemin("vrai"));
}

void TestDefaut::saveWritesTextsAsGivenAndReadsThemBack() {
    const Dossier d;
    QVERIFY(d.ecrire("1\n2\n3\n4\n5\n6\n7\n"));
    const Defaut::ResultatEcriture r = Defaut::Ecriture({"3.15", "2,5", " 8", "9.5", "5"});
    QCOMPARE(r.erreur + r.chemin, d.chemin());
    QCOMPARE(d.contenu(), QByteArray("3.15\n2,5\n 8\n9.5\n5\n"));
    QCOMPARE(lu(r.relu), "| 3.15 2.5 8 9.5 5");
    QCOMPARE(d.noms(), QStringList{"Tarivane"});
    // A line break inside a value would shift every later line of the file.
    QCOMPARE(Defaut::Ecriture({"3\n", "2", "3", "4", "5"}).erreur,
             "une valeur contient un saut de ligne");
    QCOMPARE(d.contenu(), QByteArray("3.15\n2,5\n 8\n9.5\n5\n"));
}

void TestDefaut::whereTheFileLives_data() {
    QTest::addColumn<FolderItem::Copie>("copie");
    QTest::addColumn<bool>("config"); // a file in the configuration folder to begin with
    QTest::addColumn<QString>("lu");  // where it is read, then written
    QTest::addColumn<QString>("ecrit");
    QTest::newRow("portable copy, beside it") << FolderItem::Copie::Portable << true << "beside"
                                              << "beside";
    QTest::newRow("installed copy, never beside it") << FolderItem::Copie::Installee << false << ""
                                                     << "config";
    QTest::newRow("copy in a protected folder reads beside it until it saves")
        << FolderItem::Copie::Protegee << false << "beside"
        << "config";
    QTest::newRow("copy in a protected folder, once it has saved")
        << FolderItem::Copie::Protegee << true << "config"
        << "config";
}

void TestDefaut::whereTheFileLives() {
    QFETCH(FolderItem::Copie, copie);
    QFETCH(bool, config);
    QFETCH(QString, lu);
    QFETCH(QString, ecrit);
    const Dossier d(copie);
    const QString chemins[] = {d.chemin(), FolderItem::GetConfigItem("Tarivane").path()};
    const auto nom = [&](const QString& chemin) {
        return chemin == chemins[0] ? "beside" : chemin == chemins[1] ? "config" : chemin;
    };
    QVERIFY(d.ecrire("1\n1\n1\n1\n1\n"));
    QFile f(chemins[1]);
    QVERIFY(!config || (QDir().mkpath(QFileInfo(chemins[1]).path()) &&
                        f.open(QIODevice::WriteOnly) && f.write("2\n") == 2));
    f.close();
    QCOMPARE(nom(Defaut::Lecture().chemin), lu);
    const Defaut::ResultatEcriture r = Defaut::Ecriture(Affiches);
    QCOMPARE(nom(r.chemin), ecrit);
    QCOMPARE(nom(r.relu.chemin), ecrit);
}

int main(int argc, char* argv[]) {
    // Keeps the configuration folder of these tests apart from the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    TestDefaut test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_defaut.moc"
