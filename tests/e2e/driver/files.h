#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qn::e2e {

// The folder of the running program, without a trailing "\".
std::string ProgramFolder();
// A file beside the running program (the programs under test sit there).
std::string BesideProgram(const std::string& fileName);
// A Unix path as Wine sees it (the Unix root is drive Z:).
std::string UnixToWinePath(const std::string& unixPath);

bool FileExists(const std::string& path);
// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& contents);
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& contents);
// Creates the folder and the missing folders above it.
bool MakeFolders(const std::string& path);

}  // namespace qn::e2e
