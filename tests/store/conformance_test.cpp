// The store's tests run on every backend: each fixture of this folder is instantiated over
// the backends of store_fixture.h.
#include <gtest/gtest.h>

#include "store_fixture.h"

using namespace storetest;

STORE_CONFORMANCE(StoreTest);
