#include "framework/FolderItem.h"
#include "framework/Raison.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "support/Dossier.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using framework::FolderItem;
using framework::TextInputStream;

namespace {

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
    void streamDroppedWithoutCloseKeepsOldFile();
    void replacingKeepsPermissionsAndOwner();
    void anUnknownCauseIsNumbered();
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

void TestFichiers::anUnknownCauseIsNumbered() {
    QCOMPARE(framework::Raison(4242), QStringLiteral("erreur du système n° 4242"));
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
