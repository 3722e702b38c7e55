# make run   - installs what is missing, builds and starts the program
# make test  - installs what is missing, builds and runs every test
# make bench - builds and runs the benchmarks
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
	./build/bin/bench_store
	QT_QPA_PLATFORM=offscreen ./build/bin/bench_reports
	QT_QPA_PLATFORM=offscreen ./build/bin/bench_ledger
	QT_QPA_PLATFORM=offscreen ./build/bin/bench_journal

package: build
	cmake --build --preset default --target package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
