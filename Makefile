# Short commands for people; CMake does the building.
#   make run    open the diagnostic window with a simulated 64 Mbit card
#   make test   build every toolchain and run every test this machine can run
#   make dist   the zips a Windows user downloads and the Linux runner's tarball
#   make bench  build natively with optimisation and print the benchmarks
#   make fuzz   build the fuzz targets with clang and run each for a while
JOBS   ?= $(shell nproc)
BUILD  ?= build
NATIVE := $(BUILD)/native
ASAN   := $(BUILD)/asan
WIN32  := $(BUILD)/win32
WIN64  := $(BUILD)/win64
FUZZ   := $(BUILD)/fuzz

.PHONY: all deps native asan win32 win64 test test-native test-win32 test-win64 run run-win32 run-win64 \
        bench bench-window bench-window-win32 bench-window-win64 dist fuzz-deps fuzz-build fuzz clean

all: native win32 win64

deps:
	@bash tools/install-deps.sh

native: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(NATIVE) -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DFLASHDIAG_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)

# The Windows builds use host tools of the native build, so they come after
# it: i686 (the program for the Windows 9x and NT families) and x86_64 (the
# same program for 64-bit Windows).
win32: native
	cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	      -DFLASHDIAG_HOST_TOOLS=$(CURDIR)/$(NATIVE)/bin
	cmake --build $(WIN32) -j $(JOBS)

win64: native
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-x86_64.cmake \
	      -DFLASHDIAG_HOST_TOOLS=$(CURDIR)/$(NATIVE)/bin
	cmake --build $(WIN64) -j $(JOBS)

test-native: native asan
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

# The i686 tests need a machine that executes 32-bit programs (and Wine's
# 32-bit loader); elsewhere they are built and not run, and one line says so.
test-win32: win32
	@if reason=$$(tools/runs-32bit.sh --wine); then \
	  ctest --test-dir $(WIN32) --output-on-failure; \
	else \
	  echo "win32: built; not run: $$reason"; \
	fi

test-win64: win64
	ctest --test-dir $(WIN64) --output-on-failure

test: test-native test-win32 test-win64

# The window of the i686 build where this machine can run it, of the x86_64
# build otherwise. With a display the window opens for people to use;
# without one it runs once on a virtual display and leaves its picture and
# log in the folder of the build that ran.
WINDOW_BUILD = $(if $(shell tools/runs-32bit.sh --wine >/dev/null 2>&1 && echo yes),win32,win64)
run: deps
	@$(MAKE) --no-print-directory run-$(WINDOW_BUILD)

run-win32 run-win64: run-%: %
	@echo "run: the $* window ($(BUILD)/$*/bin/flashdiag.exe)"
	@if [ -n "$$DISPLAY" ]; then \
	  tools/wine-run.sh $(CURDIR)/$(BUILD)/$*/wineprefix $(CURDIR)/$(BUILD)/$*/bin/flashdiag.exe --simulate=intel64; \
	else \
	  echo "run: no display: running once on a virtual display"; \
	  tools/wine-run.sh $(CURDIR)/$(BUILD)/$*/wineprefix $(CURDIR)/$(BUILD)/$*/bin/flashdiag.exe --simulate=intel64 \
	    --autorun --exit-after-run --screenshot=$(CURDIR)/$(BUILD)/$*/flashdiag-run.bmp \
	    --log=$(CURDIR)/$(BUILD)/$*/flashdiag-run.log && \
	  cat $(CURDIR)/$(BUILD)/$*/flashdiag-run.log && \
	  echo "run: screenshot of the window: $(CURDIR)/$(BUILD)/$*/flashdiag-run.bmp" && \
	  echo "run: log of the run:           $(CURDIR)/$(BUILD)/$*/flashdiag-run.log"; \
	fi

# What a user downloads: one zip per Windows build and the Linux console
# runner's tarball, in $(BUILD)/dist; each is unpacked and its console runner
# run on a simulated card (tools/make-dist.sh).
dist: native win32 win64
	tools/make-dist.sh $(BUILD) $(BUILD)/dist

bench: native
	$(NATIVE)/bin/flashdiag-bench
	$(NATIVE)/bin/port-bench
	$(NATIVE)/bin/skin-bench $(NATIVE)/skins/builtin.stream
	$(NATIVE)/bin/skinui-bench
	$(NATIVE)/bin/diagnosis-bench

# A whole window run against the console runner, both under Wine, and the
# skinned frame's paint and background capture next to a BitBlt; on the
# Windows build this machine runs (as for `make run`).
bench-window: deps
	@$(MAKE) --no-print-directory bench-window-$(WINDOW_BUILD)

bench-window-win32 bench-window-win64: bench-window-%: %
	@echo "bench-window: the $* build"
	tools/bench-window.sh $(BUILD)/$*

# Fuzzing is not part of `make test`: it has its own build (clang,
# libFuzzer, sanitizers) and its own packages. Each target runs for
# FUZZ_SECONDS; an input slower than FUZZ_TIMEOUT seconds or a process above
# FUZZ_RSS_MB counts as a finding. By default a target goes on after a
# finding (in a child process) and keeps every input that failed in
# $(FUZZ)/artifacts/<target>/; FUZZ_FLAGS= stops each at its first.
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 10
FUZZ_RSS_MB  ?= 2048
FUZZ_FLAGS   ?= -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1
FUZZ_TARGETS ?=

fuzz-deps:
	@bash tools/install-deps.sh fuzz

fuzz-build: fuzz-deps
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Debug -DFLASHDIAG_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ) -j $(JOBS)

fuzz: fuzz-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_TIMEOUT=$(FUZZ_TIMEOUT) FUZZ_RSS_MB=$(FUZZ_RSS_MB) FUZZ_FLAGS="$(FUZZ_FLAGS)" \
	  bash fuzz/run-fuzzers.sh $(FUZZ) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD)
