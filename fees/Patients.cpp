#include "fees/Patients.h"

#include "fees/Defaut.h"
#include "fees/Francais.h"
#include "framework/FolderItem.h"
#include "framework/Raison.h"
#include "framework/TextOutputStream.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

using Poste = Estimation::Poste;

// SQLite's result codes, as sqlite3.h defines them (sqlite.org/rescode.html); Qt's driver gives
// the extended ones, whose low byte is the primary code.
enum Code {
    Occupe = 5,
    Verrou = 6,
    LectureSeule = 8,
    Disque = 10,
    Abime = 11,
    Plein = 13,
    Contrainte = 19,
    PasUneBase = 26,
    EcritureRefusee = 778 // SQLITE_IOERR_WRITE
};

int code(const QSqlError& e) {
    return e.nativeErrorCode().toInt() & 0xFF;
}

// The month's counts she may correct, each with its column.
struct Correction {
    Poste poste;
    const char* colonne;
};
constexpr Correction Corrections[] = {{Poste::Jours, "jours_traitement"},
                                      {Poste::Dimanches, "dimanches"},
                                      {Poste::Pansements, "pansements"},
                                      {Poste::Nuits, "nuits"},
                                      {Poste::Surveillance, "surveillances"}};

// From each version of the schema to the next: the first one makes it. A month's weekdays are
// bits, lundi the lowest; a count she did not correct is NULL.
const std::array<QStringList, Patients::Version> Migrations{{
    {QStringLiteral("CREATE TABLE patient (id INTEGER PRIMARY KEY, nom TEXT NOT NULL UNIQUE, "
                    "modalite INTEGER NOT NULL CHECK (modalite IN (0, 1)), poches REAL NOT NULL, "
                    "jours REAL NOT NULL, dimanches REAL NOT NULL, pansements REAL NOT NULL, "
                    "nuits REAL NOT NULL, surveillances REAL NOT NULL)"),
     QStringLiteral("CREATE TABLE mois (patient INTEGER NOT NULL REFERENCES patient (id) ON "
                    "DELETE CASCADE, annee INTEGER NOT NULL, mois INTEGER NOT NULL CHECK (mois "
                    "BETWEEN 1 AND 12), jours INTEGER NOT NULL, pour_jours INTEGER NOT NULL, "
                    "calendrier INTEGER NOT NULL, jours_traitement INTEGER, dimanches INTEGER, "
                    "pansements INTEGER, nuits INTEGER, surveillances INTEGER, PRIMARY KEY "
                    "(patient, annee, mois)) WITHOUT ROWID"),
     QStringLiteral("CREATE TABLE ouvert (seul INTEGER PRIMARY KEY CHECK (seul = 1), patient "
                    "INTEGER REFERENCES patient (id) ON DELETE SET NULL)")},
}};

const QString ColonnesPatient =
    QStringLiteral("id, nom, modalite, poches, jours, dimanches, pansements, nuits, surveillances");

Patients::Patient lirePatient(const QSqlQuery& q) {
    const auto d = [&](int i) { return q.value(i).toDouble(); };
    return {
        q.value(0).toLongLong(),
        q.value(1).toString(),
        {d(3), d(4), d(5), d(6), d(7), d(8), q.value(2).toInt() ? Modalite::DPA : Modalite::DPCA}};
}

Patients::Mois lireMois(const QSqlQuery& q, int premiere) {
    Patients::Mois m;
    const int bits = q.value(premiere).toInt();
    for (int j = 0; j < 7; ++j)
        m.jours[j] = bits & (1 << j);
    m.pourJours = q.value(premiere + 1).toInt();
    m.calendrier = Calendrier(std::clamp(q.value(premiere + 2).toInt(), 0, NombreCalendriers - 1));
    for (int i = 0; i < int(std::size(Corrections)); ++i)
        if (!q.isNull(premiere + 3 + i))
            m.corrections.insert(Corrections[i].poste, q.value(premiere + 3 + i).toInt());
    return m;
}

int compteurConnexions = 0;

} // namespace

Patients::Patients(const QString& chemin, int attente)
    : chemin_(chemin), connexion_(QStringLiteral("Patients-%1").arg(++compteurConnexions)),
      attente_(attente) {
    // Left whole when the program quits: a copy of the file alone, made by hand, then holds
    // every change.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &Patients::fermer);
    ouvrir(false);
}

