# FD9: `make run` builds and starts the program, `make test` builds and runs every test,
# `make package` builds the Debian package. All install missing Debian packages first.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
TSAN_DIR ?= build-tsan
FUZZ_DIR ?= build-fuzz
COVERAGE_DIR ?= build-coverage
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
PACKAGES := cmake make g++ qt6-base-dev qt6-charts-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev locales \
            clang-14 libclang-rt-14-dev clang-format-14 dpkg-dev desktop-file-utils appstream \
            shared-mime-info libglib2.0-bin poppler-utils fonts-dejavu-core

# Any sanitizer report fails the run; leaks are suppressed only inside third-party libraries.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/reliability/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run test test-asan test-tsan format-check package fuzz coverage clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q $$missing; \
	fi

# make test builds with every warning as an error; make build and make run do not.
WERROR ?= OFF

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
	       -DFD9_WARNINGS_AS_ERRORS=$(WERROR) > /dev/null

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/fd9

# The sanitizer passes run first so that the last lines are the ordinary ctest summary.
test: WERROR = ON
test: test-asan test-tsan format-check build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The .deb lands in $(BUILD_DIR); the build is for /usr, where the package installs.
package: build
	cmake --build $(BUILD_DIR) --target package

format-check: configure
	cmake --build $(BUILD_DIR) --target format-check

test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DFD9_SANITIZE=ON > /dev/null
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# The explorer's worker threads under ThreadSanitizer: only the core and fd9-cli are built. The
# explorer runs over the test models and a continuous double-tee with the shipped tables, the
# test tables (some fires stop) and no tables at all (every fire stops); any report fails.
TSAN_MODELS := tests/tools/cli/models/*.dat fuzz/corpus/fuzz_cli_run/double_tee
test-tsan: deps
	@cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	       -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" \
	       -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread > /dev/null
	cmake --build $(TSAN_DIR) -j $(JOBS) --target fd9-cli
	@for data in data tests/calc/data $(TSAN_DIR)/no-data; do \
	  TSAN_OPTIONS=halt_on_error=1:exitcode=66 $(TSAN_DIR)/bin/fd9-cli --explore \
	    --data-dir $$data $(TSAN_MODELS) > $(TSAN_DIR)/explore.csv 2> $(TSAN_DIR)/tsan.log; \
	  rc=$$?; rows=$$(grep -c ',standard,' $(TSAN_DIR)/explore.csv); \
	  echo "explorer with $$data: $$rows standard rows, exit $$rc"; \
	  if [ $$rc -eq 66 ] || [ $$rows -eq 0 ] || grep -q ThreadSanitizer $(TSAN_DIR)/tsan.log; then \
	    cat $(TSAN_DIR)/tsan.log; exit 1; \
	  fi; \
	done

# libFuzzer targets, each run for FUZZ_SECONDS from its seed corpus in fuzz/corpus/<target>.
# New inputs go to a scratch corpus in the build dir; the repository's seeds stay as they are.
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFD9_FUZZ=ON \
	       -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fd9_fuzzers
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); \
	  mkdir -p $(FUZZ_DIR)/corpus/$$name $(FUZZ_DIR)/artifacts/$$name; \
	  log=$(FUZZ_DIR)/artifacts/$$name.log; \
	  $(SANITIZER_ENV) $$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/artifacts/$$name/ \
	    $(FUZZ_DIR)/corpus/$$name fuzz/corpus/$$name > $$log 2>&1; rc=$$?; \
	  execs=$$(sed -n 's/^stat::number_of_executed_units: *//p' $$log); \
	  echo "$$name: $${execs:-?} executions, exit $$rc"; \
	  if [ $$rc -ne 0 ]; then tail -n 40 $$log; exit 1; fi; \
	done

# Line coverage of src/ by every test, from an unoptimised instrumented tree. Atomic counters,
# because the explorer runs CALCULATE on worker threads and racing counts break gcovr.
coverage:
	@$(MAKE) --no-print-directory deps EXTRA_PACKAGES=gcovr
	@cmake -S . -B $(COVERAGE_DIR) -DCMAKE_BUILD_TYPE=Debug \
	       -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic" \
	       -DCMAKE_EXE_LINKER_FLAGS=--coverage > /dev/null
	cmake --build $(COVERAGE_DIR) -j $(JOBS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	cd $(COVERAGE_DIR) && ctest -j $(JOBS) --output-on-failure
	gcovr -r . --filter src/ --print-summary -o $(COVERAGE_DIR)/coverage.txt $(COVERAGE_DIR)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(TSAN_DIR) $(FUZZ_DIR) $(COVERAGE_DIR)
