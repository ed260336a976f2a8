// Holds the source tree to its layers: every `#include "..."` under src/, tools/ and fuzz/ is
// checked against the table below. The root is the source tree this test was built from, or
// STEPWICK_LAYERS_ROOT when set (to check another checkout).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Which folders a folder's files may include, lowest layers last. The most specific folder
// that holds a file gives its rule.
struct Rule {
    std::string folder;
    std::vector<std::string> mayInclude;
};

const std::vector<Rule> kRules = {
    {"src/core", {"core"}},
    {"src/platform", {"platform", "core"}},
    {"src/app", {"app", "platform", "core"}},
    {"src/library", {"library", "app", "platform", "core"}},
    {"src/audio", {"audio", "app", "platform", "core"}},
    {"src/students", {"students", "library", "audio", "app", "platform", "core"}},
    {"src/activity", {"activity", "library", "audio", "app", "platform", "core"}},
    {"src/maintenance", {"maintenance", "library", "audio", "app", "platform", "core"}},
    {"src/app/main", {"students", "activity", "maintenance", "library", "audio", "app", "platform", "core"}},
    {"tools", {"library", "audio", "app", "platform", "core"}},
    {"fuzz", {"library", "app", "platform", "core"}},
};

// Folders whose every file is window code.
const std::set<std::string> kWindowFolders = {"students", "activity", "maintenance"};

// The window helpers of the lower folders (a header and its .cpp). Every Form* file is a window.
const std::set<std::string> kWindowHelpers = {"app/Forms", "app/PictureWidgets", "app/WindowSetup",
                                              "app/ReturnToMain", "library/CategoryBox"};

std::string firstFolder(const std::string& path) { return path.substr(0, path.find('/')); }

// The path without its extension: "app/Forms.h" -> "app/Forms".
std::string stem(const std::string& path) { return (fs::path(path).parent_path() / fs::path(path).stem()).generic_string(); }

// A window's own file: FormMain.h, FormTask.cpp, ... (not the window registry app/Forms).
bool isWindowFile(const std::string& path) {
    return fs::path(path).filename().string().rfind("Form", 0) == 0 && stem(path) != "app/Forms";
}

// path is relative to src/ ("app/Forms.h").
bool isWindowCode(const std::string& path) {
    return kWindowFolders.count(firstFolder(path)) != 0 || kWindowHelpers.count(stem(path)) != 0 ||
           isWindowFile(path);
}

const Rule* ruleFor(const std::string& relative) {
    const Rule* best = nullptr;
    for (const Rule& rule : kRules) {
        const std::string prefix = rule.folder + "/";
        if (relative.rfind(prefix, 0) == 0 && (best == nullptr || rule.folder.size() > best->folder.size())) {
            best = &rule;
        }
    }
    return best;
}

std::string joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words) out += (out.empty() ? "" : ", ") + w;
    return out;
}

struct Include {
    int line;
    std::string header;
};

std::vector<Include> quotedIncludes(const fs::path& file) {
    static const std::regex pattern(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::ifstream in(file);
    std::vector<Include> out;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch m;
        if (std::regex_search(text, m, pattern)) out.push_back({line, m[1].str()});
    }
    return out;
}

// What is wrong with one include of a file, or the empty text.
std::string problemWith(const fs::path& root, const std::string& relative, const Include& inc) {
    const Rule* rule = ruleFor(relative);
    if (rule == nullptr) return "its folder has no row in the table of this test";
    const std::string& header = inc.header;
    // A bare name is a header beside the file (the generator's and the fuzz targets' own).
    if (header.find('/') == std::string::npos) {
        if (fs::exists(root / fs::path(relative).parent_path() / header)) return {};
        return "no such header beside it";
    }
    const std::string folder = firstFolder(header);
    const auto& allowed = rule->mayInclude;
    if (std::find(allowed.begin(), allowed.end(), folder) == allowed.end()) {
        return rule->folder + " may include only " + joined(allowed);
    }
    const std::string ownFolder = firstFolder(relative.substr(relative.find('/') + 1));
    const bool inSrc = relative.rfind("src/", 0) == 0;
    // A window starts another subsystem's window through the window registry (app/Forms.h).
    if (isWindowFile(header) && rule->folder != "src/app/main" && !(inSrc && ownFolder == folder)) {
        return "a window is reached through the window registry, not by its header";
    }
    const bool includerIsWindowCode = inSrc && isWindowCode(relative.substr(4));
    if (!includerIsWindowCode && rule->folder != "src/app/main" && isWindowCode(header)) {
        return "only window code may include window code";
    }
    return {};
}

