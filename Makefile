# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DDROVANE_WERROR=ON
endif

.PHONY: deps configure build run test bench contact-sheet frames clean

deps:
	./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/drovane

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

bench: build
	./tools/run-benchmarks.sh $(BUILD_DIR)

# Redraws the 36 frame assets from the mechanism model.
frames: build
	./$(BUILD_DIR)/tools/generate_frames frames/assets

contact-sheet: build
	./$(BUILD_DIR)/tools/contact_sheet frames/assets docs/contact-sheet.png

clean:
	rm -rf $(BUILD_DIR)
