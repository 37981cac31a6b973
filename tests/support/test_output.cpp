#include "tests/support/test_output.hpp"

#include <cstdlib>

namespace radixmender::testing {

std::filesystem::path testOutputDirectory() {
    const char* dir = std::getenv("TEST_OUTPUT_DIR");
    const std::filesystem::path path = dir != nullptr && *dir != '\0'
                                           ? std::filesystem::path(dir)
                                           : std::filesystem::temp_directory_path() / "radixmender-tests";
    std::filesystem::create_directories(path);
    return path;
}

std::string testOutputPath(const std::string& name) {
    const std::filesystem::path path = testOutputDirectory() / name;
    std::filesystem::create_directories(path.parent_path());
    return path.string();
}

}  // namespace radixmender::testing
