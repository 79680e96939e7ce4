#include "picture_files.h"

#include "app/program_folder.h"
#include "test_support.h"

#include <windows.h>

ScopedPictureFile::ScopedPictureFile(const std::string& name, const std::string& bytes)
    : m_path(GetProgramFolder() + name) {
    WriteFileBytes(m_path, bytes);
}

ScopedPictureFile::~ScopedPictureFile() {
    ::DeleteFileA(m_path.c_str());
}
