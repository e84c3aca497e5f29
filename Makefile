# Kerovia: build, test and run from a fresh Debian machine.
#   make run    Kerovia.exe under Wine with a generated phone as removable drive F:
#   make test   native tests, then the Windows build's tests under Wine
#   make bench  benchmarks (not part of make test)
#   make fuzz   the settings reader under libFuzzer, for a fixed short time
#   make dist   Kerovia-<version>.zip

JOBS ?= 2
NATIVE := build/native
WINDOWS := build/windows
export KEROVIA_WINEPREFIX := $(CURDIR)/$(WINDOWS)/wineprefix

.PHONY: deps native windows test test-native test-windows run bench fuzz dist clean

deps:
	@scripts/install-deps.sh

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

windows: deps
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)

test-native: native
	ctest --preset native

test-windows: windows
	scripts/with-display ctest --preset windows

test: test-native test-windows

run: windows native
	scripts/demo

bench: native
	scripts/bench

fuzz: deps
	scripts/fuzz

dist: windows
	scripts/dist

clean:
	rm -rf build
