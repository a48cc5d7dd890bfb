# The two commands of the README: `make run` opens PLORIK on the demo game, `make test` runs every
# test. Each installs what it needs first.
.PHONY: run run-xwa test build bootstrap clean

bootstrap:
	scripts/bootstrap

build: bootstrap
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$$(nproc)

run: build
	scripts/run-demo "$(CURDIR)/build" xvt

run-xwa: build
	scripts/run-demo "$(CURDIR)/build" xwa

test: bootstrap
	scripts/test

clean:
	rm -rf build build-asan
