# Everyday commands. Each one first installs what it is missing (setup.sh):
# make run and make check only what building and running the program need,
# make test also what every test needs.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all setup setup-test setup-format configure configure-test build run check test test-sanitize bench artwork package screenshots format format-check clean

all: build

setup:
	@sh setup.sh

setup-test:
	@sh setup.sh test

setup-format:
	@sh setup.sh format

# Keeps whatever the build folder was configured with before: after make test,
# make build also rebuilds the tests.
configure: setup
	@$(CMAKE_CONFIGURE) >/dev/null

configure-test: setup-test
	@$(CMAKE_CONFIGURE) -DQUILLMERE_BUILD_TESTS=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Builds the program alone and runs it from data/, the folder that holds
# meanings.txt and about.txt.
run: configure
	@cmake --build $(BUILD) --target quillmere-tarot -j $(JOBS)
	cd data && $(abspath $(BUILD))/quillmere-tarot

# The quick tier, while working: the library and the unit and window tests
# only (Qt Test comes with Qt's development files), then those tests, the
# monkey test with a fifth of its usual 100000 actions.
check: setup
	@$(CMAKE_CONFIGURE) -DQUILLMERE_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD) --target check-tests -j $(JOBS)
	cd $(BUILD) && MONKEY_ACTIONS=20000 ctest --output-on-failure -j $(JOBS) -L '^(unit|window)$$'

# Everything: the program, every test and the artwork tests' painters, then
# every test. The benchmarks are built by make bench only.
test: configure-test
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer (leaks included) and UBSan.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitize: setup-test
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_BUILD_TESTS=ON \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/leaks.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    MONKEY_ACTIONS=5000 \
	    ctest --output-on-failure -j $(JOBS)

# The Debian package, installing under /usr: build/quillmere-tarot_<version>_amd64.deb
package: build
	cd $(BUILD) && cpack -G DEB

# The package installed with apt into a fresh minimal Debian 12 root and started
# there (needs root and the network; not part of the test suite).
.PHONY: package-check
package-check: build
	sh packaging/package-check.sh $(BUILD)

# The README's screenshots, taken under a private X session.
screenshots: setup-test configure
	@cmake --build $(BUILD) --target quillmere-tarot -j $(JOBS)
	sh tools/screenshots.sh $(BUILD)

bench: configure-test
	@cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	sh bench/run-all.sh $(BUILD)

# The C++ sources against .clang-format: format-check lists the files that
# differ (CI runs it), format rewrites them.
format: setup-format
	sh tools/check-format.sh --fix

format-check: setup-format
	sh tools/check-format.sh

artwork:
	@sh setup.sh artwork
	sh tools/artwork/generate.sh

clean:
	rm -rf $(BUILD)
