# Sonivel: a small Windows utility that sounds a reference pitch, built on Linux.
#   make run     install what is missing, build, open the program (under wine)
#   make test    install what is missing, build, run every test
#   make demo    run it headless: a screenshot and a recording in build/demo/
#   make build   build only; make bench   benchmarks; make clean

BUILD := $(CURDIR)/build
HOST := $(BUILD)/host
WIN := $(BUILD)/win
JOBS ?= 2

.PHONY: all deps build host win run demo test bench clean

all: build

deps:
	@scripts/deps

build: host win

host: deps
	@test -f $(HOST)/CMakeCache.txt || cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONIVEL_OUT=$(BUILD)
	cmake --build $(HOST) -j$(JOBS)

# The cross build embeds what the host build generated, so it comes second.
win: host
	@test -f $(WIN)/CMakeCache.txt || cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake -DSONIVEL_OUT=$(BUILD)
	cmake --build $(WIN) -j$(JOBS)

run: build
	@scripts/run

# The program headless: build/demo/window.png and build/demo/A4.wav.
demo: build
	@scripts/demo

test: build
	ctest --test-dir $(HOST) -j$(JOBS) --output-on-failure
	ctest --test-dir $(WIN) --output-on-failure

# Every benchmark, in a test session; the report lands in build/bench/report.md.
# SOAK_SECONDS sets the soak's length (60 by default).
bench: build
	@scripts/session run $(BUILD)/bench/session /usr/bin/python3 scripts/bench.py

clean:
	rm -rf $(BUILD)
