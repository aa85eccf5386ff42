# The two commands: `make run` and `make test`. Both install what is missing first.
PRESET ?= dev
BUILD  := build/$(PRESET)

.PHONY: all setup configure build run test screenshot fuzz bench memcheck package clean format \
        windows test-windows

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake --preset $(PRESET)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build --preset $(PRESET)

run: build
	@if [ -z "$${DISPLAY:-}" ] && [ -z "$${WAYLAND_DISPLAY:-}" ] && [ "$$(uname)" != "Darwin" ]; then \
	    echo "No display here: the window cannot be shown."; \
	    echo "To see it anyway: xvfb-run -s '-screen 0 1024x768x24' $(BUILD)/app/tarivane"; \
	    echo "or render pictures of it with: make screenshot"; \
	    exit 1; \
	fi
	$(BUILD)/app/tarivane

test: build
	ctest --preset $(PRESET)

screenshot: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/screenshots/tarivane_screenshot screenshots
	for e in 1366x768 1024x600; do \
	    QT_QPA_PLATFORM=offscreen:configfile=tests/ui/ecran-$$e.json \
	        $(BUILD)/screenshots/tarivane_screenshot screenshots --bureau || exit 1; \
	done

package: build
	scripts/setup.sh dpkg-dev
	cd $(BUILD) && cpack -B $(CURDIR)/build/package
	@ls build/package/*.deb

# Benchmarks: each figure beside its baseline. BENCH_TIME and STARTUP_RUNS shorten them.
BENCH_TIME ?= 1
STARTUP_RUNS ?= 41
bench: setup
	scripts/setup.sh libbenchmark-dev
	@[ -f build/bench/build.ninja ] || cmake --preset bench
	cmake --build --preset bench
	build/bench/bench/bench_fees --benchmark_min_time=$(BENCH_TIME)
	QT_QPA_PLATFORM=offscreen build/bench/bench/bench_window --benchmark_min_time=$(BENCH_TIME)
	@# As she starts it once her tariffs are saved: a first start, with no settings file, also
	@# opens the notice that the tariffs are those of July 2007. Beside them, her round of 200
	@# patients with the last one open, made afresh through the program's own store.
	printf '3.15\n2.75\n8.50\n9.15\n4.00\n' > build/bench/bench/Tarivane
	rm -f build/bench/bench/Patients.sqlite build/bench/bench/Patients.sqlite-wal \
	    build/bench/bench/Patients.sqlite-shm
	build/bench/bench/store_patients build/bench/bench 200
	build/bench/bench/bench_startup build/bench/bench/startup_probe build/bench/bench/bare_window \
	    build/bench/bench/fonts_window $(STARTUP_RUNS)

# Valgrind over the suite: no definite leak, no invalid access. MEMCHECK_TESTS narrows it.
MEMCHECK_TESTS ?= tst_
memcheck: build
	scripts/setup.sh valgrind
	scripts/memcheck.sh $(BUILD) '$(MEMCHECK_TESTS)'

# Windows: Qt for MinGW-w64 built once from Debian's sources into ~/.cache/tarivane, then the
# program as build/windows/Tarivane-<version>-windows-x64.zip and .msi, or the tests run under
# Wine and the installer tried there.
windows: setup
	scripts/windows.sh build

test-windows: setup
	scripts/windows.sh test

FUZZ_SECONDS ?= 60
fuzz:
	@command -v clang++ >/dev/null || { echo "clang++ is not installed: apt-get install clang"; exit 1; }
	@scripts/setup.sh clang libclang-rt-14-dev
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/fuzz_settings -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	    -rss_limit_mb=2048 build/fuzz/corpus fuzz/corpus

format:
	find framework fees ui app tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
