# Everyday commands. Each installs what it needs first: run only what building
# and playing need, test and bench also the test tools, package the packaging
# tools.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean package package-test

all: build

DEPS = run
test bench package-test: DEPS = test
package: DEPS = package

deps:
	@scripts/install-deps.sh $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Options for the game: make run ARGS="--display=keep --no-sound"
run: build
	cd $(BUILD)/game && ./brickwork-garden $(ARGS)

# Most tests spend their time waiting (on X servers, the game's timers and
# banners, the network), so ctest runs two a core.
test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $$(( $(JOBS) * 2 ))

# The Debian package, and its test on a fresh Debian 12 root (root, network).
package: build
	@rm -f $(BUILD)/brickwork-garden_*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null

package-test: package
	tests/install/package-test.sh $(BUILD)/brickwork-garden_*.deb

bench: build
	@for b in bench/*.sh; do echo "== $$b"; BUILD=$(BUILD) $$b; done

clean:
	rm -rf $(BUILD)
