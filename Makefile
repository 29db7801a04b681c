# Mechík: set-up, build, run and test on Debian 12.
#   make run        install what the program needs, build it and start it
#   make test       install what the tests need, build everything and run every test
#   make test-asan  the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make package    build the Debian package (build/mechik_VERSION_ARCH.deb)
#   make bench      run the benchmarks
#   make fuzz       run the .xls reader's fuzzer (FUZZ_SECONDS, default 600)

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run build package test test-asan bench fuzz clean

build:
	scripts/install-deps.sh run
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMECHIK_TESTS=OFF -DMECHIK_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/mechik

package: build
	cd $(BUILD_DIR) && cpack -G DEB

test:
	scripts/install-deps.sh test
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMECHIK_TESTS=ON -DMECHIK_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan:
	scripts/install-deps.sh test
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMECHIK_SANITIZE=ON -DMECHIK_TESTS=ON -DMECHIK_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	# The system's audio libraries leak when no sound device exists: tests/lsan.supp names them;
	# full stacks let the suppressions see through those uninstrumented libraries.
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

bench: test
	for b in $(BUILD_DIR)/bench/*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

fuzz:
	scripts/install-deps.sh test
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMECHIK_FUZZ=ON -DMECHIK_TESTS=OFF -DMECHIK_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target xls_file_fuzzer xls_stream_fuzzer
	mkdir -p fuzz-corpus/file fuzz-corpus/stream
	# libgsf 1.14.50 leaks a directory entry on some damaged containers (a few bytes per
	# file); leaks in our own code are caught by the stream fuzzer and the sanitizer tests.
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/xls_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
		-print_final_stats=1 fuzz-corpus/file fuzz/seeds/file &
	$(FUZZ_DIR)/fuzz/xls_stream_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
		-print_final_stats=1 fuzz-corpus/stream fuzz/seeds/stream; wait

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
