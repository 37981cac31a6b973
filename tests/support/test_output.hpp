#pragma once
// Where tests write files for a person to look at: TEST_OUTPUT_DIR when it is
// set, otherwise a folder in the system's temporary directory, so that a test
// program run by hand never litters the working directory. The folder is made
// on first use.
#include <filesystem>
#include <string>

namespace radixmender::testing {

std::filesystem::path testOutputDirectory();

// The path of `name` inside the output folder (its subfolders made too).
std::string testOutputPath(const std::string& name);

}  // namespace radixmender::testing
