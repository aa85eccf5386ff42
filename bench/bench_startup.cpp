// Cold start to the first painted main window, and peak memory, of the program's start-up
// against a bare Qt window; runs interleaved, medians compared.
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BASELINE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // One unmeasured run each, so both start from the same warm file cache.
    lancer(argv[1]);
    lancer(argv[2]);
    std::vector<double> tempsA, tempsB;
    std::vector<long> rssA, rssB;
    for (int i = 0; i < runs; ++i) {
        const Mesure a = lancer(argv[1]);
        const Mesure b = lancer(argv[2]);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        tempsA.push_back(a.ms);
        tempsB.push_back(b.ms);
        rssA.push_back(a.rssKiB);
        rssB.push_back(b.rssKiB);
    }
    const double t = mediane(tempsA), tb = mediane(tempsB);
    const double r = static_cast<double>(mediane(rssA)), rb = static_cast<double>(mediane(rssB));
    const std::string titre = "figure (median of " + std::to_string(runs) + " runs)";
    std::printf("%-44s %12s %12s %8s %8s\n", titre.c_str(), "program", "baseline", "ratio",
                "target");
    std::printf("%-44s %10.1f ms %9.1f ms %8.2f %8s%s\n", "4a. start to first painted window", t,
                tb, t / tb, "<= 1.20", t / tb <= 1.2 ? "" : "  MISSED");
    std::printf("%-44s %9.0f KiB %8.0f KiB %8.2f %8s%s\n", "4b. peak memory (RSS)", r, rb, r / rb,
                "<= 1.20", r / rb <= 1.2 ? "" : "  MISSED");
    return 0;
}
