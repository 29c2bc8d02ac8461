#pragma once
// Data sets on the test server: each folder a test would use for table files stands for a
// schema of its own on the server, so that tests (and their child processes, which open the
// same folder) share what they should and nothing else.
#include <filesystem>
#include <string>

namespace testsupport {

// The variable `make test` sets to the throwaway server's connection string.
inline constexpr const char* kServerVariable = "VELMORA_TEST_PG";

// The connection string for the data set standing for `dir`, its schema created if need be.
// Throws when the variable is not set or the server cannot be reached: a test on the server
// fails, never passes, without one.
std::string serverConnectionFor(const std::filesystem::path& dir);

// Restarts the test server itself (scripts/throwaway-pg-server restart on the folder its
// connection names with host=), and returns once it takes connections again. Every session on
// it ends: only a test that runs alone may call it.
void restartTestServer();

// Ends, as a server restart would, every session of this process and its children on the data
// set standing for `dir`, and waits until they are gone.
void endServerSessions(const std::filesystem::path& dir);

}  // namespace testsupport
