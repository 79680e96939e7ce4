// Runs the real setupcheck.exe on folders a test prepares, and reads back what
// it printed.
#pragma once

#include <string>
#include <vector>

// A folder of its own under the temporary folder, removed with everything in it.
class TestFolder {
public:
    TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    ~TestFolder();

    const std::string& path() const { return m_path; }
    // Writes the file, creating the folders on its way ("setup\db.exe").
    void Write(const std::string& name, const std::string& bytes) const;

private:
    std::string m_path;
};

struct CheckRun {
    unsigned long exitStatus;
    std::string output; // standard output, as printed
};

// setupcheck.exe from beside the test program, with the arguments as given.
CheckRun RunSetupcheck(const std::vector<std::string>& arguments);

// One printed finding: "FILE:LINE: SEVERITY: message" (LINE 0 when there is none).
struct PrintedFinding {
    std::string file;
    int line;
    std::string severity;
    bool operator==(const PrintedFinding& other) const {
        return file == other.file && line == other.line && severity == other.severity;
    }
};

// The findings of the output, in order; the summary line is not one.
std::vector<PrintedFinding> FindingsOf(const std::string& output);

// The folder of the test program, ending in a backslash.
std::string TestProgramFolder();
