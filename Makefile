# Everyday commands. Each one first installs what is missing (setup.sh).
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test test-sanitize bench artwork package screenshots clean

all: build

setup:
	@sh setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Runs the program from data/, the folder that holds meanings.txt and about.txt.
run: build
	cd data && $(abspath $(BUILD))/quillmere-tarot

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer (leaks included) and UBSan.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
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
screenshots: build
	sh tools/screenshots.sh $(BUILD)

bench: build
	sh bench/run-all.sh $(BUILD)

artwork:
	@sh setup.sh artwork
	sh tools/artwork/generate.sh

clean:
	rm -rf $(BUILD)
