# The two commands of the Quick start are `make demo` and `make test`;
# everything else here is for development.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
FUZZ_SECONDS ?= 10

.PHONY: all deps build demo test unit asan fuzz-build fuzz-smoke fuzz bench install-check format clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The main job: the showcase, in a window when a display is available,
# otherwise rendered to a PNG.
demo: build
	@scripts/demo.sh $(BUILD)

# Every test: the unit and pixel tests, the install check and the fuzz smoke runs.
test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure --timeout 600
	@scripts/install-check.sh $(BUILD)
	@$(MAKE) --no-print-directory fuzz-smoke

unit: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure --timeout 600

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake -S . -B build-asan -G Ninja -DVYR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(CMAKE_ARGS)
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan -j $(JOBS) --output-on-failure --timeout 1200

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVYR_BUILD_FUZZ=ON \
	  -DVYR_SANITIZE=ON -DVYR_WERROR=OFF -DVYR_BUILD_TESTS=OFF -DVYR_BUILD_TOOLS=OFF \
	  -DVYR_WITH_X11=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all

fuzz-smoke: fuzz-build
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

fuzz: fuzz-build
	@scripts/fuzz.sh build-fuzz $${SECONDS_EACH:-600}

bench:
	@scripts/install-deps.sh --bench
	cmake -S . -B build-bench -G Ninja -DVYR_BUILD_BENCH=ON -DVYR_BUILD_TESTS=OFF \
	  -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS)
	cmake --build build-bench -j $(JOBS)
	@scripts/bench.sh build-bench

install-check: build
	@scripts/install-check.sh $(BUILD)

format:
	git ls-files '*.h' '*.cpp' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench
