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

clean:
	rm -rf build build-*

# Pictures of the windows of koord in build/screenshots/, drawn offscreen.
.PHONY: screenshots
screenshots: deps build
	QT_QPA_PLATFORM=offscreen ./build/bin/koord-screenshots build/screenshots
