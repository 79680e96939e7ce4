// Setup.ini on the disk: read whole, and saved so that nothing is lost: the
// new bytes are written beside the old file and moved into place, the
// previous file kept as Setup.ini.bak. A failure leaves the old file as it was.
#pragma once

#include <optional>
#include <string>

// The file's bytes; none when it cannot be read (`error` says why).
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error);

// Writes `bytes` as the file at `path`, keeping the previous file as
// `path` + ".bak"; false with `error` saying why when it could not.
bool ReplaceFileKeepingBackup(const std::string& path, const std::string& bytes,
                              std::string& error);

// The platform's text for an error code, on one line.
std::string SystemErrorText(unsigned long code);
