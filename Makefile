# The two everyday commands: `make run` and `make test`. Each installs what
# is missing, configures and builds in build/, then runs.
BUILD_DIR ?= build
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test test-sanitize build deps configure bench package clean

run: build
	@scripts/run-app.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# Every test again, with the application and the tests built with
# AddressSanitizer and UndefinedBehaviorSanitizer in their own folder. The
# libFuzzer targets are left out: `make test` already runs them sanitized.
SANITIZE_DIR ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTARKINDLE_WERROR=$(WERROR) \
		-DSTARKINDLE_SANITIZE=ON -DSTARKINDLE_FUZZ=OFF -DSTARKINDLE_BUILD_BENCH=OFF
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && \
		ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

# All three run even when one fails or misses its target; make then fails.
bench: build
	@status=0; \
	$(BUILD_DIR)/bench/bench_lookup || status=1; \
	$(BUILD_DIR)/bench/bench_startup || status=1; \
	$(BUILD_DIR)/bench/bench_findsign || status=1; \
	exit $$status

# The Debian package, written to $(BUILD_DIR)/starkindle_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTARKINDLE_WERROR=$(WERROR)

deps:
	@scripts/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
