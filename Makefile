# The two set-up commands of the README: `make play` and `make test`.
# Both first install, from Debian's archive, whatever the machine lacks.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: play test deps build build-asan test-release test-asan clean

play: deps build
	./scripts/play $(BUILD_DIR)

test: deps test-release test-asan

deps:
	./scripts/install-deps

build:
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

test-release:
	cmake -S . -B $(BUILD_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan:
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON \
	  -DFLIPSTONE_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)

# Hardening: the long soak under the sanitizers, the fuzz targets, clang-tidy and valgrind.
SOAK_GAMES ?= 1000

.PHONY: soak

soak: deps
	cmake -S . -B $(ASAN_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLIPSTONE_WERROR=ON \
	  -DFLIPSTONE_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS) --target flipstone-soak
	$(ASAN_DIR)/soak/flipstone-soak --games $(SOAK_GAMES)
