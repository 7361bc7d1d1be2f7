# Convenience entry points; each calls the scripts that CI and the README use.
.PHONY: all deps build test check demo sanitize tsan bench format clean translations

all: build

deps:
	scripts/install-deps

build:
	scripts/build

test:
	scripts/test

check:
	scripts/check

demo:
	scripts/demo

sanitize:
	BUILD_DIR=build-asan BUILD_TYPE=Debug scripts/build -DSORVEL_SANITIZE=ON
	BUILD_DIR=build-asan scripts/test

tsan:
	BUILD_DIR=build-tsan BUILD_TYPE=Debug scripts/build -DSORVEL_TSAN=ON
	BUILD_DIR=build-tsan scripts/test

# lupdate over the sources into translations/*.ts (existing translations kept),
# then the .qm files; fill new strings with scripts/fill-translations.
translations:
	@test -f build/CMakeCache.txt || cmake -S . -B build -G Ninja
	cmake --build build --target update_translations
	cmake --build build --target release_translations

deb package:
	scripts/package

bench: build
	@for b in build/bin/bench_*; do [ -x "$$b" ] && "$$b"; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-tsan