Patients::~Patients() {
    fermer();
    QSqlDatabase::removeDatabase(connexion_);
}

void Patients::fermer() {
    QSqlDatabase::database(connexion_, false).close();
    if (etat_ == Etat::Pret)
        etat_ = Etat::Absent;
}

QString Patients::Chemin() {
    return Defaut::Voisin(NomFichier.toString()).path();
}

QString Patients::Avis(const QString& chemin) {
    return QStringLiteral("Vos patients sont enregistrés dans « %1 ». Ce fichier contient des "
                          "données de santé : nommez-les par leurs initiales ou un pseudonyme, "
                          "et gardez-en une copie (« Sauvegarder mes patients… » du menu File).")
        .arg(QDir::toNativeSeparators(chemin));
}

QString Patients::erreur() const {
    return erreur_;
}

QString Patients::Nom(const QString& texte, QString& raison) {
    const QString nom = texte.simplified();
    // The name goes into the default name of a PDF: no sign a file's name may not hold.
    static const QString interdits = QStringLiteral("/\\:*?\"<>|");
    const bool signe = std::any_of(nom.begin(), nom.end(), [](QChar c) {
        return interdits.contains(c) || c.category() == QChar::Other_Control;
    });
    if (nom.isEmpty())
        raison = QStringLiteral("Le nom est vide : donnez des initiales ou un pseudonyme.");
    else if (nom.size() > LongueurNom)
        raison = QStringLiteral("Le nom dépasse %1 caractères : des initiales ou un pseudonyme "
                                "suffisent.")
                     .arg(LongueurNom);
    else if (signe)
        raison = QStringLiteral("Le nom ne peut contenir aucun de ces signes : %1.")
                     .arg(QStringList(interdits.begin(), interdits.end()).join(u' '));
    else
        return nom;
    return {};
}

QSqlDatabase Patients::base() const {
    return QSqlDatabase::database(connexion_, false);
}

QString Patients::echec(const QString& raison) const {
    return QStringLiteral("Le fichier des patients « %1 » n'a pas pu être utilisé : %2.")
        .arg(QDir::toNativeSeparators(chemin_), raison);
}

QString Patients::pourquoi(const QSqlError& e) const {
    switch (code(e)) {
    case Occupe:
    case Verrou:
        return QStringLiteral("il est verrouillé par un autre programme depuis plus de %1 s")
            .arg(Francais::Locale().toString(attente_ / 1000.0));
    case LectureSeule:
        return QStringLiteral("il est en lecture seule");
    case Disque:
        // A write refused by the system (SQLITE_IOERR_WRITE) is most often a full disk, a
        // quota or a size limit: SQLite tells them apart only when it sees the space run out.
        if (e.nativeErrorCode().toInt() != EcritureRefusee)
            return framework::Raison(EIO);
        [[fallthrough]];
    case Plein:
        return QStringLiteral("le disque est plein, ou le fichier dépasse la taille permise");
    case Abime:
    case PasUneBase:
        return QStringLiteral("ce n'est pas une base de patients de Tarivane, ou elle est "
                              "endommagée ; il est laissé tel quel");
    }
    return QStringLiteral("erreur de la base de données n° %1").arg(e.nativeErrorCode());
}

