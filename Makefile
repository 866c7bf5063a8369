# The two commands: `make run` and `make test`. Both install what is missing,
# configure and build first. `make bench` measures a Release build.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
BENCH_BUILD := build-release

.PHONY: run test build deps bench clean

run: build
	$(BUILD)/bin/orvanta

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD)

deps:
	@scripts/install-deps

# The work sheet benchmarks, then start-up under Xvfb against a minimal window.
bench:
	@scripts/install-deps bench
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
	cmake --build $(BENCH_BUILD) --target worksheet_bench minimal_window orvanta velkin
	$(BENCH_BUILD)/bench/worksheet_bench --benchmark_filter=-PrintPdf/1024
	bench/startup $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(BENCH_BUILD)
