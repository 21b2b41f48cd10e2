#pragma once

#include <string>

#include "app/gtk/ScriptBridge.h"

namespace tavelo {

// Opens files, folders and web addresses with the desktop's default handler, without waiting for
// the handler to start.
class CTargetOpener : public ITargetOpener {
public:
    void OpenTarget(const std::string& target) override;

    // The URI a target stands for: a web or other URI unchanged, a path as a file URI (relative
    // paths from the working directory). Empty when the target names nothing.
    static std::string TargetUri(const std::string& target);
};

}  // namespace tavelo