// Opened only when the file is there, made only for a first patient; a file that cannot be
// used is never written to, so that it stays byte for byte as she left it.
bool Patients::ouvrir(bool creer) const {
    if (etat_ == Etat::Pret || etat_ == Etat::Inutilisable)
        return etat_ == Etat::Pret;
    const auto refus = [&](Etat etat, const QString& raison) {
        // Closed at once: no lock is kept on a file that is not used.
        QSqlDatabase::database(connexion_, false).close();
        etat_ = etat;
        erreur_ = echec(raison);
        return false;
    };
    QFileInfo info(chemin_);
    if (!info.exists() && !creer) {
        etat_ = Etat::Absent;
        erreur_.clear();
        return false;
    }
    if (!info.exists()) {
        // Hers alone from the start: health data.
        framework::EffacerErreur();
        QFile fichier(chemin_);
        const bool fait = QDir().mkpath(info.absolutePath()) &&
                          fichier.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                                       QFile::ReadOwner | QFile::WriteOwner);
        const int raison = framework::DerniereErreur();
        fichier.close();
        info.refresh();
        // Made meanwhile by another copy of the program: that one is used.
        if (!fait && !info.exists()) {
            erreur_ = echec(framework::Raison(raison));
            return false;
        }
    }
    if (!info.isFile())
        return refus(Etat::Inutilisable, QStringLiteral("ce n'est pas un fichier ordinaire"));
    // SQLite would open it for reading only, and fail at the first change.
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        return refus(Etat::Inutilisable,
                     QStringLiteral("il est en lecture seule, ou son dossier l'est ; il est "
                                    "laissé tel quel"));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return refus(Etat::Inutilisable,
                     QStringLiteral("le module SQLite de Qt n'est pas installé"));
    QSqlDatabase db = QSqlDatabase::contains(connexion_)
                          ? base()
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connexion_);
    // mode=rw: SQLite opens the file that is there and never makes one of its own.
    db.setDatabaseName(QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(attente_));
    if (!db.open())
        return refus(Etat::Inutilisable, pourquoi(db.lastError()));
    QSqlQuery q(db);
    const auto lu = [&](const char* sql) { return q.exec(QLatin1String(sql)) && q.next(); };
    if (!lu("PRAGMA user_version"))
        return refus(code(q.lastError()) == Occupe || code(q.lastError()) == Verrou
                         ? Etat::Verrouille
                         : Etat::Inutilisable,
                     pourquoi(q.lastError()));
    version_ = q.value(0).toInt();
    if (version_ > Version)
        return refus(Etat::Inutilisable,
                     QStringLiteral("il vient d'une version plus récente de Tarivane (format %1, "
                                    "celle-ci lit le %2) ; il est laissé tel quel")
                         .arg(version_)
                         .arg(Version));
    if (version_ == 0 && lu("SELECT count(*) FROM sqlite_master") && q.value(0).toInt() > 0)
        return refus(Etat::Inutilisable,
                     QStringLiteral("ce n'est pas une base de patients de Tarivane ; il est "
                                    "laissé tel quel"));
    // One write-ahead log shared by every copy of the program; in that mode a commit survives
    // the program being killed, and only a power loss may take back the last ones
    // (sqlite.org/pragma.html#pragma_synchronous).
    if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON")) || !lu("PRAGMA journal_mode = WAL") ||
        !q.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return refus(code(q.lastError()) == Occupe ? Etat::Verrouille : Etat::Inutilisable,
                     pourquoi(q.lastError()));
    etat_ = Etat::Pret;
    erreur_.clear();
    return true;
}

QString Patients::ecrire(const std::function<QString(QSqlDatabase&)>& f, bool creer) {
    // Only a new patient makes the file.
    if (!ouvrir(creer))
        return erreur_.isEmpty() ? QStringLiteral("Ce patient n'existe plus.") : erreur_;
    QSqlDatabase db = base();
    QSqlQuery q(db);
    // The write lock from the start: a busy copy is waited for, never taken over half-way. A
    // lock that outlasts the wait is tried once more.
    for (int essai = 0; !q.exec(QStringLiteral("BEGIN IMMEDIATE")); ++essai)
        if (essai == 1 || code(q.lastError()) != Occupe)
            return echec(pourquoi(q.lastError()));
    bool migre = false;
    QString raison;
    if (version_ < Version) {
        // Another copy may have brought it up to date meanwhile.
        int v = q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
        for (; v < Version && raison.isEmpty(); ++v)
            for (const QString& sql : Migrations[v])
                if (raison.isEmpty() && !q.exec(sql))
                    raison = echec(pourquoi(q.lastError()));
        if (raison.isEmpty() && !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(Version)))
            raison = echec(pourquoi(q.lastError()));
        migre = true;
    }
    if (raison.isEmpty())
        raison = f(db);
    if (raison.isEmpty() && !q.exec(QStringLiteral("COMMIT")))
        raison = echec(pourquoi(q.lastError()));
    if (!raison.isEmpty()) {
        q.exec(QStringLiteral("ROLLBACK"));
        return raison;
    }
    if (migre)
        version_ = Version;
    emit modifie();
    return {};
}

