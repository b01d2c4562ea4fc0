# The two commands: `make run` and `make test`. Both install what is missing first.
# `make test` and `make build` use the sanitizer build in $(BUILD); `make run` builds the
# player's optimised program in $(RUN_BUILD).
BUILD ?= build
RUN_BUILD ?= build-run
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE=ON
RUN_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release -DQUINTARO_SANITIZE=OFF -DQUINTARO_TESTS=OFF
# cmake --build runs make again below this one, which would then announce every folder it
# enters and leaves; the flag reaches it through MAKEFLAGS.
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test gallery bench fuzz fuzz-long fuzz-library deb format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: deps
	@cmake -S . -B $(RUN_BUILD) $(RUN_CMAKE_FLAGS) >/dev/null
	@cmake --build $(RUN_BUILD) -j $(JOBS)
	@$(RUN_BUILD)/quintaro

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Speed of the poker rules, from an optimised build without sanitizers.
bench: deps
	@cmake -S . -B build-release -DQUINTARO_BENCH=ON -DQUINTARO_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j $(JOBS) --target quintaro-bench
	@build-release/quintaro-bench

# A contact sheet of every picture in the game resource library, labelled by id.
gallery: build
	@ASAN_OPTIONS=detect_leaks=0 XDG_RUNTIME_DIR=$(abspath $(BUILD))/tool-runtime $(BUILD)/wqgame-build --gallery $(BUILD)/wqgame32.rcc $(BUILD)/gallery.png
	@echo "$(BUILD)/gallery.png"

# The settings reader under libFuzzer for FUZZ_SECONDS, in a clang build of its own.
FUZZ_SECONDS ?= 60
fuzz: deps
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE=ON -DQUINTARO_FUZZ=ON -DQUINTARO_TESTS=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target settings_fuzzer
	@mkdir -p build-fuzz/corpus
	@build-fuzz/settings_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 build-fuzz/corpus fuzz/corpus

# The resource library's seal check under libFuzzer for FUZZ_SECONDS, fed damaged libraries.
fuzz-library: deps
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE=ON -DQUINTARO_FUZZ=ON -DQUINTARO_TESTS=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target library_fuzzer
	@mkdir -p build-fuzz/library_corpus
	@build-fuzz/library_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 build-fuzz/library_corpus build-fuzz/fuzz/library_seeds fuzz/library_corpus

# A Debian package of an optimised build without sanitizers, for installing under /usr.
deb: deps
	@cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DQUINTARO_SANITIZE=OFF -DQUINTARO_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
	@cmake --build build-deb -j $(JOBS)
	@cd build-deb && cpack -G DEB

# Ten million executions of the settings reader; libFuzzer reports the time taken.
fuzz-long: deps
	@cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARO_SANITIZE=ON -DQUINTARO_FUZZ=ON -DQUINTARO_TESTS=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target settings_fuzzer
	@mkdir -p build-fuzz/corpus
	@build-fuzz/settings_fuzzer -runs=10000000 -max_len=4096 -print_final_stats=1 build-fuzz/corpus fuzz/corpus

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(RUN_BUILD) build-release build-fuzz build-deb
