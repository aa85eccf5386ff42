#include "framework/FolderItem.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "support/Dossier.h"
#include "support/Utilisateur.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using framework::FolderItem;
using framework::TextInputStream;

namespace {

// Lowers the largest file this process may write, so that a write fails even for root.
class LimiteDeTaille {
public:
    explicit LimiteDeTaille(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteDeTaille() { setrlimit(RLIMIT_FSIZE, &avant_); }

private:
    rlimit avant_{};
};

// Writes lines through the program's stream; the reason when it fails.
QString ecrire(const FolderItem& item, const QStringList& lignes) {
    QString erreur;
    if (auto flux = item.CreateTextFile(erreur)) {
        for (const QString& l : lignes)
            flux->WriteLine(l);
        flux->Close(erreur);
    }
    return erreur;
}

} // namespace

class TestFichiers : public QObject {
    Q_OBJECT
private slots:
    void readLine_data();
    void readLine();
    void writeThenRead();
    void streamDroppedWithoutCloseKeepsOldFile();
    void replacingKeepsPermissionsAndOwner();
    void reasonsAreFrenchAndTrue_data();
    void reasonsAreFrenchAndTrue();
    void neverResolvesOntoTheProgram();
};

void TestFichiers::readLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<bool>>("tooLong");
    const QStringList three{"3.00", "2,20", "7.80"};
    const QList<bool> none{false, false, false};
    QTest::newRow("LF") << QByteArray("3.00\n2,20\n7.80\n") << three << none;
    QTest::newRow("CRLF") << QByteArray("3.00\r\n2,20\r\n7.80\r\n") << three << none;
    QTest::newRow("lone CR of older files") << QByteArray("3.00\r2,20\r7.80\r") << three << none;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                   "3.00\n2,20\n7.80")
                                     << three << none;
    QTest::newRow("short file reads empty past the end")
        << QByteArray("3.00\n") << QStringList{"3.00", "", ""} << none;
    QTest::newRow("empty lines kept")
        << QByteArray("\n\r\n7.80") << QStringList{"", "", "7.80"} << none;
    QTest::newRow("UTF-8 kept") << QByteArray("é\n€\n\n") << QStringList{"é", "€", ""} << none;
    QTest::newRow("a line just at the limit")
        << QByteArray(TextInputStream::MaxLineBytes, '7') + "\n4\n"
        << QStringList{QString(TextInputStream::MaxLineBytes, u'7'), "4", ""} << none;
    QTest::newRow("a line one byte over, cut and flagged")
        << QByteArray(TextInputStream::MaxLineBytes + 1, '7') + "\n4\n"
        << QStringList{QString(TextInputStream::MaxLineBytes, u'7'), "4", ""}
        << QList<bool>{true, false, false};
}

void TestFichiers::readLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QList<bool>, tooLong);
    TextInputStream in(bytes);
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(in.ReadLine(), expected[i]);
        QCOMPARE(in.LineTooLong(), tooLong[i]);
    }
    QVERIFY(in.EndOfFile());
}

void TestFichiers::writeThenRead() {
    const Dossier d;
    const FolderItem item = FolderItem::GetFolderItem("Tarivane");
    QVERIFY(!item.Exists());
    QCOMPARE(ecrire(item, {"3.00", "é"}), QString());
    QVERIFY(item.Exists());
    QCOMPARE(d.contenu(), QByteArray("3.00\n\xC3\xA9\n"));
    QCOMPARE(d.noms(), QStringList{"Tarivane"});
    QString erreur;
    auto in = item.OpenAsTextFile(erreur);
    QVERIFY(in);
    QCOMPARE(in->ReadLine(), QStringLiteral("3.00"));
    QCOMPARE(in->ReadLine(), QStringLiteral("é"));
    QVERIFY(in->EndOfFile());
}

void TestFichiers::streamDroppedWithoutCloseKeepsOldFile() {
    const Dossier d;
    QVERIFY(d.ecrire("old\n"));
    QString erreur;
    {
        auto out = FolderItem::GetFolderItem("Tarivane").CreateTextFile(erreur);
        QVERIFY(out);
        out->WriteLine("new");
    }
    QCOMPARE(d.contenu(), QByteArray("old\n"));
    QCOMPARE(d.noms(), QStringList{"Tarivane"});
}

