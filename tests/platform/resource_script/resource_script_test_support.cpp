#include "resource_script_test_support.h"

#include <fstream>
#include <sstream>

namespace resource_test {

std::string ReadResFile(const std::string& name) {
    std::ifstream file(std::string(ZELMARA_RES_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

resource::ParseOutcome ParseRealScript() {
    return resource::ParseResourceScript(
        ReadResFile("zelmara.rc"), [](const std::string& name) -> std::optional<std::string> {
            std::string text = ReadResFile(name);
            if (text.empty()) return std::nullopt;
            return text;
        });
}

resource::ParseOutcome ParseText(const std::string& script,
                                 const std::map<std::string, std::string>& files) {
    return resource::ParseResourceScript(
        script,
        [&files](const std::string& name) -> std::optional<std::string> {
            auto found = files.find(name);
            if (found == files.end()) return std::nullopt;
            return found->second;
        },
        "test.rc");
}

}  // namespace resource_test
