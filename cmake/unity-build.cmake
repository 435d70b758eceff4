# Unity builds: every target compiles its .cpp files in batches, one compiler
# run per batch, so the headers they share (the standard library, GoogleTest,
# the project's own) are parsed and instantiated once per batch rather than
# once per file. Files of one target must therefore not define file-local
# names that clash (see docs/architecture.md, "Build"). Configure with
# -DQN_UNITY_BUILD=OFF to check that every file still compiles on its own.
option(QN_UNITY_BUILD "Compile each target's sources in batches" ON)
set(QN_UNITY_BATCH_SIZE 8 CACHE STRING "Source files per unity batch (0: the whole target)")
set(CMAKE_UNITY_BUILD ${QN_UNITY_BUILD})
set(CMAKE_UNITY_BUILD_BATCH_SIZE ${QN_UNITY_BATCH_SIZE})
