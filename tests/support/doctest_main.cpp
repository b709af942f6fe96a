// doctest's implementation and main live here alone: compiling it is the slowest part of a build.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>
