# Thin wrappers around CMake. `make run` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
BUILD := build/release
ASAN := build/asan
BENCH := build/bench
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60
CMAKE_COMMON := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: deps build run install test test-release test-asan bench fuzz clean format

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/app/tessarin

# `make install PREFIX=DIR` (default /usr/local); DESTDIR=STAGE installs below a staging folder.
PREFIX ?= /usr/local
install: deps
	@cmake -S . -B $(BUILD) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

test: deps test-release test-asan

test-release:
	@cmake -S . -B $(BUILD) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

# The core and its tests again under AddressSanitizer + UndefinedBehaviorSanitizer.
test-asan:
	@cmake -S . -B $(ASAN) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DTESSARIN_SANITIZE=ON -DTESSARIN_GUI=OFF >/dev/null
	@cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release -DTESSARIN_BENCH=ON -DTESSARIN_TESTS=OFF -DTESSARIN_GUI=OFF >/dev/null
	@cmake --build $(BENCH) -j $(JOBS)
	./$(BENCH)/bench/tessarin_bench

# Each fuzzer runs FUZZ_SECONDS seconds on a corpus kept in build/fuzz/corpus.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_FUZZ=ON -DTESSARIN_TESTS=OFF -DTESSARIN_GUI=OFF >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)
	@for f in $(FUZZ)/fuzz/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p $(FUZZ)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ)/corpus/$$name fuzz/seeds/$$name || exit 1; \
	done

clean:
	rm -rf build

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
