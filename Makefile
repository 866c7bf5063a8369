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

# The program folder, built for release: `make install PREFIX=DIR` lays it out
# in DIR (~/Orvanta unless told), `make package` packs it into a .tar.gz.
PREFIX ?= $(HOME)/Orvanta
RELEASE := build-release

.PHONY: release install package

release: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(RELEASE) --target orvanta velkin

# A ~ that reached make unexpanded still means the home folder.
install: release
	cmake --install $(RELEASE) --strip --prefix "$(patsubst ~%,$(HOME)%,$(PREFIX))"

package: release
	cd $(RELEASE) && cpack
