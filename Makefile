# make test: install what is missing, build, run every test.   make run: build and start brenvik.
MAKEFLAGS += --no-print-directory
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build test clean bench run

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@bash scripts/run-tests.sh $(BUILD)

# make run [WINVER=win95|win98|winme|nt40|win2k|winxp] [APP=olandri]
run:
	@bash scripts/run-app.sh --check '$(or $(APP),brenvik)' '$(or $(WINVER),winxp)'
	@$(MAKE) configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(or $(APP),brenvik) help_file
	@bash scripts/run-app.sh $(BUILD) $(or $(APP),brenvik) $(or $(WINVER),winxp)

clean:
	rm -rf $(BUILD)

# make bench: a release build of its own, the figures and their floors, then the test suite's time.
bench:
	@bash scripts/bench.sh $(abspath build-bench)
	@echo "5. Wall time of the whole test suite"
	@start=$$(date +%s.%N); $(MAKE) -s test >/dev/null 2>&1; rc=$$?; end=$$(date +%s.%N); \
	  awk -v s=$$start -v e=$$end -v rc=$$rc 'BEGIN {printf "   make test: %.0f s (exit %d)\n", e - s, rc}'
