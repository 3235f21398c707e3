# The two commands of the project: `make run` opens the exam window, `make test` runs the whole
# suite headless. Both first install whatever Debian packages are missing.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# The sanitizer run stops at the first report of either sanitizer; leaks are reported only
# outside the system libraries listed in tests/lsan.supp.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

.PHONY: run test test-asan bench package deps configure build format check-format clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open the exam window on; run it under Xvfb: xvfb-run -s '-screen 0 1920x1080x24' $(BUILD)/provimi"; \
	else \
	  $(BUILD)/provimi; \
	fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPROVIMI_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Release build, then the exam program against a bare Qt window on a private X server;
# `make bench SCALE=1.4` measures at a screen scale factor.
SCALE ?= 1
bench: deps
	@cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-release -j $(JOBS) --target bench_all
	@SCALE=$(SCALE) bench/run.sh build-release/bench

# The Debian package of the exam terminal from the build above, in $(BUILD)/: the program, its
# kiosk session, desktop entries, icon and metadata (see "In the exam room" in README.md).
package: build
	@cd $(BUILD) && cpack -G DEB

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) build-release
