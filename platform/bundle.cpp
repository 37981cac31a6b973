#include "platform/bundle.hpp"

#include <QFile>
#include <QString>

namespace platform {

namespace {
Bundle::Lookup& lookupOverride() {
    static Bundle::Lookup lookup;
    return lookup;
}
}  // namespace

Bundle& Bundle::main() {
    static Bundle bundle;
    return bundle;
}

std::optional<std::string> Bundle::url(const std::string& forResource,
                                       const std::string& withExtension) const {
    if (const auto& lookup = lookupOverride()) return lookup(forResource, withExtension);
    const std::string path = ":/" + forResource + (withExtension.empty() ? "" : "." + withExtension);
    if (!QFile::exists(QString::fromStdString(path))) return std::nullopt;
    return path;
}

void Bundle::setMainLookup(Lookup lookup) { lookupOverride() = std::move(lookup); }

}  // namespace platform
