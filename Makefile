# Everyday commands. Each one first installs what is missing (setup.sh).
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench artwork package screenshots clean

all: build

setup:
	@sh setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Runs the program from data/, the folder that holds meanings.txt and about.txt.
run: build
	cd data && ../$(BUILD)/quillmere-tarot

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package, installing under /usr: build/quillmere-tarot_<version>_amd64.deb
package: build
	cd $(BUILD) && cpack -G DEB

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
