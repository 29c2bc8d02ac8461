#pragma once
// The benchmarks measure the store against raw SQLite on the same files, which needs the
// collations the SQLite backend registers.
#include "data/store/sqlite/collations.h"
