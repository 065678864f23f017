# The two commands of the README: `make run` and `make test`.
# Both install what is missing, then build into build/.
PRESET ?= dev
BUILD_DIR := build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/bin/quorvane

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@bash scripts/bench.sh $(BUILD_DIR)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-ci build-asan
