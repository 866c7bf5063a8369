# The two commands: `make run` and `make test`. Both install what is missing,
# configure and build first.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

.PHONY: run test build deps clean

run: build
	$(BUILD)/bin/orvanta

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD)

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD)
