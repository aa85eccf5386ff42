// The real window: a full recompute through a pop-up change, beside drawing the same sheet
// straight into a QImage; a count change of the open patient, saved, beside the same change with
// no patient open; her patients' window opened on a round of 200, beside a bare table of the
// same rows.
#include "FirstPaint.h"
#include "RatioReporter.h"
#include "StorePatients.h"
#include "app/MenuBar1.h"
#include "fees/Francais.h"
#include "fees/Patients.h"
#include "framework/FolderItem.h"
#include "ui/Style.h"
#include "ui/main/Window1.h"
#include "ui/patients/WPatients.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

namespace {

constexpr int NombrePatients = 200;

// The window started on a folder holding none of her patients, or a round of them with the last
// one open, as she finds it at start.
enum class Magasin { Vide, Tournee };

QPointer<Window1> courante;

Window1* fenetre(Magasin magasin) {
    static QTemporaryDir vide, tournee;
    static Magasin laquelle = Magasin::Vide;
    if (courante && laquelle == magasin)
        return courante;
    delete courante;
    const QTemporaryDir& dossier = magasin == Magasin::Vide ? vide : tournee;
    const QString chemin = dossier.filePath(Patients::NomFichier.toString());
    if (magasin == Magasin::Tournee && !QFileInfo::exists(chemin)) {
        Patients patients(chemin);
        if (!storePatients(patients, NombrePatients).isEmpty())
            return nullptr;
    }
    framework::FolderItem::SetApplicationFolder(dossier.path());
    courante = Window1::instance();
    laquelle = magasin;
    courante->show();
    QCoreApplication::processEvents();
    return courante;
}

// Each iteration timed on its own, and their median given to the figures: now and then a save
// waits on the disk, SQLite folding its log into the file once the log holds 1000 pages
// (sqlite.org/c3ref/wal_autocheckpoint.html), and each change is one she feels.
class Durees {
public:
    explicit Durees(const benchmark::State& state) {
        nanosecondes_.reserve(std::size_t(state.max_iterations));
    }
    void demarrer() { debut_ = std::chrono::steady_clock::now(); }
    void arreter() {
        nanosecondes_.push_back(
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - debut_)
                .count());
    }
    void rapporter(benchmark::State& state) {
        if (nanosecondes_.empty())
            return;
        std::sort(nanosecondes_.begin(), nanosecondes_.end());
        const std::size_t n = nanosecondes_.size();
        state.counters[RatioReporter::Median] =
            n % 2 ? nanosecondes_[n / 2] : (nanosecondes_[n / 2 - 1] + nanosecondes_[n / 2]) / 2;
    }

private:
    std::chrono::steady_clock::time_point debut_;
    std::vector<double> nanosecondes_;
};

// Events processed until the widget has been painted; false if it never is.
bool attendrePeinture(const FirstPaint& peinture) {
    const QDeadlineTimer limite(5000);
    while (!peinture.seen() && !limite.hasExpired())
        QCoreApplication::processEvents();
    return peinture.seen();
}

void BM_RecalculParMenu(benchmark::State& state) {
    auto* menu = fenetre(Magasin::Vide)->findChild<QComboBox*>("PopupMenu5");
    int i = 0;
    for (auto _ : state)
        menu->setCurrentIndex(6 + (++i & 1));
}

void BM_FeuilleQPainter(benchmark::State& state) {
    QImage image(386, 85, QImage::Format_ARGB32_Premultiplied);
    QFont titre(QStringLiteral("Times"));
    titre.setPixelSize(16);
    titre.setBold(true);
    titre.setUnderline(true);
    QFont gras = titre;
    gras.setUnderline(false);
    const QPen rouge(QColor(255, 0, 0));
    int i = 0;
    for (auto _ : state) {
        const bool pair = (++i & 1) != 0;
        QPainter p(&image);
        p.fillRect(image.rect(), QColor(216, 253, 244));
        p.setPen(rouge);
        p.setFont(titre);
        p.drawText(QPoint(170, 20), QStringLiteral("DPCA"));
        p.drawLine(0, 28, 386, 28);
        p.setFont(gras);
        p.drawText(QPoint(10, 46), QStringLiteral("Facturation hebdomadaire"));
        p.drawText(QPoint(300, 46), pair ? QStringLiteral("519.70 €") : QStringLiteral("528.85 €"));
        p.drawLine(0, 54, 386, 54);
        p.drawText(QPoint(10, 70), QStringLiteral("Facturation mensuelle moyenne"));
        p.drawText(QPoint(290, 70),
                   pair ? QStringLiteral("2,252.03 €") : QStringLiteral("2,291.68 €"));
        p.drawLine(0, 78, 386, 78);
    }
}

