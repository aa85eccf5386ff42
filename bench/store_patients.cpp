// Makes, in the given folder, her patients' file as a nurse with a full round keeps it, through
// the program's own store, so that a start-up measured beside it starts as hers does.
#include "StorePatients.h"
#include "fees/Patients.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER [COUNT]\n", argv[0]);
        return 2;
    }
    const int count = argc > 2 ? QByteArray(argv[2]).toInt() : 200;
    const QString chemin =
        QDir(QString::fromLocal8Bit(argv[1])).filePath(Patients::NomFichier.toString());
    // Made whole each time: patients added to an older file would not be the round measured.
    if (QFileInfo::exists(chemin)) {
        std::fprintf(stderr, "%s is already there\n", qPrintable(chemin));
        return 1;
    }
    Patients patients(chemin);
    if (const QString raison = storePatients(patients, count); !raison.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(raison));
        return 1;
    }
    std::printf("%d patients in %s, the last one open\n", count, qPrintable(chemin));
    return 0;
}