void TestFichiers::replacingKeepsPermissionsAndOwner() {
    const Dossier d;
    QVERIFY(d.ecrire("old\n"));
    const QByteArray chemin = QFile::encodeName(d.chemin());
    QCOMPARE(::chmod(chemin, 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root)
        QCOMPARE(::chown(chemin, 4242, 4343), 0);
    QCOMPARE(ecrire(FolderItem::GetFolderItem("Tarivane"), {"new"}), QString());
    struct stat st {};
    QCOMPARE(::stat(chemin, &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    if (root) {
        QCOMPARE(st.st_uid, uid_t(4242));
        QCOMPARE(st.st_gid, gid_t(4343));
    }
    QCOMPARE(d.contenu(), QByteArray("new\n"));
}

void TestFichiers::reasonsAreFrenchAndTrue_data() {
    QTest::addColumn<QString>("dossier"); // the file's folder, in the test folder
    QTest::addColumn<int>("limite");      // a file size limit, or 0
    QTest::addColumn<QString>("raison");  // %1: the test folder
    QTest::newRow("a folder on the path is a file")
        << "fichier/sous-dossier" << 0 << "un élément du chemin n'est pas un dossier";
    QTest::newRow("a folder that cannot be made")
        << "protege/config" << 0
        << "le dossier « %1/protege/config » n'existe pas et n'a pas pu être créé : permission "
           "refusée";
    QTest::newRow("a folder that cannot be written") << "protege" << 0 << "permission refusée";
    QTest::newRow("full disk or size limit")
        << "ouvert" << 3 << "le fichier dépasse la taille permise";
    QTest::newRow("links in a loop") << "boucle" << 0 << "des liens symboliques tournent en rond";
    QTest::newRow("a name too long") << QString(300, u'n') << 0 << "le chemin est trop long";
}

void TestFichiers::reasonsAreFrenchAndTrue() {
    QFETCH(QString, dossier);
    QFETCH(int, limite);
    QFETCH(QString, raison);
    const Dossier d;
    QVERIFY(d.ecrire("x", "fichier"));
    QVERIFY(QFile::link(d.chemin("boucle"), d.chemin("boucle")));
    QVERIFY(QDir().mkdir(d.chemin("protege")) && QDir().mkdir(d.chemin("ouvert")));
    // Everyone may go through the test folder and write in "ouvert", nobody in "protege".
    QVERIFY(QFile::setPermissions(d.chemin(""), QFile::ReadOther | QFile::ExeOther |
                                                    QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner));
    QVERIFY(QFile::setPermissions(d.chemin("protege"), QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(d.chemin("ouvert"),
                                  QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    const FolderItem item = FolderItem::GetFolderItem(d.chemin(dossier), "Tarivane");
    const QString erreur = commeUtilisateur([&] {
        const LimiteDeTaille l(limite ? rlim_t(limite) : RLIM_INFINITY);
        return ecrire(item, {"3.00", "2.20"});
    });
    QCOMPARE(erreur, raison.replace(QStringLiteral("%1"), QDir::cleanPath(d.chemin(""))));
    QCOMPARE(d.noms(), (QStringList{"boucle", "fichier", "ouvert", "protege"}));
    QVERIFY(QDir(d.chemin("protege")).isEmpty() && QDir(d.chemin("ouvert")).isEmpty());
}

void TestFichiers::neverResolvesOntoTheProgram() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QVERIFY(FolderItem::GetFolderItem(program.absolutePath(), program.fileName()).isNil());
    // Nor through another name for the same file.
    const Dossier d;
    QVERIFY(QFile::link(program.absoluteFilePath(), d.chemin()));
    QVERIFY(FolderItem::GetFolderItem("Tarivane").isNil());
    QString erreur;
    QVERIFY(!FolderItem::GetFolderItem("Tarivane").CreateTextFile(erreur));
    QVERIFY(!erreur.isEmpty());
    // The real folder of a test program is a portable copy's.
    FolderItem::SetApplicationFolder({});
    QCOMPARE(FolderItem::SorteDeCopie(), FolderItem::Copie::Portable);
}

QTEST_GUILESS_MAIN(TestFichiers)
#include "tst_fichiers.moc"
