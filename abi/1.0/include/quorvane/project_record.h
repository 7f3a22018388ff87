#pragma once
// The project record the program hands to the runtime at start.

#include <quorvane/default_instance.h>

#include <string_view>

namespace qv
{

enum class Threading { Single };

// The fixed facts about the project that travel with the executable.
struct ProjectIdentity {
    std::string_view projectName;
    std::string_view title;
    std::string_view executableName;
    std::string_view executableFile;
    std::string_view helpFile;
    std::string_view description;
    int locale;
    Threading threading;
    int windowCount;
    int activeXClassCount;
    int runtimeBuild;
    std::string_view iconResource; // the icon group, as a Qt resource path
};

struct ProjectRecord {
    const ProjectIdentity &identity;
    // The start-up object: a window, there is no start-up routine.
    FormClass startupForm;
    FormSlot &startupSlot;
};

} // namespace qv
