# make run   - installs what is missing, builds and starts the program
# make test  - installs what is missing, builds and runs every test
# make bench - builds and runs the benchmarks, one table for 10 000, 100 000 and 1 000 000 lines
# make package - builds the Debian package (build/saldovia_*.deb)

.PHONY: all deps configure build run test bench package format clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

run: build
	./build/bin/saldovia

test: build
	ctest --preset default

bench: build
	./bench/table.sh build/bin 10000 100000 1000000

package: build
	cmake --build --preset default --target package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
