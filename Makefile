# The two set-up commands of the README: `make play` and `make test`.
# Both first install, from Debian's archive, whatever the machine lacks.
#
# Every build is a preset of CMakePresets.json, which IDEs open as they are: the configure,
# build and test presets release, asan and tsan, and the configure and build presets fuzz and
# tidy. The presets fix the build folders named here.

BUILD_DIR := build
ASAN_DIR := build-asan
TSAN_DIR := build-tsan
FUZZ_DIR := build-fuzz
TIDY_DIR := build-tidy
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: play test deps build build-asan test-release test-package test-asan clean

play: deps build
	./scripts/play $(BUILD_DIR)

test: deps test-release test-package test-asan test-tsan valgrind

deps:
	./scripts/install-deps

build:
	cmake --preset release $(GENERATOR)
	cmake --build --preset release -j $(JOBS)

test-release:
	cmake --preset release $(GENERATOR) -DFLIPSTONE_WERROR=ON
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)

# Makes the Debian package from the tested build and checks it: unpacked, run, lintian, validators.
test-package: test-release
	./scripts/check-package $(BUILD_DIR)

test-asan:
	cmake --preset asan $(GENERATOR)
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TSAN_DIR) $(FUZZ_DIR) $(TIDY_DIR)

# ThreadSanitizer over the targets without a window (Debian's Qt is not instrumented): `make
# tsan` runs all their tests and a threaded soak; `make test` runs all but the suites named here,
# which start no thread (the board, the kernels, the records, the clock): every threaded suite,
# the check of the baseline kernel's object code and the short soaks. It also leaves out, as the
# valgrind run does, the check that the strongest player's figures show while it thinks: it
# thinks a tenth of a second of wall time, in which an instrumented build on a busy machine may
# take no step that shows a figure (its move and its abandon are still checked).
TSAN_UNTHREADED := ^(BoardTest|BitBoardTest|AllKernels/KernelTest|KernelChoiceTest|EvaluationTest|FastSearchTest|PositionTest|StrongKernelTest|BoardSymmetryTest|RecordReaderTest|RecordWriterTest|OpeningNamesTest|GtpTimeControlTest)\.|^layers_point_one_way$$
TSAN_SKIP := $(TSAN_UNTHREADED)|^StrongestTest\.ItShowsWhatItExaminesWhileItThinks$$

.PHONY: tsan test-tsan tsan-build

tsan-build:
	cmake --preset tsan $(GENERATOR)
	cmake --build --preset tsan -j $(JOBS)

tsan: deps tsan-build
	ctest --preset tsan -j $(JOBS)
	$(TSAN_DIR)/soak/flipstone-soak --games 64 --worker threaded --quiet

test-tsan: tsan-build
	ctest --preset tsan -j $(JOBS) -E '$(TSAN_SKIP)'

# The Debian package flipstone_<version>_<architecture>.deb, made by CPack and put in this
# folder: `make package && apt install ./flipstone_*.deb`.
.PHONY: package

package: deps build
	rm -f flipstone_*.deb $(BUILD_DIR)/flipstone_*.deb
	cmake --build --preset release --target package
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
	cmake --preset asan $(GENERATOR)
	cmake --build --preset asan -j $(JOBS) --target flipstone-soak
	$(ASAN_DIR)/soak/flipstone-soak --games $(SOAK_GAMES) --worker $(SOAK_WORKER)

# Each fuzz target runs FUZZ_SECONDS; the inputs that reached new paths join fuzz/corpus/. The
# fuzz preset compiles everything with clang and -fsanitize=address,undefined,fuzzer-no-link and
# builds only the fuzz targets.
FUZZ_SECONDS ?= 60

.PHONY: fuzz

fuzz: deps
	cmake --preset fuzz $(GENERATOR)
	cmake --build --preset fuzz -j $(JOBS)
	./fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# clang-tidy with the checks of .clang-tidy over every layer of the program; any finding fails.
# The checks leave Qt's ownership by parent alone: a widget made with `new` and a parent is owned.
.PHONY: tidy

tidy: deps
	cmake --preset tidy $(GENERATOR)
	cmake --build --preset tidy --target flipstone_ui_autogen flipstone_app_autogen
	run-clang-tidy -p $(TIDY_DIR) -j $(JOBS) -quiet \
	  '^$(CURDIR)/(engine|game|ui|app|protocol|cli|soak|fuzz)/.*\.cpp$$'

# The tool's and the game's tests, and a few soak games, under valgrind's memory checker. The
# slowest search comparison is left out: under valgrind it takes many minutes. So is the check
# that the strongest player's figures show while it thinks: it thinks some tens of milliseconds
# of wall time, too few under valgrind for its first progress report (its move and its abandon
# are still checked there).
VALGRIND := valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect -q
VALGRIND_GAME_FILTER := -RootStepsTest.*:StrongestTest.ItShowsWhatItExaminesWhileItThinks

.PHONY: valgrind

