# The two everyday commands: `make run` builds and starts the desktop program,
# `make test` builds everything and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all build run test bench clean

all: build

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/korvella

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench:
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVELLA_BENCH=ON -DKORVELLA_TESTS=OFF
	cmake --build build-bench -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) build-bench
