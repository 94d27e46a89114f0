#pragma once
// A fresh folder for one test's data files, removed with everything in it afterwards.
#include <string>

#include "tecladix/core/line_file.h"

namespace tecladix::testing {

class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    [[nodiscard]] const std::string& path() const { return path_; }
    [[nodiscard]] std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    [[nodiscard]] std::string Read(const std::string& name) const;

private:
    std::string path_;
};

}  // namespace tecladix::testing
