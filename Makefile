# SPDX-License-Identifier: MIT
# Set-up, build, run and test. Every target installs missing Debian packages first.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/vaporlane

# The tests run in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVAPORLANE_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j$(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bin/engine_bench

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
