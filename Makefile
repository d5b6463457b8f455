# The two commands of the Quick start are `make demo` and `make test`;
# everything else here is for development.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 10

.PHONY: all deps build strict demo gallery test unit release-check asan fuzz-build fuzz-smoke \
        fuzz bench perf-report valgrind install-check format clean

all: build

deps:
	@scripts/install-deps.sh

# Builds for use (demo, install-check, bench) keep warnings as warnings;
# the project's own checks (test, unit, asan, release-check, .ci/run) make
# them errors.
$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The build with warnings as errors (the build folder is reconfigured only
# when it was made without them).
strict: deps
	@grep -qx 'VYR_WERROR:BOOL=ON' $(BUILD)/CMakeCache.txt 2>/dev/null && [ -f $(BUILD)/build.ninja ] || \
	  cmake -S . -B $(BUILD) -G Ninja -DVYR_WERROR=ON $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

# The main job: the showcase form with every component, in a window when a
# display is available, otherwise rendered to PNGs in out/.
demo: build
	@scripts/demo.sh $(BUILD)

# One picture per component, cut from the showcase form, into docs/gallery/.
gallery: build
	$(BUILD)/tools/gallery docs/gallery

# Every test: the unit and pixel tests, the install check, the Release
# configuration's compile and the fuzz smoke runs.
test: strict
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure --timeout 600
	@scripts/install-check.sh $(BUILD)
	@$(MAKE) --no-print-directory release-check
	@$(MAKE) --no-print-directory fuzz-smoke

unit: strict
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure --timeout 600

# The libraries and tools compiled as a Release build (-O3), warnings as
# errors, so optimiser-only warnings cannot creep in.
release-check: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVYR_WERROR=ON \
	  -DVYR_BUILD_TESTS=OFF $(CMAKE_ARGS)
	cmake --build build-release -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B build-asan -G Ninja -DVYR_SANITIZE=ON -DVYR_WERROR=ON -DCMAKE_BUILD_TYPE=Debug \
	  $(CMAKE_ARGS)
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan -j $(JOBS) --output-on-failure --timeout 1200

# The whole suite under valgrind's memcheck: no memory error, no block lost.
valgrind: strict
	@scripts/install-deps.sh --valgrind
	@scripts/valgrind.sh $(BUILD) $(JOBS)

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVYR_BUILD_FUZZ=ON \
	  -DVYR_SANITIZE=ON -DVYR_WERROR=OFF -DVYR_BUILD_TESTS=OFF -DVYR_BUILD_TOOLS=OFF \
	  -DVYR_WITH_X11=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all

fuzz-smoke: fuzz-build
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

fuzz: fuzz-build
	@scripts/fuzz.sh build-fuzz $${SECONDS_EACH:-600}

# Every target for FUZZ_RUNS executions (one million unless given), all
# targets even after a finding; CAMPAIGN_MAX_SECONDS (0: none) cuts a target
# off after that long.
FUZZ_RUNS ?= 1000000
CAMPAIGN_MAX_SECONDS ?= 0
.PHONY: fuzz-campaign
fuzz-campaign: fuzz-build
	@scripts/fuzz.sh --campaign build-fuzz $(FUZZ_RUNS) $(CAMPAIGN_MAX_SECONDS)

bench:
	@scripts/install-deps.sh --bench
	cmake -S . -B build-bench -G Ninja -DVYR_BUILD_BENCH=ON -DVYR_BUILD_TESTS=OFF \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)
	cmake --build build-bench -j $(JOBS)
	@scripts/bench.sh build-bench

# Builds and runs every benchmark as bench does and writes
# docs/performance.md: each figure beside its baseline and goal.
perf-report:
	@scripts/install-deps.sh --bench
	JOBS=$(JOBS) CMAKE_ARGS="$(CMAKE_ARGS)" scripts/perf-report.sh build-bench docs/performance.md

install-check: build
	@scripts/install-check.sh $(BUILD)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench build-release
