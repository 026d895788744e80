# Koord: build, run and test. Every target works on a fresh Debian 12 machine.
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	./tools/install-deps

configure:
	cmake --preset release

build: configure
	cmake --build --preset release -j $(JOBS)

run: deps build
	./build/bin/koord

test: deps build
	ctest --preset release -j $(JOBS)
	$(MAKE) sanitize
	$(MAKE) fuzz FUZZ_SECONDS=30

clean:
	rm -rf build build-*

# The unit, command-line and hostile-input tests built with AddressSanitizer
# and UndefinedBehaviorSanitizer, without the desktop program.
.PHONY: sanitize fuzz
sanitize: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# Every fuzz target for FUZZ_SECONDS seconds; fails on any finding.
FUZZ_SECONDS ?= 180
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	./fuzz/run-fuzzers $(FUZZ_SECONDS)

# Benchmarks, not part of the tests: ns per point (Google Benchmark), then
# koord-cli against PROJ's and GeographicLib's tools on 1 000 000 points.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKOORD_BUILD_BENCH=ON \
	  -DKOORD_BUILD_UI=OFF -DKOORD_BUILD_TESTS=OFF -DKOORD_BUILD_ACCURACY=OFF
	cmake --build build-bench --target koord-bench koord-cli -j $(JOBS)
	./build-bench/bin/koord-bench
	./bench/compare-peers build-bench/bin/koord-cli

# Times of koord's windows on 100 000 and 1 000 000 lines, offscreen.
.PHONY: window-timing
window-timing: deps build
	QT_QPA_PLATFORM=offscreen ./build/bin/koord-window-timing

# The Dutch, English and German .ts files brought up to date with the texts of the
# code; new texts then wait there for their translation.
.PHONY: translations
translations: configure
	cmake --build --preset release --target update_translations

# Pictures of the windows of koord in build/screenshots/, drawn offscreen.
.PHONY: screenshots
screenshots: deps build
	QT_QPA_PLATFORM=offscreen ./build/bin/koord-screenshots build/screenshots
