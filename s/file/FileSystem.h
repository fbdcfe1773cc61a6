#pragma once

#include <cstdint>

#include "s/col/_array/NumberArray.h"

namespace s::file {

// The few file-system services the library needs, on the platform's own calls. Paths are
// terminated UTF-16 texts; "\" and "/" both separate folders.

bool fileExists(const char16_t* path);
bool folderExists(const char16_t* path);
// The size in bytes of an existing file.
bool fileSize(const char16_t* path, std::uint64_t* size);
// Replaces the array's content with the whole file.
bool readWholeFile(const char16_t* path, s::col::_array::ArrayU08& bytes);
// Creates one folder whose parent exists; true when it exists afterwards.
bool createOneFolder(const char16_t* path);
// Creates the file or empties an existing one, writes the bytes and closes it.
bool writeWholeFile(const char16_t* path, const void* bytes, std::uint32_t count);

}  // namespace s::file
