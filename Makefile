# The two commands of the project: `make run` opens the exam window, `make test` runs the whole
# suite headless. Both first install whatever Debian packages are missing.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps configure build format check-format clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open the exam window on; run it under Xvfb: xvfb-run -s '-screen 0 1920x1080x24' $(BUILD)/provimi"; \
	  exit 1; \
	fi
	@$(BUILD)/provimi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
