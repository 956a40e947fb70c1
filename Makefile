# Short commands for people; CMake does the building.
#   make run    open the diagnostic window with a simulated 64 Mbit card
#   make test   build both toolchains and run every test
#   make bench  build natively with optimisation and print the benchmarks
JOBS   ?= $(shell nproc)
BUILD  ?= build
NATIVE := $(BUILD)/native
ASAN   := $(BUILD)/asan
WIN32  := $(BUILD)/win32

.PHONY: all deps native asan win32 test test-native test-win32 run bench clean

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
	$(NATIVE)/bin/skin-bench

clean:
	rm -rf $(BUILD)