valgrind: deps
	cmake --preset release $(GENERATOR) -DFLIPSTONE_WERROR=ON
	cmake --build --preset release -j $(JOBS) --target cli_tests protocol_tests game_tests flipstone-soak
	$(VALGRIND) $(BUILD_DIR)/tests/cli/cli_tests
	$(VALGRIND) $(BUILD_DIR)/tests/protocol/protocol_tests
	$(VALGRIND) $(BUILD_DIR)/tests/game/game_tests --gtest_filter=$(VALGRIND_GAME_FILTER)
	$(VALGRIND) $(BUILD_DIR)/soak/flipstone-soak --games 4 --max-level 1 --quiet

# The strongest player (flipstone-cli gtp) against Debian's gtp-rhino: a benchmark, not a test.
# Each of the first STRENGTH_RHINO_OPENINGS balanced openings (bench/balanced-openings.txt) is
# played with both colours at each level of STRENGTH_RHINO_LEVELS, the strongest player thinking
# STRENGTH_MOVE_TIME seconds a move. With OLD_PLAYER set to the flipstone-cli of another build,
# it also plays that build's strongest player on STRENGTH_OLD_OPENINGS openings, both thinking
# STRENGTH_OLD_MOVE_TIME seconds a move. Prints each game and each match's summary as JSON lines.
STRENGTH_RHINO_OPENINGS ?= 10
STRENGTH_RHINO_LEVELS ?= 5
STRENGTH_MOVE_TIME ?= 1
STRENGTH_OLD_OPENINGS ?= 50
STRENGTH_OLD_MOVE_TIME ?= 0.25
OLD_PLAYER ?=
OPENINGS := bench/balanced-openings.txt
RHINO := /usr/games/gtp-rhino
CLI := $(BUILD_DIR)/cli/flipstone-cli

.PHONY: strength

strength: deps
	cmake --preset release $(GENERATOR)
	cmake --build --preset release -j $(JOBS) --target flipstone-cli
	head -n $(STRENGTH_RHINO_OPENINGS) $(OPENINGS) > $(BUILD_DIR)/strength-rhino-openings.txt
	head -n $(STRENGTH_OLD_OPENINGS) $(OPENINGS) > $(BUILD_DIR)/strength-old-openings.txt
	status=0; for level in $(STRENGTH_RHINO_LEVELS); do \
	  $(CLI) match --first "$(CLI) gtp --move-time $(STRENGTH_MOVE_TIME)" \
	    --second "$(RHINO) --level $$level" \
	    --openings-file $(BUILD_DIR)/strength-rhino-openings.txt || status=1; \
	done; \
	if [ -n "$(OLD_PLAYER)" ]; then \
	  $(CLI) match --first "$(CLI) gtp --move-time $(STRENGTH_OLD_MOVE_TIME)" \
	    --second "$(OLD_PLAYER) gtp --move-time $(STRENGTH_OLD_MOVE_TIME)" \
	    --openings-file $(BUILD_DIR)/strength-old-openings.txt || status=1; \
	fi; exit $$status

# The engine's figures, printed as JSON lines (a benchmark, not a test; it takes a while): the
# game's own searches (flipstone-cli bench), the public endgame suite's positions 40 to 49
# (bench/ffo-40-59.txt) solved on one thread and on two, beside the flipstone-cli of another
# build when OLD_CLI names one, then positions 50 to 59 on one thread and on all, each checked
# against its published value; the strongest player's evaluation error on held-out positions of 20 to 27
# empty squares (bench/evaluation-heldout.txt); and the review's verdicts over seeded games of
# Level 4 against its hints (flipstone-review-verdicts: the same on two runs and on every mirror
# image, the zigzag of its graph, its error and marks at 21 to 25 empty squares against exact
# values, and the seconds a whole game's review takes); and the window while a player clicks
# through a game in Analysis Mode ten clicks a second (flipstone-analysis-bench: its stalls).
OLD_CLI ?=
REVIEW_GAMES ?= 3

.PHONY: bench

bench: deps
	cmake --preset release $(GENERATOR)
	cmake --build --preset release -j $(JOBS) --target flipstone-cli flipstone-train flipstone-review-verdicts \
	  flipstone-analysis-bench
	$(CLI) bench
	grep -v '^%' bench/ffo-40-59.txt | head -n 10 > $(BUILD_DIR)/ffo-40-49.txt
	grep -v '^%' bench/ffo-40-59.txt | tail -n 10 > $(BUILD_DIR)/ffo-50-59.txt
	./scripts/compare-solvers $(BUILD_DIR)/ffo-40-49.txt $(CLI) $(OLD_CLI)
	$(CLI) solve --file $(BUILD_DIR)/ffo-50-59.txt --threads 1
	$(CLI) solve --file $(BUILD_DIR)/ffo-50-59.txt
	$(BUILD_DIR)/train/flipstone-train error --text bench/evaluation-heldout.txt
	$(BUILD_DIR)/bench/flipstone-review-verdicts --games $(REVIEW_GAMES) --seed 7100
	$(BUILD_DIR)/bench/flipstone-analysis-bench
