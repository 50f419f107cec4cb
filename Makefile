# The two front-door commands: `make run` and `make test`.  Each does its own
# set-up first.

JOBS ?= $(shell nproc)
BUILD := build
SAN_BUILD := build-san

SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all setup build run test test-normal test-sanitize bench install clean

all: build

setup:
	@tools/setup-deps

$(BUILD)/build.ninja: CMakeLists.txt | setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: setup $(BUILD)/build.ninja
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-kalvio $(BUILD)

# Both builds: the ordinary one, then ASan + UBSan (clang, with the fuzz
# targets built on libFuzzer and run for a bounded number of inputs).
test: test-normal test-sanitize

test-normal: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

$(SAN_BUILD)/build.ninja: CMakeLists.txt | setup
	@CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKALVIO_SANITIZE=ON -DKALVIO_FUZZ=ON -DKALVIO_BENCH=OFF >/dev/null

test-sanitize: setup $(SAN_BUILD)/build.ninja
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@cd $(SAN_BUILD) && $(SAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@tools/run-benchmarks $(BUILD)

install: build
	@cmake --install $(BUILD) $(if $(PREFIX),--prefix $(PREFIX))

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
