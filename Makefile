# ORVANTIS: the two everyday commands are `make run` and `make test`.
# Both install the Debian packages the build needs when any is missing.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
DRIVE_C    ?=

PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libjpeg62-turbo-dev fonts-dejavu-core fonts-liberation2 shared-mime-info \
            hicolor-icon-theme adwaita-icon-theme desktop-file-utils attr xvfb xdotool openbox imagemagick

CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-plain test-asan bench install clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=; else SUDO=sudo; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); ORVANTIS needs a desktop to show its windows." >&2; \
	  exit 1; \
	fi
	./$(BUILD)/app/orvantis $(if $(DRIVE_C),--drive-c "$(DRIVE_C)")

test: test-plain test-asan

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORVANTIS_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ./$(BUILD)/bench/orvantis_bench

install: build
	cmake --install $(BUILD) $(if $(PREFIX),--prefix "$(PREFIX)")

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
