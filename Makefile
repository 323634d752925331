# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local

.PHONY: all setup build run test sanitize fuzz bench install uninstall package clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run $(BUILD_DIR)

# The unit and GL tests and the fuzz corpora once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a tree of their own.
SANITIZE_DIR ?= build-sanitize
SANITIZED_TESTS = files_tests platform_picture_tests engine_tests engine_drawing_tests \
	profile_read_fuzz_replay profile_write_fuzz_replay picture_load_fuzz_replay command_line_fuzz_replay

test: build sanitize
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

sanitize: setup
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS) --target $(SANITIZED_TESTS)
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS) -R '^(files_tests|platform_picture_tests|engine_tests|engine_drawing_tests|.*_fuzz_corpus)$$'

fuzz: setup
	@scripts/fuzz

bench: build
	@scripts/bench $(BUILD_DIR)

# DESTDIR, when given, stages the installation under another root.
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	@cmake --build $(BUILD_DIR) --target uninstall

package: build
	@cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-fuzz
