# Mechík: set-up, build, run and test on Debian 12.
#   make run        install what the program needs, build it and start it
#   make test       install what the tests need, build everything and run every test
#   make test-asan  the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   make coverage   the same tests built with --coverage, then gcovr's line coverage of the product
#   make package    build the Debian package (build/mechik_VERSION_ARCH.deb)
#   make bench      run the benchmarks
#   make fuzz       run the .xls and melody readers' fuzzers (FUZZ_SECONDS each, default 600)
#   make format     format every C++ source; make format-check checks it (CI)

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
COVERAGE_DIR ?= build-coverage
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run build package test test-asan coverage bench fuzz clean format format-check

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

# Counts only the product: the tests, benchmarks, fuzzers and the code generated into the build
# folders (moc, resources) are left out. Counters of an earlier run are cleared first. The table
# per file goes to $(COVERAGE_DIR)/coverage.txt.
coverage:
	scripts/install-deps.sh test
	cmake -S . -B $(COVERAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMECHIK_TESTS=ON -DMECHIK_BENCH=OFF \
		-DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage -DCMAKE_SHARED_LINKER_FLAGS=--coverage \
		-DCMAKE_MODULE_LINKER_FLAGS=--coverage $(CMAKE_FLAGS)
	cmake --build $(COVERAGE_DIR) -j $(JOBS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	gcovr --root $(CURDIR) --object-directory $(COVERAGE_DIR) -j $(JOBS) \
		--exclude-directories '.*/CMakeFiles/[0-9.]+$$' \
		--exclude '$(CURDIR)/(tests|bench|fuzz)/' --exclude '$(CURDIR)/build[^/]*/' \
		--txt $(COVERAGE_DIR)/coverage.txt --print-summary $(GCOVR_FLAGS)

# Every C++ source in the committed style (.clang-format).
SOURCES = git ls-files '*.cpp' '*.h'

format:
	scripts/install-deps.sh test
	$(SOURCES) | xargs clang-format -i

format-check:
	scripts/install-deps.sh test
	$(SOURCES) | xargs clang-format --dry-run --Werror

bench: test
	for b in $(BUILD_DIR)/bench/*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

FUZZERS = xls_file_fuzzer xls_stream_fuzzer midi_file_fuzzer music_xml_fuzzer melody_bytes_fuzzer

fuzz:
	scripts/install-deps.sh test
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMECHIK_FUZZ=ON -DMECHIK_TESTS=OFF -DMECHIK_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZERS)
	mkdir -p fuzz-corpus/file fuzz-corpus/stream fuzz-corpus/midi fuzz-corpus/musicxml fuzz-corpus/melody
	# libgsf 1.14.50 leaks a directory entry on some damaged containers (a few bytes per
	# file); leaks in our own code are caught by the stream fuzzer and the sanitizer tests.
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/xls_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
		-print_final_stats=1 fuzz-corpus/file fuzz/seeds/file &
	$(FUZZ_DIR)/fuzz/xls_stream_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 \
		-print_final_stats=1 fuzz-corpus/stream fuzz/seeds/stream; wait
	# The melody readers: a hang or a runaway allocation counts as a finding too.
	$(FUZZ_DIR)/fuzz/midi_file_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
		-print_final_stats=1 fuzz-corpus/midi fuzz/seeds/midi &
	$(FUZZ_DIR)/fuzz/music_xml_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
		-print_final_stats=1 fuzz-corpus/musicxml fuzz/seeds/musicxml; wait
	$(FUZZ_DIR)/fuzz/melody_bytes_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
		-print_final_stats=1 fuzz-corpus/melody fuzz/seeds/melody

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(COVERAGE_DIR) $(FUZZ_DIR)
