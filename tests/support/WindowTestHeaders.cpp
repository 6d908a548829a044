// The source the window tests' precompiled header is made for (see
// tests/CMakeLists.txt); it holds nothing itself.