std::vector<std::string> layerFaults(const fs::path& root) {
    std::vector<std::string> sources;
    for (const char* top : {"src", "tools", "fuzz"}) {
        if (!fs::is_directory(root / top)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const std::string ext = entry.path().extension().string();
            if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h")) {
                sources.push_back(fs::relative(entry.path(), root).generic_string());
            }
        }
    }
    std::sort(sources.begin(), sources.end());
    std::vector<std::string> faults;
    for (const std::string& relative : sources) {
        for (const Include& inc : quotedIncludes(root / relative)) {
            const std::string problem = problemWith(root, relative, inc);
            if (!problem.empty()) {
                faults.push_back(relative + ":" + std::to_string(inc.line) + " includes \"" + inc.header + "\": " +
                                 problem);
            }
        }
    }
    return faults;
}

fs::path sourceRoot() {
    const char* other = std::getenv("STEPWICK_LAYERS_ROOT");
    return other != nullptr && *other != '\0' ? fs::path(other) : fs::path(STEPWICK_SOURCE_DIR);
}

TEST(Layers, EveryIncludeKeepsToTheTable) {
    const fs::path root = sourceRoot();
    ASSERT_TRUE(fs::is_directory(root / "src")) << root;
    const std::vector<std::string> faults = layerFaults(root);
    std::ostringstream report;
    for (const std::string& f : faults) report << "\n  " << f;
    EXPECT_TRUE(faults.empty()) << faults.size() << " includes break the layers:" << report.str();
}

// The rules themselves, on a tree made for the purpose.
TEST(Layers, TheRulesCatchWhatTheyAreFor) {
    const fs::path root = fs::temp_directory_path() / ("stepwick-layers-" + std::to_string(std::random_device()()));
    fs::remove_all(root);
    const auto write = [&root](const std::string& relative, const std::string& text) {
        fs::create_directories((root / relative).parent_path());
        std::ofstream(root / relative) << text;
    };
    write("src/core/Plain.h", "#include \"core/Other.h\"\n");
    write("src/core/Bad.h", "#include \"app/Globvars.h\"\n");
    write("src/app/Globvars.h", "#include \"students/StudentOptions.h\"\n");
    write("src/students/FormMain.cpp", "#include \"app/Forms.h\"\n#include \"library/FormTask.h\"\n");
    write("src/library/DataFiles.cpp", "#include \"app/PictureWidgets.h\"\n#include \"app/Globvars.h\"\n");
    write("src/library/FormTask.cpp", "#include \"library/FormTask.h\"\n#include \"app/ReturnToMain.h\"\n");
    write("src/app/main/main.cpp", "#include \"activity/FormAnimation.h\"\n");
    write("src/newfolder/X.cpp", "#include \"core/Result.h\"\n");
    write("tools/content/Buttons.cpp", "#include \"Drawing.h\"\n#include \"Missing.h\"\n#include \"app/WindowSetup.h\"\n");
    write("tools/content/Drawing.h", "");

    const std::vector<std::string> expected = {
        "src/app/Globvars.h:1 includes \"students/StudentOptions.h\": src/app may include only app, platform, core",
        "src/core/Bad.h:1 includes \"app/Globvars.h\": src/core may include only core",
        "src/library/DataFiles.cpp:1 includes \"app/PictureWidgets.h\": only window code may include window code",
        "src/newfolder/X.cpp:1 includes \"core/Result.h\": its folder has no row in the table of this test",
        "src/students/FormMain.cpp:2 includes \"library/FormTask.h\": a window is reached through the window "
        "registry, not by its header",
        "tools/content/Buttons.cpp:2 includes \"Missing.h\": no such header beside it",
        "tools/content/Buttons.cpp:3 includes \"app/WindowSetup.h\": only window code may include window code",
    };
    EXPECT_EQ(layerFaults(root), expected);
    fs::remove_all(root);
}

}  // namespace