QString Patients::nomLibre(QSqlDatabase& db, const QString& texte, qint64 sauf,
                           QString& nom) const {
    QString raison;
    nom = Nom(texte, raison);
    if (nom.isEmpty())
        return raison;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT id, nom FROM patient")))
        return echec(pourquoi(q.lastError()));
    while (q.next())
        if (q.value(0).toLongLong() != sauf &&
            q.value(1).toString().compare(nom, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Un patient s'appelle déjà « %1 » : choisissez un autre nom.")
                .arg(q.value(1).toString());
    return {};
}

QList<Patients::Patient> Patients::liste() const {
    QList<Patient> patients;
    if (!ouvrir(false))
        return patients;
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM patient").arg(ColonnesPatient)))
        return patients;
    while (q.next())
        patients.append(lirePatient(q));
    // In the order of a French list, capitals or not.
    QCollator ordre(Francais::Locale());
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(patients.begin(), patients.end(),
              [&](const Patient& a, const Patient& b) { return ordre.compare(a.nom, b.nom) < 0; });
    return patients;
}

std::optional<Patients::Patient> Patients::patient(qint64 id) const {
    if (etat_ != Etat::Pret)
        return std::nullopt;
    QSqlQuery q(base());
    q.prepare(QStringLiteral("SELECT %1 FROM patient WHERE id = ?").arg(ColonnesPatient));
    q.addBindValue(id);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return lirePatient(q);
}

Patients::Mois Patients::mois(qint64 id, int annee, int mois) const {
    if (etat_ != Etat::Pret)
        return {};
    QSqlQuery q(base());
    q.prepare(QStringLiteral("SELECT jours, pour_jours, calendrier, jours_traitement, dimanches, "
                             "pansements, nuits, surveillances FROM mois WHERE patient = ? AND "
                             "annee = ? AND mois = ?"));
    q.addBindValue(id);
    q.addBindValue(annee);
    q.addBindValue(mois);
    return q.exec() && q.next() ? lireMois(q, 0) : Mois{};
}

QHash<qint64, Patients::Mois> Patients::moisDeTous(int annee, int mois) const {
    QHash<qint64, Mois> tous;
    if (etat_ != Etat::Pret)
        return tous;
    QSqlQuery q(base());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT patient, jours, pour_jours, calendrier, jours_traitement, "
                             "dimanches, pansements, nuits, surveillances FROM mois WHERE annee = "
                             "? AND mois = ?"));
    q.addBindValue(annee);
    q.addBindValue(mois);
    if (q.exec())
        while (q.next())
            tous.insert(q.value(0).toLongLong(), lireMois(q, 1));
    return tous;
}

qint64 Patients::dernier() const {
    if (etat_ != Etat::Pret)
        return 0;
    QSqlQuery q(base());
    return q.exec(QStringLiteral("SELECT patient FROM ouvert")) && q.next()
               ? q.value(0).toLongLong()
               : 0;
}

QString Patients::creer(const QString& nom, const Choix& choix, qint64* id) {
    // Refused before the file is made.
    QString raison;
    if (Nom(nom, raison).isEmpty())
        return raison;
    return ecrire(
        [&](QSqlDatabase& db) {
            QString n;
            if (const QString r = nomLibre(db, nom, 0, n); !r.isEmpty())
                return r;
            QSqlQuery q(db);
            q.prepare(
                QStringLiteral("INSERT INTO patient (nom, modalite, poches, jours, dimanches, "
                               "pansements, nuits, surveillances) VALUES (?, ?, ?, ?, ?, ?, ?, "
                               "?)"));
            for (const QVariant& v :
                 {QVariant(n), QVariant(int(choix.modalite)), QVariant(choix.poches),
                  QVariant(choix.jours), QVariant(choix.dimanches), QVariant(choix.pansements),
                  QVariant(choix.nuits), QVariant(choix.surveillances)})
                q.addBindValue(v);
            if (!q.exec())
                return echec(pourquoi(q.lastError()));
            if (id)
                *id = q.lastInsertId().toLongLong();
            return QString();
        },
        true);
}

QString Patients::renommer(qint64 id, const QString& nom) {
    QString raison;
    if (Nom(nom, raison).isEmpty())
        return raison;
    return ecrire([&](QSqlDatabase& db) {
        QString n;
        if (const QString r = nomLibre(db, nom, id, n); !r.isEmpty())
            return r;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE patient SET nom = ? WHERE id = ?"));
        q.addBindValue(n);
        q.addBindValue(id);
        if (!q.exec())
            return echec(pourquoi(q.lastError()));
        return q.numRowsAffected() == 1 ? QString() : QStringLiteral("Ce patient n'existe plus.");
    });
}

