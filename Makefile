# Pellax: `make run` builds and starts the editor, `make test` runs every test
# (a plain build and a sanitizer build). Both install what is missing first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
# Warnings are errors in CI.
WERROR     := $(if $(CI),ON,OFF)

# ccache, when installed, shares compiled objects between builds and checkouts.
CCACHE     := $(shell command -v ccache 2>/dev/null)
CMAKE_FLAGS = -G Ninja -DPELLAX_WERROR=$(WERROR) $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

.PHONY: all setup build run test test-plain test-asan bench install package clean

all: build

setup:
	@scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/pellax

test: test-plain test-asan

test-plain: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-asan: setup
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DPELLAX_SANITIZE=ON -DPELLAX_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:max_allocation_size_mb=1024 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

# Installs under PREFIX (default /usr/local); DESTDIR is honoured for packaging.
PREFIX     ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package, pellax_<version>_<arch>.deb, built in $(BUILD) and copied
# here: `apt install ./pellax_*.deb` installs it.
package: build
	cmake --build $(BUILD) --target package
	cp $(BUILD)/pellax_*.deb .

bench: build
	@for b in $(BUILD)/bench/*/pellax_bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
