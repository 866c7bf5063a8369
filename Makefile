# The two commands: `make run` and `make test`. Both install what is missing,
# configure and build first. `make test` runs the suite twice: as built, and
# built with AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan).
# `make lint` runs clang-tidy and clang-format over the code; `make bench`
# measures a Release build.
BUILD := build
RELEASE := build-release

.PHONY: run test build asan lint deps bench soak clean

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

# The project's own sources: those git tracks, or, in a tree without its
# history (an unpacked source archive), those in the project's folders.
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || \
	find bench common planner tools typefinder tests -name '*.cpp' -o -name '*.h')

lint: build
	@scripts/install-deps lint
	@[ -n "$(filter %.cpp,$(SOURCES))" ] || { echo "lint: no sources found under $(CURDIR)"; exit 1; }
	@echo "clang-tidy and clang-format over $(words $(SOURCES)) files"
	@printf '%s\n' $(filter %.cpp,$(SOURCES)) | xargs -P2 -n4 clang-tidy -p $(BUILD) --quiet
	@clang-format --dry-run --Werror $(SOURCES)

deps:
	@scripts/install-deps

# The work sheet benchmarks, then start-up under Xvfb against a minimal window.
bench:
	@scripts/install-deps bench
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
	cmake --build $(RELEASE) --target worksheet_bench minimal_window orvanta velkin
	$(RELEASE)/bench/worksheet_bench
	bench/startup $(RELEASE)

# A long random run of the answer box beside a plain editor; RANDOM_SEED=n replays a run,
# RANDOM_STEPS=n sets its length.
soak: build
	RANDOM_STEPS=$${RANDOM_STEPS:-5000} $(BUILD)/bin/planner_window_tests --gtest_filter='*InPieces*'

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(RELEASE)

# The program folder, built for release: `make install PREFIX=DIR` lays it out
# in DIR (~/Orvanta unless told), `make package` packs it into a .tar.gz.
PREFIX ?= $(HOME)/Orvanta

.PHONY: release install package

release: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(RELEASE) --target orvanta velkin

# A ~ that reached make unexpanded still means the home folder.
install: release
	cmake --install $(RELEASE) --strip --prefix "$(patsubst ~%,$(HOME)%,$(PREFIX))"

package: release
	cd $(RELEASE) && cpack