QString Patients::supprimer(qint64 id) {
    return ecrire([&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM patient WHERE id = ?"));
        q.addBindValue(id);
        return q.exec() ? QString() : echec(pourquoi(q.lastError()));
    });
}

QString Patients::enregistrer(qint64 id, const Choix& choix) {
    return ecrire([&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE patient SET modalite = ?, poches = ?, jours = ?, "
                                 "dimanches = ?, pansements = ?, nuits = ?, surveillances = ? "
                                 "WHERE id = ?"));
        for (const QVariant& v :
             {QVariant(int(choix.modalite)), QVariant(choix.poches), QVariant(choix.jours),
              QVariant(choix.dimanches), QVariant(choix.pansements), QVariant(choix.nuits),
              QVariant(choix.surveillances), QVariant(id)})
            q.addBindValue(v);
        if (!q.exec())
            return echec(pourquoi(q.lastError()));
        return q.numRowsAffected() == 1 ? QString() : QStringLiteral("Ce patient n'existe plus.");
    });
}

QString Patients::enregistrer(qint64 id, int annee, int mois, const Mois& m) {
    return ecrire([&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO mois VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                 "?, ?)"));
        int bits = 0;
        for (int j = 0; j < 7; ++j)
            bits |= m.jours[j] << j;
        for (const QVariant& v : {QVariant(id), QVariant(annee), QVariant(mois), QVariant(bits),
                                  QVariant(m.pourJours), QVariant(int(m.calendrier))})
            q.addBindValue(v);
        for (const Correction& c : Corrections)
            q.addBindValue(m.corrections.contains(c.poste) ? QVariant(m.corrections[c.poste])
                                                           : QVariant());
        if (q.exec())
            return QString();
        return code(q.lastError()) == Contrainte ? QStringLiteral("Ce patient n'existe plus.")
                                                 : echec(pourquoi(q.lastError()));
    });
}

QString Patients::retenirDernier(qint64 id) {
    if (id == 0 && !ouvrir(false))
        return {};
    return ecrire([&](QSqlDatabase& db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT OR REPLACE INTO ouvert VALUES (1, ?)"));
        q.addBindValue(id ? QVariant(id) : QVariant());
        return q.exec() ? QString() : echec(pourquoi(q.lastError()));
    });
}

QString Patients::sauvegarder(const QString& copie, bool remplacer) const {
    const QFileInfo cible(copie);
    if (cible.exists() && !remplacer)
        return QStringLiteral("« %1 » existe déjà : il n'est pas remplacé.")
            .arg(QDir::toNativeSeparators(copie));
    if (!ouvrir(false))
        return erreur_.isEmpty() ? QStringLiteral("Aucun patient n'est encore enregistré.")
                                 : erreur_;
    // VACUUM INTO writes a consistent snapshot into a file that must be new or empty
    // (sqlite.org/lang_vacuum.html#vacuuminto): an empty private file beside the copy.
    QTemporaryFile temporaire(cible.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    framework::EffacerErreur();
    const auto rate = [&](const QString& raison) {
        return QStringLiteral("La copie n'a pas pu être écrite dans « %1 » : %2.")
            .arg(QDir::toNativeSeparators(copie), raison);
    };
    if (!temporaire.open())
        return rate(framework::Raison(framework::DerniereErreur()));
    temporaire.close();
    QSqlQuery q(base());
    if (!q.exec(QStringLiteral("VACUUM INTO '%1'")
                    .arg(QString(temporaire.fileName()).replace(u'\'', QStringLiteral("''")))))
        return rate(pourquoi(q.lastError()));
    // Then written whole where she chose, as any file of hers: private, replaced only once
    // complete, on every platform.
    QString raison;
    if (!temporaire.open())
        return rate(framework::Raison(framework::DerniereErreur()));
    const auto flux = framework::FolderItem(cible.absoluteFilePath()).CreateTextFile(raison);
    if (!flux)
        return rate(raison);
    flux->Write(temporaire.readAll());
    return flux->Close(raison) ? QString() : rate(raison);
}
