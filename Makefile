# The two everyday commands: `make run` and `make test`. Each installs what
# is missing, configures and builds in build/, then runs.
BUILD_DIR ?= build
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps configure bench clean

run: build
	@scripts/run-app.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD_DIR)/bench/bench_lookup

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTARKINDLE_WERROR=$(WERROR)

deps:
	@scripts/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
