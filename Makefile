# Everything a fresh Debian 12 machine needs: `make run` starts the program on a demo
# salon (`make run-servidor` on a throwaway PostgreSQL server holding it), `make test`
# builds and runs every test (starting a throwaway PostgreSQL server for those on a server),
# `make package` builds the Debian package and `make check-package` checks, installs,
# upgrades, removes and purges it (needs root).
BUILD_DIR ?= build
DEMO_DIR  ?= $(BUILD_DIR)/demo-data
JOBS      ?= $(shell nproc)

.PHONY: deps configure build test update-expected run run-servidor bench package check-package clean

deps:
	bash scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Writes every report's reference text (tests/reports/expected) anew from the fixed salon;
# review the diff before committing it.
update-expected: build
	cd $(BUILD_DIR) && VELMORA_UPDATE_EXPECTED=1 QT_QPA_PLATFORM=offscreen \
		tests/reports/test_reports --gtest_filter='*ReferenceFiles*'

run: build
	bash scripts/run-demo $(BUILD_DIR) $(DEMO_DIR)

run-servidor: build
	bash scripts/run-servidor $(BUILD_DIR)

bench: build
	bash scripts/run-benchmarks $(BUILD_DIR)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

check-package: package
	bash packaging/check-package "$$(ls -t $(BUILD_DIR)/velmora_*.deb | head -n 1)"

clean:
	rm -rf $(BUILD_DIR)
