# The two commands a newcomer needs: `make run` and `make test`. Both install what is missing.
BUILD    ?= build
ASAN     ?= build-asan
BENCH    ?= build-bench
FUZZ     ?= build-fuzz
FUZZTIME ?= 60
CMAKE_FLAGS ?=

.PHONY: deps build run test bench sanitize fuzz screenshots format clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	@scripts/run-fillmap $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300

bench: deps
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DFILLMAP_BENCH=ON -DFILLMAP_TESTS=OFF
	cmake --build $(BENCH)
	@for b in $(BENCH)/bench/bench_* $(BENCH)/bench/*/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

sanitize: deps
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFILLMAP_SANITIZE=ON
	cmake --build $(ASAN)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --timeout 600

fuzz: deps
	cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DFILLMAP_FUZZ=ON -DFILLMAP_GUI=OFF -DFILLMAP_TESTS=OFF
	cmake --build $(FUZZ)
	@for f in $(FUZZ)/fuzz/fuzz_*; do \
	  name=$$(basename $$f); mkdir -p $(FUZZ)/corpus/$$name; \
	  if $$f -max_total_time=$(FUZZTIME) -timeout=5 $(FUZZ)/corpus/$$name fuzz/seeds/$$name \
	       > $(FUZZ)/$$name.log 2>&1; then \
	    echo "$$name: $$(grep -E '^Done' $(FUZZ)/$$name.log)"; \
	  else tail -n 60 $(FUZZ)/$$name.log; exit 1; fi; \
	done

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/gui/fillmap_screenshots $(BUILD)/screenshots

format:
	clang-format -i $$(git ls-files '*.h' '*.cpp')

clean:
	rm -rf $(BUILD) $(ASAN) $(BENCH) $(FUZZ)
