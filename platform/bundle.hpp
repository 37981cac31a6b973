#pragma once
// The application's resources, looked up by name and extension. By default
// they are the resources compiled into the program; tests put a lookup of
// their own in place (and reset it with an empty one).
#include <functional>
#include <optional>
#include <string>

namespace platform {

class Bundle {
public:
    using Lookup = std::function<std::optional<std::string>(const std::string& name, const std::string& ext)>;

    static Bundle& main();

    // The path of the resource "name.ext" (a resource path such as
    // ":/Radixmender_Guide.pdf" or a file path), or none when there is none.
    [[nodiscard]] std::optional<std::string> url(const std::string& forResource,
                                                 const std::string& withExtension) const;

    static void setMainLookup(Lookup lookup);

private:
    Bundle() = default;
};

}  // namespace platform
