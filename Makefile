# The two commands of the README: `make run` opens PLORIK on the demo game, `make test` runs every
# test. Each installs what it needs first. `make install PREFIX=...` and `make package` build and
# install PLORIK or its Debian package; `make screenshots` renders the README's pictures. `make windows`
# cross-builds the core tests and plorik-cli for Windows and runs them under Wine (`make test` does
# too); `make package-windows` zips plorik-cli.exe for Windows users.
.PHONY: run run-xwa test build bootstrap install package screenshots bench fuzz clean windows package-windows

PREFIX ?= /usr/local

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j$$(nproc)

run: build
	scripts/run-demo "$(CURDIR)/build" xvt

run-xwa: build
	scripts/run-demo "$(CURDIR)/build" xwa

test: bootstrap
	scripts/test

install: build
	cmake --install build --prefix "$(PREFIX)"

package: build
	cd build && cpack -G DEB

windows: bootstrap
	scripts/test-windows

package-windows: bootstrap
	scripts/package-windows

screenshots: build
	scripts/screenshots "$(CURDIR)/build"

# The core's benchmarks, then the window's on Qt's offscreen platform.
bench: bootstrap
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPLORIK_BENCH=ON -DPLORIK_GUI=ON -DPLORIK_TESTS=OFF
	cmake --build build-bench -j$$(nproc) --target plorik-bench plorik-gui-bench
	build-bench/plorik-bench
	QT_QPA_PLATFORM=offscreen build-bench/plorik-gui-bench

fuzz: bootstrap
	scripts/fuzz all 60

clean:
	rm -rf build build-asan build-sanitize build-bench build-fuzz build-windows