// One pop-up change after another, each timed alone.
void changements(benchmark::State& state, Window1* f) {
    auto* menu = f->findChild<QComboBox*>("PopupMenu5");
    Durees durees(state);
    int i = 0;
    for (auto _ : state) {
        durees.demarrer();
        menu->setCurrentIndex(6 + (++i & 1));
        durees.arreter();
    }
    durees.rapporter(state);
}

// The night acts of the patient open at start changed: each change recomputes and is saved.
void BM_ChangementEnregistre(benchmark::State& state) {
    Window1* f = fenetre(Magasin::Tournee);
    if (!f || f->patient() == 0) {
        state.SkipWithError("no patient open at start");
        return;
    }
    changements(state, f);
    const auto garde = Patients().patient(f->patient());
    if (!garde || garde->choix != f->choix())
        state.SkipWithError("the last change was not saved");
}

void BM_ChangementSansPatient(benchmark::State& state) {
    changements(state, fenetre(Magasin::Vide));
}

// File > Mes patients…: the window built, its month of every patient computed, shown and
// painted; then closed for good, untimed, so that the next one is built again.
void BM_OuvrirPatients(benchmark::State& state) {
    Window1* f = fenetre(Magasin::Tournee);
    QAction* action = f ? MenuBar1::instance()->item(QStringLiteral("FilePatients")) : nullptr;
    if (!action) {
        state.SkipWithError("no window on her patients");
        return;
    }
    Durees durees(state);
    for (auto _ : state) {
        durees.demarrer();
        action->trigger();
        auto* w = f->findChild<WPatients*>();
        auto* liste = w->findChild<QTableWidget*>(QStringLiteral("ListePatients"));
        const bool peint = attendrePeinture(FirstPaint(liste->viewport()));
        durees.arreter();
        state.PauseTiming();
        const int rangees = liste->rowCount();
        delete w;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!peint || rangees != NombrePatients) {
            state.SkipWithError("the window did not show every patient");
            break;
        }
    }
    durees.rapporter(state);
}

// A plain QTableWidget of the same rows and font, filled, sized to its contents, shown and
// painted.
void BM_TableauQt(benchmark::State& state) {
    QList<QStringList> rangees;
    for (int i = 0; i < NombrePatients; ++i)
        rangees.append(
            {QStringLiteral("Patient %1").arg(i + 1, 3, 10, QLatin1Char('0')),
             i % 4 == 3 ? QStringLiteral("DPA") : QStringLiteral("DPCA"),
             QStringLiteral("%1.%2 €").arg(400 + i).arg(i % 100, 2, 10, QLatin1Char('0')),
             QStringLiteral("2,%1.%2 €").arg(100 + i).arg(i % 100, 2, 10, QLatin1Char('0'))});
    const QDate aujourdhui = QDate::currentDate();
    const QString mois = Francais::Mois(aujourdhui.year(), aujourdhui.month());
    Durees durees(state);
    for (auto _ : state) {
        durees.demarrer();
        auto* table = new QTableWidget(NombrePatients, 4);
        table->setFont(policeTimes(12));
        table->setHorizontalHeaderLabels({QStringLiteral("Patient"), QStringLiteral("Modalité"),
                                          QStringLiteral("Par semaine"), mois});
        table->verticalHeader()->hide();
        for (int r = 0; r < NombrePatients; ++r)
            for (int c = 0; c < 4; ++c)
                table->setItem(r, c, new QTableWidgetItem(rangees[r][c]));
        table->resizeColumnsToContents();
        table->setMinimumSize(460, 200);
        table->show();
        const bool peint = attendrePeinture(FirstPaint(table->viewport()));
        durees.arreter();
        state.PauseTiming();
        delete table;
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!peint) {
            state.SkipWithError("the table was never painted");
            break;
        }
    }
    durees.rapporter(state);
}

} // namespace

BENCHMARK(BM_RecalculParMenu);
BENCHMARK(BM_FeuilleQPainter);
BENCHMARK(BM_ChangementEnregistre);
BENCHMARK(BM_ChangementSansPatient);
BENCHMARK(BM_OuvrirPatients);
BENCHMARK(BM_TableauQt);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int status = runWithRatios(
        argc, argv,
        {{"2. recompute through a pop-up change", "BM_RecalculParMenu", "BM_FeuilleQPainter", 1.5},
         {"5. a count change saved, 200 patients (median)", "BM_ChangementEnregistre",
          "BM_ChangementSansPatient", 0, 2},
         {"6. her patients' window opened, 200 (median)", "BM_OuvrirPatients", "BM_TableauQt", 0,
          50}});
    delete courante;
    return status;
}
