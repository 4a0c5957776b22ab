#!/usr/bin/env bash
# Writes the seed corpus anew into corpus/ from the fuzz project's generator
# (MakeCorpus.cpp). Run it after a change to a message or file format, and
# commit what changed; run.sh only reads the corpus.
set -euo pipefail
cd "$(dirname "$0")"
build=../../build-fuzz
[ -f "$build/build.ninja" ] || CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2 --target fuzz_make_corpus
rm -rf corpus
"$build/fuzz_make_corpus" corpus
