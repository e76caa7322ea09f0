# The two set-up commands of the README: `make play` and `make test`.
# Both first install, from Debian's archive, whatever the machine lacks.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: play test deps build build-asan test-release test-package test-asan clean

play: deps build
	./scripts/play $(BUILD_DIR)

test: deps test-release test-package test-asan test-tsan valgrind

deps:
	./scripts/install-deps

build:
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

test-release:
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Makes the Debian package from the tested build and checks it: unpacked, run, lintian, validators.
test-package: test-release
	./scripts/check-package $(BUILD_DIR)

test-asan:
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON \
	  -DFLIPSTONE_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TSAN_DIR)

# ThreadSanitizer over the targets without a window (Debian's Qt is not instrumented): `make
# tsan` runs all their tests and a threaded soak; `make test` runs the tests that start the
# search thread, the check of the baseline kernel's object code, and a shorter soak.
TSAN_DIR ?= build-tsan
TSAN_TESTS := Threaded|SearchWorker|soak_threaded|SelfPlay|engine_baseline_kernel_uses_no_avx

.PHONY: tsan test-tsan tsan-build

tsan-build:
	cmake -S . -B $(TSAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON \
	  -DFLIPSTONE_TSAN=ON -DFLIPSTONE_DESKTOP=OFF -DFLIPSTONE_BENCH=OFF
	cmake --build $(TSAN_DIR) -j $(JOBS)

tsan: deps tsan-build
	cd $(TSAN_DIR) && ctest --output-on-failure -j $(JOBS) -LE "no-sanitizer|fuzz-replay"
	$(TSAN_DIR)/soak/flipstone-soak --games 64 --worker threaded --quiet

test-tsan: tsan-build
	cd $(TSAN_DIR) && ctest --output-on-failure -j $(JOBS) -R "$(TSAN_TESTS)"

# The Debian package flipstone_<version>_<architecture>.deb, made by CPack and put in this
# folder: `make package && apt install ./flipstone_*.deb`.
.PHONY: package

package: deps build
	rm -f flipstone_*.deb $(BUILD_DIR)/flipstone_*.deb
	cmake --build $(BUILD_DIR) --target package
	cp $(BUILD_DIR)/flipstone_*.deb .

# Two builds of the package from clean clones of the last commit, compared byte for byte.
.PHONY: reproducible

reproducible: deps
	./scripts/check-reproducible $(JOBS)

# Hardening: the long soak under the sanitizers, the fuzz targets, clang-tidy and valgrind.
SOAK_GAMES ?= 1000
# threaded: the searches on the search thread, every game also played synchronously to compare.
SOAK_WORKER ?= synchronous

.PHONY: soak

soak: deps
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON \
	  -DFLIPSTONE_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS) --target flipstone-soak
	$(ASAN_DIR)/soak/flipstone-soak --games $(SOAK_GAMES) --worker $(SOAK_WORKER)

# Each fuzz target runs FUZZ_SECONDS; the inputs that reached new paths join fuzz/corpus/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS := -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined \
  -fno-omit-frame-pointer

.PHONY: fuzz

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) $(GENERATOR) -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_FUZZ=ON -DFLIPSTONE_DESKTOP=OFF \
	  -DFLIPSTONE_BENCH=OFF -DBUILD_TESTING=OFF "-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz-targets
	./fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# clang-tidy with the checks of .clang-tidy over every layer of the program; any finding fails.
# The checks leave Qt's ownership by parent alone: a widget made with `new` and a parent is owned.
TIDY_DIR ?= build-tidy

.PHONY: tidy

tidy: deps
	cmake -S . -B $(TIDY_DIR) $(GENERATOR) -DFLIPSTONE_BENCH=OFF
	cmake --build $(TIDY_DIR) --target flipstone_ui_autogen flipstone_app_autogen
	run-clang-tidy -p $(TIDY_DIR) -j $(JOBS) -quiet \
	  '^$(CURDIR)/(engine|game|ui|app|cli|soak|fuzz)/[^/]*\.cpp$$'

# The tool's and the game's tests, and a few soak games, under valgrind's memory checker. The
# slowest search comparison is left out: under valgrind it takes many minutes.
VALGRIND := valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect -q
VALGRIND_GAME_FILTER := -RootStepsTest.*

.PHONY: valgrind

valgrind: deps
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target cli_tests game_tests flipstone-soak
	$(VALGRIND) $(BUILD_DIR)/tests/cli/cli_tests
	$(VALGRIND) $(BUILD_DIR)/tests/game/game_tests --gtest_filter=$(VALGRIND_GAME_FILTER)
	$(VALGRIND) $(BUILD_DIR)/soak/flipstone-soak --games 4 --max-level 1 --quiet
