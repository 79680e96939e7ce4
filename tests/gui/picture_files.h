// Test picture files beside the test program.
#pragma once

#include "pictures/picture_encoding.h"

// Creates a file beside the test program and removes it at the end of the scope.
class ScopedPictureFile {
public:
    ScopedPictureFile(const std::string& name, const std::string& bytes);
    ScopedPictureFile(const ScopedPictureFile&) = delete;
    ScopedPictureFile& operator=(const ScopedPictureFile&) = delete;
    ~ScopedPictureFile();
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};
