# Short commands for people; CMake does the building.
#   make run    open the diagnostic window with a simulated 64 Mbit card
#   make test   build both toolchains and run every test
#   make bench  build natively with optimisation and print the benchmarks
#   make fuzz   build the fuzz targets with clang and run each for a while
JOBS   ?= $(shell nproc)
BUILD  ?= build
NATIVE := $(BUILD)/native
ASAN   := $(BUILD)/asan
WIN32  := $(BUILD)/win32
FUZZ   := $(BUILD)/fuzz

.PHONY: all deps native asan win32 test test-native test-win32 run bench bench-window fuzz-deps fuzz-build fuzz clean

all: native win32

deps:
	@bash tools/install-deps.sh

native: deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(NATIVE) -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DFLASHDIAG_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)

# The win32 build uses host tools of the native build, so it comes second.
win32: native
	cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	      -DFLASHDIAG_HOST_TOOLS=$(CURDIR)/$(NATIVE)/bin
	cmake --build $(WIN32) -j $(JOBS)

test-native: native asan
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS)

test-win32: win32
	ctest --test-dir $(WIN32) --output-on-failure

test: test-native test-win32

# With a display the window opens for people to use; without one it runs
# once on a virtual display and leaves its picture and log behind.
RUN_SHOT := $(CURDIR)/$(WIN32)/flashdiag-run.bmp
RUN_LOG  := $(CURDIR)/$(WIN32)/flashdiag-run.log
run: win32
	@if [ -n "$$DISPLAY" ]; then \
	  tools/wine-run.sh $(CURDIR)/$(WIN32)/wineprefix $(CURDIR)/$(WIN32)/bin/flashdiag.exe --simulate=intel64; \
	else \
	  echo "run: no display: running once on a virtual display"; \
	  tools/wine-run.sh $(CURDIR)/$(WIN32)/wineprefix $(CURDIR)/$(WIN32)/bin/flashdiag.exe --simulate=intel64 \
	    --autorun --exit-after-run --screenshot=$(RUN_SHOT) --log=$(RUN_LOG) && \
	  cat $(RUN_LOG) && \
	  echo "run: screenshot of the window: $(RUN_SHOT)" && \
	  echo "run: log of the run:           $(RUN_LOG)"; \
	fi

bench: native
	$(NATIVE)/bin/flashdiag-bench
	$(NATIVE)/bin/port-bench
	$(NATIVE)/bin/skin-bench $(NATIVE)/skins/builtin.stream
	$(NATIVE)/bin/skinui-bench

# A whole window run against the console runner, both under Wine, and the
# skinned frame's paint and background capture next to a BitBlt.
bench-window: win32
	tools/bench-window.sh $(WIN32)

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
