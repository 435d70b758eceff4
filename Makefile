# make test: installs what is missing, builds every tree, runs all test tiers.
# make run:  builds and opens the tuner in a sandbox Wine prefix (a demo machine).
# make bench: builds the benchmark programs and prints their figures.
# make fuzz: builds the hosts and import fuzzers with clang and runs each for a fixed count.
# make dist: builds the setup program and the zip for users into build/dist/.
# make release-check: checks the shipped programs and runs them installed on every machine.
# make images: refreshes the README's pictures in docs/images/ from the end-to-end tests.
.PHONY: all test run bench fuzz dist release-check images deps format clean

all: deps
	cmake --preset native && cmake --build build/native -j$$(nproc)
	cmake --preset win32 && cmake --build build/win32 -j$$(nproc)

deps:
	@scripts/install-deps.sh

test: deps
	@scripts/test-all.sh

run: deps
	@scripts/run-demo.sh

bench: deps
	@scripts/run-benchmarks.sh

fuzz: deps
	@scripts/run-fuzzers.sh

dist: deps
	cmake --preset win32 && cmake --build build/win32 --target dist -j$$(nproc)

images: deps
	@scripts/refresh-images.sh

release-check: deps
	cmake --preset win32 && cmake --build build/win32 --target quillon dapplet -j$$(nproc)
	@scripts/release-check.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
