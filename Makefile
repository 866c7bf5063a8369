# The two commands: `make run` and `make test`. Both install what is missing,
# configure and build first. `make test` runs the suite twice: as built, and
# built with AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan).
# `make lint` runs clang-tidy and clang-format over the code.
BUILD := build

.PHONY: run test build asan lint deps clean

run: build
	$(BUILD)/bin/orvanta

test: build asan
	ctest --preset default
	ctest --preset asan

build: deps
	@cmake --preset default >/dev/null
	cmake --build --preset default

asan: deps
	@cmake --preset asan >/dev/null
	cmake --build --preset asan

lint: build
	git ls-files '*.cpp' | xargs -P2 -n4 clang-tidy -p $(BUILD) --quiet
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

deps:
	@scripts/install-deps

clean:
	rm -rf $(BUILD) $(BUILD)-asan
