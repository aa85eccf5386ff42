// The fee computation, and reading and saving the settings file, each beside a plain baseline.
#include "RatioReporter.h"
#include "fees/Calcul.h"
#include "fees/Defaut.h"
#include "framework/FolderItem.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir& dossier() {
    static QTemporaryDir dir;
    return dir;
}

void BM_Calcul(benchmark::State& state) {
    Choix choix{4, 7, 1, 3, 7, 7, Modalite::DPCA};
    const Tarifs tarifs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(choix);
        benchmark::DoNotOptimize(Calcul(choix, tarifs));
    }
}

// The same products and sums written inline on local doubles.
void BM_CalculBaseline(benchmark::State& state) {
    double p[6] = {4, 7, 1, 3, 7, 7};
    double t[5] = {3.0, 2.2, 7.8, 9.15, 4.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(t);
        double total = p[0] * p[1] * t[4] * t[0] + p[0] * p[1] * t[1] + t[0] * 4 * p[3] +
                       p[2] * p[0] * t[2] + p[4] * t[3];
        double jour = p[0] * t[4] * t[0] + t[1] * p[0];
        benchmark::DoNotOptimize(jour * p[1]);
        benchmark::DoNotOptimize(total * 52.0 / 12.0);
    }
}

const std::array<QString, 5> Textes{"3.00", "2.20", "7.80", "9.15", "4.00"};

void BM_Lecture(benchmark::State& state) {
    framework::FolderItem::SetApplicationFolder(dossier().path());
    Defaut::Ecriture(Textes);
    for (auto _ : state)
        benchmark::DoNotOptimize(Defaut::Lecture());
}

void BM_LectureBaseline(benchmark::State& state) {
    const QString chemin = dossier().filePath("Tarivane");
    for (auto _ : state) {
        QFile f(chemin);
        f.open(QIODevice::ReadOnly);
        double somme = 0;
        for (int i = 0; i < 5; ++i)
            somme += QString::fromUtf8(f.readLine()).trimmed().toDouble();
        benchmark::DoNotOptimize(somme);
    }
}

void BM_Ecriture(benchmark::State& state) {
    framework::FolderItem::SetApplicationFolder(dossier().path());
    for (auto _ : state)
        benchmark::DoNotOptimize(Defaut::Ecriture(Textes));
}

void BM_EcritureBaseline(benchmark::State& state) {
    const QString chemin = dossier().filePath("Tarivane-baseline");
    for (auto _ : state) {
        QFile f(chemin);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (const QString& t : Textes)
            f.write((t + u'\n').toUtf8());
        f.close();
    }
}

} // namespace

BENCHMARK(BM_Calcul);
BENCHMARK(BM_CalculBaseline);
BENCHMARK(BM_Lecture);
BENCHMARK(BM_LectureBaseline);
BENCHMARK(BM_Ecriture);
BENCHMARK(BM_EcritureBaseline);

int main(int argc, char** argv) {
    return runWithRatios(argc, argv,
                         {{"1. fee computation", "BM_Calcul", "BM_CalculBaseline", 0},
                          {"3a. reading the settings file", "BM_Lecture", "BM_LectureBaseline", 0},
                          {"3b. saving the settings file (atomic, read back)", "BM_Ecriture",
                           "BM_EcritureBaseline", 0}});
}
