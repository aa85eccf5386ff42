// Cold start to the first painted main window, and peak memory, of the program's start-up
// against two floors: a bare Qt window, and the same window drawing with the "Times" faces the
// program loads. Runs interleaved, medians compared.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Mesure {
    double ms = 0;
    long rssKiB = 0;
    bool ok = false;
};

Mesure lancer(const std::string& programme) {
    Mesure m;
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(programme.c_str()), nullptr};
    const auto debut = std::chrono::steady_clock::now();
    // Qt's start-up chatter would drown the table.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int echec = posix_spawn(&pid, programme.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (echec != 0)
        return m;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return m;
    m.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    m.rssKiB = usage.ru_maxrss;
    m.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return m;
}

template <typename T> T mediane(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROGRAM EMPTY_WINDOW FONTS_WINDOW [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // One unmeasured run each, so that all start from the same warm file cache.
    constexpr int N = 3;
    for (int p = 0; p < N; ++p)
        lancer(argv[1 + p]);
    std::vector<double> temps[N];
    std::vector<long> rss[N];
    for (int i = 0; i < runs; ++i)
        for (int p = 0; p < N; ++p) {
            const Mesure m = lancer(argv[1 + p]);
            if (!m.ok) {
                std::fprintf(stderr, "a run of %s failed\n", argv[1 + p]);
                return 1;
            }
            temps[p].push_back(m.ms);
            rss[p].push_back(m.rssKiB);
        }
    const double t = mediane(temps[0]), vide = mediane(temps[1]), polices = mediane(temps[2]);
    const double r = static_cast<double>(mediane(rss[0]));
    const double rVide = static_cast<double>(mediane(rss[1]));
    const auto ligne = [](const char* titre, double a, double b, const char* unite, double cible) {
        char cibleTexte[16];
        std::snprintf(cibleTexte, sizeof cibleTexte, "<= %.2f", cible);
        std::printf("%-52s %9.1f %-3s %9.1f %-3s %8.3f %8s%s\n", titre, a, unite, b, unite, a / b,
                    cibleTexte, a / b <= cible ? "" : "  MISSED");
    };
    const std::string titre = "figure (median of " + std::to_string(runs) + " runs)";
    std::printf("%-52s %13s %13s %8s %8s\n", titre.c_str(), "program", "baseline", "ratio",
                "target");
    ligne("4a. start to first painted window (empty window)", t, vide, "ms", 1.20);
    ligne("4b. the same (window drawing Times 12 and bold 16)", t, polices, "ms", 1.15);
    ligne("4c. peak memory, RSS (empty window)", r, rVide, "KiB", 1.20);
    return 0;
}
