#pragma once

#include <QString>
#include <string>

// Writing export files. Only regular files are written, new or existing, directly or through a symbolic
// link; a folder, a named pipe, a device or a socket is refused with a message naming the path, and
// nothing here ever waits on one. Failures throw InputOutputError naming the path and the system's reason.

// Appends to the file, creating it when missing; an existing file is never truncated. A write that fails
// part-way is cut back, so the file ends where it ended before (a file this call created is removed).
void appendToFile(const QString &path, const std::string &bytes);

// Writes the whole content beside the file, then renames it over the file: readers see either the old
// content or the new one, never a part. On failure the old file stays as it was.
void replaceFileAtomically(const QString &path, const std::string &bytes);
